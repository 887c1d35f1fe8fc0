#pragma once
// The board as an assistive tool (a screen reader) sees it, whatever the
// toolkit: its parts in reading order, the words and the place of each, and
// what a sync calls on a front end to tell. A front end wraps each part in
// its toolkit's accessible object and shows the words in the player's
// language.

#include <optional>
#include <vector>

#include "kit/draw_state.h"
#include "kit/front.h"

namespace klandor::kit {

// A part of the board: the mine counter, the face (a button for a new
// game), the clock, the minefield (a table of `down` rows by `across`
// columns) or one of the minefield's cells.
struct Part {
  enum Kind { kCounter, kFace, kClock, kMinefield, kCell } kind = kCounter;
  int index = 0;  // the cell's Box index, for kCell
  bool operator==(const Part&) const = default;
};

// The board's own parts in reading order; the minefield holds the cells,
// row by row.
inline constexpr Part::Kind kBoardParts[] = {Part::kCounter, Part::kFace, Part::kClock, Part::kMinefield};

// A part's name: the counter's and the clock's with their values, the
// face's "New game", the minefield's, what a cell shows.
Phrase partName(const Front& front, Part part);
// What a part tells besides: the face the game's state, the minefield its
// keys, a cell its row and column; nothing for the readouts.
Phrase partStatus(const Front& front, Part part);
// How a cell is marked as the player sees it: a flag, a "?" or neither
// (kFlagMark, kQuestionMark, kNoMark).
int partMark(const Front& front, Part part);

// Where a part lies, in pixels at scale 1 (the face at the initial face's
// size, which later faces keep the top-left corner of).
Rect partRect(const Layout& layout, Part part);
// The front-most part at a point: the cell for a point on the minefield.
std::optional<Part> partAt(const Layout& layout, int x, int y);

// What a screen reader is told after a sync.
struct Reports {
  // A new board: the minefield's cells are all new.
  bool newBoard = false;
  // The parts whose words changed: cells, the counter, the clock, and the
  // face when the game's state did.
  std::vector<Part> renamed;
  // The cursor's cell takes the focus, if the board has it.
  bool focus = false;
};
Reports reports(const Changes& changes);

}  // namespace klandor::kit
