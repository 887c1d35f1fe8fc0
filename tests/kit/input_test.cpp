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
  EXPECT_EQ(actionButton(Key::kSpace), kLeft);
  EXPECT_EQ(actionButton(Key::kEnter), kLeft);
  EXPECT_EQ(actionButton(Key::kF), kRight);
  EXPECT_EQ(actionButton(Key::kHome), 0);
  input.keyDown(Key::kF, 3);
  EXPECT_FALSE(input.keyUp(Key::kSpace));
  EXPECT_TRUE(input.keyUp(Key::kF));
  EXPECT_EQ(game.b.mark[3], kFlagMark);

  const Layout expert(30, 16), beginner(8, 8);
  Cursor c;
  for (Key k : {Key::kLeft, Key::kUp}) c.move(k, expert);
  EXPECT_EQ(c, (Cursor{0, 0, true}));
  for (Key k : {Key::kEnd, Key::kPageDown, Key::kRight, Key::kDown}) c.move(k, expert);
  EXPECT_EQ(c.cell(expert), 480);
  c.move(Key::kSpace, expert);
  EXPECT_EQ(c.cell(expert), 480) << "no move";
  c.fit(beginner);
  EXPECT_EQ(c.cell(beginner), 64);
  for (Key k : {Key::kHome, Key::kPageUp, Key::kRight, Key::kDown}) c.move(k, beginner);
  EXPECT_EQ(c.cell(beginner), 10);
}

}  // namespace
}  // namespace klandor::kit
