// The input rules without a toolkit: the capture, the action keys, the cursor.
#include "kit/input.h"

#include <gtest/gtest.h>

#include "tests/core/game_fixture.h"

namespace klandor::kit {
namespace {

class CaptureTest : public test::GameTest {
 protected:
  static Element box(int index) { return {Element::kBox, index}; }
  Input input{game};
};

TEST_F(CaptureTest, TheFirstPressKeepsEveryButtonUntilTheLastIsUp) {
  layMines({11, 19});  // cells 10 and 20 show numbers
  input.mouseDown(box(10), kRight, kRight);
  input.mouseDown(box(20), kLeft, kRight | kLeft);  // still cell 10's
  input.mouseUp(kRight, kLeft);
  EXPECT_EQ(game.b.mark[10], kFlagMark);
  EXPECT_TRUE(input.holding());
  input.mouseUp(kLeft, 0);
  EXPECT_FALSE(input.holding());
  EXPECT_FALSE(game.b.uncovered[20]);
  EXPECT_TRUE(input.act(box(20), kLeft));
  EXPECT_TRUE(game.b.uncovered[20]);
}

TEST_F(CaptureTest, ACaptureEndsWhereItsReleaseCannotCome) {
  layMines({64});
  input.mouseDown(box(1), kLeft, kLeft);
  game.mnuNew_Click();  // a new board: its cells were never pressed
  input.mouseUp(kLeft, 0);
  EXPECT_EQ(game.b.minesplaced, kFalse);

  input.mouseDown({Element::kSmile, 0}, kLeft, kLeft);
  const unsigned loads = game.loads, plays = input.plays();
  input.letGo();
  EXPECT_EQ(game.loads, loads + 1) << "the face's press makes its new board";
  EXPECT_EQ(input.plays(), plays + 1);
  EXPECT_TRUE(input.act(box(1), kRight)) << "free again";
  EXPECT_EQ(game.b.mark[1], kFlagMark);

  layMines({64});
  input.keyDown(Key::kF, 5);
  input.mouseDown(box(9), kLeft, kLeft);
  input.focusLost();
  EXPECT_TRUE(input.holding()) << "the mouse still holds it";
  EXPECT_FALSE(input.keyUp(Key::kF)) << "its release went elsewhere";
  EXPECT_FALSE(input.act(box(2), kRight));
  input.mouseUp(kLeft, 0);
  EXPECT_TRUE(game.b.uncovered[5]) << "the key's cell took the press and the release";
  EXPECT_EQ(game.b.mark[2], kNoMark);

  // A release lost to a popup menu: the next press with nothing else held
  // starts afresh, and a face left pressed makes its new board first.
  input.mouseDown({Element::kSmile, 0}, kLeft, kLeft);
  input.mouseDown(box(3), kRight, kRight);
  EXPECT_EQ(game.loads, loads + 2);
  input.mouseUp(kRight, 0);
  EXPECT_EQ(game.b.mark[3], kFlagMark);
  input.mouseDown(box(4), kLeft, kLeft);
  input.keyDown(Key::kF, 6);
  input.keyUp(Key::kF);
  EXPECT_EQ(game.b.mark[4], kFlagMark) << "a key joins the button's capture";
  input.mouseUp(kLeft, 0);
}

TEST_F(CaptureTest, ActionKeysActAsButtonsAndTheCursorStopsAtTheEdges) {
  EXPECT_EQ(actionButton(Key::kEnter), kLeft);
  EXPECT_EQ(actionButton(Key::kF), kRight);
  EXPECT_EQ(actionButton(Key::kHome), 0);

  const Layout expert(30, 16), beginner(8, 8);
  Cursor c;
  for (Key k : {Key::kLeft, Key::kUp}) c.move(k, expert);
  EXPECT_EQ(c, (Cursor{0, 0, true}));
  for (Key k : {Key::kEnd, Key::kPageDown, Key::kRight, Key::kDown}) c.move(k, expert);
  EXPECT_EQ(c.cell(expert), 480);
  c.fit(beginner);
  EXPECT_EQ(c.cell(beginner), 64);
  for (Key k : {Key::kHome, Key::kPageUp, Key::kRight, Key::kDown}) c.move(k, beginner);
  EXPECT_EQ(c.cell(beginner), 10);
}

// The chord's buttons and keys, on test::cornerBoard: cell 1 counts the
// mine on cell 10, and its chord opens cells 2 and 9.
class ChordInputTest : public CaptureTest {
 protected:
  // A fresh board with cell 1 uncovered and flags on `flags`.
  void ready(std::initializer_list<int> flags) {
    game.mnuNew_Click();
    layMines(test::cornerBoard());
    input.act(box(1), kLeft);
    for (int c : flags) input.act(box(c), kRight);
  }
  bool chorded() const { return game.b.uncovered[2] && game.b.uncovered[9]; }
};

TEST_F(ChordInputTest, BothButtonsInEitherOrderOrTheMiddleOneChordOnceANumber) {
  settings.options.chording = true;
  ready({10});
  input.mouseDown(box(1), kRight, kRight);
  input.mouseDown(box(20), kLeft, kRight | kLeft);
  EXPECT_EQ(game.smile, pic::kSurprised);
  input.mouseUp(kLeft, kRight);
  EXPECT_TRUE(chorded());
  EXPECT_EQ(game.smile, pic::kSmile);
  const unsigned plays = input.plays();
  input.mouseUp(kRight, 0);
  EXPECT_EQ(input.plays(), plays) << "the second release is no release of its own";

  ready({2});  // a wrong flag: the first release loses, the second keeps the lost face
  input.mouseDown(box(1), kLeft, kLeft);
  input.mouseDown(box(1), kRight, kLeft | kRight);
  input.mouseUp(kRight, kLeft);
  EXPECT_EQ(game.box[10], pic::kMineHit);
  input.mouseUp(kLeft, 0);
  EXPECT_EQ(game.smile, pic::kLost);

  ready({10});
  input.mouseDown(box(1), kMiddle, kMiddle);
  input.mouseUp(kMiddle, 0);
  EXPECT_TRUE(chorded());
}

TEST_F(ChordInputTest, ElsewhereOrWithTheOptionsOffTheButtonsPlayAsEver) {
  settings.options.chording = true;
  ready({10});
  input.mouseDown(box(5), kLeft, kLeft);
  input.mouseDown(box(5), kRight, kLeft | kRight);
  input.mouseUp(kRight, kLeft);
  input.mouseUp(kLeft, 0);
  EXPECT_EQ(game.b.mark[5], kFlagMark) << "a covered cell: the right release flags it";
  EXPECT_FALSE(game.b.uncovered[5]);

  settings.options = {.clickNumbersToChord = true};
  input.mouseDown(box(1), kMiddle, kMiddle);
  input.mouseUp(kMiddle, 0);
  input.mouseDown(box(1), kRight, kRight);
  input.mouseDown(box(1), kLeft, kLeft | kRight);
  input.mouseUp(kRight, kLeft);
  EXPECT_FALSE(chorded()) << "no chord by the mouse without Chording";
  EXPECT_FALSE(input.act(box(1), kChordButtons));
  input.mouseUp(kLeft, 0);
  EXPECT_TRUE(chorded()) << "but the left release on a number";
}

TEST_F(ChordInputTest, ActionKeysAndAssistiveToolsChordANumberWithEitherOption) {
  ready({10});
  for (Key key : {Key::kSpace, Key::kF}) {
    input.keyDown(key, 1);
    input.keyUp(key);
  }
  EXPECT_FALSE(chorded());
  EXPECT_FALSE(input.canChord(box(1)));
  EXPECT_FALSE(input.act(box(1), kChordButtons)) << "all options off";

  settings.options.chording = true;
  input.keyDown(Key::kF, 1);
  input.keyUp(Key::kF);
  EXPECT_TRUE(chorded()) << "F on a number chords, not flags";
  EXPECT_EQ(game.b.mark[1], kNoMark);
  input.keyDown(Key::kF, 3);
  input.keyUp(Key::kF);
  EXPECT_EQ(game.b.mark[3], kFlagMark) << "F on a covered cell flags as ever";

  ready({10});
  settings.options = {.clickNumbersToChord = true};
  EXPECT_FALSE(input.act(box(3), kChordButtons)) << "no number";
  EXPECT_TRUE(input.act(box(1), kChordButtons));
  EXPECT_TRUE(chorded());
}

}  // namespace
}  // namespace klandor::kit
