// The landscape cell pictures: olive fields with the colour set's dotted grid
// line, a count shown as that many haystacks standing like the pips of a die,
// and covered tiles of olive raised by a white and dark grey bevel. The "?"
// is yellow.

#include "resources/canvas.h"
#include "resources/catalogue.h"
#include "resources/cell_art.h"
#include "resources/picture_numbers.h"

namespace klandor::res {

namespace {

using namespace colour;

constexpr int kCell = pic::kCellSide;
constexpr int kSet = pic::kLandscapeTiles;

Canvas ground() {
  Canvas c(kCell, kCell, kOlive);
  dotGridLine(c);
  return c;
}

Canvas covered() {
  Canvas c(kCell, kCell, kOlive);
  c.bevel(0, 0, 15, 15, 1, kWhite, kDarkGrey);
  c.bevel(1, 1, 14, 14, 1, kOlive, kDarkGrey);
  return c;
}

// Yellow stands out best on olive.
const Art kHaystack = {
    "_Y_",
    "YYY",
    "YYY",
};

Picture haystacks(int count) {
  Canvas c = ground();
  paintAtPlaces(c, kPipPlaces[static_cast<std::size_t>(count - 1)], 1, 1, 5, kHaystack);
  return c.picture();
}

}  // namespace

void addLandscapeTiles(Catalogue& catalogue) {
  catalogue[kSet + pic::kUncovered] = ground().picture();
  for (int n = 1; n <= 8; ++n) catalogue[kSet + pic::kUncovered + n] = haystacks(n);
  catalogue[kSet + pic::kCovered] = covered().picture();
  catalogue[kSet + pic::kFlag] = withArt(covered(), 4, 3, kPennantFlag);
  catalogue[kSet + pic::kMine] = spikedMine(ground()).picture();
  catalogue[kSet + pic::kMineHit] = spikedMineOnRed(ground(), kOlive);
  catalogue[kSet + pic::kWrongFlag] = withArt(ground(), 3, 3, kRedCross);
  catalogue[kSet + pic::kQuestion] = withShape(covered(), 3, 3, kBoldQuestion, kYellow);
  catalogue[kSet + pic::kQuestionPressed] = withShape(ground(), 3, 3, kBoldQuestion, kYellow);
}

}  // namespace klandor::res
