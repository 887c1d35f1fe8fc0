#pragma once
// The game's texts are UTF-8: names typed by the player and the lettering of
// the pictures alike. This reads them one character at a time.

#include <cstddef>
#include <string_view>

namespace klandor::res {

inline constexpr char32_t kMalformed = 0xFFFFFFFF;

// Decodes the character at the start of s (which is not empty) and tells how
// many bytes it takes; a malformed sequence gives kMalformed for its first
// byte.
char32_t decodeUtf8(std::string_view s, std::size_t& length);

}  // namespace klandor::res
