#pragma once
// The application icon as the desktop shows it: the game's own pixel icons,
// enlarged by whole factors so every pixel stays a sharp square.

#include <QImage>

#include "resources/pictures.h"

namespace klandor::dist {

// The square icon of this size for the icon theme: the largest drawn icon
// whose size divides it, scaled up. A null image for a size that no drawn
// icon divides.
QImage themeIcon(int size);

}  // namespace klandor::dist
