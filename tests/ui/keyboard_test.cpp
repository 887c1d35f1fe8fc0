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
#include "tests/core/game_fixture.h"
#include "ui/board_view.h"
#include "ui/form1.h"

namespace klandor::ui {
namespace {

using test::shows;

class KeyboardTest : public test::GameTest {
 protected:
  void SetUp() override {
    form = std::make_unique<Form1>(game);
    form->show();
  }

  BoardView* view() const { return form->board(); }
  QWindow* window() const { return form->windowHandle(); }
  QImage grab() const { return test::grab(*view()); }

  // Keys go to the window, which hands them to the widget with the focus.
  void key(Qt::Key k) { QTest::keyClick(window(), k); }
  void keys(Qt::Key k, int times) {
    for (int i = 0; i < times; ++i) key(k);
  }
  // A key as the keyboard repeats it while held.
  void repeated(QEvent::Type type, Qt::Key k) {
    QKeyEvent event(type, k, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(form->focusWidget(), &event);
  }
  // The cursor to column x, row y, from the top left corner.
  void goTo(int x, int y) {
    key(Qt::Key_Home);
    key(Qt::Key_PageUp);
    keys(Qt::Key_Right, x);
    keys(Qt::Key_Down, y);
  }
  QPoint centre(int index) const {
    const Rect r = view()->layout().boxRect(index);
    return {r.x + r.w / 2, r.y + r.h / 2};
  }
  void click(int index) { QTest::mouseClick(view(), Qt::LeftButton, {}, centre(index)); }
  bool cellShowsItsPicture(int index) const {
    return shows(grab(), game.box[static_cast<std::size_t>(index)], view()->layout().boxRect(index));
  }

  std::unique_ptr<Form1> form;
};

TEST_F(KeyboardTest, CursorKeysMoveOneCellAndStopAtTheEdges) {
  EXPECT_EQ(form->focusWidget(), view()) << "the board has the keys from the start";
  EXPECT_EQ(view()->cursorCell(), 1);
  EXPECT_TRUE(cellShowsItsPicture(1)) << "no cursor before a key";

  key(Qt::Key_Left);
  key(Qt::Key_Up);
  EXPECT_EQ(view()->cursorCell(), 1);
  EXPECT_FALSE(cellShowsItsPicture(1)) << "drawn once a key moved it";
  keys(Qt::Key_Right, 3);
  key(Qt::Key_Down);
  EXPECT_EQ(view()->cursorCell(), cellIndex(8, 3, 1));
  EXPECT_TRUE(cellShowsItsPicture(1)) << "left behind cleanly";
  EXPECT_FALSE(cellShowsItsPicture(cellIndex(8, 3, 1)));

  const std::pair<Qt::Key, int> path[] = {
      {Qt::Key_End, cellIndex(8, 7, 1)},      {Qt::Key_Right, cellIndex(8, 7, 1)},
      {Qt::Key_PageDown, cellIndex(8, 7, 7)}, {Qt::Key_Down, cellIndex(8, 7, 7)},
      {Qt::Key_Home, cellIndex(8, 0, 7)},     {Qt::Key_Left, cellIndex(8, 0, 7)},
      {Qt::Key_PageUp, cellIndex(8, 0, 0)},
  };
  for (auto [k, cell] : path) {
    key(k);
    EXPECT_EQ(view()->cursorCell(), cell) << QKeySequence(k).toString().toStdString();
  }

  // Any mouse press hides it, wherever it lands.
  QTest::mousePress(view(), Qt::MiddleButton, {}, QPoint(2, 2));
  QTest::mouseRelease(view(), Qt::MiddleButton, {}, QPoint(2, 2));
  EXPECT_FALSE(view()->cursorShown());
  EXPECT_TRUE(cellShowsItsPicture(1));
}

TEST_F(KeyboardTest, SpaceEnterAndFPressAndReleaseOnTheCursorsCell) {
  layMines({10, 64});  // cells 1, 2 and 3 show numbers
  QTest::keyPress(window(), Qt::Key_Space);
  EXPECT_EQ(game.smile, pic::kSurprised) << "held like a button";
  EXPECT_FALSE(game.b.uncovered[1]);
  repeated(QEvent::KeyRelease, Qt::Key_Space);  // the keyboard's repeat while held
  repeated(QEvent::KeyPress, Qt::Key_Space);
  EXPECT_FALSE(game.b.uncovered[1]);
  QTest::keyRelease(window(), Qt::Key_Space);
  EXPECT_TRUE(game.b.uncovered[1]);
  EXPECT_TRUE(form->second().isActive());
  EXPECT_FALSE(cellShowsItsPicture(1)) << "an action shows the cursor";

  key(Qt::Key_Right);
  key(Qt::Key_Enter);
  EXPECT_TRUE(game.b.uncovered[2]);
  key(Qt::Key_Right);
  key(Qt::Key_F);
  EXPECT_EQ(game.b.mark[3], kFlagMark);
  EXPECT_EQ(game.b.minesleft, 9);
  repeated(QEvent::KeyPress, Qt::Key_F);
  EXPECT_EQ(game.smile, pic::kSmile) << "one action per key press";

  // With Marks on, a "?" shows pressed while the key is down.
  form->action(Menu::mnuMarks)->trigger();
  key(Qt::Key_F);
  ASSERT_EQ(game.b.mark[3], kQuestionMark);
  QTest::keyPress(window(), Qt::Key_Return);
  EXPECT_EQ(game.box[3], pic::kQuestionPressed);
  EXPECT_FALSE(cellShowsItsPicture(3)) << "the cursor stays over the pressed picture";
  QTest::keyRelease(window(), Qt::Key_Return);
  EXPECT_TRUE(game.b.uncovered[3]);
}

TEST_F(KeyboardTest, AHeldKeyKeepsItsCellAndLetsGoWhenTheBoardCannotHearItsRelease) {
  layMines({10, 64});  // cells 1, 2, 3, 9, 11, 17, 18 and 19 show numbers
  QTest::keyPress(window(), Qt::Key_Space);
  key(Qt::Key_Right);
  QTest::keyRelease(window(), Qt::Key_Space);
  EXPECT_TRUE(game.b.uncovered[1]) << "the release goes to the pressed cell";
  EXPECT_FALSE(game.b.uncovered[2]);

  // The window disabled while F is down: its release acts on nothing.
  QTest::keyPress(window(), Qt::Key_F);
  form->setEnabled(false);
  form->setEnabled(true);
  EXPECT_EQ(form->focusWidget(), view()) << "the focus comes back with the input";
  QTest::keyRelease(window(), Qt::Key_F);
  EXPECT_EQ(game.b.mark[2], kNoMark);

  // The focus gone while Space is down: the mouse finds the board free.
  QTest::keyPress(window(), Qt::Key_Space);
  view()->clearFocus();
  click(3);
  EXPECT_TRUE(game.b.uncovered[3]);
  EXPECT_FALSE(game.b.uncovered[2]);

  // A mouse button whose release was lost to a disabled window does not
  // hold the board for the keys either.
  view()->setFocus();
  QTest::mousePress(view(), Qt::LeftButton, {}, centre(17));
  form->setEnabled(false);
  QTest::mouseRelease(form->menuWidget(), Qt::LeftButton, {}, QPoint(1, 1));
  form->setEnabled(true);
  key(Qt::Key_Space);
  EXPECT_TRUE(game.b.uncovered[2]);
  click(18);
  EXPECT_TRUE(game.b.uncovered[18]);
}

TEST_F(KeyboardTest, ANewBoardKeepsTheCursorsCellOrBringsItInside) {
  form->action(Menu::mnuHard)->trigger();
  goTo(20, 12);
  key(Qt::Key_F2);
  EXPECT_EQ(view()->cursorCell(), cellIndex(30, 20, 12));
  EXPECT_FALSE(cellShowsItsPicture(cellIndex(30, 20, 12))) << "still drawn on the new board";
  form->action(Menu::mnuBeginner)->trigger();
  EXPECT_EQ(view()->cursorCell(), 64);
  form->action(Menu::mnuIntermediate)->trigger();
  EXPECT_EQ(view()->cursorCell(), cellIndex(16, 7, 7));
}

TEST_F(KeyboardTest, AWholeBeginnerGameIsWonWithTheKeysAlone) {
  layMines(test::walledBoard());
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      const int cell = cellIndex(8, x, y);
      if (game.b.ismine[cell] || game.b.uncovered[cell]) continue;
      goTo(x, y);
      key(Qt::Key_Space);
    }
  }
  EXPECT_TRUE(game.b.won);
  EXPECT_EQ(game.smile, pic::kWon);
  EXPECT_FALSE(form->second().isActive());
}

// The cursor on every cell picture of every set, at scale 1 to 3: a dotted
// square 2 pixels in, every dot standing out from what it covers and every
// other pixel untouched.
TEST(KeyboardCursor, StandsOutOnEveryCellPictureAtEveryScale) {
  std::vector<int> pictures;
  for (int n = 0; n <= 8; ++n) pictures.push_back(pic::kUncovered + n);
  for (int p = pic::kCovered; p <= pic::kQuestionPressed; ++p) pictures.push_back(p);
  for (const TileSetChoice& set : kTileSetChoices) {
    for (int picture : pictures) {
      const QImage cell = images::toImage(*res::picture(picture + set.tileset));
      for (int scale = 1; scale <= 3; ++scale) {
        QImage under = cell.scaled(cell.size() * scale).convertToFormat(QImage::Format_RGB32);
        under.setDevicePixelRatio(scale);
        QImage drawn = under;
        QPainter painter(&drawn);
        drawCursor(painter, under, QRect(0, 0, 16, 16));
        painter.end();
        int dots = 0;
        for (int y = 0; y < 16; ++y) {
          for (int x = 0; x < 16; ++x) {
            const bool onSquare = (x == 2 || x == 13 || y == 2 || y == 13) && x >= 2 && x <= 13 && y >= 2 && y <= 13;
            const bool dot = onSquare && (x + y) % 2 == 0;
            dots += dot ? 1 : 0;
            for (int d = 0; d < scale * scale; ++d) {
              const QPoint at(x * scale + d % scale, y * scale + d / scale);
              const int contrast = std::abs(qGray(drawn.pixel(at)) - qGray(under.pixel(at)));
              if (dot) {
                ASSERT_GE(contrast, 96) << picture + set.tileset << " at " << x << "," << y << " scale " << scale;
              } else {
                ASSERT_EQ(drawn.pixel(at), under.pixel(at)) << picture + set.tileset << " at " << x << "," << y;
              }
            }
          }
        }
        ASSERT_EQ(dots, 22);
      }
    }
  }
}

}  // namespace
}  // namespace klandor::ui
