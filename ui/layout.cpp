#include "ui/layout.h"

#include "core/board.h"
#include "resources/picture_numbers.h"

namespace klandor::ui {

namespace {
// Positions are designed in twips, 15 to a pixel, rounded to the nearest.
constexpr int px(int twips) { return (twips + 7) / 15; }

constexpr int kCellTwips = 240;
constexpr int kDigitWidth = 11;
constexpr int kDigitHeight = 21;
}  // namespace

int Layout::clientWidth() const { return px(kCellTwips * across_ + 360); }
int Layout::clientHeight() const { return px(kCellTwips * down_ + 1005); }

std::vector<Piece> Layout::background() const {
  const int w = px(kCellTwips * across_), h = px(kCellTwips * down_);
  const int right = px(kCellTwips * across_ + 180), bottom = px(kCellTwips * down_ + 825);
  return {
      {pic::kFrameL, {0, 0, 12, 55}},
      {pic::kFrameM, {12, 0, w, 55}},
      {pic::kFrameR, {right, 0, 12, 55}},
      {pic::kFrameW, {0, 55, 12, h}},
      {pic::kFrameW, {right, 55, 12, h}},
      {pic::kFrameCL, {0, bottom, 12, 12}},
      {pic::kFrameB, {12, bottom, w, 12}},
      {pic::kFrameCR, {right, bottom, 12, 12}},
      {pic::kCounterBox, {px(240), px(225), 41, 25}},
      {pic::kCounterBox, {px(kCellTwips * across_ - 525), px(225), 41, 25}},
  };
}

Rect Layout::boxRect(int index) const {
  const int cells = across_ * down_;
  if (index >= 1 && index <= cells) {
    const int x = cellColumn(across_, index), y = cellRow(across_, index);
    return {px(kCellTwips * x + 180), px(kCellTwips * y + 820), 16, 16};
  }
  const int k = index - cells;
  if (k >= 1 && k <= 3) return {px(195 * k + 75), px(250), kDigitWidth, kDigitHeight};
  if (k >= 4 && k <= kDigitCells)
    return {px(kCellTwips * across_ - 1275 + 195 * k), px(250), kDigitWidth, kDigitHeight};
  return {};
}

Rect Layout::smileRect(int size) const {
  // Placed once for the 26-pixel initial face; later faces keep the place.
  return {px(120 * across_ - 15), px(225), size, size};
}

Element Layout::elementAt(int x, int y, int smileSize) const {
  const int cells = across_ * down_;
  // Front to back: the digits, the cells, the face.
  for (int index = cells + kDigitCells; index > cells; --index)
    if (boxRect(index).contains(x, y)) return {Element::kBox, index};
  const Rect grid{12, 55, 16 * across_, 16 * down_};
  if (grid.contains(x, y)) return {Element::kBox, cellIndex(across_, (x - 12) / 16, (y - 55) / 16)};
  if (smileRect(smileSize).contains(x, y)) return {Element::kSmile, 0};
  return {};
}

}  // namespace klandor::ui
