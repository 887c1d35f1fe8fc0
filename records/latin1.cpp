#include "records/latin1.h"

namespace klandor {

namespace {

constexpr char32_t kMalformed = 0xFFFFFFFF;

bool continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Decodes the character at the start of s and tells how many bytes it takes;
// a malformed sequence gives kMalformed for its first byte.
char32_t decode(std::string_view s, std::size_t& length) {
  const auto lead = static_cast<unsigned char>(s[0]);
  length = 1;
  if (lead < 0x80) return lead;
  std::size_t count = 0;
  char32_t value = 0;
  char32_t smallest = 0;
  if ((lead & 0xE0) == 0xC0) {
    count = 2, value = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    count = 3, value = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    count = 4, value = lead & 0x07, smallest = 0x10000;
  } else {
    return kMalformed;
  }
  if (s.size() < count) return kMalformed;
  for (std::size_t i = 1; i < count; ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (!continuation(c)) return kMalformed;
    value = (value << 6) | (c & 0x3F);
  }
  const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
  if (value < smallest || value > 0x10FFFF || surrogate) return kMalformed;
  length = count;
  return value;
}

char latin1(char32_t c) {
  const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
  if (control) return ' ';
  if (c > 0xFF) return '?';  // kMalformed included
  return static_cast<char>(static_cast<unsigned char>(c));
}

}  // namespace

std::string latin1Text(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    std::size_t length = 1;
    out.push_back(latin1(decode(utf8, length)));
    utf8.remove_prefix(length);
  }
  return out;
}

}  // namespace klandor
