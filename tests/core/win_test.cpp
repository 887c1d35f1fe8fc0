// Winning: every cell without a mine uncovered, and the best-times hook.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <utility>

#include "tests/core/game_fixture.h"

namespace klandor::test {
namespace {

using ::testing::_;
using ::testing::AtLeast;
using ::testing::Invoke;

class MockRecords : public Records {
 public:
  MOCK_METHOD(void, recordEntry, (Game&), (override));
};

// What the player sees of a won game.
void expectWonGame(const Game& game) {
  EXPECT_TRUE(game.b.won);
  EXPECT_FALSE(game.b.playing);
  EXPECT_FALSE(game.secondEnabled);
  EXPECT_EQ(game.smile, pic::kWon);
}

struct WinCase {
  const char* name;
  std::function<void(Game&)> select;
  bool recorded;
};
void PrintTo(const WinCase& c, std::ostream* os) { *os << c.name; }


using WinTest = GameTest;

class CascadeWinTest : public GameTest, public ::testing::WithParamInterface<WinCase> {
 protected:
  ::testing::StrictMock<MockRecords> records;
};

TEST_P(CascadeWinTest, OneReleaseOpensEverySafeCellAndWins) {
  GetParam().select(game);
  game.setRecords(&records);
  layMinesLast();
  rightClick(cells());  // a flag on the last mine
  const Digits counterBefore = counter();

  if (GetParam().recorded) {
    EXPECT_CALL(records, recordEntry(_)).Times(AtLeast(1)).WillRepeatedly(Invoke([this](Game& g) {
      EXPECT_EQ(&g, &game);
      expectWonGame(g);
    }));
  }
  click(1);

  expectWonGame(game);
  EXPECT_EQ(coveredCount(), settings.totalmines);
  EXPECT_EQ(game.box[cells() - 1], pic::kCovered) << "an unflagged mine stays covered";
  EXPECT_EQ(game.box[cells()], pic::kFlag);
  EXPECT_EQ(counter(), counterBefore);
  EXPECT_EQ(clock(), shown(0, 0, 1));
}

INSTANTIATE_TEST_SUITE_P(
    Levels, CascadeWinTest,
    ::testing::Values(WinCase{"Beginner", [](Game& g) { g.mnuBeginner_Click(); }, true},
                      WinCase{"Intermediate", [](Game& g) { g.mnuIntermediate_Click(); }, true},
                      WinCase{"Expert", [](Game& g) { g.mnuHard_Click(); }, true},
                      WinCase{"LargestCustom", [](Game& g) { g.customFieldOk(30, 24, 10); }, false},
                      WinCase{"BeginnerSizedCustom", [](Game& g) { g.customFieldOk(8, 8, 10); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WinTest, AFlaggedSafeCellBlocksTheWinUntilItIsUncovered) {
  ::testing::StrictMock<MockRecords> records;
  game.setRecords(&records);
  layMines(walledBoard());
  rightClick(57);  // a mine
  rightClick(64);  // a safe cell
  click(1);
  for (int c : {58, 59, 60, 61, 62}) click(c);
  click(64);
  EXPECT_TRUE(game.b.playing) << "the flagged safe cell is still covered";
  EXPECT_FALSE(game.b.won);

  rightClick(64);
  EXPECT_CALL(records, recordEntry(_)).Times(1);
  click(64);

  expectWonGame(game);
  EXPECT_EQ(game.box[57], pic::kFlag);
  EXPECT_EQ(game.box[49], pic::kCovered);
  EXPECT_EQ(counter(), shown(0, 0, 9));
}

// The win test reads a running count of the covered cells; every way a board
// is begun or played keeps it equal to a recount.
TEST_F(WinTest, TheCountOfCoveredCellsMatchesARecountOnEveryPath) {
  layMines(walledBoard());
  click(1);   // a cascade that stops at the wall
  click(49);  // a mine
  EXPECT_EQ(game.b.covered, coveredCount()) << "after a loss";

  const std::pair<const char*, std::function<void()>> paths[] = {
      {"New Game", [this] { game.mnuNew_Click(); }},
      {"Expert", [this] { game.mnuHard_Click(); }},
      {"Custom", [this] { game.customFieldOk(30, 24, 10); }},
      {"Beginner", [this] { game.mnuBeginner_Click(); }},
      {"Color", [this] { game.mnuColor_Click(); }},
      {"a tile set", [this] { game.mnuTile_Click(Menu::mnuTileDice); }},
      {"the face",
       [this] {
         game.Smile_MouseDown();
         game.Smile_MouseUp();
       }},
  };
  for (const auto& [name, path] : paths) {
    path();
    EXPECT_EQ(game.b.covered, coveredCount()) << "a new board after " << name;
    layMinesLast();
    click(cells() - settings.totalmines);  // a numbered cell
    EXPECT_EQ(game.b.covered, coveredCount()) << "a numbered cell after " << name;
    click(1);  // opens the rest and wins
    EXPECT_EQ(game.b.covered, coveredCount()) << "the cascade after " << name;
    EXPECT_TRUE(game.b.won);
  }
}

}  // namespace
}  // namespace klandor::test
