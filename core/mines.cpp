// Laying the mines and counting every cell's neighbouring mines.
#include "core/game.h"

#include <algorithm>

namespace klandor {

void Game::mineset(int exclude) {
  const int n = cells();
  // A fresh board has no mines yet. A face press whose release never came
  // leaves the last board's mines with minesplaced cleared; laying a second
  // set on top of them could leave too few free cells to ever finish.
  std::fill_n(b.ismine.begin() + 1, n, false);
  b.guessFreeGaveUp = false;
  if (m.options.guessFree && exclude >= 1 && exclude <= n) {
    if (layGuessFree(m.across, m.down, m.totalmines, exclude, random_, guessFreeLimits, b.ismine)) return;
    b.guessFreeGaveUp = true;
    ++guessFreeGiveUps;
  }
  for (int mine = 1; mine <= m.totalmines; ++mine) {
    for (;;) {
      const int cell = static_cast<int>(random_.next() * n) + 1;
      if (!b.ismine[cell] && cell != exclude) {
        b.ismine[cell] = true;
        break;
      }
    }
  }
}

// Left, right, above, below, then the corners: above and below on the left,
// above and below on the right.
constexpr Neighbours kCountOrder = {{{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-1, -1}, {-1, 1}, {1, -1}, {1, 1}}};

void Game::minecheck() {
  for (int x = 0; x < m.across; ++x) {
    for (int y = 0; y < m.down; ++y) {
      int count = 0;
      forNeighbours(m.across, m.down, x, y, kCountOrder, [&](int n) { count += b.ismine[n] ? 1 : 0; });
      b.near[cellIndex(m.across, x, y)] = count;
    }
  }
}

}  // namespace klandor
