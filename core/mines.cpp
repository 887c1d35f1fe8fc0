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

void Game::minecheck() {
  const int a = m.across;
  for (int x = 0; x < a; ++x) {
    for (int y = 0; y < m.down; ++y) {
      const int cell = cellIndex(a, x, y);
      const bool left = x > 0, right = x < a - 1, up = y > 0, below = y < m.down - 1;
      int count = 0;
      if (left && b.ismine[cell - 1]) ++count;
      if (right && b.ismine[cell + 1]) ++count;
      if (up && b.ismine[cell - a]) ++count;
      if (below && b.ismine[cell + a]) ++count;
      if (left && up && b.ismine[cell - a - 1]) ++count;
      if (left && below && b.ismine[cell + a - 1]) ++count;
      if (right && up && b.ismine[cell - a + 1]) ++count;
      if (right && below && b.ismine[cell + a + 1]) ++count;
      b.near[cell] = count;
    }
  }
}

}  // namespace klandor
