#include "qt/images/picture_image.h"

#include <gtest/gtest.h>

#include <array>

namespace klandor::images {
namespace {

using res::colour::kBlack;
using res::colour::kBlue;
using res::colour::kRed;
using res::colour::kWhite;

QRgb paletteColour(std::uint8_t index) {
  const res::Rgb c = res::kPalette[index];
  return qRgb(c.r, c.g, c.b);
}

TEST(IconImage, RepeatsEveryPixelAsASharpSquareInPaletteColourOrTransparent) {
  res::Icon icon;
  icon.image.width = 2;
  icon.image.height = 2;
  icon.image.pixels = {kRed, kBlue, kWhite, kBlack};
  icon.transparent = {false, false, false, true};
  const std::array<std::array<QRgb, 2>, 2> expected{{
      {paletteColour(kRed), paletteColour(kBlue)},
      {paletteColour(kWhite), qRgba(0, 0, 0, 0)},
  }};

  const QImage image = iconImage(icon, 3);

  ASSERT_EQ(image.size(), QSize(6, 6));
  ASSERT_TRUE(image.hasAlphaChannel());
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6; ++x) {
      EXPECT_EQ(image.pixel(x, y), expected[static_cast<std::size_t>(y / 3)][static_cast<std::size_t>(x / 3)])
          << "at " << x << "," << y;
    }
  }
}

TEST(ToImage, GivesEveryPixelItsPaletteColour) {
  res::Picture picture{3, 2, {kRed, kBlue, kWhite, kBlack, 7, 15}};
  const QImage image = toImage(picture);
  ASSERT_EQ(image.size(), QSize(3, 2));
  EXPECT_EQ(image.pixel(0, 0), paletteColour(kRed));
  EXPECT_EQ(image.pixel(1, 0), paletteColour(kBlue));
  EXPECT_EQ(image.pixel(2, 0), paletteColour(kWhite));
  EXPECT_EQ(image.pixel(0, 1), paletteColour(kBlack));
  EXPECT_EQ(image.pixel(1, 1), qRgb(192, 192, 192));
  EXPECT_EQ(image.pixel(2, 1), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace klandor::images
