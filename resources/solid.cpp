// The solid-colour cell pictures: an uncovered cell carries no numeral but is
// filled with the colour of its count, a black line on its right and bottom;
// the covered tile is light grey, white at its top and left and black at its
// right and bottom. Mines are red on white, the exploded one white on red.

#include "resources/canvas.h"
#include "resources/catalogue.h"
#include "resources/cell_art.h"
#include "resources/picture_numbers.h"

namespace klandor::res {

namespace {

using namespace colour;

constexpr int kCell = pic::kCellSide;
constexpr int kSet = pic::kSolidTiles;

// The fill of a cell with 0 to 8 neighbouring mines.
constexpr std::uint8_t kFills[] = {kWhite, kBlue, kDarkGreen, kRed, kNavy, kDarkRed, kTeal, kBlack, kDarkGrey};

Canvas ground(std::uint8_t fill) {
  Canvas c(kCell, kCell, fill);
  c.column(15, 0, 15, kBlack);
  c.row(15, 0, 15, kBlack);
  return c;
}

Canvas covered() {
  Canvas c(kCell, kCell, kLightGrey);
  c.bevel(0, 0, 15, 15, 1, kWhite, kBlack);
  return c;
}

Canvas mine() {
  Canvas c = ground(kWhite);
  c.paint(1, 1, kBigMine);
  c.recolour(1, 1, 13, 13, {{kBlack, kRed}});
  return c;
}

// The mine's colours swapped: a white mine with a red highlight on red.
Picture mineHit() {
  Canvas c = mine();
  c.recolour(0, 0, 14, 14, {{kWhite, kRed}, {kRed, kWhite}});
  return c.picture();
}

}  // namespace

void addSolidTiles(Catalogue& catalogue) {
  for (int n = 0; n <= 8; ++n) catalogue[kSet + pic::kUncovered + n] = ground(kFills[n]).picture();
  catalogue[kSet + pic::kCovered] = covered().picture();
  catalogue[kSet + pic::kFlag] = withArt(covered(), 4, 3, kPennantFlag);
  catalogue[kSet + pic::kMine] = mine().picture();
  catalogue[kSet + pic::kMineHit] = mineHit();
  // The flag stays on its tile, crossed out.
  catalogue[kSet + pic::kWrongFlag] = withArt(covered(), 3, 3, kRedCross);
  catalogue[kSet + pic::kQuestion] = withShape(covered(), 3, 3, kBoldQuestion, kBlack);
  catalogue[kSet + pic::kQuestionPressed] = withShape(ground(kWhite), 3, 3, kBoldQuestion, kBlack);
}

}  // namespace klandor::res
