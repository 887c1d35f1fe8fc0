// The whole game through the real window: a won game records its time, the
// Best Times dialog shows it, the Custom Field starts its board.
#include "qt/dialogs/game_dialog.h"
#include "qt/ui/form1.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QApplication>
#include <QDialog>

#include "board_shot.h"
#include "resources/picture_numbers.h"
#include "tests/qt/ui/window_fixture.h"
#include "qt/ui/board_view.h"

namespace klandor::ui {
namespace {

using ::testing::_;

class SessionWindowTest : public test::WindowTest {
 protected:
  BoardView* view() { return form->board(); }
  GameDialog* form2() { return form->dialog(session.form2()); }
  GameDialog* form3() { return form->dialog(session.form3()); }

  void click(int index, Qt::MouseButton button = Qt::LeftButton) {
    const kit::Rect r = view()->layout().boxRect(index);
    const QPoint at(r.x + r.w / 2, r.y + r.h / 2);
    QTest::mousePress(view(), button, {}, at);
    QTest::mouseRelease(view(), button, {}, at);
  }

  // Mines only in the bottom row's first cells, so one release on the top
  // left corner opens every other cell.
  void mineBottomRow() {
    Game& g = session.game();
    for (int x = 0; x < g.m.totalmines; ++x) g.b.ismine[cellIndex(g.m.across, x % g.m.across, g.m.down - 1 - x / g.m.across)] = true;
    g.minecheck();
    g.b.minesplaced = kTrue;
  }

  QString caption(const char* name) {
    return form2()->findChild<QLabel*>(name)->text();
  }

