// The large colour cell pictures, 32 x 32: the colour set with every pixel
// doubled, but for the covered tile, whose bevel is thicker than a doubled
// one: three pixels of white at the top and left, three of dark grey and two
// of black at the right and bottom. The flag and the "?" stand on it doubled.

#include "resources/canvas.h"
#include "resources/catalogue.h"
#include "resources/picture_numbers.h"

namespace klandor::res {

namespace {

using namespace colour;

constexpr int kCell = 32;
constexpr int kSet = pic::kLargeColourTiles;

// Paints each pixel of `small` that `keep` says to as a square of 2 x 2.
template <typename Keep>
void paintDoubled(Canvas& c, const Picture& small, Keep keep) {
  for (int y = 0; y < small.height; ++y) {
    for (int x = 0; x < small.width; ++x) {
      if (keep(x, y)) c.fill(2 * x, 2 * y, 2 * x + 1, 2 * y + 1, small.at(x, y));
    }
  }
}

Picture doubled(const Picture& small) {
  Canvas c(2 * small.width, 2 * small.height, kBlack);
  paintDoubled(c, small, [](int, int) { return true; });
  return c.picture();
}

Canvas covered() {
  Canvas c(kCell, kCell, kLightGrey);
  c.bevel(0, 0, 31, 31, 2, kWhite, kBlack);
  c.bevel(2, 2, 29, 29, 1, kWhite, kDarkGrey);
  c.bevel(3, 3, 28, 28, 2, kLightGrey, kDarkGrey);
  return c;
}

// The mark of a colour-set tile (what it shows over the plain covered tile),
// doubled onto the thick tile.
Picture marked(const Picture& small, const Picture& plain) {
  Canvas c = covered();
  paintDoubled(c, small, [&](int x, int y) { return small.at(x, y) != plain.at(x, y); });
  return c.picture();
}

}  // namespace

void addLargeColourTiles(Catalogue& catalogue) {
  const auto colour = [&](int role) -> const Picture& { return catalogue.at(pic::kColourTiles + role); };
  for (int n = 0; n <= 8; ++n) catalogue[kSet + pic::kUncovered + n] = doubled(colour(pic::kUncovered + n));
  catalogue[kSet + pic::kCovered] = covered().picture();
  for (int role : {pic::kFlag, pic::kQuestion}) catalogue[kSet + role] = marked(colour(role), colour(pic::kCovered));
  for (int role : {pic::kMine, pic::kMineHit, pic::kWrongFlag, pic::kQuestionPressed}) {
    catalogue[kSet + role] = doubled(colour(role));
  }
}

}  // namespace klandor::res
