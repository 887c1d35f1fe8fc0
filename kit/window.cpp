#include "kit/window.h"

#include <algorithm>

namespace klandor::kit {

namespace {
// The centre of a span of pixels, and the start of one of `length` pixels
// about it: the middle pixel, the left one of two.
int centre(int start, int length) { return static_cast<int>((static_cast<long long>(start) * 2 + length - 1) / 2); }
int about(int middle, int length) { return middle - (length - 1) / 2; }
}  // namespace

WindowState::Sync WindowState::sync() {
  Sync s;
  s.timerRuns = game_.secondEnabled;
  s.timerRestarts = s.timerRuns && game_.secondStarts != secondStarts_;
  secondStarts_ = game_.secondStarts;
  s.refit = game_.loads != loads_;
  loads_ = game_.loads;
  return s;
}

Rect recentre(const Rect& before, int width, int height, const Rect& room) {
  const int left = about(centre(before.x, before.w), width), top = about(centre(before.y, before.h), height);
  return {std::max(room.x, std::min(left, room.x + room.w - width)),
          std::max(room.y, std::min(top, room.y + room.h - height)), width, height};
}

std::optional<Rect> refit(const Rect& before, int width, int height, const Rect& room) {
  if (before.w == width && before.h == height) return std::nullopt;
  return recentre(before, width, height, room);
}

}  // namespace klandor::kit
