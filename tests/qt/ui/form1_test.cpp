// The real main window, offscreen: sizes, pixels, mouse capture, menus.
#include "qt/ui/form1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <functional>
#include <memory>

#include "board_shot.h"
#include "core/tile_sets.h"
#include "resources/picture_numbers.h"
#include "tests/qt/ui/window_fixture.h"
#include "qt/ui/board_view.h"

namespace klandor::ui {
namespace {

using test::shows;

class Form1Test : public test::WindowTest {
 protected:

  BoardView* view() const { return form->board(); }
  QImage grab() const { return test::grab(*view()); }

  QPoint centre(int index) const {
    const kit::Rect r = view()->layout().boxRect(index);
    return {r.x + r.w / 2, r.y + r.h / 2};
  }

  void click(int index, Qt::MouseButton button) {
    QTest::mousePress(view(), button, {}, centre(index));
    QTest::mouseRelease(view(), button, {}, centre(index));
  }

};

TEST_F(Form1Test, ClientAreaAndElementsOnEveryBoardSize) {
  auto expert = [this] { form->action(Menu::mnuHard)->trigger(); };
  auto largest = [this] {
    game.customFieldOk(30, 24, 10);
    form->sync();
  };
  for (auto [choose, across, down] : {std::tuple{std::function<void()>{}, 8, 8}, {expert, 30, 16}, {largest, 30, 24}}) {
    if (choose) choose();
    const kit::Layout l(across, down);
    ASSERT_EQ(view()->size(), QSize(16 * across + 24, 16 * down + 67));
    EXPECT_EQ(form->centralWidget(), view());
    EXPECT_EQ(form->size(), form->minimumSize()) << "fixed size";
    EXPECT_EQ(form->size(), form->maximumSize()) << "fixed size";

    const QImage shot = grab();
    for (const kit::Piece& p : l.background()) {
      if (p.picture == pic::kFrameM) {
        // The counter boxes and the face stand on the top band: compare the
        // columns left of the mine counter and those beside the face.
        EXPECT_TRUE(shows(shot, p.picture, p.rect, QRect(0, 0, 4, 55)));
        EXPECT_TRUE(shows(shot, p.picture, p.rect, QRect(l.smileRect(26).x - 12 - 3, 0, 3, 55)));
      } else if (p.picture == pic::kCounterBox) {
        // The digits cover its inside; its edges and the gaps between the
        // digits show.
        EXPECT_TRUE(shows(shot, p.picture, p.rect, QRect(0, 0, 41, 2)));
        EXPECT_TRUE(shows(shot, p.picture, p.rect, QRect(0, 23, 41, 2)));
        EXPECT_TRUE(shows(shot, p.picture, p.rect, QRect(0, 0, 2, 25)));
        EXPECT_TRUE(shows(shot, p.picture, p.rect, QRect(13, 0, 2, 25)));
        EXPECT_TRUE(shows(shot, p.picture, p.rect, QRect(39, 0, 2, 25)));
      } else {
        EXPECT_TRUE(shows(shot, p.picture, p.rect));
      }
    }
    EXPECT_TRUE(shows(shot, pic::kInitialFace, l.smileRect(26)));
    for (int i = 1; i <= across * down; ++i) ASSERT_TRUE(shows(shot, pic::kCovered, l.boxRect(i))) << i;
    const int mines = game.m.totalmines;
    const int cells = across * down;
    EXPECT_TRUE(shows(shot, pic::kDigit0 + mines / 100, l.boxRect(cells + 1)));
    EXPECT_TRUE(shows(shot, pic::kDigit0 + mines / 10 % 10, l.boxRect(cells + 2)));
    EXPECT_TRUE(shows(shot, pic::kDigit0 + mines % 10, l.boxRect(cells + 3)));
    for (int k = 4; k <= 6; ++k) EXPECT_TRUE(shows(shot, pic::kDigit0, l.boxRect(cells + k)));
  }
}

TEST_F(Form1Test, APressedCellTakesTheReleaseWhereverThePointerIs) {
  layMines({2, 61, 64});  // cells 1 and 60 both show numbers: no cascade
  QTest::mousePress(view(), Qt::LeftButton, {}, centre(1));
  EXPECT_TRUE(shows(grab(), pic::kSurprised, view()->layout().smileRect(25)));
  QTest::mouseRelease(view(), Qt::LeftButton, {}, centre(60));  // over another cell
  EXPECT_TRUE(game.b.uncovered[1]);
  EXPECT_FALSE(game.b.uncovered[60]);

  // Released far outside every element: still the pressed cell.
  QTest::mousePress(view(), Qt::RightButton, {}, centre(64));
  QTest::mouseRelease(view(), Qt::RightButton, {}, QPoint(2, 2));
  EXPECT_EQ(game.b.mark[64], kFlagMark);
  EXPECT_TRUE(shows(grab(), pic::kFlag, view()->layout().boxRect(64)));
  EXPECT_TRUE(shows(grab(), pic::kDigit0 + 9, view()->layout().boxRect(67)));  // counter 009
}

TEST_F(Form1Test, TheSecondButtonGoesToTheElementOfTheFirstPress) {
  layMines({11, 19});  // cells 10 and 20 both show numbers
  game.b.mark[10] = kQuestionMark;
  game.boxload(10, pic::kQuestion);
  QTest::mousePress(view(), Qt::RightButton, {}, centre(10));
  QTest::mousePress(view(), Qt::LeftButton, {}, centre(20));   // lands on cell 10 too
  QTest::mouseRelease(view(), Qt::RightButton, {}, centre(20), -1);
  EXPECT_EQ(game.b.mark[10], kNoMark);
  QTest::mouseRelease(view(), Qt::LeftButton, {}, centre(20));
  EXPECT_TRUE(game.b.uncovered[10]);
  EXPECT_FALSE(game.b.uncovered[20]);
}

TEST_F(Form1Test, ClockRunsFromTheFirstLeftReleaseUntilTheLoss) {
  layMines({64});
  EXPECT_FALSE(form->second().isActive());
  click(1, Qt::RightButton);
  EXPECT_FALSE(form->second().isActive());
  click(1, Qt::LeftButton);  // on the flag: starts the clock all the same
  EXPECT_TRUE(form->second().isActive());
  EXPECT_TRUE(shows(grab(), pic::kDigit0 + 1, view()->layout().boxRect(70)));
  click(64, Qt::LeftButton);
  EXPECT_FALSE(form->second().isActive());
  const QImage shot = grab();
  EXPECT_TRUE(shows(shot, pic::kMineHit, view()->layout().boxRect(64)));
  EXPECT_TRUE(shows(shot, pic::kLost, view()->layout().smileRect(25)));
}

TEST_F(Form1Test, TheFaceShowsPressedThenStartsANewBoard) {
  layMines({64});
  click(1, Qt::LeftButton);
  const kit::Rect face = view()->layout().smileRect(26);
  QTest::mousePress(view(), Qt::LeftButton, {}, QPoint(face.x + 5, face.y + 5));
  EXPECT_TRUE(shows(grab(), pic::kSmilePressed, view()->layout().smileRect(25)));
  QTest::mouseRelease(view(), Qt::LeftButton, {}, QPoint(face.x + 5, face.y + 5));
  const QImage shot = grab();
  EXPECT_TRUE(shows(shot, pic::kInitialFace, face));
  EXPECT_TRUE(shows(shot, pic::kCovered, view()->layout().boxRect(1)));
  EXPECT_FALSE(form->second().isActive());
}

TEST_F(Form1Test, AFacePressCutOffFromItsReleaseStillMakesTheNewBoard) {
  layMines({64});
  click(1, Qt::LeftButton);
  const kit::Rect face = view()->layout().smileRect(26);
  QTest::mousePress(view(), Qt::LeftButton, {}, QPoint(face.x + 5, face.y + 5));
  form->setEnabled(false);  // the release will not reach the board
  form->setEnabled(true);
  QTest::mouseRelease(view(), Qt::LeftButton, {}, QPoint(face.x + 5, face.y + 5));
  EXPECT_TRUE(allCovered());
  EXPECT_TRUE(shows(grab(), pic::kInitialFace, face));
}

TEST_F(Form1Test, MenuBarAsDesigned) {
  const QList<QAction*> bar = form->menuBar()->actions();
  ASSERT_EQ(bar.size(), 2);
  EXPECT_EQ(bar[0]->text(), "&Game");
  EXPECT_EQ(bar[1]->text(), "&Help");
  QStringList game, help;
  for (QAction* a : bar[0]->menu()->actions()) game << (a->isSeparator() ? "-" : a->text());
  for (QAction* a : bar[1]->menu()->actions()) help << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(game, QStringList({"&New Game", "-", "&Beginner", "&Intermediate", "&Expert", "&Custom...", "-",
                               "&Marks (?)", "Co&lor", "Tile &Set", "&Options", "-", "Best &Times...",
                               "St&atistics...", "-", "E&xit"}));
  QStringList options;
  for (QAction* a : form->action(Menu::mnuOptions)->menu()->actions()) {
    options << a->text();
    EXPECT_TRUE(a->isCheckable() && !a->isChecked()) << "off at the first start";
  }
  EXPECT_EQ(options, QStringList({"&Chording", "Click &Numbers to Chord", "&Guess-Free Boards",
                                  "Remember &Level and Look", "Keep &Statistics"}));
  EXPECT_EQ(help, QStringList({"&Help Topics", "-", "&About Klandor"}));
  EXPECT_EQ(form->action(Menu::mnuNew)->shortcut(), QKeySequence(Qt::Key_F2));
  EXPECT_FALSE(form->action(Menu::mnuHelpT)->isEnabled());
  EXPECT_TRUE(form->action(Menu::mnuBeginner)->isChecked());
  EXPECT_TRUE(form->action(Menu::mnuColor)->isChecked());
  EXPECT_FALSE(form->action(Menu::mnuMarks)->isChecked());
  EXPECT_EQ(form->windowTitle(), "Klandor");
  EXPECT_FALSE(form->windowIcon().isNull());
}

// Every item of a menu can be reached by its own access key.
void expectUniqueAccessKeys(const QMenu* menu) {
  QSet<QChar> keys;
  for (QAction* a : menu->actions()) {
    if (a->isSeparator()) continue;
    const qsizetype amp = a->text().indexOf('&');
    ASSERT_GE(amp, 0) << a->text().toStdString();
    EXPECT_FALSE(keys.contains(a->text()[amp + 1].toLower())) << a->text().toStdString();
    keys.insert(a->text()[amp + 1].toLower());
    if (a->menu() != nullptr) expectUniqueAccessKeys(a->menu());
  }
}

TEST_F(Form1Test, TileSetSubmenuChecksOnlyTheSetInForce) {
  for (QAction* bar : form->menuBar()->actions()) expectUniqueAccessKeys(bar->menu());
  ASSERT_EQ(form->action(Menu::mnuTiles)->menu()->actions().size(), static_cast<qsizetype>(kTileSetChoices.size()));
  for (const TileSetChoice& choice : kTileSetChoices) {
    form->action(choice.item)->trigger();
    for (const TileSetChoice& other : kTileSetChoices) {
      EXPECT_EQ(form->action(other.item)->isChecked(), other.item == choice.item) << design(other.item).name;
    }
    EXPECT_EQ(form->action(Menu::mnuColor)->isChecked(), choice.tileset == pic::kColourTiles);
    EXPECT_TRUE(shows(grab(), pic::kCovered + choice.tileset, view()->layout().boxRect(1)));
  }
  form->action(Menu::mnuTileDice)->trigger();  // picking the set in force again keeps its mark
  EXPECT_TRUE(form->action(Menu::mnuTileDice)->isChecked());
  form->action(Menu::mnuColor)->trigger();
  EXPECT_TRUE(form->action(Menu::mnuTileColor)->isChecked());
  EXPECT_FALSE(form->action(Menu::mnuTileDice)->isChecked());
}

TEST_F(Form1Test, MenuCommandsMirrorTheGame) {
  form->action(Menu::mnuMarks)->trigger();
  EXPECT_TRUE(form->action(Menu::mnuMarks)->isChecked());
  form->action(Menu::mnuIntermediate)->trigger();
  EXPECT_TRUE(form->action(Menu::mnuIntermediate)->isChecked());
  EXPECT_FALSE(form->action(Menu::mnuBeginner)->isChecked());
  EXPECT_FALSE(form->action(Menu::mnuMarks)->isChecked()) << "a new board turns Marks off";
  EXPECT_EQ(view()->size(), QSize(16 * 16 + 24, 16 * 16 + 67));

  form->action(Menu::mnuColor)->trigger();
  EXPECT_FALSE(form->action(Menu::mnuColor)->isChecked());
  EXPECT_TRUE(shows(grab(), pic::kCovered + pic::kMonochromeTiles, view()->layout().boxRect(1)));

  // The Custom item keeps its mark as the game has it until the dialog's OK.
  form->action(Menu::mnuCustom)->trigger();
  EXPECT_FALSE(form->action(Menu::mnuCustom)->isChecked());
  EXPECT_TRUE(form->action(Menu::mnuIntermediate)->isChecked());

  session.form3().close();

  EXPECT_CALL(prompts, inform("About Klandor", ::testing::_, ::testing::_));
  form->action(Menu::mnuAbout)->trigger();
}

TEST_F(Form1Test, F2StartsANewGame) {
  layMines({64});
  click(1, Qt::LeftButton);
  ASSERT_TRUE(form->second().isActive());
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  QTest::keyClick(form.get(), Qt::Key_F2);
  EXPECT_FALSE(form->second().isActive());
  EXPECT_FALSE(game.b.uncovered[1]);
  EXPECT_EQ(game.b.minesplaced, kFalse);
}

TEST_F(Form1Test, AButtonHeldAcrossANewBoardIsNotReleasedOntoIt) {
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  QTest::mousePress(view(), Qt::LeftButton, {}, centre(10));
  QTest::keyClick(form.get(), Qt::Key_F2);
  QTest::mouseRelease(view(), Qt::LeftButton, {}, centre(10));
  EXPECT_EQ(game.b.minesplaced, kFalse);
  EXPECT_FALSE(form->second().isActive());

  QTest::mousePress(view(), Qt::RightButton, {}, centre(10));
  form->action(Menu::mnuIntermediate)->trigger();
  QTest::mouseRelease(view(), Qt::RightButton, {}, centre(10));
  EXPECT_EQ(game.b.minesplaced, kFalse);
  EXPECT_EQ(game.b.mark[10], kNoMark);
  EXPECT_TRUE(allCovered());
}

// Through Qt's own routing of the window's events: a menu opened from the
// keyboard while a button is held on the board takes that button's release.
TEST_F(Form1Test, AReleaseLostToAMenuEndsTheCaptureAtTheNextPress) {
  layMines({11, 19});  // cells 10 and 20 both show numbers
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  QWindow* window = form->windowHandle();
  auto at = [&](int index) { return view()->mapTo(form.get(), centre(index)); };
  QTest::mousePress(window, Qt::LeftButton, {}, at(10));
  QTest::keyClick(window, Qt::Key_G, Qt::AltModifier);
  ASSERT_NE(QApplication::activePopupWidget(), nullptr) << "the Game menu is open";
  QTest::mouseRelease(window, Qt::LeftButton, {}, at(10));
  if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
  EXPECT_FALSE(game.b.uncovered[10]) << "the board never saw the release";

  QTest::mouseClick(window, Qt::LeftButton, {}, at(20));
  EXPECT_TRUE(game.b.uncovered[20]) << "the new press is its own";
  EXPECT_FALSE(game.b.uncovered[10]);
}

TEST_F(Form1Test, WholeScaleFactorsKeepEveryPixelSquare) {
  layMines({64});
  click(1, Qt::LeftButton);
  const QImage one = grab();
  QImage two(view()->size() * 2, QImage::Format_RGB32);
  two.setDevicePixelRatio(2);
  QPainter painter(&two);
  view()->render(&painter);
  painter.end();
  for (int y = 0; y < one.height(); ++y)
    for (int x = 0; x < one.width(); ++x)
      for (int d = 0; d < 4; ++d)
        ASSERT_EQ(two.pixel(2 * x + d % 2, 2 * y + d / 2), one.pixel(x, y)) << x << "," << y;
}

TEST_F(Form1Test, ABoardOfAnotherSizeKeepsTheWindowCentredOnTheScreen) {
  const QRect screen = form->screen()->availableGeometry();
  EXPECT_EQ(form->frameGeometry().center(), screen.center()) << "opens centred";
  form->move(screen.topLeft() + QPoint(300, 100));
  const QPoint centre = form->frameGeometry().center();
  form->action(Menu::mnuIntermediate)->trigger();
  EXPECT_LE((form->frameGeometry().center() - centre).manhattanLength(), 1);
  form->action(Menu::mnuHard)->trigger();  // wider than the room right of the centre
  EXPECT_TRUE(screen.contains(form->frameGeometry())) << "kept on the screen";
  const QPoint placed = form->pos();
  form->action(Menu::mnuNew)->trigger();
  EXPECT_EQ(form->pos(), placed) << "a new board of the same size stays put";
}

}  // namespace
}  // namespace klandor::ui
