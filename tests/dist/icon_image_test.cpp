#include "dist/icon_image.h"

#include <gtest/gtest.h>

#include <QString>
#include <array>

namespace klandor::dist {
namespace {

using res::colour::kBlack;
using res::colour::kBlue;
using res::colour::kRed;
using res::colour::kWhite;

QRgb paletteColour(std::uint8_t index) {
  const res::Rgb c = res::kPalette[index];
  return qRgb(c.r, c.g, c.b);
}

TEST(ScaledIcon, RepeatsEveryPixelAsASharpSquareInPaletteColourOrTransparent) {
  res::Icon icon;
  icon.image.width = 2;
  icon.image.height = 2;
  icon.image.pixels = {kRed, kBlue, kWhite, kBlack};
  icon.transparent = {false, false, false, true};
  const std::array<std::array<QRgb, 2>, 2> expected{{
      {paletteColour(kRed), paletteColour(kBlue)},
      {paletteColour(kWhite), qRgba(0, 0, 0, 0)},
  }};

  const QImage image = scaledIcon(icon, 3);

  ASSERT_EQ(image.size(), QSize(6, 6));
  ASSERT_TRUE(image.hasAlphaChannel());
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6; ++x) {
      EXPECT_EQ(image.pixel(x, y), expected[static_cast<std::size_t>(y / 3)][static_cast<std::size_t>(x / 3)])
          << "at " << x << "," << y;
    }
  }
}

TEST(ThemeIcon, ScalesTheLargestDrawnIconThatDividesTheSize) {
  EXPECT_EQ(themeIcon(16), scaledIcon(res::icon(16), 1));
  EXPECT_EQ(themeIcon(32), scaledIcon(res::icon(32), 1));
  EXPECT_EQ(themeIcon(48), scaledIcon(res::icon(16), 3));
  EXPECT_EQ(themeIcon(64), scaledIcon(res::icon(32), 2));
  EXPECT_EQ(themeIcon(128), scaledIcon(res::icon(32), 4));
  EXPECT_EQ(themeIcon(256), scaledIcon(res::icon(32), 8));
}

TEST(ThemeIcon, IsNullForASizeNoDrawnIconDivides) {
  EXPECT_TRUE(themeIcon(24).isNull());
  EXPECT_TRUE(themeIcon(0).isNull());
  EXPECT_TRUE(themeIcon(-32).isNull());
}

// The build writes the theme icons to PNG files; they must hold exactly the
// drawn pixels, alpha included.
TEST(ThemeIconFiles, HoldExactlyTheDrawnPixels) {
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    const QString path = QStringLiteral(KLANDOR_ICON_DIR "/%1x%1/apps/org.klandor.Klandor.png").arg(size);
    const QImage file(path);
    ASSERT_FALSE(file.isNull()) << path.toStdString();
    EXPECT_EQ(file.convertToFormat(QImage::Format_ARGB32), themeIcon(size)) << path.toStdString();
  }
}

}  // namespace
}  // namespace klandor::dist
