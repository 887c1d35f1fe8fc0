#pragma once
// The compiled translations, as the build generates them from the game's
// Qt Linguist files (make_table.py). Read through translations.h.

#include <span>
#include <string_view>

namespace klandor::win::detail {

// One translated text: found by its context, English text and comment
// (empty when it has none); one form, or one per plural form of its
// language, in UTF-8.
struct Entry {
  std::string_view context;
  std::string_view source;
  std::string_view comment;
  std::span<const std::string_view> forms;
};

struct LanguageTable {
  std::string_view language;  // as the files are named: "de", "pt_BR"...
  std::span<const Entry> entries;
};

// Every shipped language, sorted by name.
std::span<const LanguageTable> languageTables();

}  // namespace klandor::win::detail
