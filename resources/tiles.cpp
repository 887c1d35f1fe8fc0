// The colour cell pictures: the uncovered ground with its dotted grid line,
// the numerals 1 to 8 on it, the raised covered tile and the marks and mines.

#include <array>

#include "resources/canvas.h"
#include "resources/catalogue.h"
#include "resources/picture_numbers.h"

namespace klandor::res {

namespace {

using namespace colour;

constexpr int kCell = 16;

// Light grey with a dotted black line on the right and bottom edges, so that
// neighbouring cells show a dotted grid.
Canvas ground() {
  Canvas c(kCell, kCell, kLightGrey);
  for (int i = 1; i < kCell; i += 2) {
    c.set(kCell - 1, i, kBlack);
    c.set(i, kCell - 1, kBlack);
  }
  return c;
}

// The raised tile of a covered cell.
Canvas covered() {
  Canvas c(kCell, kCell, kLightGrey);
  c.row(0, 0, 14, kWhite);
  c.column(0, 0, 14, kWhite);
  c.column(15, 0, 15, kBlack);
  c.row(15, 0, 15, kBlack);
  c.column(14, 1, 14, kDarkGrey);
  c.row(14, 1, 14, kDarkGrey);
  return c;
}

// Numerals 1 to 8, strokes two pixels wide, in the band of columns 4 to 10
// and rows 3 to 11; only the stem of the 4 reaches row 12.
struct Numeral {
  std::uint8_t ink;
  Art shape;
};

const std::array<Numeral, 8> kNumerals = {{
    {kBlue, {"___##__",
             "__###__",
             "_####__",
             "___##__",
             "___##__",
             "___##__",
             "___##__",
             "___##__",
             "_######"}},
    {kDarkGreen, {"_#####_",
                  "#######",
                  "##___##",
                  "_____##",
                  "___###_",
                  "_###___",
                  "##_____",
                  "#######",
                  "#######"}},
    {kRed, {"######_",
            "#######",
            "_____##",
            "__####_",
            "__####_",
            "_____##",
            "_____##",
            "#######",
            "######_"}},
    {kNavy, {"____##_",
             "___###_",
             "__####_",
             "_##_##_",
             "##__##_",
             "#######",
             "#######",
             "____##_",
             "____##_",
             "____##_"}},
    {kDarkRed, {"#######",
                "#######",
                "##_____",
                "######_",
                "#######",
                "_____##",
                "_____##",
                "#######",
                "######_"}},
    {kTeal, {"__#####",
             "_######",
             "##_____",
             "######_",
             "#######",
             "##___##",
             "##___##",
             "#######",
             "_#####_"}},
    {kPurple, {"#######",
               "#######",
               "_____##",
               "____##_",
               "____##_",
               "___##__",
               "___##__",
               "__##___",
               "__##___"}},
    {kBlack, {"_#####_",
              "#######",
              "##___##",
              "_#####_",
              "_#####_",
              "##___##",
              "##___##",
              "#######",
              "_#####_"}},
}};

// The flag of a covered cell: a pennant pointing left, red shading to dark
// red, on a black pole with its base.
const Art kFlag = {
    "RRRRr___",
    "RRRrr___",
    "RRrrr___",
    "Rrrrr___",
    "____#___",
    "____#___",
    "____#___",
    "____#___",
    "___D#D__",
    "_D#####D",
};

// A mine with spikes, dark grey spike tips and softening, and a highlight.
const Art kMineArt = {
    "_____D_____",
    "_____#_____",
    "__#_D#D_#__",
    "___#####___",
    "__D#W###D__",
    "D#########D",
    "__D#####D__",
    "___#####___",
    "__#_D#D_#__",
    "_____#_____",
    "_____D_____",
};

// A red cross of two strokes, shaded dark red along their lower edges.
const Art kCross = {
    "RR______RR",
    "rRR____RRr",
    "_rRR__RRr_",
    "__rRRRRr__",
    "___rRRr___",
    "___RRRR___",
    "__RRrrRR__",
    "_RRr__rRR_",
    "RRr____rRR",
    "rr______rr",
};

// The question mark: blue along the left and upper edges of its strokes,
// navy in the rest.
const Art kQuestion = {
    "__BBB__",
    "_BbbbB_",
    "Bb___BB",
    "_____Bb",
    "____Bb_",
    "___Bb__",
    "___Bb__",
    "_______",
    "___BB__",
    "___Bb__",
};

Canvas mine() {
  Canvas c = ground();
  c.paint(2, 2, kMineArt);
  return c;
}

// The mine the player uncovered: the same mine on red, the grid line kept.
Picture mineHit() {
  Canvas c = mine();
  c.recolour(0, 0, 14, 14, {{kLightGrey, kRed}, {kDarkGrey, kDarkRed}});
  return c.picture();
}

Picture withArt(Canvas c, int x, int y, const Art& art) {
  c.paint(x, y, art);
  return c.picture();
}

// The pressed "?" is all navy and one pixel further right.
Picture questionPressed() {
  Canvas c = ground();
  c.paint(5, 3, kQuestion);
  c.recolour(5, 3, 11, 12, {{kBlue, kNavy}});
  return c.picture();
}

}  // namespace

void addColourTiles(Catalogue& catalogue) {
  catalogue[pic::kUncovered] = ground().picture();
  for (std::size_t n = 0; n < kNumerals.size(); ++n) {
    Canvas c = ground();
    c.stamp(4, 3, kNumerals[n].shape, kNumerals[n].ink);
    catalogue[pic::kUncovered + 1 + static_cast<int>(n)] = c.picture();
  }
  catalogue[pic::kCovered] = covered().picture();
  catalogue[pic::kFlag] = withArt(covered(), 4, 3, kFlag);
  catalogue[pic::kMine] = mine().picture();
  catalogue[pic::kMineHit] = mineHit();
  catalogue[pic::kWrongFlag] = withArt(ground(), 3, 3, kCross);
  catalogue[pic::kQuestion] = withArt(covered(), 4, 3, kQuestion);
  catalogue[pic::kQuestionPressed] = questionPressed();
}

}  // namespace klandor::res
