// The Windows build's languages: every text of the Qt Linguist files in its
// table, in the right plural form, with its placeholders and with an access
// key of its own in each menu; the language chosen from Windows' own.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/menu.h"
#include "windows/translations/translations.h"

namespace klandor::win {
namespace {

// One message of a .ts file, read here with no XML library.
struct Message {
  std::string context, source, comment;
  bool numerus = false;
  bool finished = true;
  std::vector<std::string> forms;
};

std::string unescaped(std::string text) {
  static const std::pair<const char*, const char*> kEntities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, character] : kEntities) {
    for (std::size_t at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
      text.replace(at, std::char_traits<char>::length(entity), character);
  }
  // Characters by number ("&#xa0;", "&#160;"), in UTF-8.
  static const std::regex kNumbered("&#(x?)([0-9a-fA-F]+);");
  std::smatch match;
  while (std::regex_search(text, match, kNumbered)) {
    const auto c = static_cast<char32_t>(std::stoul(match[2], nullptr, match[1].length() ? 16 : 10));
    std::string utf8;
    if (c < 0x80) utf8 = {static_cast<char>(c)};
    else if (c < 0x800) utf8 = {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
    else utf8 = {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
    text.replace(static_cast<std::size_t>(match.position()), static_cast<std::size_t>(match.length()), utf8);
  }
  return text;
}

std::vector<Message> readTs(const std::string& language) {
  std::ifstream file(std::string(KLANDOR_TS_DIR) + "/klandor_" + language + ".ts");
  EXPECT_TRUE(file) << language;
  std::ostringstream content;
  content << file.rdbuf();
  const std::string ts = content.str();
  // Each element that matters, its attributes and the text up to the next tag.
  static const std::regex kElement(R"(<(message|name|source|comment|translation|numerusform)\b([^>]*)>([^<]*))");
  std::vector<Message> messages;
  std::string context;
  for (auto it = std::sregex_iterator(ts.begin(), ts.end(), kElement); it != std::sregex_iterator(); ++it) {
    const std::string element = (*it)[1], attributes = (*it)[2], text = unescaped((*it)[3]);
    if (element == "message") {
      messages.emplace_back().context = context;
      messages.back().numerus = attributes.find("numerus=\"yes\"") != std::string::npos;
    }
    if (element == "name") context = text;
    if (messages.empty()) continue;
    Message& m = messages.back();
    if (element == "source") m.source = text;
    if (element == "comment") m.comment = text;
    if (element == "translation" && attributes.find("unfinished") != std::string::npos) m.finished = false;
    if (element == (m.numerus ? "numerusform" : "translation")) m.forms.push_back(text);
  }
  return messages;
}

class WindowsTranslations : public ::testing::Test {
 protected:
  ~WindowsTranslations() override { useLanguage(""); }
};

TEST_F(WindowsTranslations, ShipTheLanguagesOfTheQtBuild) {
  std::vector<std::string_view> languages = shippedLanguages();
  EXPECT_EQ(languages.size(), 7u);
#ifdef KLANDOR_LANGUAGES
  std::vector<std::string_view> expected;
  for (std::string_view rest = KLANDOR_LANGUAGES; !rest.empty();) {
    const std::size_t comma = std::min(rest.find(','), rest.size());
    expected.push_back(rest.substr(0, comma));
    rest.remove_prefix(std::min(comma + 1, rest.size()));
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(languages, expected);
#endif
  for (std::string_view language : languages) EXPECT_EQ(useLanguage(language), language);
  EXPECT_EQ(useLanguage("sv"), "");
  EXPECT_EQ(translated("Menu", "&Game"), "&Game");
}

// Every translation of the files, looked up as the game asks for it, in
// each plural form; none unfinished.
TEST_F(WindowsTranslations, CarryEveryTextOfEveryLanguage) {
  for (std::string_view language : shippedLanguages()) {
    const std::vector<Message> messages = readTs(std::string(language));
    EXPECT_GT(messages.size(), 60u) << language;
    useLanguage(language);
    for (const Message& m : messages) {
      SCOPED_TRACE(std::string(language) + ": " + m.context + " / " + m.source);
      EXPECT_TRUE(m.finished);
      if (!m.numerus) {
        ASSERT_EQ(m.forms.size(), 1u);
        EXPECT_EQ(translated(m.context, m.source, m.comment), m.forms[0]);
        continue;
      }
      ASSERT_EQ(m.forms.size(), static_cast<std::size_t>(pluralForms(language)));
      for (int n = 0; n <= 125; ++n)
        EXPECT_EQ(translated(m.context, m.source, m.comment, n), m.forms[static_cast<std::size_t>(pluralForm(language, n))]);
    }
  }
}

std::multiset<std::string> placeholders(std::string_view text) {
  static const std::regex kPlaceholder("%[0-9]+");
  std::multiset<std::string> found;
  const std::string s(text);
  for (auto it = std::sregex_iterator(s.begin(), s.end(), kPlaceholder); it != std::sregex_iterator(); ++it)
    found.insert(it->str());
  return found;
}

// A translation that lost "%1" would drop the time, or the system's reason.
TEST_F(WindowsTranslations, KeepThePlaceholdersOfEveryText) {
  for (std::string_view language : shippedLanguages()) {
    useLanguage(language);
    for (const Message& m : readTs(std::string(language))) {
      for (const int n : {1, 2, 5}) {  // every plural form of every language
        const std::string_view text = m.numerus ? translated(m.context, m.source, m.comment, n)
                                                : translated(m.context, m.source, m.comment);
        EXPECT_EQ(placeholders(text), placeholders(m.source)) << language << ": " << text;
      }
    }
  }
}

TEST(Placeholders, AreFilledLowestNumberFirstEverywhereTheyStand) {
  EXPECT_EQ(arg(arg("Zeile %1, Spalte %2", "3"), "7"), "Zeile 3, Spalte 7");
  EXPECT_EQ(arg("%2 vor %1, %2", "a"), "%2 vor a, %2");
  EXPECT_EQ(arg("%10%9", "x"), "%10x");
  EXPECT_EQ(arg("100%", "x"), "100%");
}

// The access key of a caption: the character after its one "&", ASCII
// letters lower case; none, or more than one, gives nothing.
std::string accessKey(std::string_view caption) {
  std::string single;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption.substr(i, 2) == "&&") ++i;
    else single += caption[i];
  }
  const std::size_t at = single.find('&');
  if (at == std::string::npos || at + 1 == single.size() || single.find('&', at + 1) != std::string::npos) return {};
  std::size_t length = 1;
  while (at + 1 + length < single.size() && (single[at + 1 + length] & 0xC0) == 0x80) ++length;
  std::string key = single.substr(at + 1, length);
  if (length == 1) key[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(key[0])));
  return key;
}

TEST_F(WindowsTranslations, GiveEveryMenuItemAnAccessKeyOfItsOwn) {
  std::vector<std::string_view> languages = shippedLanguages();
  languages.insert(languages.begin(), "");  // English
  for (std::string_view language : languages) {
    useLanguage(language);
    std::map<int, std::set<std::string>> keysOf;  // by menu, the bar as -1
    for (const MenuDesign& d : kMenuDesign) {
      if (isSeparator(d.item)) continue;
      const std::string_view caption = translated(kMenuContext, d.caption);
      const std::string key = accessKey(caption);
      EXPECT_FALSE(key.empty()) << language << ": " << caption;
      const int menu = d.parent == d.item ? -1 : static_cast<int>(d.parent);
      EXPECT_TRUE(keysOf[menu].insert(key).second) << language << ": " << caption << " repeats its key";
    }
  }
}

TEST(PluralForms, FollowEachLanguagesRule) {
  const std::map<std::string_view, std::vector<int>> kForms0To25 = {
      {"de", {1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"fr", {0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"pt_BR", {0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"pl", {2, 0, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 1, 1, 2}},
  };
  for (const auto& [language, forms] : kForms0To25) {
    for (int n = 0; n <= 25; ++n) EXPECT_EQ(pluralForm(language, n), forms[n]) << language << " " << n;
  }
  for (std::string_view language : {"es", "it", "nl"}) {
    for (int n = 0; n <= 25; ++n) EXPECT_EQ(pluralForm(language, n), pluralForm("de", n)) << language;
  }
  EXPECT_EQ(pluralForm("pl", 112), 2);
  EXPECT_EQ(pluralForm("pl", 122), 1);
  EXPECT_EQ(pluralForm("pl", -1), 0);
}

TEST_F(WindowsTranslations, CountInThePlayersPluralForm) {
  useLanguage("pl");
  const char* comment = "a time of the table; %1 is the time field, three characters";
  EXPECT_EQ(arg(translated("klandor::Form2", "%1 seconds", comment, 1), "  1"), "  1 sekunda");
  EXPECT_EQ(arg(translated("klandor::Form2", "%1 seconds", comment, 23), " 23"), " 23 sekundy");
  EXPECT_EQ(arg(translated("klandor::Form2", "%1 seconds", comment, 999), "999"), "999 sekund");
  EXPECT_EQ(translated("klandor::Form2", "%1 seconds", 5), "%1 seconds");  // not without its comment
}

TEST(UserLanguage, FollowsThePrimaryLanguageOfWindows) {
  const std::pair<std::uint16_t, std::string_view> kLangids[] = {
      {0x0407, "de"}, {0x0807, "de"}, {0x0C07, "de"}, {0x0007, "de"},     // Germany, Switzerland, Austria, neutral
      {0x040C, "fr"}, {0x0C0C, "fr"}, {0x080C, "fr"},                     // France, Canada, Belgium
      {0x0C0A, "es"}, {0x040A, "es"}, {0x080A, "es"},                     // Spain, traditional sort, Mexico
      {0x0410, "it"}, {0x0810, "it"}, {0x0413, "nl"}, {0x0813, "nl"},     // Italy, Switzerland, Netherlands, Belgium
      {0x0415, "pl"}, {0x0416, "pt_BR"}, {0x0816, "pt_BR"},               // Poland, Brazil, Portugal
      {0x0409, ""}, {0x0809, ""}, {0x0419, ""}, {0x041D, ""}, {0x0411, ""},  // English, Russian, Swedish, Japanese
      {0x0000, ""}, {0x0400, ""}, {0x0416 & 0x3FF, "pt_BR"}};
  for (const auto& [langid, language] : kLangids) EXPECT_EQ(languageFor(langid), language) << std::hex << langid;
}

}  // namespace
}  // namespace klandor::win
