#pragma once
// The main window's part beside the board, whatever the toolkit: when the
// clock's one-second timer runs, when a new board may change the window's
// size, and where a window of a new size goes.

#include <optional>

#include "core/game.h"
#include "kit/layout.h"

namespace klandor::kit {

class WindowState {
 public:
  // As the window opens: its timer stopped, its size fitted to the board.
  explicit WindowState(const Game& game) : game_(game), secondStarts_(game.secondStarts), loads_(game.loads) {}

  struct Sync {
    // The timer runs while the game's clock does, from a fresh second at
    // each start (a game won at its first release starts the clock and
    // stops it at once).
    bool timerRuns = false;
    bool timerRestarts = false;
    // A new board: the window fits its client area to the board's layout.
    bool refit = false;
  };
  // What the window does to follow the game, after every change.
  Sync sync();

 private:
  const Game& game_;
  unsigned secondStarts_;
  unsigned loads_;
};

// Where a window whose outer size becomes `width` x `height` goes: about the
// centre of where it was (`before`, its outer rectangle), and never past the
// edges of the screen's free room.
Rect recentre(const Rect& before, int width, int height, const Rect& room);

// Where the main window goes after a new board: it moves only when its
// outer size changed, about its centre as recentre() says; a board of the
// same size leaves it where the player put it (nothing).
std::optional<Rect> refit(const Rect& before, int width, int height, const Rect& room);

// Where a window of `width` x `height` opens: in the middle of the room.
inline Rect opening(int width, int height, const Rect& room) { return recentre(room, width, height, room); }

}  // namespace klandor::kit
