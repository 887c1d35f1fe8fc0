// Laying the mines and counting the neighbouring mines of every cell.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <set>

#include "tests/core/game_fixture.h"

namespace klandor::test {
namespace {

std::set<int> minesOf(const Game& game) {
  std::set<int> mines;
  for (int c = 1; c <= game.cells(); ++c)
    if (game.b.ismine[c]) mines.insert(c);
  return mines;
}

struct LevelCase {
  const char* name;
  std::function<void(Game&)> select;
};
void PrintTo(const LevelCase& c, std::ostream* os) { *os << c.name; }


class FirstReleaseTest : public ::testing::TestWithParam<LevelCase> {};

TEST_P(FirstReleaseTest, SparesTheReleasedCellAndLaysEveryMine) {
  Module1 settings;
  StdRandom random;
  std::uint64_t seed = 0;
  Game game(settings, random, [&seed] { return seed; });
  GetParam().select(game);
  for (seed = 1; seed <= 100; ++seed) {
    game.mnuNew_Click();
    const int released = 1 + static_cast<int>(seed * 7919 % game.cells());
    game.Box_MouseUp(released, kMiddle);
    ASSERT_FALSE(game.b.ismine[released]) << "seed " << seed;
    ASSERT_EQ(minesOf(game).size(), static_cast<std::size_t>(settings.totalmines)) << "seed " << seed;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Levels, FirstReleaseTest,
    ::testing::Values(LevelCase{"Beginner", [](Game& g) { g.mnuBeginner_Click(); }},
                      LevelCase{"Intermediate", [](Game& g) { g.mnuIntermediate_Click(); }},
                      LevelCase{"Expert", [](Game& g) { g.mnuHard_Click(); }},
                      LevelCase{"DensestCustom", [](Game& g) { g.customFieldOk(30, 24, 667); }}),
    [](const auto& info) { return std::string(info.param.name); });

using MinesTest = GameTest;

TEST_F(MinesTest, DrawsMapOntoCellsAndDrawsOnMinesOrTheExcludedCellAreDiscarded) {
  random.queue({0.0, std::nextafter(1.0, 0.0)});  // the first and the last cell
  random.queueCells({1, 5, 2, 3, 4, 6, 7, 8, 9, 10}, 64);
  const int before = random.draws;
  game.mineset(5);

  EXPECT_EQ(minesOf(game), (std::set<int>{1, 2, 3, 4, 6, 7, 8, 9, 10, 64}));
  EXPECT_EQ(random.draws - before, 12);
}

TEST_F(MinesTest, AnExcludeBeyondTheGridSparesNoCell) {
  for (int exclude : {cells() + 1, cells() + 6}) {
    game.mnuNew_Click();
    // Cell 1 and cell 6 are where an exclude folded back onto the grid
    // would land, cell 64 where one held to the grid would.
    random.queueCells({1, 6, 64, 2, 3, 4, 5, 7, 8, 9}, 64);
    const int before = random.draws;
    game.mineset(exclude);

    EXPECT_EQ(minesOf(game), (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 64})) << "exclude " << exclude;
    EXPECT_EQ(random.draws - before, 10) << "exclude " << exclude;
  }
}

TEST_F(MinesTest, AFacePressWithoutItsReleaseLeavesTheNextReleaseOneFreshSetOfMines) {
  click(1);
  game.Smile_MouseDown();  // its release never comes
  click(2);
  EXPECT_EQ(mineCount(), settings.totalmines);
  EXPECT_FALSE(game.b.ismine[2]);
}

TEST_F(MinesTest, CountsDoNotWrapAcrossRowEnds) {
  layMines({9});  // the first cell of row 1

  EXPECT_EQ(game.b.near[8], 0) << "the end of row 0 is no neighbour of cell 9";
  EXPECT_EQ(game.b.near[16], 0) << "nor is the end of row 1";
  for (int c : {1, 2, 10, 17, 18}) EXPECT_EQ(game.b.near[c], 1) << "cell " << c;
  int total = 0;
  for (int c = 1; c <= cells(); ++c) total += game.b.near[c];
  EXPECT_EQ(total, 5);
}

TEST_F(MinesTest, FullBoardCountsThreeInCornersFiveOnEdgesEightInside) {
  // A full Expert board first: its mines beyond the next, smaller board stay
  // in the arrays and must never count.
  game.mnuHard_Click();
  layMines(cellRange(1, cells()));
  // Not square, so that columns and rows cannot be mixed up unseen.
  game.customFieldOk(12, 9, 10);
  layMines(cellRange(1, cells()));

  for (int c = 1; c <= cells(); ++c) {
    const int x = cellColumn(12, c), y = cellRow(12, c);
    const int edges = (x == 0 || x == 11 ? 1 : 0) + (y == 0 || y == 8 ? 1 : 0);
    const int expected = edges == 2 ? 3 : edges == 1 ? 5 : 8;
    ASSERT_EQ(game.b.near[c], expected) << "cell " << c;
  }
}

}  // namespace
}  // namespace klandor::test
