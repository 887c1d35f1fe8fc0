// Guess-free boards: a solver of the four rules that picks up where it
// stopped, and the search that repairs a board where the solver gets stuck.
#include "core/guess_free.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace klandor {
namespace {

enum CellState : std::uint8_t { kHidden, kOpen, kKnownMine };

class Search {
 public:
  Search(int across, int down, int totalmines, int start, Random& random, const GuessFreeLimits& limits,
         MineMap& mines);
  bool run();

 private:
  int pick(int count);
  bool outOfTime();
  void layAtRandom();
  bool moveMine(int from, int to);
  bool repair();

  // The solver.
  void restartSolver();
  bool solve();
  void open(int c);
  void markMine(int c);
  void touch(int c);
  bool tryPairs(int c);
  bool settleDifference(int inner, int outer);
  bool adjacent(int a, int b) const { return std::abs(x_[a] - x_[b]) <= 1 && std::abs(y_[a] - y_[b]) <= 1; }
  int missing(int c) const { return near_[c] - minesAround_[c]; }

  const int across_, down_, cells_, total_, start_;
  Random& random_;
  const GuessFreeLimits& limits_;
  const GuessFreeLimits::Clock::time_point deadline_;
  MineMap& mine_;
  long work_ = 0;

  // The board: neighbours, place and count of every cell.
  std::array<std::array<std::int16_t, 8>, kCellSlots> nb_{};
  std::array<std::uint8_t, kCellSlots> nbCount_{};
  std::array<std::int8_t, kCellSlots> x_{}, y_{};
  std::array<std::int8_t, kCellSlots> near_{};
  std::array<bool, kCellSlots> startArea_{};

  // What the solver knows. hiddenAround_ and minesAround_ count, for every
  // cell, its neighbours still hidden and those known to be mines.
  std::array<CellState, kCellSlots> state_{};
  std::array<std::int8_t, kCellSlots> hiddenAround_{}, minesAround_{};
  // A number some pair of rule 3 has used: changing it may undo a deduction.
  std::array<bool, kCellSlots> inPair_{};
  std::array<bool, kCellSlots> pending_{}, pairPending_{};
  std::vector<std::int16_t> todo_, pairTodo_;
  int hidden_ = 0, minesKnown_ = 0;

