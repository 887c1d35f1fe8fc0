#include "qt/images/picture_cache.h"

#include "qt/images/picture_image.h"
#include "resources/pictures.h"

namespace klandor::images {

QIcon gameIcon() {
  QIcon icon;
  for (int size : {16, 32}) icon.addPixmap(QPixmap::fromImage(iconImage(res::icon(size))));
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

}  // namespace klandor::images
