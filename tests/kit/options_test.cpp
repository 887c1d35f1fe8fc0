// The expert's options through a session: the Options menu, the settings
// file, the statistics kept and shown, the notice of a board that is not
// guess-free. With no option touched, the game writes nothing but the
// best-times file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/levels.h"
#include "records/statistics.h"
#include "tests/kit/session_fixture.h"

namespace klandor::kit {
namespace {

using ::testing::_;
using ::testing::HasSubstr;
using ::testing::Return;

class OptionsTest : public test::SessionTest {
 protected:
  std::string file(const char* name) { return test::readBytes(dir / name); }
  bool exists(const char* name) { return std::filesystem::exists(dir / name); }
  // A first release on cell 1 of a fresh Beginner board: with the mines on
  // the last ten cells it opens all the rest, a win at once; with them on
  // cells 2 to 11 it opens cell 1 alone, a game on.
  void win() {
    random.queueCells({55, 56, 57, 58, 59, 60, 61, 62, 63, 64}, 64);
    click(1);
  }
  void begin() {
    random.queueCells({2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 64);
    click(1);
  }
  std::string statisticsText(int control) { return session.form4().text(control).inEnglish(); }
  std::string figure(int row, int level) {
    return statisticsText(Form4::Cell + row * Form4::kLevelCount + level);
  }
};

TEST_F(OptionsTest, UntouchedTheGameWritesNothingButTheBestTimes) {
  layMines({64});
  click(1);
  session.choose(Menu::mnuIntermediate);
  session.choose(Menu::mnuColor);
  session.choose(Menu::mnuMarks);
  session.exit();
  EXPECT_EQ(test::entries(dir.path()), (std::vector<std::string>{"minebs.txt", "minebs.txt.lock"}));
}

TEST_F(OptionsTest, EachOptionTogglesAtOnceWithoutANewBoardAndIsKept) {
  layMines({64});
  click(1);
  const unsigned loads = game.loads;
  for (const OptionItem& option : kOptionItems) {
    session.choose(option.item);
    EXPECT_TRUE(settings.options.*option.on);
    EXPECT_TRUE(game.menu.checked(option.item));
  }
  EXPECT_EQ(game.loads, loads) << "no new board";
  EXPECT_TRUE(game.b.uncovered[1]);
  EXPECT_THAT(file("settings.ini"), HasSubstr("chording=on"));
  EXPECT_THAT(file("settings.ini"), HasSubstr("keep-statistics=on"));
  session.choose(Menu::mnuNew);
  EXPECT_TRUE(game.menu.checked(Menu::mnuGuessFree)) << "a new board keeps the options";
  session.choose(Menu::mnuChording);
  EXPECT_THAT(file("settings.ini"), HasSubstr("chording=off"));
}

TEST_F(OptionsTest, TheNextStartReadsTheOptionsAndTheRememberedLook) {
  test::writeBytes(dir / "settings.ini", "# mine\r\ncolour-blind=yes\r\n");
  session.choose(Menu::mnuRemember);
  session.choose(Menu::mnuHard);
  session.choose(Menu::mnuTileDice);
  session.choose(Menu::mnuMarks);
  EXPECT_THAT(file("settings.ini"), HasSubstr("# mine"));
  EXPECT_THAT(file("settings.ini"), HasSubstr("colour-blind=yes")) << "a key of another's kept";

  kit::Session again({dir / "minebs.txt", dir / "settings.ini"}, prompts, [] { return test::kSeed; });
  EXPECT_TRUE(again.settings().options.rememberLevelAndLook);
  EXPECT_EQ(again.game().b.levelnum, 3);
  EXPECT_EQ(again.settings().tileset, pic::kDiceTiles);
  EXPECT_TRUE(again.game().menu.checked(Menu::mnuMarks));
  EXPECT_TRUE(again.game().menu.checked(Menu::mnuRemember));
}

TEST_F(OptionsTest, KeptStatisticsAreRowsOfTheFileAndTheDialogCountsThem) {
  session.choose(Menu::mnuKeepStatistics);
  win();
  session.choose(Menu::mnuNew);  // a game won: nothing to abandon
  begin();
  time.milliseconds += 1000;
  click(2);  // lost a second after the first release
  session.choose(Menu::mnuNew);
  begin();
  session.exit();  // a game on: abandoned
  const std::vector<GameRow> rows = parseStatistics(file("statistics.csv"));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].result, GameResult::won);
  EXPECT_EQ(rows[0].level, GameLevel::beginner);
  EXPECT_EQ(rows[0].bv, 1);
  EXPECT_EQ(rows[0].milliseconds, 0u);
  EXPECT_EQ(rows[1].result, GameResult::lost);
  EXPECT_EQ(rows[1].milliseconds, 1000u);
  EXPECT_EQ(rows[2].result, GameResult::abandoned);
  EXPECT_EQ(isoDateTime(rows[0].finished), "2026-12-09T21:04:05");

  session.choose(Menu::mnuStatistics);
  EXPECT_EQ(figure(Form4::Played, 0), "3");
  EXPECT_EQ(figure(Form4::Won, 0), "1");
  EXPECT_EQ(figure(Form4::Played, 3), "0");
  EXPECT_EQ(figure(Form4::Best, 1), "-");
  EXPECT_EQ(statisticsText(Form4::List), "1.");
  EXPECT_EQ(statisticsText(Form4::Note), "") << "the file's games";

  EXPECT_CALL(prompts, confirm("Are you sure?", "Reset?")).WillOnce(Return(true));
  session.form4().press(Form4::Reset);
  EXPECT_EQ(figure(Form4::Played, 0), "0");
  EXPECT_FALSE(exists("statistics.csv"));
  EXPECT_TRUE(exists("statistics-2026-12-09.csv")) << "put aside, never deleted";
}

TEST_F(OptionsTest, WithoutKeepStatisticsTheDialogCountsThisRunOnly) {
  win();
  session.choose(Menu::mnuStatistics);
  EXPECT_EQ(figure(Form4::Played, 0), "1");
  EXPECT_THAT(statisticsText(Form4::Note), HasSubstr("this run only"));
  session.form4().choose(Form4::FastestLevel, 2);
  EXPECT_EQ(session.form4().chosen(Form4::FastestLevel), 2);
  EXPECT_EQ(statisticsText(Form4::List), "") << "no Expert win";
  EXPECT_FALSE(exists("statistics.csv"));
}

TEST_F(OptionsTest, ABoardThatIsNotGuessFreeIsToldOncePerSize) {
  session.choose(Menu::mnuGuessFree);
  EXPECT_CALL(prompts, inform("Guess-Free Boards", _, _)).Times(2);
  for (Menu level : {Menu::mnuBeginner, Menu::mnuBeginner, Menu::mnuIntermediate}) {
    session.choose(level);
    game.guessFreeLimits.work = 0;  // the search gives up at once
    click(1);
    EXPECT_TRUE(game.b.guessFreeGaveUp);
  }
}

}  // namespace
}  // namespace klandor::kit
