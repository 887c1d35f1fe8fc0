// Guess-free boards: every board the search lays is solved from its first
// release by a plain checker of the four rules, written here apart from the
// search's own solver; with the option off the board is the ordinary one;
// where the search gives up, the player gets the ordinary board and the game
// records it.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "tests/core/game_fixture.h"

namespace klandor::test {
namespace {

// Boards per level: a twentieth in builds without optimisation (the
// sanitizers' among them), where the search is a hundred times slower.
constexpr int boards(int optimised) {
#ifdef NDEBUG
  return optimised;
#else
  return std::max(2, optimised / 20);
#endif
}

// The four rules on a board of known mines, one plain pass after another,
// starting with the released cell open.
class Checker {
 public:
  explicit Checker(const Game& game) : game_(game), state_(game.cells() + 1, kHidden) {}

  // Whether the rules open every safe cell. A rule that opened a mine or
  // marked a safe cell fails the test.
  bool solves(int released) {
    settle({released}, 0);
    while (step()) {
    }
    for (int c = 1; c <= game_.cells(); ++c)
      if (!game_.b.ismine[c] && state_[c] != kOpen) return false;
    return true;
  }

 private:
  enum State { kHidden, kOpen, kMine };

  std::vector<int> around(int c) const {
    std::vector<int> v;
    const int across = game_.m.across, x = cellColumn(across, c), y = cellRow(across, c);
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if ((dx != 0 || dy != 0) && x + dx >= 0 && x + dx < across && y + dy >= 0 && y + dy < game_.m.down)
          v.push_back(cellIndex(across, x + dx, y + dy));
    return v;
  }
  std::set<int> hiddenAround(int c) const {
    std::set<int> s;
    for (int n : around(c))
      if (state_[n] == kHidden) s.insert(n);
    return s;
  }
  // The number's mines not yet marked.
  int missing(int c) const {
    int m = 0;
    for (int n : around(c)) m += (game_.b.ismine[n] ? 1 : 0) - (state_[n] == kMine ? 1 : 0);
    return m;
  }
  // All of `cells` are mines when `mines` is their count, all safe when 0.
  bool settle(const std::set<int>& cells, int mines) {
    if (cells.empty() || (mines != 0 && mines != static_cast<int>(cells.size()))) return false;
    for (int c : cells) {
      EXPECT_EQ(game_.b.ismine[c], mines != 0) << "the rules got cell " << c << " wrong";
      state_[c] = mines == 0 ? kOpen : kMine;
    }
    return true;
  }
  bool step() {
    std::vector<int> numbers;
    std::vector<std::set<int>> hidden;
    for (int c = 1; c <= game_.cells(); ++c) {
      if (state_[c] != kOpen || hiddenAround(c).empty()) continue;
      numbers.push_back(c);
      hidden.push_back(hiddenAround(c));
    }
    bool changed = false;
    for (int c : numbers) changed = settle(hiddenAround(c), missing(c)) || changed;  // rules 1 and 2
    if (changed) return true;
    for (std::size_t a = 0; a < numbers.size(); ++a) {  // rule 3, on the cells as they were
      for (std::size_t b = 0; b < numbers.size(); ++b) {
        const std::set<int>&inner = hidden[a], &outer = hidden[b];
        if (a == b || !std::includes(outer.begin(), outer.end(), inner.begin(), inner.end())) continue;
        std::set<int> rest;
        std::set_difference(outer.begin(), outer.end(), inner.begin(), inner.end(), std::inserter(rest, rest.end()));
        if (settle(rest, missing(numbers[b]) - missing(numbers[a]))) return true;
      }
    }
    std::set<int> rest;  // rule 4
    int marked = 0;
    for (int c = 1; c <= game_.cells(); ++c) {
      if (state_[c] == kHidden) rest.insert(c);
      if (state_[c] == kMine) ++marked;
    }
    return settle(rest, game_.m.totalmines - marked);
  }

  const Game& game_;
  std::vector<State> state_;
};

// A clock that never moves: the search's time never runs out.
GuessFreeLimits::Clock::time_point frozenClock() { return {}; }

// The search is bound by its work alone: its time never runs out, however
// slow the build.
class GuessFreeTest : public GameTest {
 protected:
  GuessFreeTest() { game.guessFreeLimits.now = frozenClock; }

