#pragma once
// Where every element of the main window's client area lies, in pixels at
// scale 1, for a board of `across` x `down` cells. Every front end paints and
// hit-tests from these figures alone.

#include <vector>

namespace klandor::kit {

struct Rect {
  int x = 0, y = 0, w = 0, h = 0;
  bool empty() const { return w <= 0 || h <= 0; }
  bool contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
  bool contains(const Rect& r) const { return r.x >= x && r.y >= y && r.x + r.w <= x + w && r.y + r.h <= y + h; }
  bool intersects(const Rect& r) const {
    return !empty() && !r.empty() && r.x < x + w && x < r.x + r.w && r.y < y + h && y < r.y + r.h;
  }
  // The smallest rectangle holding both; an empty one adds nothing.
  Rect united(const Rect& r) const;
  bool operator==(const Rect&) const = default;
};

// An element that reacts to the mouse: a `Box` element (cell or digit cell)
// or the face `Smile`.
struct Element {
  enum Kind { kNone, kBox, kSmile } kind = kNone;
  int index = 0;  // the Box index for kBox
  bool operator==(const Element&) const = default;
};

// A picture placed behind the cells: frame pieces and counter boxes.
struct Piece {
  int picture;
  Rect rect;  // stretched to this size when it differs from the picture's
};

class Layout {
 public:
  Layout(int across, int down) : across_(across), down_(down) {}

  int across() const { return across_; }
  int down() const { return down_; }
  int clientWidth() const;
  int clientHeight() const;
  Rect client() const { return {0, 0, clientWidth(), clientHeight()}; }
  // The cells, all together.
  Rect grid() const;

  // The frame pieces and counter boxes, back to front.
  std::vector<Piece> background() const;

  // The rectangle of Box(index), cells and digit cells (each digit 11 x 21).
  Rect boxRect(int index) const;
  // The face at its place, for a picture `size` pixels square.
  Rect smileRect(int size) const;

  // The front-most element at a point; the face's current picture is
  // `smileSize` pixels square.
  Element elementAt(int x, int y, int smileSize) const;

 private:
  int across_;
  int down_;
};

}  // namespace klandor::kit
