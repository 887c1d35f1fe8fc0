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

void Game::check(int c) {
  const int a = m.across;
  const int row = (c - 1) / a + 1;
  const int column = c - a * (row - 1);
  // Column by column, top to bottom; the grid does not wrap.
  for (int xx = column - 1; xx <= column + 1; ++xx) {
    for (int yy = row - 1; yy <= row + 1; ++yy) {
      if (xx < 1 || xx > a || yy < 1 || yy > m.down) continue;
      const int n = xx + a * (yy - 1);
      if (b.uncovered[n]) continue;
      if (b.near[n] == 0) {
        removebox(n);
      } else {
        b.uncover(n);
        boxload(n, pic::kUncovered + b.near[n]);
      }
    }
  }
}

}  // namespace klandor
