#pragma once
// The game's texts are UTF-8; the system's are UTF-16. The kit's texts are
// shown in the player's language.

#include <string>
#include <string_view>

#include "kit/text.h"

namespace klandor::win {

std::wstring wide(std::string_view utf8);
std::string utf8(std::wstring_view wide);

// A text of the kit in the player's language, its data filled in as they
// are.
std::wstring say(const kit::Text& text);

}  // namespace klandor::win
