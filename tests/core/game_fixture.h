#pragma once
// A game as the program opens it, with a fixed seed, plus helpers that lay
// exact boards, play cells and read the counter and clock digits.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <deque>
#include <initializer_list>
#include <vector>

#include "core/game.h"
#include "resources/picture_numbers.h"

namespace klandor::test {

inline constexpr std::uint64_t kSeed = 42;

using Digits = std::array<int, 3>;
constexpr int digit(int d) { return pic::kDigit0 + d; }
constexpr Digits shown(int h, int t, int u) { return {digit(h), digit(t), digit(u)}; }

// Hands out queued draws first, then draws of a seeded engine. Keeps every
// seed it is given and counts the draws.
class ScriptedRandom final : public Random {
 public:
  void seed(std::uint64_t value) override {
    seeds.push_back(value);
    engine_.seed(value);
  }
  double next() override {
    ++draws;
    if (queue_.empty()) return engine_.next();
    const double r = queue_.front();
    queue_.pop_front();
    return r;
  }
  void queue(std::initializer_list<double> draws) { queue_.insert(queue_.end(), draws); }
  // Queues the draws that land on the given cells of a board of n cells.
  void queueCells(std::initializer_list<int> cellsToPick, int n) {
    for (int c : cellsToPick) queue_.push_back((c - 0.5) / n);
  }

  std::vector<std::uint64_t> seeds;
  int draws = 0;

 private:
  std::deque<double> queue_;
  StdRandom engine_;
};

// Cells first..last, both included.
inline std::vector<int> cellRange(int first, int last) {
  std::vector<int> v;
  for (int c = first; c <= last; ++c) v.push_back(c);
  return v;
}

// Beginner: row 6 full of mines, plus cells 57 and 63 of the bottom row.
// A release on cell 1 opens rows 0 to 5 only; the safe cells 58..62 and 64
// lie behind the wall and stay covered. Cell 41 counts 2.
inline std::vector<int> walledBoard() {
  std::vector<int> v = cellRange(49, 57);
  v.push_back(63);
  return v;
}

// Beginner: mines on cells 10 and 28 and the bottom row. Cell 1 counts 1,
// as do 2, 3, 9, 11, 17 and 18, so a release on any of them opens it alone;
// cell 4 counts 0, and its cascade opens every safe cell but 1, 2 and 9.
inline std::vector<int> cornerBoard() {
  std::vector<int> v = cellRange(57, 64);
  v.push_back(10);
  v.push_back(28);
  return v;
}

// Helpers that lay exact boards, play cells and read the counter and clock
// digits of a game.
class GameHelpers {
 protected:
  explicit GameHelpers(Game& g) : game(g), settings(g.m) {}

  Game& game;
  Module1& settings;

  int cells() const { return game.cells(); }

  // Lays exactly these mines on the current board, as a first release would.
  void layMines(const std::vector<int>& mines) {
    for (int c = 1; c <= cells(); ++c) game.b.ismine[c] = false;
    for (int c : mines) game.b.ismine[c] = true;
    game.minecheck();
    game.b.minesplaced = kTrue;
  }
  // Mines on the last totalmines cells: a release on cell 1 opens the rest.
  void layMinesLast() { layMines(cellRange(cells() - settings.totalmines + 1, cells())); }

  int mineCount() const {
    int n = 0;
    for (int c = 1; c <= cells(); ++c) n += game.b.ismine[c] ? 1 : 0;
    return n;
  }
  int coveredCount() const {
    int n = 0;
    for (int c = 1; c <= cells(); ++c) n += game.b.uncovered[c] ? 0 : 1;
    return n;
  }
  // Every cell of the board shows the covered picture of the tile set.
  bool allCovered() const {
    for (int c = 1; c <= cells(); ++c)
      if (game.b.uncovered[c] || game.box[c] != pic::kCovered + settings.tileset) return false;
    return true;
  }

  Digits digitsAt(int first) const { return {game.box[first], game.box[first + 1], game.box[first + 2]}; }
  Digits counter() const { return digitsAt(cells() + 1); }
  Digits clock() const { return digitsAt(cells() + 4); }

  void click(int index, int button = kLeft) {
    game.Box_MouseDown(index, button);
    game.Box_MouseUp(index, button);
  }
  void rightClick(int index) { click(index, kRight); }
  void tick(int times = 1) {
    for (int i = 0; i < times; ++i) game.Second_Timer();
  }
};

// The game itself, seeded with kSeed.
struct OwnGame {
  Module1 ownSettings;
  ScriptedRandom random;
  Game ownGame{ownSettings, random, [] { return kSeed; }};
};

class GameTest : public ::testing::Test, protected OwnGame, protected GameHelpers {
 protected:
  GameTest() : GameHelpers(ownGame) {}
};

}  // namespace klandor::test
