#include "dist/icon_image.h"

#include <array>

#include "qt/images/picture_image.h"

namespace klandor::dist {

QImage themeIcon(int size) {
  for (const int drawn : std::array{32, 16}) {
    if (size > 0 && size % drawn == 0) return images::iconImage(res::icon(drawn), size / drawn);
  }
  return {};
}

}  // namespace klandor::dist
