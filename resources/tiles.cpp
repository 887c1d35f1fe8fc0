// The colour cell pictures: the uncovered ground with its dotted grid line,
// the numerals 1 to 8 on it, the raised covered tile and the marks and mines.

#include <array>

#include "resources/canvas.h"
#include "resources/catalogue.h"
#include "resources/cell_art.h"
#include "resources/picture_numbers.h"

namespace klandor::res {

namespace {

using namespace colour;

constexpr int kCell = pic::kCellSide;

// Light grey with a dotted black line on the right and bottom edges, so that
// neighbouring cells show a dotted grid.
Canvas ground() {
  Canvas c(kCell, kCell, kLightGrey);
  dotGridLine(c);
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
  catalogue[pic::kFlag] = withArt(covered(), 4, 3, kPennantFlag);
  catalogue[pic::kMine] = spikedMine(ground()).picture();
  catalogue[pic::kMineHit] = spikedMineOnRed(ground(), kLightGrey);
  catalogue[pic::kWrongFlag] = withArt(ground(), 3, 3, kRedCross);
  catalogue[pic::kQuestion] = withArt(covered(), 4, 3, kQuestion);
  catalogue[pic::kQuestionPressed] = questionPressed();
}

}  // namespace klandor::res
