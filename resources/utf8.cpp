#include "resources/utf8.h"

namespace klandor::res {

namespace {

bool continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

char32_t decodeUtf8(std::string_view s, std::size_t& length) {
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

}  // namespace klandor::res
