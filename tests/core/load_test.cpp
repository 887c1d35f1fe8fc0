// The load sequence, the level table and the rebuild of the main window.
#include <gtest/gtest.h>

#include <ostream>

#include "tests/core/game_fixture.h"

namespace klandor::test {
namespace {

constexpr Menu kLevelItems[] = {Menu::mnuBeginner, Menu::mnuIntermediate, Menu::mnuHard, Menu::mnuCustom};

// Only `item` of the four level items carries a check mark.
void expectOnlyLevelChecked(const Game& game, Menu item) {
  for (Menu level : kLevelItems)
    EXPECT_EQ(game.menu.checked(level), level == item) << design(level).name;
}

using LoadTest = GameTest;

TEST_F(LoadTest, FirstStartIsAFreshBeginnerBoardInColour) {
  EXPECT_TRUE(settings.beginner);
  EXPECT_FALSE(settings.intermediate || settings.expert);
  EXPECT_EQ(settings.custom, kFalse);
  EXPECT_EQ(settings.across, 8);
  EXPECT_EQ(settings.down, 8);
  EXPECT_EQ(settings.totalmines, 10);
  EXPECT_EQ(game.b.levelnum, 1);

  expectOnlyLevelChecked(game, Menu::mnuBeginner);
  EXPECT_TRUE(game.menu.checked(Menu::mnuColor));
  EXPECT_FALSE(game.menu.checked(Menu::mnuMarks));
  EXPECT_FALSE(game.menu.enabled(Menu::mnuHelpT));

  EXPECT_TRUE(allCovered());
  EXPECT_EQ(game.box[0], 0) << "the template element shows nothing";
  EXPECT_EQ(counter(), shown(0, 1, 0));
  EXPECT_EQ(clock(), shown(0, 0, 0));
  EXPECT_EQ(game.smile, pic::kInitialFace);
  EXPECT_FALSE(game.secondEnabled);
  EXPECT_TRUE(game.b.playing);
  EXPECT_EQ(game.b.minesplaced, kFalse);
  EXPECT_EQ(game.b.minesleft, 10);
  EXPECT_EQ(mineCount(), 0);
}

struct LevelRow {
  const char* name;
  void (Game::*command)();
  int across, down, mines;
  int levelnum;
  Menu item;
  Digits counterShows;
};
void PrintTo(const LevelRow& c, std::ostream* os) { *os << c.name; }


class LevelTableTest : public GameTest, public ::testing::WithParamInterface<LevelRow> {};

TEST_P(LevelTableTest, CommandAppliesItsRow) {
  const LevelRow& row = GetParam();
  settings.tileset = pic::kMonochromeTiles;  // the level leaves the tile set alone
  (game.*row.command)();

  EXPECT_EQ(settings.across, row.across);
  EXPECT_EQ(settings.down, row.down);
  EXPECT_EQ(settings.totalmines, row.mines);
  EXPECT_EQ(game.b.levelnum, row.levelnum);
  EXPECT_EQ(settings.beginner + settings.intermediate + settings.expert, 1);
  EXPECT_EQ(settings.custom, kFalse);
  expectOnlyLevelChecked(game, row.item);
  EXPECT_FALSE(game.menu.checked(Menu::mnuColor));

  EXPECT_EQ(game.elements(), row.across * row.down + 6);
  EXPECT_TRUE(allCovered());
  EXPECT_EQ(counter(), row.counterShows);
  EXPECT_EQ(clock(), shown(0, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Levels, LevelTableTest,
    ::testing::Values(
        LevelRow{"Beginner", &Game::mnuBeginner_Click, 8, 8, 10, 1, Menu::mnuBeginner, shown(0, 1, 0)},
        LevelRow{"Intermediate", &Game::mnuIntermediate_Click, 16, 16, 40, 2, Menu::mnuIntermediate,
                 shown(0, 4, 0)},
        LevelRow{"Expert", &Game::mnuHard_Click, 30, 16, 99, 3, Menu::mnuHard, shown(0, 9, 9)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadTest, CustomSelectionTakesTheSizeTheSettingsHold) {
  game.mnuHard_Click();
  settings.expert = false;
  settings.custom = kTrue;
  settings.across = 21;
  settings.down = 13;
  settings.totalmines = 37;
  game.rebuild();

  EXPECT_EQ(game.b.levelnum, 4);
  expectOnlyLevelChecked(game, Menu::mnuCustom);
  EXPECT_EQ(settings.across, 21);
  EXPECT_EQ(settings.down, 13);
  EXPECT_EQ(settings.totalmines, 37);
  EXPECT_EQ(cells(), 273);
  EXPECT_TRUE(allCovered());
  EXPECT_EQ(counter(), shown(0, 3, 7));
}

TEST_F(LoadTest, LargestBoardEndsAtCell720WithItsDigitsAfterIt) {
  game.customFieldOk(30, 24, 99);

  EXPECT_EQ(cells(), kMaxCells);
  EXPECT_EQ(game.box[720], pic::kCovered);
  EXPECT_EQ(counter(), shown(0, 9, 9));
  EXPECT_EQ(digitsAt(721), shown(0, 9, 9));
  EXPECT_EQ(digitsAt(724), shown(0, 0, 0));

  rightClick(720);
  EXPECT_EQ(game.box[720], pic::kFlag);
  EXPECT_EQ(game.b.mark[720], kFlagMark);
  EXPECT_FALSE(game.b.ismine[720]) << "the first release spares cell 720";
  EXPECT_EQ(digitsAt(721), shown(0, 9, 8));
}

TEST_F(LoadTest, RebuildKeepsSettingsAndBoardFieldsButRestoresTheWindow) {
  game.mnuIntermediate_Click();
  click(100);  // lays the mines, starts the clock
  tick(4);
  rightClick(200);
  game.mnuMarks_Click();
  game.b.won = true;
  const auto near = game.b.near;

  game.rebuild();

  EXPECT_TRUE(settings.intermediate);
  EXPECT_EQ(settings.totalmines, 40);
  EXPECT_TRUE(game.b.won);
  EXPECT_EQ(game.b.minesplaced, kTrue);
  EXPECT_EQ(game.b.near, near);
  EXPECT_EQ(mineCount(), 0) << "the load clears the mines of every cell";

  EXPECT_FALSE(game.menu.checked(Menu::mnuMarks));
  expectOnlyLevelChecked(game, Menu::mnuIntermediate);
  EXPECT_EQ(game.smile, pic::kInitialFace);
  EXPECT_FALSE(game.secondEnabled);
  EXPECT_EQ(game.b.seconds, 0);
  EXPECT_EQ(clock(), shown(0, 0, 0));
  EXPECT_TRUE(allCovered());
  EXPECT_EQ(game.b.mark[200], kNoMark);
}

TEST(LoadSequence, EveryLoadReseedsFromTheClockAndResetsTheCounter) {
  Module1 settings;
  ScriptedRandom random;
  std::uint64_t calls = 0;
  Game game(settings, random, [&calls] { return 1000 + ++calls; });
  EXPECT_EQ(random.seeds, (std::vector<std::uint64_t>{1001}));

  game.b.minesleft = -3;
  game.mnuNew_Click();
  game.mnuHard_Click();
  game.mnuColor_Click();
  game.customFieldOk(10, 10, 12);
  game.Smile_MouseDown();
  EXPECT_EQ(calls, 5u) << "a press on the face loads nothing";
  game.Smile_MouseUp();
  game.rebuild();

  EXPECT_EQ(calls, 7u);
  EXPECT_EQ(random.seeds, (std::vector<std::uint64_t>{1001, 1002, 1003, 1004, 1005, 1006, 1007}));
  EXPECT_EQ(game.loads, 7u);
  EXPECT_EQ(game.b.minesleft, 12);
}

}  // namespace
}  // namespace klandor::test
