// The 3BV of a board: its openings, plus the numbers outside every opening.
#include "core/three_bv.h"

#include <array>
#include <vector>

namespace klandor {

namespace {
constexpr Neighbours kAround = {{{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}}};
}  // namespace

int threeBV(int across, int down, const MineMap& mines) {
  const int cells = across * down;
  std::array<int, kCellSlots> near{};
  for (int c = 1; c <= cells; ++c) {
    forNeighbours(across, down, cellColumn(across, c), cellRow(across, c), kAround,
                  [&](int n) { near[c] += mines[n] ? 1 : 0; });
  }
  // One release opens an area and the numbers around it, as the cascade
  // does: only cells without neighbouring mines open their neighbours.
  std::array<bool, kCellSlots> opened{};
  std::vector<int> area;
  int releases = 0;
  for (int c = 1; c <= cells; ++c) {
    if (mines[c] || near[c] != 0 || opened[c]) continue;
    ++releases;
    opened[c] = true;
    area.assign(1, c);
    while (!area.empty()) {
      const int z = area.back();
      area.pop_back();
      forNeighbours(across, down, cellColumn(across, z), cellRow(across, z), kAround, [&](int n) {
        if (opened[n]) return;
        opened[n] = true;
        if (near[n] == 0) area.push_back(n);
      });
    }
  }
  for (int c = 1; c <= cells; ++c) releases += !mines[c] && !opened[c] ? 1 : 0;
  return releases;
}

}  // namespace klandor
