// The monochrome cell pictures, in black and white only: a white ground with
// a solid black grid line, a covered tile with a deep black bevel around a
// checkerboard, and solid black numerals, marks and mines.

#include "resources/canvas.h"
#include "resources/catalogue.h"
#include "resources/cell_art.h"
#include "resources/picture_numbers.h"

namespace klandor::res {

namespace {

using namespace colour;

constexpr int kCell = pic::kCellSide;
constexpr int kSet = pic::kMonochromeTiles;

Canvas ground() {
  Canvas c(kCell, kCell, kWhite);
  c.column(15, 0, 15, kBlack);
  c.row(15, 0, 15, kBlack);
  return c;
}

// White top and left edges, black right and bottom edges three pixels deep
// meeting the white diagonally, and a checkerboard inside.
Canvas covered() {
  Canvas c(kCell, kCell, kBlack);
  c.row(0, 0, 13, kWhite);
  c.column(0, 0, 13, kWhite);
  for (int y = 1; y <= 12; ++y) {
    for (int x = 1; x <= 12; ++x) c.set(x, y, (x + y) % 2 == 0 ? kWhite : kBlack);
  }
  return c;
}

// The flag of the colour set in solid black: pennant, pole and base.
const Art kFlag = {
    "__________",
    "__#####___",
    "__#####___",
    "__#####___",
    "__#####___",
    "______#___",
    "______#___",
    "______#___",
    "______#___",
    "_____###__",
    "___#######",
};

// Over the checkerboard a black shape keeps a white margin one pixel wide,
// or it would be lost in the pattern.
Picture onCheckerboard(const Art& shape) {
  Canvas c = covered();
  for (int row = 0; row < static_cast<int>(shape.size()); ++row) {
    for (int col = 0; col < static_cast<int>(shape[static_cast<std::size_t>(row)].size()); ++col) {
      if (shape[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] != '#') continue;
      for (int y = row + 1; y <= row + 3; ++y) {
        for (int x = col + 1; x <= col + 3; ++x) {
          if (x >= 1 && x <= 12 && y >= 1 && y <= 12) c.set(x, y, kWhite);
        }
      }
    }
  }
  c.stamp(2, 2, shape, kBlack);
  return c.picture();
}

Canvas mine() {
  Canvas c = ground();
  c.paint(1, 1, kBigMine);
  return c;
}

// The exploded mine is the mine in white on black.
Picture mineHit() {
  Canvas c = mine();
  c.recolour(0, 0, 14, 14, {{kBlack, kWhite}, {kWhite, kBlack}});
  return c.picture();
}

// A thin cross from corner to corner of the cell's ground, black on white and
// white where it crosses the mine.
Picture wrongFlag() {
  Canvas c = mine();
  const auto invert = [&c](int x, int y) { c.set(x, y, c.at(x, y) == kBlack ? kWhite : kBlack); };
  for (int i = 0; i <= 14; ++i) {
    invert(i, i);
    if (14 - i != i) invert(14 - i, i);
  }
  return c.picture();
}

}  // namespace

void addMonochromeTiles(Catalogue& catalogue) {
  catalogue[kSet + pic::kUncovered] = ground().picture();
  for (std::size_t n = 0; n < kBoldNumerals.size(); ++n) {
    catalogue[kSet + pic::kUncovered + 1 + static_cast<int>(n)] = withShape(ground(), 2, 2, kBoldNumerals[n], kBlack);
  }
  catalogue[kSet + pic::kCovered] = covered().picture();
  catalogue[kSet + pic::kFlag] = onCheckerboard(kFlag);
  catalogue[kSet + pic::kMine] = mine().picture();
  catalogue[kSet + pic::kMineHit] = mineHit();
  catalogue[kSet + pic::kWrongFlag] = wrongFlag();
  catalogue[kSet + pic::kQuestion] = onCheckerboard(kBoldQuestion);
  catalogue[kSet + pic::kQuestionPressed] = withShape(ground(), 2, 2, kBoldQuestion, kBlack);
}

}  // namespace klandor::res
