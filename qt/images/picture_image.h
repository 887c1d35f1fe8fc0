#pragma once
// The game's palette pictures as Qt images, pixel for pixel. Every Qt side
// of the game (the board, the Best Times dialog, the icon theme, the picture
// tool) converts through here.

#include <QImage>

#include "resources/pictures.h"

namespace klandor::images {

// A palette picture in 32-bit colour.
QImage toImage(const res::Picture& picture);

// An icon with its transparent pixels at alpha 0, every pixel repeated
// factor x factor times so that it stays a sharp square.
QImage iconImage(const res::Icon& icon, int factor = 1);

}  // namespace klandor::images
