// The flat cell pictures: light grey cells without black edges. The
// uncovered ground is sunken, a dark grey line along its top and left; the
// covered tile is raised, two pixels of white at its top and left and two of
// dark grey at its right and bottom. Numerals, marks and mines are bold and
// unshaded.

#include "resources/canvas.h"
#include "resources/catalogue.h"
#include "resources/cell_art.h"
#include "resources/picture_numbers.h"

namespace klandor::res {

namespace {

using namespace colour;

constexpr int kCell = pic::kCellSide;
constexpr int kSet = pic::kFlatTiles;

Canvas ground() {
  Canvas c(kCell, kCell, kLightGrey);
  c.row(0, 0, 15, kDarkGrey);
  c.column(0, 0, 15, kDarkGrey);
  return c;
}

Canvas covered() {
  Canvas c(kCell, kCell, kLightGrey);
  c.bevel(0, 0, 15, 15, 2, kWhite, kDarkGrey);
  return c;
}

// A 1 with a stem three pixels wide, like every other stroke of the set; the
// other numerals are the bold ones of the monochrome set.
const Art kOne = {
    "____###___",
    "___####___",
    "__#####___",
    "____###___",
    "____###___",
    "____###___",
    "____###___",
    "____###___",
    "__#######_",
    "__#######_",
};

// The colour set's inks, but for a dark grey 8.
constexpr std::uint8_t kInks[] = {kBlue, kDarkGreen, kRed, kNavy, kDarkRed, kTeal, kPurple, kDarkGrey};

// The colour set's flag without its shading: a red pennant, black pole and
// base.
Picture flag() {
  Canvas c = covered();
  c.paint(4, 3, kPennantFlag);
  c.recolour(4, 3, 11, 12, {{kDarkRed, kRed}, {kDarkGrey, kBlack}});
  return c.picture();
}

// The ground's inside starts below and right of its line, so shapes sit one
// pixel lower and further right than on the monochrome ground.
Canvas mine() {
  Canvas c = ground();
  c.paint(2, 2, kBigMine);
  return c;
}

// The mine on red, the ground's line kept.
Picture mineHit() {
  Canvas c = mine();
  c.recolour(1, 1, 15, 15, {{kLightGrey, kRed}});
  return c.picture();
}

// The mine under a red cross of strokes two pixels wide, corner to corner.
Picture wrongFlag() {
  Canvas c = mine();
  c.paint(2, 2, {"RR_________RR",
                 "RRR_______RRR",
                 "_RRR_____RRR_",
                 "__RRR___RRR__",
                 "___RRR_RRR___",
                 "____RRRRR____",
                 "_____RRR_____",
                 "____RRRRR____",
                 "___RRR_RRR___",
                 "__RRR___RRR__",
                 "_RRR_____RRR_",
                 "RRR_______RRR",
                 "RR_________RR"});
  return c.picture();
}

}  // namespace

void addFlatTiles(Catalogue& catalogue) {
  catalogue[kSet + pic::kUncovered] = ground().picture();
  for (int n = 1; n <= 8; ++n) {
    const Art& shape = n == 1 ? kOne : kBoldNumerals[static_cast<std::size_t>(n - 1)];
    catalogue[kSet + pic::kUncovered + n] = withShape(ground(), 4, 4, shape, kInks[n - 1]);
  }
  catalogue[kSet + pic::kCovered] = covered().picture();
  catalogue[kSet + pic::kFlag] = flag();
  catalogue[kSet + pic::kMine] = mine().picture();
  catalogue[kSet + pic::kMineHit] = mineHit();
  catalogue[kSet + pic::kWrongFlag] = wrongFlag();
  catalogue[kSet + pic::kQuestion] = withShape(covered(), 3, 3, kBoldQuestion, kBlack);
  catalogue[kSet + pic::kQuestionPressed] = withShape(ground(), 4, 4, kBoldQuestion, kBlack);
}

}  // namespace klandor::res
