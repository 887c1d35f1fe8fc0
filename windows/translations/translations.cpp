#include "windows/translations/translations.h"

#include <algorithm>

#include "windows/translations/table.h"

namespace klandor::win {

namespace {

// Primary languages and the one sublanguage the table tells apart, as
// Windows numbers them (winnt.h).
constexpr std::uint16_t kPrimaryMask = 0x3FF;
struct Primary {
  std::uint16_t id;
  std::string_view language;
};
constexpr Primary kPrimaries[] = {
    {0x07, "de"},     // LANG_GERMAN
    {0x0C, "fr"},     // LANG_FRENCH
    {0x0A, "es"},     // LANG_SPANISH
    {0x10, "it"},     // LANG_ITALIAN
    {0x13, "nl"},     // LANG_DUTCH
    {0x15, "pl"},     // LANG_POLISH
    {0x16, "pt_BR"},  // LANG_PORTUGUESE, Brazil's or Portugal's
};

const detail::LanguageTable* current = nullptr;  // English

const detail::LanguageTable* tableOf(std::string_view language) {
  for (const detail::LanguageTable& table : detail::languageTables()) {
    if (table.language == language) return &table;
  }
  return nullptr;
}

std::string_view lookUp(std::string_view context, std::string_view english, std::string_view comment, int n) {
  if (current == nullptr) return english;
  for (const detail::Entry& entry : current->entries) {
    if (entry.source != english || entry.context != context || entry.comment != comment) continue;
    const auto form = static_cast<std::size_t>(pluralForm(current->language, n));
    return entry.forms[std::min(form, entry.forms.size() - 1)];
  }
  return english;
}

}  // namespace

std::vector<std::string_view> shippedLanguages() {
  std::vector<std::string_view> languages;
  for (const detail::LanguageTable& table : detail::languageTables()) languages.push_back(table.language);
  return languages;
}

std::string_view languageFor(std::uint16_t langid) {
  const std::uint16_t primary = langid & kPrimaryMask;
  for (const Primary& p : kPrimaries) {
    if (p.id == primary) return tableOf(p.language) != nullptr ? p.language : std::string_view{};
  }
  return {};
}

std::string_view useLanguage(std::string_view language) {
  current = tableOf(language);
  return currentLanguage();
}

std::string_view currentLanguage() { return current != nullptr ? current->language : std::string_view{}; }

int pluralForms(std::string_view language) { return language == "pl" ? 3 : 2; }

int pluralForm(std::string_view language, int n) {
  if (n < 0) return 0;
  if (language == "fr" || language == "pt_BR") return n <= 1 ? 0 : 1;
  if (language == "pl") {
    if (n == 1) return 0;
    const bool few = n % 10 >= 2 && n % 10 <= 4 && !(n % 100 >= 10 && n % 100 <= 20);
    return few ? 1 : 2;
  }
  return n == 1 ? 0 : 1;
}

std::string_view translated(std::string_view context, std::string_view english, std::string_view comment) {
  return lookUp(context, english, comment, -1);
}

std::string_view translated(std::string_view context, std::string_view english, int n) {
  return lookUp(context, english, {}, n);
}

std::string_view translated(std::string_view context, std::string_view english, std::string_view comment, int n) {
  return lookUp(context, english, comment, n);
}

std::string arg(std::string_view text, std::string_view value) {
  // The placeholder at i, as its number (1 to 99), or 0.
  const auto numberAt = [&](std::size_t i) {
    if (text[i] != '%' || i + 1 >= text.size() || text[i + 1] < '1' || text[i + 1] > '9') return 0;
    int number = text[i + 1] - '0';
    if (i + 2 < text.size() && text[i + 2] >= '0' && text[i + 2] <= '9') number = number * 10 + (text[i + 2] - '0');
    return number;
  };
  int lowest = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const int number = numberAt(i);
    if (number != 0 && (lowest == 0 || number < lowest)) lowest = number;
  }
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (lowest != 0 && numberAt(i) == lowest) {
      result += value;
      i += lowest > 9 ? 2 : 1;
    } else {
      result += text[i];
    }
  }
  return result;
}

}  // namespace klandor::win
