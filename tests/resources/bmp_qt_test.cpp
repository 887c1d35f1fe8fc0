// Every picture, written as a bitmap file, reads back through Qt's own
// bitmap reader with the same size and the same colour at every pixel.

#include <gtest/gtest.h>

#include <QImage>

#include "resources/bmp.h"
#include "resources/pictures.h"

namespace klandor::res {
namespace {

TEST(BmpFileInQt, EveryPictureReadsBackPixelForPixel) {
  for (const int number : pictureNumbers()) {
    const Picture& p = *picture(number);
    const auto bytes = encodeBmp(p);
    const QImage image = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()), "BMP");
    ASSERT_FALSE(image.isNull()) << number;
    ASSERT_EQ(image.width(), p.width) << number;
    ASSERT_EQ(image.height(), p.height) << number;
    EXPECT_EQ(image.colorCount(), 16) << number;
    for (int y = 0; y < p.height; ++y) {
      for (int x = 0; x < p.width; ++x) {
        const Rgb c = kPalette[p.at(x, y)];
        ASSERT_EQ(image.pixel(x, y), qRgb(c.r, c.g, c.b)) << number << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace klandor::res
