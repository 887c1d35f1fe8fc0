#include "kit/text.h"

namespace klandor::kit {

std::string Text::fill(std::string_view text, const std::vector<std::string>& args) {
  std::string s;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool placeholder = text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9' &&
                             static_cast<std::size_t>(text[i + 1] - '1') < args.size();
    if (!placeholder) {
      s += text[i];
      continue;
    }
    s += args[static_cast<std::size_t>(text[i + 1] - '1')];
    ++i;
  }
  return s;
}

Text text(const Phrase& phrase) {
  Text t{kBoardWordsContext, phrase.text};
  if (phrase.plural) t.count = phrase.args[0];
  for (int i = 0; i < phrase.argCount; ++i) t.args.push_back(std::to_string(phrase.args[static_cast<std::size_t>(i)]));
  return t;
}

std::string latin1ToUtf8(std::string_view bytes) {
  std::string s;
  s.reserve(bytes.size());
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      s += c;
    } else {
      s += static_cast<char>(0xC0 | b >> 6);
      s += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return s;
}

}  // namespace klandor::kit
