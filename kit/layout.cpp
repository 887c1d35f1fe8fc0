#include "kit/layout.h"

#include <algorithm>

#include "core/board.h"
#include "resources/picture_numbers.h"

namespace klandor::kit {

namespace {
using pic::kCellSide, pic::kFrameSide, pic::kHeaderHeight;

// The counter boxes and the face stand 15 pixels down the top band.
constexpr int kBandTop = 15;

// The mine counter's box 16 pixels from the left, the clock's 35 pixels left
// of the grid's right end.
Rect counterBox(int across, bool clock) {
  return {clock ? kCellSide * across - 35 : 16, kBandTop, pic::kCounterBoxWidth, pic::kCounterBoxHeight};
}
}  // namespace

Rect Rect::united(const Rect& r) const {
  if (r.empty()) return *this;
  if (empty()) return r;
  const int left = std::min(x, r.x), top = std::min(y, r.y);
  return {left, top, std::max(x + w, r.x + r.w) - left, std::max(y + h, r.y + r.h) - top};
}

int Layout::clientWidth() const { return kCellSide * across_ + 2 * kFrameSide; }
int Layout::clientHeight() const { return kHeaderHeight + kCellSide * down_ + kFrameSide; }

Rect Layout::grid() const { return {kFrameSide, kHeaderHeight, kCellSide * across_, kCellSide * down_}; }

std::vector<Piece> Layout::background() const {
  const int w = kCellSide * across_, h = kCellSide * down_;
  const int side = kFrameSide, header = kHeaderHeight, right = side + w, bottom = header + h;
  return {
      {pic::kFrameL, {0, 0, side, header}},
      {pic::kFrameM, {side, 0, w, header}},
      {pic::kFrameR, {right, 0, side, header}},
      {pic::kFrameW, {0, header, side, h}},
      {pic::kFrameW, {right, header, side, h}},
      {pic::kFrameCL, {0, bottom, side, side}},
      {pic::kFrameB, {side, bottom, w, side}},
      {pic::kFrameCR, {right, bottom, side, side}},
      {pic::kCounterBox, counterBox(across_, false)},
      {pic::kCounterBox, counterBox(across_, true)},
  };
}

Rect Layout::boxRect(int index) const {
  const int cells = across_ * down_;
  if (index >= 1 && index <= cells) {
    const int x = cellColumn(across_, index), y = cellRow(across_, index);
    return {kFrameSide + kCellSide * x, kHeaderHeight + kCellSide * y, kCellSide, kCellSide};
  }
  const int k = index - cells - 1;  // 0..2 the mine counter, 3..5 the clock
  if (k < 0 || k >= kDigitCells) return {};
  // Two pixels inside the box and two pixels apart.
  const Rect box = counterBox(across_, k >= 3);
  return {box.x + 2 + (pic::kDigitWidth + 2) * (k % 3), box.y + 2, pic::kDigitWidth, pic::kDigitHeight};
}

Rect Layout::smileRect(int size) const {
  // Centred for the initial face; later faces keep its place.
  return {(clientWidth() - pic::kInitialFaceSide) / 2, kBandTop, size, size};
}

Element Layout::elementAt(int x, int y, int smileSize) const {
  const int cells = across_ * down_;
  // Front to back: the digits, the cells, the face.
  for (int index = cells + kDigitCells; index > cells; --index)
    if (boxRect(index).contains(x, y)) return {Element::kBox, index};
  const Rect grid = this->grid();
  if (grid.contains(x, y))
    return {Element::kBox, cellIndex(across_, (x - grid.x) / kCellSide, (y - grid.y) / kCellSide)};
  if (smileRect(smileSize).contains(x, y)) return {Element::kSmile, 0};
  return {};
}

}  // namespace klandor::kit