  // The record prompt, answered once the window behind it has been looked
  // at: the won face, the released cell uncovered and the clock stopped.
  void expectPromptOverTheWonBoard(int released) {
    EXPECT_CALL(prompts, inputBox("You have the fastest time for this level. Please type your name:",
                                  "Congratulations", "MrNobody"))
        .WillOnce([this, released] {
          const QImage shot = test::grab(*view());
          EXPECT_TRUE(test::shows(shot, pic::kWon, view()->layout().smileRect(25)));
          EXPECT_TRUE(test::shows(shot, pic::kUncovered, view()->layout().boxRect(released)));
          EXPECT_FALSE(form->second().isActive());
          return std::string("Ann");
        });
  }
};

TEST_F(SessionWindowTest, AWonBeginnerGameRecordsItsTimeThroughTheWindow) {
  EXPECT_EQ(test::readBytes(dir / "minebs.txt"), test::kDefaultFile) << "made at the first load";
  mineBottomRow();
  expectPromptOverTheWonBoard(1);
  click(1);  // the clock shows 1 and the whole board opens: won at the first release, in 1 second

  EXPECT_EQ(session.game().smile, pic::kWon);
  EXPECT_EQ(test::readBytes(dir / "minebs.txt"), "\"  1999999Ann     MrNobodyMrNobody\"\r\n");
  ASSERT_NE(form2(), nullptr);
  EXPECT_TRUE(form2()->isVisible());
  EXPECT_FALSE(form->isEnabled()) << "the dialog stands over a disabled main window";
  EXPECT_EQ(caption("Best0"), "  1 seconds");
  EXPECT_EQ(caption("Best3"), "Ann     ");

  form2()->findChild<QPushButton*>("OK")->click();
  EXPECT_FALSE(form2()->isVisible());
  EXPECT_TRUE(form->isEnabled());
}

TEST_F(SessionWindowTest, AWinWithTheClockRunningShowsTheWonBoardBehindThePrompt) {
  mineBottomRow();
  click(cellIndex(8, 0, 5));  // a number beside the mines: the clock runs
  ASSERT_TRUE(form->second().isActive());
  expectPromptOverTheWonBoard(1);
  click(1);
}

// Right held on the last safe cell, a left click there wins; the record
// prompt swallows the right button's release.
TEST_F(SessionWindowTest, AButtonHeldThroughTheRecordPromptLetsGoOfItsCell) {
  mineBottomRow();
  Game& g = session.game();
  for (int c = 2; c <= g.cells(); ++c)
    if (!g.b.ismine[c]) g.b.uncover(c);
  const kit::Rect cell = view()->layout().boxRect(1);
  const QPoint at(cell.x + cell.w / 2, cell.y + cell.h / 2);
  EXPECT_CALL(prompts, inputBox(_, _, _)).WillOnce([&] {
    // A modal box stands over the window while the button is let go.
    QDialog box(form.get());
    box.setModal(true);
    box.show();
    QTest::mouseRelease(form->windowHandle(), Qt::RightButton, {}, view()->mapTo(form.get(), at));
    return std::string("Ann");
  });
  QTest::mousePress(view(), Qt::RightButton, {}, at);
  click(1);
  ASSERT_TRUE(session.game().b.won);
  form2()->findChild<QPushButton*>("OK")->click();

  const kit::Rect face = view()->layout().smileRect(25);
  const QPoint onFace(face.x + face.w / 2, face.y + face.h / 2);
  QTest::mousePress(view(), Qt::LeftButton, {}, onFace);
  EXPECT_EQ(session.game().smile, pic::kSmilePressed);
  QTest::mouseRelease(view(), Qt::LeftButton, {}, onFace);
  EXPECT_FALSE(session.game().b.won);
  EXPECT_FALSE(session.game().b.uncovered[1]) << "a new board";
}

TEST_F(SessionWindowTest, TheBestTimesMenuItemOpensTheDialogOverTheWindow) {
  form->action(Menu::mnuBest)->trigger();
  ASSERT_NE(form2(), nullptr);
  EXPECT_TRUE(form2()->isVisible());
  EXPECT_EQ(form2()->windowTitle(), "\"999999999MrNobodyMrNobodyMrNobody\"");
  EXPECT_FALSE(form->isEnabled());
  form2()->close();  // through its frame: like OK
  EXPECT_TRUE(form->isEnabled());
  QTest::keyClick(form->windowHandle(), Qt::Key_Down);
  EXPECT_EQ(view()->cursorCell(), 9) << "the keys play the board again";
}

TEST_F(SessionWindowTest, TheCustomFieldStartsItsBoardOnlyOnOk) {
  mineBottomRow();
  click(cellIndex(8, 0, 5));  // a number beside the mines: a game in play
  form->action(Menu::mnuCustom)->trigger();
  ASSERT_NE(form3(), nullptr);
  EXPECT_FALSE(form->isEnabled());

  form3()->findChild<QPushButton*>("Cancel")->click();
  EXPECT_TRUE(form->isEnabled());
  EXPECT_EQ(session.game().b.levelnum, 1);
  EXPECT_EQ(session.game().b.minesplaced, kTrue) << "the game in play goes on";
  EXPECT_TRUE(session.game().b.playing);
  EXPECT_TRUE(session.game().b.uncovered[cellIndex(8, 0, 5)]);
  EXPECT_TRUE(form->second().isActive());

  form->action(Menu::mnuCustom)->trigger();
  form3()->findChild<QLineEdit*>("Acr")->setText("100");
  form3()->findChild<QLineEdit*>("Dwn")->setText("2");
  form3()->findChild<QLineEdit*>("TM")->setText("5");
  form3()->findChild<QPushButton*>("OK")->click();
  EXPECT_TRUE(form->isEnabled());
  EXPECT_EQ(session.game().b.levelnum, 4);
  EXPECT_TRUE(form->action(Menu::mnuCustom)->isChecked());
  EXPECT_EQ(view()->size(), QSize(16 * 30 + 24, 16 * 8 + 67));
  EXPECT_EQ(session.game().m.totalmines, 10);
}

TEST_F(SessionWindowTest, ClosingTheMainWindowEndsTheGameEvenWithADialogOpen) {
  form->action(Menu::mnuBest)->trigger();
  QTimer::singleShot(0, form.get(), [this] { form->close(); });
  QTimer::singleShot(5000, [] { QApplication::exit(1); });  // only if nothing ends the loop
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_EQ(test::readBytes(dir / "minebs.txt"), test::kDefaultFile) << "nothing written";
}

}  // namespace
}  // namespace klandor::ui
