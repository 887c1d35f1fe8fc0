// Uncovering a cell without neighbouring mines opens its whole area.
#include "core/game.h"
#include "resources/picture_numbers.h"

namespace klandor {

void Game::removebox(int c) {
  if (b.uncovered[c]) return;
  boxload(c, pic::kUncovered + b.near[c]);
  b.uncover(c);
  if (!b.ismine[c]) check(c);
  wincheck();
}

// Column by column from the left, top to bottom within each column.
constexpr Neighbours kSweepOrder = {{{-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}, {1, 1}}};

void Game::check(int c) {
  const int a = m.across;
  forNeighbours(a, m.down, cellColumn(a, c), cellRow(a, c), kSweepOrder, [this](int n) {
    if (b.uncovered[n]) return;
    if (b.near[n] == 0) {
      removebox(n);
    } else {
      b.uncover(n);
      boxload(n, pic::kUncovered + b.near[n]);
    }
  });
}

}  // namespace klandor
