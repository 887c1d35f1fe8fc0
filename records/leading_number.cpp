#include "records/leading_number.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace klandor {

namespace {

bool skipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool digit(char c) { return c >= '0' && c <= '9'; }

// The characters that take part in the conversion: the text without its
// blanks, tabs and line feeds.
std::string packed(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (!skipped(c)) out.push_back(c);
  }
  return out;
}

// The length of the digits at the start of s.
std::size_t digitsAt(std::string_view s) {
  std::size_t n = 0;
  while (n < s.size() && digit(s[n])) ++n;
  return n;
}

// The unsigned number at the start of s: digits, then an optional decimal
// point with further digits. Empty when s starts with neither.
std::string_view unsignedNumber(std::string_view s) {
  const std::size_t whole = digitsAt(s);
  std::size_t n = whole;
  std::size_t fraction = 0;
  if (n < s.size() && s[n] == '.') fraction = digitsAt(s.substr(++n));
  if (whole == 0 && fraction == 0) return {};
  return s.substr(0, n + fraction);
}

}  // namespace

double leadingNumber(std::string_view text) {
  const std::string s = packed(text);
  std::string_view rest = s;
  const bool negative = !rest.empty() && rest.front() == '-';
  if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) rest.remove_prefix(1);
  const std::string_view number = unsignedNumber(rest);
  if (number.empty()) return 0.0;

  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                      std::chars_format::fixed);
  if (result.ec == std::errc::result_out_of_range) {
    // Beyond the range of a double: too large when a digit other than 0
    // stands before the decimal point, too small otherwise.
    const bool large = number.substr(0, number.find('.')).find_first_not_of('0') != std::string_view::npos;
    value = large ? HUGE_VAL : 0.0;
  }
  return negative ? -value : value;
}

}  // namespace klandor
