// The mouse on the board: flags, "?" marks, the mine counter, the face while
// a cell is pressed, the first release and the loss.
#include <gtest/gtest.h>

#include "tests/core/game_fixture.h"

namespace klandor::test {
namespace {

constexpr Digits kMinus(int tens, int units) { return {pic::kMinus, digit(tens), digit(units)}; }

using InputTest = GameTest;

TEST_F(InputTest, MoreFlagsThanMinesShowAMinusCount) {
  for (int c = 1; c <= 10; ++c) rightClick(c);
  EXPECT_EQ(counter(), shown(0, 0, 0));
  rightClick(11);
  EXPECT_EQ(counter(), kMinus(0, 1));
  rightClick(12);
  EXPECT_EQ(counter(), kMinus(0, 2));
  EXPECT_EQ(game.b.minesleft, -2);
}

TEST_F(InputTest, BelowMinus99TheCounterShowsTheLastTwoDigits) {
  game.customFieldOk(30, 24, 10);
  for (int c = 1; c <= 110; ++c) rightClick(c);
  EXPECT_EQ(counter(), kMinus(0, 0));
  for (int c = 111; c <= 133; ++c) rightClick(c);
  EXPECT_EQ(counter(), kMinus(2, 3));
  EXPECT_EQ(game.b.minesleft, -123);
}

TEST_F(InputTest, MarksOffAFlagGoesBackToCovered) {
  rightClick(5);
  EXPECT_EQ(game.box[5], pic::kFlag);
  EXPECT_EQ(counter(), shown(0, 0, 9));
  rightClick(5);
  EXPECT_EQ(game.box[5], pic::kCovered);
  EXPECT_EQ(game.b.mark[5], kNoMark);
  EXPECT_EQ(counter(), shown(0, 1, 0));
}

TEST_F(InputTest, MarksOnAFlagPassesThroughAnUncountedQuestionMark) {
  game.mnuMarks_Click();
  rightClick(5);
  EXPECT_EQ(counter(), shown(0, 0, 9));
  rightClick(5);
  EXPECT_EQ(game.box[5], pic::kQuestion);
  EXPECT_EQ(game.b.mark[5], kQuestionMark);
  EXPECT_EQ(counter(), shown(0, 1, 0));
  rightClick(5);
  EXPECT_EQ(game.box[5], pic::kCovered);
  EXPECT_EQ(game.b.mark[5], kNoMark);
  EXPECT_EQ(game.b.minesleft, 10);
  EXPECT_EQ(counter(), shown(0, 1, 0));
}

TEST_F(InputTest, AQuestionMarkOutlivesTheMarksOptionAndThenGoesToCovered) {
  game.mnuMarks_Click();
  rightClick(5);
  rightClick(5);
  game.mnuMarks_Click();
  EXPECT_EQ(game.box[5], pic::kQuestion) << "turning Marks off leaves the board alone";
  rightClick(5);
  EXPECT_EQ(game.box[5], pic::kCovered);
  EXPECT_EQ(game.b.mark[5], kNoMark);
  EXPECT_EQ(game.b.minesleft, 10);
}

TEST_F(InputTest, PressOnAQuestionMarkShows406WithAnyButton) {
  layMines(walledBoard());
  game.mnuMarks_Click();
  for (int c : {33, 34, 35}) {
    rightClick(c);
    rightClick(c);
  }
  rightClick(36);  // a flag

  game.Box_MouseDown(33, kMiddle);
  EXPECT_EQ(game.box[33], pic::kQuestionPressed);
  game.Box_MouseUp(33, kMiddle);
  EXPECT_EQ(game.box[33], pic::kQuestionPressed) << "the middle release does nothing";
  EXPECT_EQ(game.b.mark[33], kQuestionMark);

  game.Box_MouseDown(34, kRight);
  EXPECT_EQ(game.box[34], pic::kQuestionPressed);
  game.Box_MouseUp(34, kRight);
  EXPECT_EQ(game.box[34], pic::kCovered);

  game.Box_MouseDown(35, kLeft);
  EXPECT_EQ(game.box[35], pic::kQuestionPressed);

  for (int c : {36, 37}) {
    const int before = game.box[c];
    game.Box_MouseDown(c, kLeft);
    EXPECT_EQ(game.box[c], before) << "only a \"?\" shows a pressed picture";
  }
}

TEST_F(InputTest, MiddleReleaseChangesNothing) {
  layMines(walledBoard());
  rightClick(42);
  const auto box = game.box;
  for (int c : {33, 42, 50}) click(c, kMiddle);
  EXPECT_EQ(game.box, box);
  EXPECT_EQ(coveredCount(), cells());
  EXPECT_EQ(game.b.minesleft, 9);
  EXPECT_FALSE(game.secondEnabled);
  EXPECT_TRUE(game.b.playing);
}

TEST_F(InputTest, AnUncoveredCellIgnoresEveryButtonAndKeepsItsMark) {
  layMines(walledBoard());
  game.mnuMarks_Click();
  rightClick(41);
  rightClick(41);
  click(41);
  EXPECT_TRUE(game.b.uncovered[41]);
  EXPECT_EQ(game.box[41], pic::kUncovered + 2);
  EXPECT_EQ(game.b.mark[41], kQuestionMark);

  for (int button : {kLeft, kRight, kMiddle}) click(41, button);
  EXPECT_EQ(game.box[41], pic::kUncovered + 2);
  EXPECT_EQ(game.b.mark[41], kQuestionMark);
  EXPECT_EQ(game.b.minesleft, 10);
}

TEST_F(InputTest, FaceIsSurprisedWhileACellIsPressedInPlay) {
  layMines(walledBoard());
  for (int index : {33, cells() + 2}) {
    game.Box_MouseDown(index, kRight);
    EXPECT_EQ(game.smile, pic::kSurprised);
    game.Box_MouseUp(index, kRight);
    EXPECT_EQ(game.smile, pic::kSmile);
  }
}

TEST_F(InputTest, FirstReleaseOnADigitCellLaysMinesSparingNoCellAndNothingElse) {
  random.queueCells({64, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 64);
  game.Box_MouseDown(cells() + 1, kLeft);
  game.Box_MouseUp(cells() + 1, kLeft);

  EXPECT_EQ(game.b.minesplaced, kTrue);
  EXPECT_EQ(mineCount(), 10);
  EXPECT_TRUE(game.b.ismine[64]);
  EXPECT_EQ(game.smile, pic::kSmile);
  EXPECT_TRUE(allCovered());
  EXPECT_EQ(counter(), shown(0, 1, 0));
  EXPECT_EQ(clock(), shown(0, 0, 0));
  EXPECT_FALSE(game.secondEnabled);
  EXPECT_TRUE(game.b.playing);
}

TEST_F(InputTest, FirstReleaseWithTheRightButtonLaysMinesAndFlagsTheCell) {
  rightClick(28);
  EXPECT_EQ(game.b.minesplaced, kTrue);
  EXPECT_EQ(mineCount(), 10);
  EXPECT_FALSE(game.b.ismine[28]);
  EXPECT_EQ(game.box[28], pic::kFlag);
  EXPECT_EQ(counter(), shown(0, 0, 9));
  EXPECT_EQ(clock(), shown(0, 0, 0));
  EXPECT_FALSE(game.secondEnabled);
}

TEST_F(InputTest, FirstLeftReleaseLaysMinesStartsTheClockAndUncovers) {
  click(28);
  EXPECT_EQ(game.b.minesplaced, kTrue);
  EXPECT_FALSE(game.b.ismine[28]);
  EXPECT_TRUE(game.b.uncovered[28]);
  EXPECT_EQ(game.box[28], pic::kUncovered + game.b.near[28]);
  EXPECT_EQ(clock(), shown(0, 0, 1));
}

class LossTest : public GameTest {
 protected:
  void SetUp() override {
    layMines(walledBoard());
    game.mnuMarks_Click();
    rightClick(57);  // a right flag
    rightClick(41);  // a wrong flag
    for (int c : {58, 51, 52}) {  // "?" on a safe cell and on two mines
      rightClick(c);
      rightClick(c);
    }
    click(42);  // counts 3
  }
};

TEST_F(LossTest, ShowsMinesWrongFlagsAndTheMineThatWasHit) {
  click(52);

  EXPECT_EQ(game.box[52], pic::kMineHit);
  for (int c : {49, 50, 53, 54, 55, 56, 63}) EXPECT_EQ(game.box[c], pic::kMine) << "cell " << c;
  EXPECT_EQ(game.box[57], pic::kFlag);
  EXPECT_EQ(game.box[41], pic::kWrongFlag);
  EXPECT_EQ(game.box[51], pic::kQuestion);
  EXPECT_EQ(game.box[58], pic::kQuestion);
  for (int c : {1, 33, 64}) EXPECT_EQ(game.box[c], pic::kCovered) << "cell " << c;
  EXPECT_EQ(game.box[42], pic::kUncovered + 3);

  EXPECT_EQ(game.smile, pic::kLost);
  EXPECT_FALSE(game.b.playing);
  EXPECT_FALSE(game.secondEnabled);
  EXPECT_EQ(clock(), shown(0, 0, 1));
}

TEST_F(LossTest, AfterwardsAReleaseOnlyBringsBackTheSmile) {
  click(50);
  const auto box = game.box;
  const auto uncovered = game.b.uncovered;
  const auto mark = game.b.mark;

  game.Box_MouseDown(33, kLeft);
  EXPECT_EQ(game.smile, pic::kLost) << "no surprised face once the game is over";
  game.Box_MouseUp(33, kLeft);
  EXPECT_EQ(game.smile, pic::kSmile);

  for (int c : {1, 33, 41, 49, 64, cells() + 1})
    for (int button : {kLeft, kRight, kMiddle}) click(c, button);
  EXPECT_EQ(game.box, box);
  EXPECT_EQ(game.b.uncovered, uncovered);
  EXPECT_EQ(game.b.mark, mark);
  EXPECT_EQ(game.b.minesleft, 8);
  EXPECT_FALSE(game.b.playing);
  EXPECT_FALSE(game.secondEnabled);

  game.Box_MouseDown(58, kLeft);
  game.Box_MouseUp(58, kLeft);
  EXPECT_EQ(game.box[58], pic::kQuestionPressed) << "the pressed \"?\" stays once the game is over";
}

TEST_F(InputTest, LossShowsAWrongFlagThatACascadeUncovered) {
  layMines(walledBoard());
  rightClick(20);
  click(1);
  ASSERT_TRUE(game.b.uncovered[20]);
  click(50);
  EXPECT_EQ(game.box[20], pic::kWrongFlag);
}

}  // namespace
}  // namespace klandor::test
