#pragma once
// The player's language on Windows. The game's texts are written in
// English; the build compiles the same translations the Qt build ships into
// a table of the program's own, and the game shows each text through
// translated() in the language chosen at start:
//
//     klandor::win::useLanguage(klandor::win::userLanguage());   // in wWinMain
//     menu caption: translated(kMenuContext, design(item).caption)
//     a count:      arg(translated("klandor::Form2", "%1 seconds", comment, n), field)
//
// Contexts are the ones the Qt build uses ("Menu", "Prompts", the Qt classes'
// names such as "klandor::Form2"). Texts are UTF-8. In English, and for a
// text the table lacks, the English text comes back as it was given: a
// result may view the caller's own text, so give it one that outlives it
// (the game's are literals).

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace klandor::win {

// The languages the game ships, named as their translations are ("de",
// "pt_BR"...), sorted.
std::vector<std::string_view> shippedLanguages();

// The shipped language for a Windows language identifier (a LANGID: primary
// language in the low ten bits, sublanguage above), or "" for English: the
// primary language decides, whatever the region; every Portuguese reads the
// Brazilian translation, the only Portuguese one.
std::string_view languageFor(std::uint16_t langid);

// The language of the user's interface (GetUserDefaultUILanguage) as
// languageFor() maps it. Windows only.
std::string_view userLanguage();

// Chooses the language of every translated() from now on and returns it:
// a shipped one, or "" (English) for any other.
std::string_view useLanguage(std::string_view language);
std::string_view currentLanguage();

// How many plural forms a language's translations have, and which form
// counts n things, by the rules the Qt build's translations apply (English's
// for a language not shipped). A negative n takes the first form.
int pluralForms(std::string_view language);
int pluralForm(std::string_view language, int n);

// A text in the current language, by its context, English text and the
// comment it carries in the translations (most carry none).
std::string_view translated(std::string_view context, std::string_view english, std::string_view comment = {});
// The same for a text about n things, in the plural form for n.
std::string_view translated(std::string_view context, std::string_view english, int n);
std::string_view translated(std::string_view context, std::string_view english, std::string_view comment, int n);

// The text with each of its lowest-numbered placeholder ("%1", then "%2"...)
// replaced by value, as the Qt build fills them.
std::string arg(std::string_view text, std::string_view value);

}  // namespace klandor::win