  // The repair's lists of hidden cells, kept to spare allocations.
  std::vector<std::int16_t> borderMines_, borderSafe_, farSafe_, wall_, cellsToSettle_;
};

Search::Search(int across, int down, int totalmines, int start, Random& random, const GuessFreeLimits& limits,
               MineMap& mines)
    : across_(across),
      down_(down),
      cells_(across * down),
      total_(totalmines),
      start_(start),
      random_(random),
      limits_(limits),
      deadline_(limits.now() + limits.time),
      mine_(mines) {
  constexpr Neighbours kAround = {{{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}}};
  for (int y = 0; y < down_; ++y) {
    for (int x = 0; x < across_; ++x) {
      const int c = cellIndex(across_, x, y);
      x_[c] = static_cast<std::int8_t>(x);
      y_[c] = static_cast<std::int8_t>(y);
      forNeighbours(across_, down_, x, y, kAround,
                    [&](int n) { nb_[c][nbCount_[c]++] = static_cast<std::int16_t>(n); });
    }
  }
  startArea_[start_] = true;
  for (int k = 0; k < nbCount_[start_]; ++k) startArea_[nb_[start_][k]] = true;
  todo_.reserve(kCellSlots);
  pairTodo_.reserve(kCellSlots);
}

// A whole number in 0..count-1.
int Search::pick(int count) { return std::min(count - 1, static_cast<int>(random_.next() * count)); }

bool Search::outOfTime() { return limits_.now() >= deadline_; }

// Mines on distinct cells outside the start's area, every such cell alike.
void Search::layAtRandom() {
  std::vector<std::int16_t>& free = farSafe_;
  free.clear();
  for (int c = 1; c <= cells_; ++c) {
    mine_[c] = false;
    if (!startArea_[c]) free.push_back(static_cast<std::int16_t>(c));
  }
  const int count = static_cast<int>(free.size());
  for (int k = 0; k < total_; ++k) {
    std::swap(free[k], free[k + pick(count - k)]);
    mine_[free[k]] = true;
  }
  std::fill_n(near_.begin(), cells_ + 1, 0);
  for (int c = 1; c <= cells_; ++c) {
    if (!mine_[c]) continue;
    for (int k = 0; k < nbCount_[c]; ++k) ++near_[nb_[c][k]];
  }
  work_ += cells_;
}

// Moves a mine onto a hidden cell, from a hidden cell or one known to be a
// mine. The open numbers around them change; returns whether every
// deduction made so far still holds, which is so when the mine was hidden
// and none of those numbers took part in a pair of rule 3 (rules 1 and 2 use
// a number only once it has no hidden neighbour left, and rule 4 ends the
// solving).
bool Search::moveMine(int from, int to) {
  assert(mine_[from] && !mine_[to] && state_[from] != kOpen && state_[to] == kHidden);
  mine_[from] = false;
  mine_[to] = true;
  bool holds = state_[from] == kHidden;
  for (int k = 0; k < nbCount_[from]; ++k) {
    const int n = nb_[from][k];
    --near_[n];
    if (state_[n] == kOpen) holds = holds && !inPair_[n];
    touch(n);
  }
  for (int k = 0; k < nbCount_[to]; ++k) {
    const int n = nb_[to][k];
    ++near_[n];
    if (state_[n] == kOpen) holds = holds && !inPair_[n];
    touch(n);
  }
  return holds;
}

void Search::restartSolver() {
  std::fill_n(state_.begin(), cells_ + 1, kHidden);
  std::fill_n(minesAround_.begin(), cells_ + 1, 0);
  std::fill_n(inPair_.begin(), cells_ + 1, false);
  std::fill_n(pending_.begin(), cells_ + 1, false);
  std::fill_n(pairPending_.begin(), cells_ + 1, false);
  for (int c = 1; c <= cells_; ++c) hiddenAround_[c] = static_cast<std::int8_t>(nbCount_[c]);
  todo_.clear();
  pairTodo_.clear();
  hidden_ = cells_;
  minesKnown_ = 0;
  work_ += cells_;
  open(start_);
}

// An open number whose neighbourhood changed is looked at again.
void Search::touch(int c) {
  if (state_[c] == kOpen && !pending_[c]) {
    pending_[c] = true;
    todo_.push_back(static_cast<std::int16_t>(c));
  }
}

void Search::open(int c) {
  assert(state_[c] == kHidden && !mine_[c]);
  ++work_;
  state_[c] = kOpen;
  --hidden_;
  for (int k = 0; k < nbCount_[c]; ++k) {
    const int n = nb_[c][k];
    --hiddenAround_[n];
    touch(n);
  }
  touch(c);
}

void Search::markMine(int c) {
  assert(state_[c] == kHidden && mine_[c]);
  ++work_;
  state_[c] = kKnownMine;
  --hidden_;
  ++minesKnown_;
  for (int k = 0; k < nbCount_[c]; ++k) {
    const int n = nb_[c][k];
    --hiddenAround_[n];
    ++minesAround_[n];
    touch(n);
  }
}

// Rule 3 between `inner`, whose hidden neighbours all neighbour `outer`,
// and `outer`: the hidden neighbours of outer beyond inner's hold the
// difference of their missing mines.
bool Search::settleDifference(int inner, int outer) {
  const int extra = hiddenAround_[outer] - hiddenAround_[inner];
  const int extraMines = missing(outer) - missing(inner);
  if (extra <= 0 || (extraMines != 0 && extraMines != extra)) return false;
  for (int k = 0; k < nbCount_[inner]; ++k) {
    const int n = nb_[inner][k];
    if (state_[n] == kHidden && !adjacent(n, outer)) return false;
  }
  cellsToSettle_.clear();
  for (int k = 0; k < nbCount_[outer]; ++k) {
    const int n = nb_[outer][k];
    if (state_[n] == kHidden && !adjacent(n, inner)) cellsToSettle_.push_back(static_cast<std::int16_t>(n));
  }
  for (int n : cellsToSettle_) extraMines == 0 ? open(n) : markMine(n);
  inPair_[inner] = inPair_[outer] = true;
  touch(inner);
  return true;
}

// Rule 3 between open number c and every open number whose hidden
// neighbours can lie inside its own, or hold its own: those within two
// columns and two rows.
bool Search::tryPairs(int c) {
  const int x = x_[c], y = y_[c];
  for (int dy = -2; dy <= 2; ++dy) {
    const int yy = y + dy;
    if (yy < 0 || yy >= down_) continue;
    for (int dx = -2; dx <= 2; ++dx) {
      const int xx = x + dx;
      if ((dx == 0 && dy == 0) || xx < 0 || xx >= across_) continue;
      const int d = cellIndex(across_, xx, yy);
      ++work_;
      if (state_[d] != kOpen || hiddenAround_[d] == 0) continue;
      if (hiddenAround_[c] < hiddenAround_[d] ? settleDifference(c, d) : settleDifference(d, c)) return true;
    }
  }
  return false;
}

// Applies the rules until the board is solved (true) or none applies.
bool Search::solve() {
  for (;;) {
    while (!todo_.empty()) {
      const int c = todo_.back();
      todo_.pop_back();
      pending_[c] = false;
      ++work_;
      if (hiddenAround_[c] == 0) continue;
      const int need = missing(c);
      if (need == 0 || need == hiddenAround_[c]) {  // rules 2 and 1
        for (int k = 0; k < nbCount_[c]; ++k) {
          const int n = nb_[c][k];
          if (state_[n] == kHidden) need == 0 ? open(n) : markMine(n);
        }
      } else if (!pairPending_[c]) {
        pairPending_[c] = true;
        pairTodo_.push_back(static_cast<std::int16_t>(c));
      }
    }
    // Rule 3 only once rules 1 and 2 have nothing left: they are cheaper.
    bool settled = false;
    while (!settled && !pairTodo_.empty()) {
      const int c = pairTodo_.back();
      pairTodo_.pop_back();
      pairPending_[c] = false;
      if (hiddenAround_[c] != 0) settled = tryPairs(c);
    }
    if (settled) continue;
    if (hidden_ == 0) return true;
    // Rule 4.
    const int minesLeft = total_ - minesKnown_;
    if (minesLeft != 0 && minesLeft != hidden_) return false;
    for (int c = 1; c <= cells_; ++c) {
      if (state_[c] == kHidden) minesLeft == 0 ? open(c) : markMine(c);
    }
  }
}

// Moves one mine where the solver is stuck: out of the hidden cells that
// border the open ones (or, when known mines wall the open cells in, out of
// that wall), onto a hidden cell beyond them; when none is free, onto
// another bordering cell. A move that keeps every deduction lets the solver
// go on from where it stopped; otherwise it starts again. Returns false when
// no move is left.
bool Search::repair() {
  borderMines_.clear();
  borderSafe_.clear();
  farSafe_.clear();
  wall_.clear();
  for (int c = 1; c <= cells_; ++c) {
    if (state_[c] == kOpen) continue;
    bool border = false;
    for (int k = 0; k < nbCount_[c] && !border; ++k) border = state_[nb_[c][k]] == kOpen;
    if (state_[c] == kKnownMine) {
      if (border) wall_.push_back(static_cast<std::int16_t>(c));
    } else if (border) {
      (mine_[c] ? borderMines_ : borderSafe_).push_back(static_cast<std::int16_t>(c));
    } else if (!mine_[c]) {
      farSafe_.push_back(static_cast<std::int16_t>(c));
    }
  }
  work_ += cells_;
  std::vector<std::int16_t>& out = borderMines_.empty() ? wall_ : borderMines_;
  std::vector<std::int16_t>& room = farSafe_.empty() ? borderSafe_ : farSafe_;
  if (out.empty() || room.empty()) return false;
  const int from = out[pick(static_cast<int>(out.size()))];
  const int to = room[pick(static_cast<int>(room.size()))];
  if (!moveMine(from, to)) restartSolver();
  return true;
}

// Fresh boards at random first, kept only when solved as they are; after a
// thirty-second of the work, each board is repaired where it gets stuck, up
// to one move per cell before the next fresh board.
bool Search::run() {
  if (total_ > cells_ - nbCount_[start_] - 1) return false;  // no room for the opening
  for (;;) {
    if (work_ >= limits_.work || outOfTime()) return false;
    layAtRandom();
    restartSolver();
    const int repairs = work_ < limits_.work / 32 ? 0 : cells_;
    for (int repair = 0;; ++repair) {
      if (solve()) return true;
      if (repair == repairs || work_ >= limits_.work || outOfTime() || !this->repair()) break;
    }
  }
}

}  // namespace

bool layGuessFree(int across, int down, int totalmines, int start, Random& random, const GuessFreeLimits& limits,
                  MineMap& mines) {
  Search search(across, down, totalmines, start, random, limits, mines);
  if (search.run()) return true;
  std::fill_n(mines.begin() + 1, across * down, false);
  return false;
}

}  // namespace klandor