  std::set<int> mines() const {
    std::set<int> s;
    for (int c = 1; c <= cells(); ++c)
      if (game.b.ismine[c]) s.insert(c);
    return s;
  }
  // The ordinary laying, drawn here afresh: the seed's draws, each on a
  // cell, skipping cells already mined and the released one.
  std::set<int> ordinary(int released) const {
    StdRandom seeded;
    seeded.seed(kSeed);
    std::set<int> mines;
    while (static_cast<int>(mines.size()) < settings.totalmines) {
      const int cell = static_cast<int>(seeded.next() * cells()) + 1;
      if (cell != released) mines.insert(cell);
    }
    return mines;
  }
};

struct LevelCase {
  const char* name;
  void (*select)(Game&);
  int boards;
};
void PrintTo(const LevelCase& c, std::ostream* os) { *os << c.name; }

class GuessFreeLevelTest : public GuessFreeTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(GuessFreeLevelTest, EveryBoardOpensAnAreaAtTheReleaseAndTheRulesSolveIt) {
  GetParam().select(game);
  settings.options.guessFree = true;
  for (int board = 0; board < GetParam().boards; ++board) {
    game.mnuNew_Click();
    // Releases all over the board, corners and edges included.
    const int released = 1 + board * 7919 % cells();
    click(released);
    ASSERT_EQ(mineCount(), settings.totalmines) << "board " << board;
    ASSERT_FALSE(game.b.guessFreeGaveUp) << "board " << board;
    ASSERT_FALSE(game.b.ismine[released]) << "board " << board;
    ASSERT_EQ(game.b.near[released], 0) << "board " << board;
    ASSERT_TRUE(Checker(game).solves(released)) << "board " << board << ", released on " << released;
  }
  EXPECT_EQ(game.guessFreeGiveUps, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Levels, GuessFreeLevelTest,
    ::testing::Values(LevelCase{"Beginner", [](Game& g) { g.mnuBeginner_Click(); }, boards(300)},
                      LevelCase{"Intermediate", [](Game& g) { g.mnuIntermediate_Click(); }, boards(300)},
                      LevelCase{"Expert", [](Game& g) { g.mnuHard_Click(); }, boards(300)},
                      // Random boards never hold here: these come from the repairs.
                      LevelCase{"DensestCustom", [](Game& g) { g.customFieldOk(30, 24, 667); }, boards(15)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GuessFreeTest, OffTheFirstReleaseOfAnyKindLaysTheOrdinaryBoard) {
  game.mnuHard_Click();
  struct Release {
    int index, button;
  };
  for (Release r : {Release{200, kLeft}, Release{200, kRight}, Release{7, kMiddle}, Release{cells() + 2, kLeft}}) {
    // Turned on, then off again before the release: the option counts when
    // the mines are laid.
    settings.options.guessFree = true;
    game.mnuNew_Click();
    settings.options.guessFree = false;
    game.Box_MouseUp(r.index, r.button);
    EXPECT_EQ(game.b.minesplaced, kTrue) << r.index;
    EXPECT_EQ(mines(), ordinary(r.index)) << r.index;
    EXPECT_FALSE(game.b.guessFreeGaveUp);
  }
}

TEST_F(GuessFreeTest, OnOnlyTheFirstLeftReleaseOnACellWithoutAFlagLaysTheBoardAndOpensIt) {
  game.mnuIntermediate_Click();
  settings.options.guessFree = true;  // on a board already on screen
  rightClick(20);
  rightClick(30);
  click(40, kMiddle);
  click(cells() + 4);
  click(20);  // on the flag
  EXPECT_EQ(game.b.minesplaced, kFalse);
  EXPECT_EQ(game.b.mark[20], kFlagMark);
  EXPECT_EQ(game.b.covered, cells());

  click(100);
  EXPECT_EQ(game.b.minesplaced, kTrue);
  EXPECT_EQ(mineCount(), settings.totalmines);
  EXPECT_EQ(game.b.near[100], 0);
  EXPECT_GT(cells() - game.b.covered, 8) << "the release opens an area";
  EXPECT_EQ(game.b.mark[20], kFlagMark);
}

TEST_F(GuessFreeTest, TheSameSeedLaysTheSameBoard) {
  game.mnuHard_Click();
  settings.options.guessFree = true;
  click(1);
  const std::set<int> first = mines();
  EXPECT_NE(first, ordinary(1));
  game.mnuNew_Click();
  click(1);
  EXPECT_EQ(mines(), first);
}

TEST_F(GuessFreeTest, OutOfTimeTheSearchGivesUpBeforeAnyDrawAndTheBoardIsTheOrdinaryOne) {
  game.mnuHard_Click();
  settings.options.guessFree = true;
  // Every reading of the clock an hour after the last.
  auto t = GuessFreeLimits::Clock::time_point{};
  game.guessFreeLimits.now = [&t] { return t += std::chrono::hours(1); };
  click(200);
  EXPECT_EQ(mines(), ordinary(200));
  EXPECT_TRUE(game.b.guessFreeGaveUp);
  EXPECT_EQ(game.guessFreeGiveUps, 1u);

  // The next board, found in time, clears the board's mark but not the count.
  game.guessFreeLimits.now = frozenClock;
  game.mnuNew_Click();
  EXPECT_FALSE(game.b.guessFreeGaveUp);
  click(200);
  EXPECT_FALSE(game.b.guessFreeGaveUp);
  EXPECT_EQ(game.b.near[200], 0);
  EXPECT_EQ(game.guessFreeGiveUps, 1u);
}

TEST_F(GuessFreeTest, AtTheEndOfItsWorkTheSearchGivesUpWhateverTheClockSays) {
  game.customFieldOk(30, 24, 667);
  settings.options.guessFree = true;
  game.guessFreeLimits.work = 50'000;  // a few repairs: far too few for this board
  click(300);
  EXPECT_TRUE(game.b.guessFreeGaveUp);
  EXPECT_EQ(game.guessFreeGiveUps, 1u);
  EXPECT_EQ(mineCount(), settings.totalmines);
  EXPECT_FALSE(game.b.ismine[300]);
}

}  // namespace
}  // namespace klandor::test
