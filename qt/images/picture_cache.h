#pragma once
// The game's palette pictures as Qt images, converted once and kept by
// number.

#include <QIcon>
#include <QPixmap>
#include <unordered_map>

namespace klandor::images {

// The window icon at 16 and 32 pixels, with its transparent pixels.
QIcon gameIcon();

class PictureCache {
 public:
  // The picture with this number; converted at the first request.
  const QPixmap& pixmap(int number);

 private:
  std::unordered_map<int, QPixmap> cache_;
};

}  // namespace klandor::images
