#pragma once
// The Best Times background (picture 600) lettered in the player's language.

#include <QImage>

#include "resources/best_background.h"

namespace klandor::images {

// The heading and the level labels in the player's language.
res::BestTimesLettering translatedLettering();

// Picture 600 with that lettering; in English, the catalogue's own picture.
QImage bestTimesBackground();

}  // namespace klandor::images
