// Deciding that the game has been won.
#include "core/game.h"
#include "resources/picture_numbers.h"

namespace klandor {

void Game::wincheck() {
  if (b.covered != m.totalmines) return;

  b.won = true;
  b.playing = false;
  stopClock();
  smile = pic::kWon;
  if (b.levelnum >= 1 && b.levelnum <= 3) records_->recordEntry(*this);
}

}  // namespace klandor
