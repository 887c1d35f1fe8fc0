#pragma once
// What the screen shows now, to find what changed since the last paint: the
// picture of every element, the face, the keyboard cursor, the board they
// belong to. A front end keeps the client area composed from the scene and
// repaints only the areas a sync names.

#include <array>
#include <functional>
#include <vector>

#include "core/game.h"
#include "kit/input.h"
#include "kit/layout.h"

namespace klandor::kit {

// What one sync found.
struct Changes {
  // A new board: the layout, perhaps of another size, drawn anew.
  bool newLayout = false;
  // The areas to compose afresh from the scene and repaint, in pixels at
  // scale 1; `dirty` holds them all.
  std::vector<Rect> areas;
  Rect dirty;

  // What a screen reader is told: the cells whose words changed, the
  // counter's and the clock's values, the game's state as the face tells
  // it, and the cursor moved by a key (perhaps against an edge).
  std::vector<int> renamed;
  bool counter = false, clock = false, state = false, cursor = false;
};

// Draws a picture by number at a place, stretched to it when their sizes
// differ.
using Draw = std::function<void(int picture, const Rect& where)>;

class DrawState {
 public:
  // Nothing is drawn yet: the first sync lays the board out.
  explicit DrawState(const Game& game);

  const Layout& layout() const { return layout_; }
  // The size of the face as drawn now (the initial face is one pixel
  // larger than the others).
  int smileSize() const;
  // The keyboard cursor's cell as drawn now; empty while it is hidden.
  Rect cursorRect() const;

  // Takes in what the game shows now and the cursor, which a new board
  // brings inside its edges.
  Changes sync(Cursor& cursor);

  // Every picture drawn on `area`, back to front, as the screen shows them.
  void scene(const Rect& area, const Draw& draw) const;

 private:
  void add(Changes& changes, const Rect& area) const;

  const Game& game_;
  Layout layout_;
  bool laidOut_ = false;
  unsigned loads_ = 0;
  std::array<int, kMaxElements> box_{};
  int smile_ = 0;
  Cursor cursor_;
  const char* state_;  // the game's state as last told
};

// The keyboard cursor on the cell `cell`: a dotted square 2 pixels in from
// its edges, a dot on every other pixel, each black or white, whichever
// stands out from the pixel it covers. `grey(x, y)` is the grey level, 0 to
// 255, of the picture under a pixel.
struct Dot {
  int x, y;
  bool white;
};
std::vector<Dot> cursorDots(const Rect& cell, const std::function<int(int x, int y)>& grey);

}  // namespace klandor::kit
