#include "dist/icon_image.h"

#include <array>

namespace klandor::dist {

namespace {

QRgb colourOf(const res::Icon& icon, int x, int y) {
  const std::size_t i = static_cast<std::size_t>(y * icon.image.width + x);
  if (icon.transparent[i]) return qRgba(0, 0, 0, 0);
  const res::Rgb c = res::kPalette[icon.image.pixels[i]];
  return qRgb(c.r, c.g, c.b);
}

}  // namespace

QImage scaledIcon(const res::Icon& icon, int factor) {
  QImage out(icon.image.width * factor, icon.image.height * factor, QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) out.setPixel(x, y, colourOf(icon, x / factor, y / factor));
  }
  return out;
}

QImage themeIcon(int size) {
  for (const int drawn : std::array{32, 16}) {
    if (size > 0 && size % drawn == 0) return scaledIcon(res::icon(drawn), size / drawn);
  }
  return {};
}

}  // namespace klandor::dist
