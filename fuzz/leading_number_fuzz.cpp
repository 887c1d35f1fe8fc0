// The leading-number conversion against the C library's strtod: without
// blanks, tabs and line feeds, and cut at the first character that cannot
// belong to a plain decimal number, the text must read the same.
#include <fuzzer/FuzzedDataProvider.h>
#include <locale.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "records/leading_number.h"

namespace {

double reference(const std::string& text) {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
  std::string s;
  for (char ch : text) {
    if (ch == ' ' || ch == '\t' || ch == '\n') continue;
    if (std::string_view("+-.0123456789").find(ch) == std::string_view::npos) break;
    s.push_back(ch);
  }
  char* end = nullptr;
  const double value = strtod_l(s.c_str(), &end, c);
  return end == s.c_str() ? 0.0 : value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const double actual = klandor::leadingNumber(text);
  const double expected = reference(text);
  if (actual != expected) {
    std::fprintf(stderr, "leadingNumber gave %.17g, strtod %.17g\n", actual, expected);
    std::abort();
  }
  return 0;
}
