#pragma once
// The drawing of each group of pictures, gathered into one catalogue by
// number when the game first asks for a picture.

#include <map>

#include "resources/pictures.h"

namespace klandor::res {

using Catalogue = std::map<int, Picture>;

void addFaces(Catalogue& catalogue);            // 101 to 105 and the initial face
void addDigits(Catalogue& catalogue);           // 200 to 210
void addColourTiles(Catalogue& catalogue);      // 300 to 308, 400 to 406
void addMonochromeTiles(Catalogue& catalogue);  // 2300 to 2308, 2400 to 2406
void addFrame(Catalogue& catalogue);            // 500 to 507
void addBestTimesBackground(Catalogue& catalogue);  // 600

}  // namespace klandor::res
