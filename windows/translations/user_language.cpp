// The user's interface language, from Windows itself.
#include <windows.h>

#include "windows/translations/translations.h"

namespace klandor::win {

std::string_view userLanguage() { return languageFor(GetUserDefaultUILanguage()); }

}  // namespace klandor::win
