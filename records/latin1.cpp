#include "records/latin1.h"

#include "resources/utf8.h"

namespace klandor {

namespace {

char latin1(char32_t c) {
  const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
  if (control) return ' ';
  if (c > 0xFF) return '?';  // res::kMalformed included
  return static_cast<char>(static_cast<unsigned char>(c));
}

}  // namespace

std::string latin1Text(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    std::size_t length = 1;
    out.push_back(latin1(res::decodeUtf8(utf8, length)));
    utf8.remove_prefix(length);
  }
  return out;
}

std::string utf8Text(std::string_view latin1) {
  std::string out;
  out.reserve(latin1.size() * 2);
  for (const char byte : latin1) {
    const auto c = static_cast<unsigned char>(byte);
    if (c < 0x80) {
      out.push_back(byte);
    } else {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return out;
}

}  // namespace klandor
