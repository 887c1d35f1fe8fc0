#include "qt/images/picture_image.h"

namespace klandor::images {

namespace {
QRgb paletteColour(std::uint8_t index) {
  const res::Rgb& c = res::kPalette[index & 0x0F];
  return qRgb(c.r, c.g, c.b);
}
}  // namespace

QImage toImage(const res::Picture& picture) {
  QImage image(picture.width, picture.height, QImage::Format_RGB32);
  for (int y = 0; y < picture.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.width; ++x) line[x] = paletteColour(picture.at(x, y));
  }
  return image;
}

QImage iconImage(const res::Icon& icon, int factor) {
  const res::Picture& p = icon.image;
  QImage image(p.width * factor, p.height * factor, QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int px = x / factor, py = y / factor;
      const bool clear = icon.transparent[static_cast<std::size_t>(py * p.width + px)];
      line[x] = clear ? qRgba(0, 0, 0, 0) : paletteColour(p.at(px, py));
    }
  }
  return image;
}

}  // namespace klandor::images
