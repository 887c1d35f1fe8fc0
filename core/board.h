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

// Which cells hold a mine, by cell index; entry 0 is no cell.
using MineMap = std::array<bool, kCellSlots>;

enum MarkKind : int { kNoMark = 0, kFlagMark = 1, kQuestionMark = 2 };

enum Button : int { kLeft = 1, kRight = 2, kMiddle = 4 };

struct Board {
  MineMap ismine{};
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
  // Guess-Free Boards was on when this board's mines were laid, but no
  // guess-free board was found in time: it got the ordinary laying. Set or
  // cleared by every laying, cleared by a load.
  bool guessFreeGaveUp = false;

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

// The eight neighbours of a cell as steps in columns and rows, in the order
// a routine visits them.
struct Step {
  int dx, dy;
};
using Neighbours = std::array<Step, 8>;

// Calls visit(n) for each neighbour n of the cell in column x, row y of an
// across x down board, in the given order. The board does not wrap: a
// neighbour past an edge is no cell.
template <typename Visit>
void forNeighbours(int across, int down, int x, int y, const Neighbours& order, Visit visit) {
  const int cell = cellIndex(across, x, y);
  const bool left = x > 0, right = x < across - 1, up = y > 0, below = y < down - 1;
  // Unrolled, each step folds into a test of one or two of these edges: the
  // cascade runs this walk for every cell it opens.
#pragma GCC unroll 8
  for (const Step& s : order) {
    const bool onBoard = (s.dx == 0 || (s.dx < 0 ? left : right)) && (s.dy == 0 || (s.dy < 0 ? up : below));
    if (onBoard) visit(cell + s.dy * across + s.dx);
  }
}

}  // namespace klandor
