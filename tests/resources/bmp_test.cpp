// The bitmap file form: headers, palette, bottom-up rows of 4-bit pixels
// padded to four bytes.

#include "resources/bmp.h"

#include <gtest/gtest.h>

#include <vector>

namespace klandor::res {
namespace {

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t u16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

// Three pixels wide, two high: rows of 2 bytes of pixels padded to 4.
const Picture kSmall{3, 2, {1, 2, 3, 4, 5, 15}};

TEST(BmpFile, HeadersDescribeAnUncompressedBottomUpFourBitBitmap) {
  const auto b = encodeBmp(kSmall);
  ASSERT_EQ(b.size(), 14u + 40 + 64 + 2 * 4);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(u32(b, 2), b.size());
  EXPECT_EQ(u32(b, 6), 0u);
  EXPECT_EQ(u32(b, 10), 118u);  // pixels follow the headers and the palette
  EXPECT_EQ(u32(b, 14), 40u);
  EXPECT_EQ(u32(b, 18), 3u);
  EXPECT_EQ(u32(b, 22), 2u);  // positive height: bottom-up
  EXPECT_EQ(u16(b, 26), 1u);
  EXPECT_EQ(u16(b, 28), 4u);
  EXPECT_EQ(u32(b, 30), 0u);  // no compression
  EXPECT_EQ(u32(b, 34), 8u);
  EXPECT_EQ(u32(b, 46), 16u);
}

TEST(BmpFile, PaletteIsTheStandardSixteenColoursAsBlueGreenRed) {
  const auto b = encodeBmp(kSmall);
  for (std::size_t i = 0; i < 16; ++i) {
    EXPECT_EQ(b[54 + 4 * i], kPalette[i].b) << i;
    EXPECT_EQ(b[54 + 4 * i + 1], kPalette[i].g) << i;
    EXPECT_EQ(b[54 + 4 * i + 2], kPalette[i].r) << i;
    EXPECT_EQ(b[54 + 4 * i + 3], 0) << i;
  }
  EXPECT_EQ(kPalette[colour::kNavy].b, 128);
  EXPECT_EQ(kPalette[colour::kLightGrey].r, 192);
  EXPECT_EQ(kPalette[colour::kYellow].g, 255);
  EXPECT_EQ(kPalette[colour::kYellow].b, 0);
}

TEST(BmpFile, RowsRunBottomUpTwoPixelsToAByteLeftInTheHighNibblePaddedToFourBytes) {
  const auto b = encodeBmp(kSmall);
  const std::vector<std::uint8_t> pixels(b.begin() + 118, b.end());
  EXPECT_EQ(pixels, (std::vector<std::uint8_t>{0x45, 0xf0, 0, 0, 0x12, 0x30, 0, 0}));
}

TEST(BmpFile, RowSizeRoundsHalfBytesUpToWholeWords) {
  EXPECT_EQ(bmpRowSize(1), 4);
  EXPECT_EQ(bmpRowSize(8), 4);
  EXPECT_EQ(bmpRowSize(9), 8);
  EXPECT_EQ(bmpRowSize(11), 8);
  EXPECT_EQ(bmpRowSize(16), 8);
  EXPECT_EQ(bmpRowSize(25), 16);
  EXPECT_EQ(bmpRowSize(41), 24);
  EXPECT_EQ(bmpRowSize(303), 152);
  const Picture wide{303, 1, std::vector<std::uint8_t>(303, 7)};
  EXPECT_EQ(encodeBmp(wide).size(), 118u + 152);
}

}  // namespace
}  // namespace klandor::res
