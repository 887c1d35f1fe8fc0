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
void addFlatTiles(Catalogue& catalogue);        // 1300 to 1308, 1400 to 1406
void addSolidTiles(Catalogue& catalogue);       // 3300 to 3308, 3400 to 3406
// 4300 to 4308 and, copied from the colour set, 4400 to 4406
void addShadedTiles(Catalogue& catalogue);
void addLandscapeTiles(Catalogue& catalogue);  // 5300 to 5308, 5400 to 5406
void addDiceTiles(Catalogue& catalogue);       // 6300 to 6308, 6400 to 6406
// 7300 to 7308 and 7400 to 7406, from the colour set's pictures
void addLargeColourTiles(Catalogue& catalogue);
void addFrame(Catalogue& catalogue);            // 500 to 507
void addBestTimesBackground(Catalogue& catalogue);  // 600

}  // namespace klandor::res
