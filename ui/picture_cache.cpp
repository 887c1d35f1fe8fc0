#include "ui/picture_cache.h"

#include "resources/pictures.h"

namespace klandor::ui {

namespace {
QRgb rgb(std::uint8_t index) {
  const res::Rgb& c = res::kPalette[index];
  return qRgb(c.r, c.g, c.b);
}
}  // namespace

QImage toImage(const res::Picture& picture) {
  QImage image(picture.width, picture.height, QImage::Format_RGB32);
  for (int y = 0; y < picture.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.width; ++x) line[x] = rgb(picture.at(x, y));
  }
  return image;
}

QIcon gameIcon() {
  QIcon icon;
  for (int size : {16, 32}) {
    const res::Icon& source = res::icon(size);
    QImage image(source.image.width, source.image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const bool clear = source.transparent[static_cast<std::size_t>(y * image.width() + x)];
        image.setPixel(x, y, clear ? qRgba(0, 0, 0, 0) : rgb(source.image.at(x, y)));
      }
    }
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

const QPixmap& PictureCache::pixmap(int number) {
  auto it = cache_.find(number);
  if (it == cache_.end()) {
    const res::Picture* picture = res::picture(number);
    QPixmap converted = picture != nullptr ? QPixmap::fromImage(toImage(*picture)) : QPixmap();
    it = cache_.emplace(number, std::move(converted)).first;
  }
  return it->second;
}

}  // namespace klandor::ui
