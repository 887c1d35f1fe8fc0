// Deciding that the game has been won.
#include "core/game.h"
#include "core/levels.h"
#include "resources/picture_numbers.h"

namespace klandor {

void Game::wincheck() {
  if (b.covered != m.totalmines) return;

  b.won = true;
  b.playing = false;
  stopClock();
  smile = pic::kWon;
  endGame(GameEnd::kWon);
  const Level* level = levelOf(b.levelnum);
  if (level != nullptr && level->record != 0) records_->recordEntry(*this);
}

}  // namespace klandor
