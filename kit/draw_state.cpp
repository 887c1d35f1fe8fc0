#include "kit/draw_state.h"

#include <algorithm>

#include "kit/words.h"
#include "resources/picture_numbers.h"
#include "resources/pictures.h"

namespace klandor::kit {

namespace {
// The cursor's inset from the cell's edges.
constexpr int kCursorInset = 2;
// The least difference in grey a cursor dot keeps from the pixel it covers.
constexpr int kStandOut = 96;
}  // namespace

DrawState::DrawState(const Game& game)
    : game_(game), layout_(game.m.across, game.m.down), state_(gameState(game.b).text) {}

int DrawState::smileSize() const {
  const res::Picture* face = res::picture(smile_);
  return face != nullptr ? face->width : pic::kInitialFaceSide;
}

Rect DrawState::cursorRect() const { return cursor_.shown ? layout_.boxRect(cursor_.cell(layout_)) : Rect{}; }

void DrawState::add(Changes& changes, const Rect& area) const {
  changes.areas.push_back(area);
  changes.dirty = changes.dirty.united(area);
}

Changes DrawState::sync(Cursor& cursor) {
  Changes changes;
  const char* state = gameState(game_.b).text;
  changes.state = state != state_;
  state_ = state;
  if (!laidOut_ || loads_ != game_.loads) {
    layout_ = Layout(game_.m.across, game_.m.down);
    cursor.fit(layout_);
    laidOut_ = true;
    loads_ = game_.loads;
    box_ = game_.box;
    smile_ = game_.smile;
    cursor_ = cursor;
    changes.newLayout = changes.counter = changes.clock = true;
    add(changes, layout_.client());
    return changes;
  }
  // A smaller face uncovers the band behind the larger one.
  if (smile_ != game_.smile) {
    const Rect was = layout_.smileRect(smileSize());
    smile_ = game_.smile;
    add(changes, was.united(layout_.smileRect(smileSize())));
  }
  const int cells = game_.cells();
  for (int i = 1; i <= game_.elements(); ++i) {
    const auto slot = static_cast<std::size_t>(i);
    if (box_[slot] == game_.box[slot]) continue;
    if (i > cells + 3) {
      changes.clock = true;
    } else if (i > cells) {
      changes.counter = true;
    } else if (cellKind(box_[slot]) != cellKind(game_.box[slot])) {
      changes.renamed.push_back(i);
    }
    box_[slot] = game_.box[slot];
    add(changes, layout_.boxRect(i));
  }
  if (cursor_ != cursor) {
    if (cursor_.shown) add(changes, cursorRect());
    cursor_ = cursor;
    if (cursor_.shown) add(changes, cursorRect());
  }
  return changes;
}

void DrawState::scene(const Rect& area, const Draw& draw) const {
  auto box = [&](int index) { draw(box_[static_cast<std::size_t>(index)], layout_.boxRect(index)); };
  // Cells and digits lie in front of everything else and cover their
  // rectangles: an area inside one of them is that element alone.
  const Element front = layout_.elementAt(area.x, area.y, smileSize());
  if (front.kind == Element::kBox && layout_.boxRect(front.index).contains(area)) return box(front.index);

  for (const Piece& piece : layout_.background())
    if (piece.rect.intersects(area)) draw(piece.picture, piece.rect);
  const Rect face = layout_.smileRect(smileSize());
  if (face.intersects(area)) draw(smile_, face);
  const Rect grid = layout_.grid();
  if (grid.intersects(area)) {
    const int side = pic::kCellSide;
    const int left = (std::max(area.x, grid.x) - grid.x) / side;
    const int right = (std::min(area.x + area.w, grid.x + grid.w) - 1 - grid.x) / side;
    const int top = (std::max(area.y, grid.y) - grid.y) / side;
    const int bottom = (std::min(area.y + area.h, grid.y + grid.h) - 1 - grid.y) / side;
    for (int y = top; y <= bottom; ++y)
      for (int x = left; x <= right; ++x) box(cellIndex(layout_.across(), x, y));
  }
  const int cells = layout_.across() * layout_.down();
  for (int i = cells + 1; i <= cells + kDigitCells; ++i)
    if (layout_.boxRect(i).intersects(area)) box(i);
}

std::vector<Dot> cursorDots(const Rect& cell, const std::function<int(int x, int y)>& grey) {
  const int left = cell.x + kCursorInset, top = cell.y + kCursorInset;
  const int right = cell.x + cell.w - 1 - kCursorInset, bottom = cell.y + cell.h - 1 - kCursorInset;
  // The square's pixels, clockwise from its top left corner.
  std::vector<Dot> path;
  for (int x = left; x < right; ++x) path.push_back({x, top, false});
  for (int y = top; y < bottom; ++y) path.push_back({right, y, false});
  for (int x = right; x > left; --x) path.push_back({x, bottom, false});
  for (int y = bottom; y > top; --y) path.push_back({left, y, false});
  int sum = 0;
  for (const Dot& p : path) sum += grey(p.x, p.y);
  const bool darkPath = sum < 128 * static_cast<int>(path.size());
  // Every other pixel is a dot: black or white, whichever stands out from
  // the pixel it covers; where both would, the one that stands out from the
  // whole path, so that the dots do not melt into a fine pattern.
  std::vector<Dot> dots;
  for (std::size_t i = 0; i < path.size(); i += 2) {
    const int covered = grey(path[i].x, path[i].y);
    const bool both = covered >= kStandOut && covered <= 255 - kStandOut;
    dots.push_back({path[i].x, path[i].y, both ? darkPath : covered < 128});
  }
  return dots;
}

}  // namespace klandor::kit
