#pragma once
// A text the player reads, as the plain layers hand it to a front end: an
// English text marked for translation in its context (and, where one
// English text has two senses, its comment), the count that picks its
// plural form, and the data that fill its placeholders %1, %2... A front
// end shows it in the player's language with one function of its own; the
// data are shown as they are, never translated.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kit/words.h"

namespace klandor::kit {

struct Text {
  Text() = default;
  Text(const char* context, const char* english, const char* comment = nullptr, std::optional<int> count = {},
       std::vector<std::string> args = {})
      : context(context), english(english), comment(comment), count(count), args(std::move(args)) {}

  const char* context = nullptr;  // null: data alone, nothing to translate
  const char* english = nullptr;  // null: no text at all
  const char* comment = nullptr;
  std::optional<int> count;        // the plural form's count
  std::vector<std::string> args;   // UTF-8, for %1, %2...

  bool empty() const { return english == nullptr; }
  // The English text with its data filled in.
  std::string inEnglish() const { return fill(english != nullptr ? english : "", args); }
  bool operator==(const Text&) const = default;

  // Fills each %n of a text (n from 1 to 9) with args[n - 1], as far as
  // there are args; any other % stays.
  static std::string fill(std::string_view text, const std::vector<std::string>& args);
};

// A text marked for translation where it is written, in its context (a
// string literal), as lupdate finds it; with a comment, and one shown with
// a count (Text::count).
#define KLANDOR_TEXT(context, english) (::klandor::kit::Text(context, english))
#define KLANDOR_TEXT3(context, english, comment) (::klandor::kit::Text(context, english, comment))
#define KLANDOR_TEXT_N3(context, english, comment) (::klandor::kit::Text(context, english, comment))

// A text to translate, with its data.
inline Text say(const char* context, const char* english, std::vector<std::string> args = {}) {
  return {context, english, nullptr, std::nullopt, std::move(args)};
}
// Data shown as they are: a name, a number, the best-times line.
inline Text data(std::string utf8) { return {nullptr, "%1", nullptr, std::nullopt, {std::move(utf8)}}; }

// The board's words as a text.
Text text(const Phrase& phrase);

// The Latin-1 bytes of the best-times line as UTF-8 text.
std::string latin1ToUtf8(std::string_view bytes);

}  // namespace klandor::kit
