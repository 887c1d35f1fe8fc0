#pragma once
// Names typed by the player arrive as UTF-8; the best-times line holds one
// byte per character.

#include <string>
#include <string_view>

namespace klandor {

// One Latin-1 byte for each character of the UTF-8 text: control characters
// (C0, DEL and C1) become spaces; a character beyond Latin-1 and each byte
// of a malformed sequence become "?".
std::string latin1Text(std::string_view utf8);

// The Latin-1 bytes as UTF-8 text, each byte the character of its number.
std::string utf8Text(std::string_view latin1);

}  // namespace klandor
