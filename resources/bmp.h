#pragma once
// A picture as a bitmap file: a 14-byte file header, a 40-byte information
// header, the 16-entry palette and 4-bit pixels, rows stored bottom-up and
// padded to four bytes, no compression.

#include <cstdint>
#include <vector>

#include "resources/pictures.h"

namespace klandor::res {

inline constexpr int kBmpFileHeaderSize = 14;
inline constexpr int kBmpInfoHeaderSize = 40;
inline constexpr int kBmpPaletteSize = 16 * 4;
inline constexpr int kBmpPixelOffset = kBmpFileHeaderSize + kBmpInfoHeaderSize + kBmpPaletteSize;

// Bytes of one stored row of `width` 4-bit pixels, padding included.
int bmpRowSize(int width);

// The whole file. The left pixel of each pair is in the high nibble.
std::vector<std::uint8_t> encodeBmp(const Picture& picture);

}  // namespace klandor::res
