// The shaded cell pictures: an uncovered cell shows its count as a shade,
// white for none and a step darker for every neighbouring mine, through
// dithered mixtures of white, light grey, dark grey and black to solid black
// for eight; the dotted grid line of the colour set runs along its right and
// bottom edges. The covered, marked and end-of-game cells are the colour
// set's own.

#include <array>

#include "resources/canvas.h"
#include "resources/catalogue.h"
#include "resources/cell_art.h"
#include "resources/picture_numbers.h"

namespace klandor::res {

namespace {

using namespace colour;

constexpr int kCell = pic::kCellSide;
constexpr int kSet = pic::kShadedTiles;

// The shade of each count as a tile of 2 x 2 pixels repeated over the cell.
// Every step darkens by about an eighth of the way from white to black.
const std::array<Art, 9> kShades = {{
    {"WW", "WW"},  // 0
    {"W.", ".W"},  // 1: white and light grey
    {"..", ".."},  // 2
    {".D", "D."},  // 3: light and dark grey
    {"DD", "DD"},  // 4
    {"#D", "DD"},  // 5: a quarter black
    {"#D", "D#"},  // 6: half black
    {"#D", "##"},  // 7: three quarters black
    {"##", "##"},  // 8
}};

Picture shade(const Art& tile) {
  Canvas c(kCell, kCell, kWhite);
  for (int y = 0; y < kCell; y += 2) {
    for (int x = 0; x < kCell; x += 2) c.paint(x, y, tile);
  }
  dotGridLine(c);
  return c.picture();
}

}  // namespace

void addShadedTiles(Catalogue& catalogue) {
  for (int n = 0; n <= 8; ++n) {
    catalogue[kSet + pic::kUncovered + n] = shade(kShades[static_cast<std::size_t>(n)]);
  }
  for (int role = pic::kCovered; role <= pic::kQuestionPressed; ++role) {
    catalogue[kSet + role] = catalogue.at(pic::kColourTiles + role);
  }
}

}  // namespace klandor::res
