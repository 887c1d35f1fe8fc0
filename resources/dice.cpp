// The dice cell pictures: every uncovered cell is a white die with rounded
// black corners showing its count in red pips, none for an empty cell, and
// every covered cell a raised grey die. The "?" is magenta.

#include "resources/canvas.h"
#include "resources/catalogue.h"
#include "resources/cell_art.h"
#include "resources/picture_numbers.h"

namespace klandor::res {

namespace {

using namespace colour;

constexpr int kCell = pic::kCellSide;
constexpr int kSet = pic::kDiceTiles;

// Black shows between neighbouring dice along the right and bottom edges.
const Art kWhiteDie = {
    "##WWWWWWWWWWW###",
    "#WWWWWWWWWWWWW##",
    "WWWWWWWWWWWWWWW#",
    "WWWWWWWWWWWWWWW#",
    "WWWWWWWWWWWWWWW#",
    "WWWWWWWWWWWWWWW#",
    "WWWWWWWWWWWWWWW#",
    "WWWWWWWWWWWWWWW#",
    "WWWWWWWWWWWWWWW#",
    "WWWWWWWWWWWWWWW#",
    "WWWWWWWWWWWWWWW#",
    "WWWWWWWWWWWWWWW#",
    "WWWWWWWWWWWWWWW#",
    "#WWWWWWWWWWWWW##",
    "##WWWWWWWWWWW###",
    "################",
};

// The same die in light grey, lit from the top left.
const Art kGreyDie = {
    "##WWWWWWWWWWW###",
    "#WWWWWWWWWWWWD##",
    "WW...........DD#",
    "WW...........DD#",
    "WW...........DD#",
    "WW...........DD#",
    "WW...........DD#",
    "WW...........DD#",
    "WW...........DD#",
    "WW...........DD#",
    "WW...........DD#",
    "WW...........DD#",
    "WW...........DD#",
    "#WDDDDDDDDDDDD##",
    "##DDDDDDDDDDD###",
    "################",
};

const Art kPip = {
    "RRR",
    "RRR",
    "RRR",
};

Canvas die(const Art& art) {
  Canvas c(kCell, kCell, kBlack);
  c.paint(0, 0, art);
  return c;
}

Picture pips(int count) {
  Canvas c = die(kWhiteDie);
  paintAtPlaces(c, kPipPlaces[static_cast<std::size_t>(count - 1)], 2, 2, 4, kPip);
  return c.picture();
}

// The die of the mine the player uncovered.
Canvas redDie() {
  Canvas c = die(kWhiteDie);
  c.recolour(0, 0, 14, 14, {{kWhite, kRed}});
  return c;
}

}  // namespace

void addDiceTiles(Catalogue& catalogue) {
  catalogue[kSet + pic::kUncovered] = die(kWhiteDie).picture();
  for (int n = 1; n <= 8; ++n) catalogue[kSet + pic::kUncovered + n] = pips(n);
  catalogue[kSet + pic::kCovered] = die(kGreyDie).picture();
  catalogue[kSet + pic::kFlag] = withArt(die(kGreyDie), 4, 3, kPennantFlag);
  catalogue[kSet + pic::kMine] = spikedMine(die(kWhiteDie)).picture();
  catalogue[kSet + pic::kMineHit] = spikedMineOnRed(redDie(), kRed);
  catalogue[kSet + pic::kWrongFlag] = withArt(die(kWhiteDie), 3, 3, kRedCross);
  catalogue[kSet + pic::kQuestion] = withShape(die(kGreyDie), 3, 3, kBoldQuestion, kMagenta);
  catalogue[kSet + pic::kQuestionPressed] = withShape(die(kWhiteDie), 3, 3, kBoldQuestion, kMagenta);
}

}  // namespace klandor::res
