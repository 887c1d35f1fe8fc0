#pragma once
// The number at the start of a text, as the game reads the times of the
// best-times line and the boxes of the Custom Field.

#include <string_view>

namespace klandor {

// Blanks, tabs and line feeds anywhere in the text are skipped. Then an
// optional sign, digits and an optional decimal point with further digits
// are read up to the first other character. A text without such a number
// gives 0. The value is not rounded; a number too large for a double gives
// an infinity of its sign.
double leadingNumber(std::string_view text);

}  // namespace klandor
