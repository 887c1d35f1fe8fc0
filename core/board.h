#pragma once
// The state of the game in progress. It survives every rebuild of the main
// window; only the routines that say so change it.

#include <array>
#include <cstdint>

#include "core/module1.h"

namespace klandor {

// The limits of a board: 8..30 columns, 8..24 rows, and from 10 mines up to
// (columns - 1) x (rows - 1).
inline constexpr int kMinAcross = 8, kMaxAcross = 30;
inline constexpr int kMinDown = 8, kMaxDown = 24;
inline constexpr int kMinMines = 10;
constexpr int maxMines(int across, int down) { return (across - 1) * (down - 1); }

// 30 x 24 is the largest board; entry 0 of the per-cell arrays is no cell.
inline constexpr int kMaxCells = kMaxAcross * kMaxDown;
inline constexpr int kCellSlots = kMaxCells + 1;

// Six digit elements follow the last cell: mine counter, then clock.
inline constexpr int kDigitCells = 6;
inline constexpr int kMaxElements = kMaxCells + kDigitCells + 1;

enum MarkKind : int { kNoMark = 0, kFlagMark = 1, kQuestionMark = 2 };

enum Button : int { kLeft = 1, kRight = 2, kMiddle = 4 };

struct Board {
  std::array<bool, kCellSlots> ismine{};
  std::array<bool, kCellSlots> uncovered{};  // cleared by a load, set by uncover()
  int covered = 0;                           // cells of the board not yet uncovered
  bool playing = false;
  bool won = false;
  std::int16_t minesplaced = kFalse;  // kTrue once this board's mines are laid
  std::array<int, kCellSlots> mark{};  // MarkKind
  std::array<int, kCellSlots> near{};  // neighbouring mines, 0..8
  int minesleft = 0;                   // mines minus flags; may go below 0
  int seconds = 0;                     // the clock, 0..999
  std::int16_t levelnum = 0;           // 1 Beginner, 2 Intermediate, 3 Expert, 4 Custom

  // Uncovers cell c; a cell already uncovered stays as it is.
  void uncover(int c) {
    if (uncovered[c]) return;
    uncovered[c] = true;
    --covered;
  }
};

// Cell numbering: column x and row y from 0, cells from 1.
constexpr int cellIndex(int across, int x, int y) { return y * across + x + 1; }
constexpr int cellColumn(int across, int index) { return (index - 1) % across; }
constexpr int cellRow(int across, int index) { return (index - 1) / across; }

}  // namespace klandor
