// The commands that start a new board: New Game (F2), the levels, Color,
// the Custom Field's OK and the face button.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "core/tile_sets.h"
#include "tests/core/game_fixture.h"

namespace klandor::test {
namespace {

Digits counterOf(int mines) { return shown(mines / 100, mines / 10 % 10, mines % 10); }

struct NewBoard {
  const char* name;
  std::function<void(Game&)> start;
};
void PrintTo(const NewBoard& c, std::ostream* os) { *os << c.name; }


class NewBoardTest : public GameTest, public ::testing::WithParamInterface<NewBoard> {
 protected:
  void SetUp() override { layMines(walledBoard()); }
  void start() { GetParam().start(game); }

  void expectFreshBoard() {
    EXPECT_TRUE(allCovered());
    EXPECT_EQ(mineCount(), 0);
    EXPECT_EQ(game.b.minesplaced, kFalse);
    EXPECT_FALSE(game.b.won);
    EXPECT_TRUE(game.b.playing);
    EXPECT_FALSE(game.secondEnabled);
    EXPECT_EQ(game.b.seconds, 0);
    EXPECT_EQ(clock(), shown(0, 0, 0));
    EXPECT_EQ(game.b.minesleft, settings.totalmines);
    EXPECT_EQ(counter(), counterOf(settings.totalmines));
    EXPECT_FALSE(game.menu.checked(Menu::mnuMarks));
    EXPECT_EQ(game.smile, pic::kInitialFace);
  }
};

TEST_P(NewBoardTest, EndsAGameInPlayWithAFreshBoard) {
  game.mnuMarks_Click();
  click(41);
  tick(5);
  rightClick(42);
  start();
  expectFreshBoard();

  const int released = cells() - 3;
  game.Box_MouseUp(released, kMiddle);
  EXPECT_EQ(game.b.minesplaced, kTrue) << "the next first release lays new mines";
  EXPECT_EQ(mineCount(), settings.totalmines);
  EXPECT_FALSE(game.b.ismine[released]);
}

TEST_P(NewBoardTest, RestartsALostGame) {
  click(50);
  ASSERT_FALSE(game.b.playing);
  start();
  expectFreshBoard();
}

TEST_P(NewBoardTest, ClearsWonSoTheFaceSmilesAgainInTheNextGame) {
  click(1);
  for (int c : {58, 59, 60, 61, 62, 64}) click(c);
  ASSERT_TRUE(game.b.won);
  start();
  expectFreshBoard();

  layMinesLast();
  const int numbered = cells() - settings.totalmines;
  game.Box_MouseDown(numbered, kLeft);
  EXPECT_EQ(game.smile, pic::kSurprised);
  game.Box_MouseUp(numbered, kLeft);
  EXPECT_EQ(game.smile, pic::kSmile);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, NewBoardTest,
    ::testing::Values(NewBoard{"NewGame", [](Game& g) { g.mnuNew_Click(); }},
                      NewBoard{"Beginner", [](Game& g) { g.mnuBeginner_Click(); }},
                      NewBoard{"Intermediate", [](Game& g) { g.mnuIntermediate_Click(); }},
                      NewBoard{"Expert", [](Game& g) { g.mnuHard_Click(); }},
                      NewBoard{"Color", [](Game& g) { g.mnuColor_Click(); }},
                      NewBoard{"TileSet", [](Game& g) { g.mnuTile_Click(Menu::mnuTileDice); }},
                      NewBoard{"CustomFieldOk", [](Game& g) { g.customFieldOk(9, 11, 12); }},
                      NewBoard{"Face",
                               [](Game& g) {
                                 g.Smile_MouseDown();
                                 g.Smile_MouseUp();
                               }}),
    [](const auto& info) { return std::string(info.param.name); });

using CommandsTest = GameTest;

TEST_F(CommandsTest, FacePressShows102AndClearsWonAndMinesplacedOnly) {
  game.mnuIntermediate_Click();
  layMinesLast();
  click(1);  // opens every safe cell: won
  ASSERT_TRUE(game.b.won);
  const auto box = game.box;
  const unsigned loads = game.loads;

  game.Smile_MouseDown();
  EXPECT_EQ(game.smile, pic::kSmilePressed);
  EXPECT_FALSE(game.b.won);
  EXPECT_EQ(game.b.minesplaced, kFalse);
  EXPECT_EQ(game.box, box);
  EXPECT_FALSE(game.b.playing);
  EXPECT_EQ(game.loads, loads);

  game.Smile_MouseUp();
  EXPECT_EQ(game.loads, loads + 1);
  EXPECT_EQ(game.b.levelnum, 2);
  EXPECT_EQ(cells(), 256);
  EXPECT_TRUE(allCovered());
  EXPECT_EQ(game.smile, pic::kInitialFace);
}

TEST_F(CommandsTest, FacePressLeavesAGameInPlayRunningUntilTheRelease) {
  layMines(walledBoard());
  click(41);
  game.Smile_MouseDown();
  EXPECT_TRUE(game.secondEnabled);
  EXPECT_TRUE(game.b.playing);
  EXPECT_TRUE(game.b.uncovered[41]);
  tick();
  EXPECT_EQ(clock(), shown(0, 0, 2));
}

TEST_F(CommandsTest, WonFaceStaysThroughLaterReleases) {
  layMinesLast();
  click(1);
  ASSERT_EQ(game.smile, pic::kWon);
  click(cells());
  click(cells() + 1);
  EXPECT_EQ(game.smile, pic::kWon);
}

TEST_F(CommandsTest, ColorSwitchesCellPicturesAndKeepsTheLevel) {
  game.mnuIntermediate_Click();
  game.mnuColor_Click();
  EXPECT_FALSE(game.menu.checked(Menu::mnuColor));
  EXPECT_EQ(settings.tileset, pic::kMonochromeTiles);
  EXPECT_EQ(game.box[1], pic::kMonochromeTiles + pic::kCovered);
  EXPECT_EQ(counter(), shown(0, 4, 0));
  EXPECT_EQ(game.b.levelnum, 2);
  EXPECT_EQ(cells(), 256);

  layMines({1});
  click(2);
  EXPECT_EQ(game.box[2], pic::kMonochromeTiles + pic::kUncovered + 1);

  game.mnuColor_Click();
  EXPECT_TRUE(game.menu.checked(Menu::mnuColor));
  EXPECT_EQ(settings.tileset, pic::kColourTiles);
  EXPECT_TRUE(allCovered());
  EXPECT_EQ(game.box[1], pic::kCovered);
  EXPECT_EQ(game.b.levelnum, 2);
}

// Exactly one item of the tile-set submenu is checked: the set in force.
Menu checkedTileSet(const Game& game) {
  Menu checked = Menu::mnuTiles;
  for (const TileSetChoice& choice : kTileSetChoices) {
    if (game.menu.checked(choice.item)) {
      EXPECT_EQ(checked, Menu::mnuTiles) << "two sets checked";
      checked = choice.item;
    }
  }
  return checked;
}

TEST_F(CommandsTest, APickedTileSetLastsThroughNewBoardsAndColorStillTogglesColourAndMonochrome) {
  EXPECT_EQ(checkedTileSet(game), Menu::mnuTileColor);
  game.mnuIntermediate_Click();
  game.mnuTile_Click(Menu::mnuTileLandscape);
  EXPECT_EQ(settings.tileset, pic::kLandscapeTiles);
  EXPECT_EQ(checkedTileSet(game), Menu::mnuTileLandscape);
  EXPECT_FALSE(game.menu.checked(Menu::mnuColor));
  EXPECT_EQ(game.box[1], pic::kLandscapeTiles + pic::kCovered);
  EXPECT_EQ(game.b.levelnum, 2);

  game.mnuHard_Click();
  EXPECT_EQ(checkedTileSet(game), Menu::mnuTileLandscape);
  layMines({1});
  click(2);
  EXPECT_EQ(game.box[2], pic::kLandscapeTiles + pic::kUncovered + 1);

  game.mnuColor_Click();
  EXPECT_TRUE(game.menu.checked(Menu::mnuColor));
  EXPECT_EQ(settings.tileset, pic::kColourTiles);
  EXPECT_EQ(checkedTileSet(game), Menu::mnuTileColor);
  game.mnuColor_Click();
  EXPECT_FALSE(game.menu.checked(Menu::mnuColor));
  EXPECT_EQ(checkedTileSet(game), Menu::mnuTileMono);
  EXPECT_EQ(game.box[1], pic::kMonochromeTiles + pic::kCovered);

  game.mnuTile_Click(Menu::mnuTileColor);
  EXPECT_TRUE(game.menu.checked(Menu::mnuColor));
  EXPECT_EQ(settings.tileset, pic::kColourTiles);
}

TEST_F(CommandsTest, CustomFieldOkBringsValuesIntoRangeAndSelectsCustom) {
  struct Case {
    int across, down, mines;
    int wantAcross, wantDown, wantMines;
  };
  for (const Case& c : {Case{100, 2, 5, 30, 8, 10}, Case{8, 8, 60, 8, 8, 49}, Case{30, 24, 999, 30, 24, 667},
                        Case{-4, 13, -1, 8, 13, 10}}) {
    game.mnuHard_Click();
    game.customFieldOk(c.across, c.down, c.mines);
    EXPECT_EQ(settings.across, c.wantAcross);
    EXPECT_EQ(settings.down, c.wantDown);
    EXPECT_EQ(settings.totalmines, c.wantMines);
    EXPECT_EQ(settings.custom, kTrue);
    EXPECT_FALSE(settings.beginner || settings.intermediate || settings.expert);
    EXPECT_EQ(game.b.levelnum, 4);
    EXPECT_TRUE(game.menu.checked(Menu::mnuCustom));
    EXPECT_EQ(counter(), counterOf(c.wantMines));
  }
  game.mnuBeginner_Click();
  EXPECT_EQ(settings.custom, kFalse);
  EXPECT_EQ(game.b.levelnum, 1);
}

}  // namespace
}  // namespace klandor::test
