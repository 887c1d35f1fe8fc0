// Playing without a mouse: the cell cursor driven by keys on the real
// window, and how it is drawn.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPainter>
#include <QTest>
#include <memory>

#include "board_shot.h"
#include "core/tile_sets.h"
#include "resources/picture_numbers.h"
#include "tests/qt/ui/window_fixture.h"
#include "qt/ui/board_view.h"
#include "qt/ui/form1.h"

namespace klandor::ui {
namespace {

class KeyboardTest : public test::WindowTest {
 protected:

  BoardView* view() const { return form->board(); }
  // Keys go to the window, which hands them to the widget with the focus.
  void key(Qt::Key k, int times = 1) {
    for (int i = 0; i < times; ++i) QTest::keyClick(form->windowHandle(), k);
  }
  void press(Qt::Key k) { QTest::keyPress(form->windowHandle(), k); }
  void release(Qt::Key k) { QTest::keyRelease(form->windowHandle(), k); }
  // A key as the keyboard repeats it while held.
  void repeated(QEvent::Type type, Qt::Key k) {
    QKeyEvent event(type, k, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(form->focusWidget(), &event);
  }
  void goTo(int x, int y) {
    key(Qt::Key_Home);
    key(Qt::Key_PageUp);
    key(Qt::Key_Right, x);
    key(Qt::Key_Down, y);
  }
  QPoint centre(int index) const {
    const kit::Rect r = view()->layout().boxRect(index);
    return {r.x + r.w / 2, r.y + r.h / 2};
  }
  void click(int index) { QTest::mouseClick(view(), Qt::LeftButton, {}, centre(index)); }
  bool plain(int index) const {  // no cursor drawn over the cell
    return test::shows(test::grab(*view()), game.box[static_cast<std::size_t>(index)], view()->layout().boxRect(index));
  }

};

TEST_F(KeyboardTest, CursorKeysMoveOneCellAndStopAtTheEdges) {
  EXPECT_EQ(form->focusWidget(), view()) << "the board has the keys from the start";
  EXPECT_TRUE(plain(1)) << "no cursor before a key";
  key(Qt::Key_Left);
  key(Qt::Key_Up);
  EXPECT_EQ(view()->cursorCell(), 1);
  EXPECT_FALSE(plain(1));
  key(Qt::Key_Right, 3);
  key(Qt::Key_Down);
  EXPECT_EQ(view()->cursorCell(), 12);
  EXPECT_TRUE(plain(1)) << "left behind cleanly";
  EXPECT_FALSE(plain(12));

  const std::pair<Qt::Key, int> path[] = {{Qt::Key_End, 16},  {Qt::Key_Right, 16}, {Qt::Key_PageDown, 64},
                                          {Qt::Key_Down, 64}, {Qt::Key_Home, 57},  {Qt::Key_PageUp, 1}};
  for (auto [k, cell] : path) {
    key(k);
    EXPECT_EQ(view()->cursorCell(), cell) << QKeySequence(k).toString().toStdString();
  }
  QTest::mouseClick(view(), Qt::MiddleButton, {}, QPoint(2, 2));  // any press hides it
  EXPECT_TRUE(plain(1));
}

TEST_F(KeyboardTest, SpaceEnterAndFPressAndReleaseOnTheCursorsCell) {
  layMines({10, 64});  // cells 1, 2 and 3 show numbers
  press(Qt::Key_Space);
  EXPECT_EQ(game.smile, pic::kSurprised) << "held like a button";
  repeated(QEvent::KeyRelease, Qt::Key_Space);
  repeated(QEvent::KeyPress, Qt::Key_Space);
  EXPECT_FALSE(game.b.uncovered[1]);
  release(Qt::Key_Space);
  EXPECT_TRUE(game.b.uncovered[1]);
  EXPECT_FALSE(plain(1)) << "an action shows the cursor";

  key(Qt::Key_Right);
  key(Qt::Key_Enter);
  EXPECT_TRUE(game.b.uncovered[2]);
  key(Qt::Key_Right);
  key(Qt::Key_F);
  EXPECT_EQ(game.b.mark[3], kFlagMark);
  repeated(QEvent::KeyPress, Qt::Key_F);
  EXPECT_EQ(game.smile, pic::kSmile) << "one action per key press";

  form->action(Menu::mnuMarks)->trigger();
  key(Qt::Key_F);
  press(Qt::Key_Return);
  EXPECT_EQ(game.box[3], pic::kQuestionPressed);
  release(Qt::Key_Return);
  EXPECT_TRUE(game.b.uncovered[3]);
}

TEST_F(KeyboardTest, AHeldKeyKeepsItsCellAndLetsGoWhenItsReleaseCannotCome) {
  layMines({10, 64});
  press(Qt::Key_Space);
  key(Qt::Key_Right);
  release(Qt::Key_Space);
  EXPECT_TRUE(game.b.uncovered[1]) << "the release goes to the pressed cell";

  // The window disabled while F is down: its release acts on nothing.
  press(Qt::Key_F);
  form->setEnabled(false);
  form->setEnabled(true);
  EXPECT_EQ(form->focusWidget(), view()) << "the focus comes back with the input";
  release(Qt::Key_F);
  EXPECT_EQ(game.b.mark[2], kNoMark);

  // The focus gone while Space is down: the mouse finds the board free.
  press(Qt::Key_Space);
  view()->clearFocus();
  click(3);
  EXPECT_TRUE(game.b.uncovered[3]);
  EXPECT_FALSE(game.b.uncovered[2]);

  // Nor does a mouse button whose release a disabled window lost hold the
  // board for the keys.
  view()->setFocus();
  QTest::mousePress(view(), Qt::LeftButton, {}, centre(17));
  form->setEnabled(false);
  QTest::mouseRelease(form->menuWidget(), Qt::LeftButton, {}, QPoint(1, 1));
  form->setEnabled(true);
  key(Qt::Key_Space);
  click(18);
  EXPECT_TRUE(game.b.uncovered[2]);
  EXPECT_TRUE(game.b.uncovered[18]);
}

TEST_F(KeyboardTest, ANewBoardKeepsTheCursorsCellOrBringsItInside) {
  form->action(Menu::mnuHard)->trigger();
  goTo(20, 12);
  key(Qt::Key_F);
  key(Qt::Key_F2);
  EXPECT_EQ(game.b.mark[cellIndex(30, 20, 12)], kNoMark) << "F2 still starts a new game";
  EXPECT_EQ(view()->cursorCell(), cellIndex(30, 20, 12));
  EXPECT_FALSE(plain(cellIndex(30, 20, 12))) << "still drawn";
  form->action(Menu::mnuIntermediate)->trigger();
  EXPECT_EQ(view()->cursorCell(), cellIndex(16, 15, 12));
}

TEST_F(KeyboardTest, AWholeBeginnerGameIsWonWithTheKeysAlone) {
  layMines(test::walledBoard());
  for (int cell = 1; cell <= 64; ++cell) {
    if (game.b.ismine[cell] || game.b.uncovered[cell]) continue;
    goTo(cellColumn(8, cell), cellRow(8, cell));
    key(Qt::Key_Space);
  }
  EXPECT_TRUE(game.b.won);
  EXPECT_EQ(game.smile, pic::kWon);
}

// On every cell picture of every set, at scale 1 to 3: 22 dots 2 pixels in,
// each standing out from the pixel it covers, every other pixel untouched.
TEST(KeyboardCursor, StandsOutOnEveryCellPictureAtEveryScale) {
  for (const TileSetChoice& set : kTileSetChoices) {
    for (int picture = pic::kUncovered; picture <= pic::kQuestionPressed; ++picture) {
      if (picture == pic::kUncovered + 9) picture = pic::kCovered;
      const QImage cell = images::toImage(*res::picture(picture + set.tileset)).convertToFormat(QImage::Format_RGB32);
      for (int scale = 1; scale <= 3; ++scale) {
        QImage under = cell.scaled(cell.size() * scale);
        under.setDevicePixelRatio(scale);
        QImage drawn = under;
        QPainter painter(&drawn);
        drawCursor(painter, under, QRect(0, 0, 16, 16));
        painter.end();
        int dots = 0;
        for (int y = 0; y < 16 * scale; ++y) {
          for (int x = 0; x < 16 * scale; ++x) {
            const int px = x / scale, py = y / scale;
            const bool onSquare = std::max(std::abs(2 * px - 15), std::abs(2 * py - 15)) == 11;
            const bool dot = onSquare && (px + py) % 2 == 0;
            dots += dot && x % scale == 0 && y % scale == 0 ? 1 : 0;
            const int contrast = std::abs(qGray(drawn.pixel(x, y)) - qGray(under.pixel(x, y)));
            ASSERT_TRUE(dot ? contrast >= 96 : drawn.pixel(x, y) == under.pixel(x, y)) << picture + set.tileset << " " << px << "," << py;
          }
        }
        ASSERT_EQ(dots, 22);
      }
    }
  }
}

}  // namespace
}  // namespace klandor::ui
