// The board as an assistive tool reads it and acts on it, offscreen.
#include <QtGui/private/qguiapplication_p.h>
#include <gtest/gtest.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessible>
#include <QTest>
#include <memory>
#include <vector>

#include "core/tile_sets.h"
#include "resources/picture_numbers.h"
#include "tests/qt/ui/window_fixture.h"
#include "qt/ui/board_view.h"
#include "qt/ui/form1.h"

namespace klandor::ui {
namespace {

class AccessibleTest : public test::WindowTest {
 protected:

  QAccessibleInterface* board() const { return QAccessible::queryAccessibleInterface(form->board()); }
  QAccessibleInterface* counter() const { return board()->child(0); }
  QAccessibleInterface* face() const { return board()->child(1); }
  QAccessibleInterface* clock() const { return board()->child(2); }
  QAccessibleInterface* minefield() const { return board()->child(3); }
  QAccessibleInterface* cell(int index) const { return minefield()->child(index - 1); }

  static std::string name(QAccessibleInterface* iface) { return iface->text(QAccessible::Name).toStdString(); }
  static std::string state(QAccessibleInterface* face) { return face->text(QAccessible::Description).toStdString(); }
  static void act(QAccessibleInterface* iface, const QString& action = QAccessibleActionInterface::pressAction()) {
    iface->actionInterface()->doAction(action);
  }

};

TEST_F(AccessibleTest, TheBoardReadsAsCounterFaceClockAndATableOfCells) {
  ASSERT_EQ(board()->childCount(), 4);
  EXPECT_EQ(counter()->role(), QAccessible::StaticText);
  EXPECT_EQ(name(counter()), "Mines left: 10");
  EXPECT_EQ(face()->role(), QAccessible::PushButton);
  EXPECT_EQ(name(face()), "New game");
  EXPECT_EQ(state(face()), "Game in play");
  EXPECT_EQ(name(clock()), "Time: 0 seconds");
  EXPECT_EQ(board()->indexOfChild(clock()), 2);

  form->action(Menu::mnuHard)->trigger();
  QAccessibleTableInterface* table = minefield()->tableInterface();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rowCount(), 16);
  EXPECT_EQ(table->columnCount(), 30);
  EXPECT_EQ(minefield()->childCount(), 480);
  QAccessibleInterface* c = table->cellAt(2, 29);
  ASSERT_EQ(c, cell(cellIndex(30, 29, 2)));
  EXPECT_EQ(c->role(), QAccessible::Cell);
  EXPECT_EQ(c->parent(), minefield());
  EXPECT_EQ(minefield()->indexOfChild(c), cellIndex(30, 29, 2) - 1);
  EXPECT_EQ(c->tableCellInterface()->rowIndex(), 2);
  EXPECT_EQ(c->tableCellInterface()->columnIndex(), 29);
  EXPECT_EQ(state(c), "Row 3, column 30");
  const QPoint middle = c->rect().center();  // where it is drawn
  EXPECT_EQ(minefield()->childAt(middle.x(), middle.y()), c);
  EXPECT_EQ(board()->childAt(middle.x(), middle.y()), minefield());
}

TEST_F(AccessibleTest, EveryTileSetsPicturesReadTheSame) {
  const std::pair<int, const char*> names[] = {
      {pic::kCovered, "covered"},     {pic::kFlag, "flag"},       {pic::kQuestionPressed, "question mark"},
      {pic::kUncovered, "empty"},     {pic::kUncovered + 1, "1 mine around"},
      {pic::kUncovered + 8, "8 mines around"}, {pic::kMine, "mine"}, {pic::kWrongFlag, "wrong flag"},
  };
  for (const TileSetChoice& set : kTileSetChoices) {
    form->action(set.item)->trigger();
    for (auto [picture, expected] : names) {
      game.boxload(5, picture);
      EXPECT_EQ(name(cell(5)), expected) << picture + set.tileset;
    }
  }
}

TEST_F(AccessibleTest, ActionsPlayTheCellsAndTheFaceAsTheMouseWould) {
  layMines({10, 64});
  act(cell(1));
  EXPECT_EQ(name(cell(1)), "1 mine around");
  EXPECT_EQ(name(clock()), "Time: 1 second");
  EXPECT_EQ(game.smile, pic::kSmile) << "pressed and released";
  ASSERT_EQ(cell(2)->actionInterface()->actionNames(), QStringList({QAccessibleActionInterface::pressAction(), "Flag"}));
  for (int c : {2, 3, 4, 5, 6, 7, 9, 11, 12, 13, 14}) act(cell(c), "Flag");
  EXPECT_EQ(name(counter()), "Mines left: -1");

  form->setEnabled(false);
  act(cell(64));
  EXPECT_EQ(name(cell(64)), "covered") << "a disabled window takes no action";
  form->setEnabled(true);
  act(cell(10));
  EXPECT_EQ(name(cell(10)), "exploded mine");
  EXPECT_EQ(name(cell(3)), "wrong flag");
  EXPECT_EQ(state(face()), "Game lost");

  act(face());
  EXPECT_EQ(name(cell(10)), "covered") << "a new board";
  EXPECT_EQ(name(counter()), "Mines left: 10");
  EXPECT_EQ(state(face()), "Game in play");
}

TEST_F(AccessibleTest, ANumberOffersItsChordWhileAChordOptionIsOn) {
  layMines(test::cornerBoard());
  act(cell(1));
  act(cell(10), "Flag");
  EXPECT_EQ(cell(1)->actionInterface()->actionNames().size(), 2) << "all options off";
  settings.options.clickNumbersToChord = true;
  EXPECT_EQ(cell(2)->actionInterface()->actionNames().size(), 2) << "a covered cell";
  QAccessibleActionInterface* number = cell(1)->actionInterface();
  ASSERT_EQ(number->actionNames().value(2), "Chord");
  EXPECT_EQ(number->localizedActionName("Chord"), "Chord");
  act(cell(1), "Chord");
  EXPECT_EQ(name(cell(2)), "1 mine around");
  EXPECT_EQ(name(cell(9)), "1 mine around");
}

// With a tool listening, every change is told as it happens.
std::vector<std::pair<QAccessible::Event, QAccessibleInterface*>> heard;

class ListeningTest : public AccessibleTest {
 protected:
  void SetUp() override {
    AccessibleTest::SetUp();
    heard.clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent* e) { heard.emplace_back(e->type(), e->accessibleInterface()); });
    platform()->setActive(true);
  }
  void TearDown() override {
    platform()->setActive(false);
    QAccessible::installUpdateHandler(nullptr);
  }
  static QPlatformAccessibility* platform() { return QGuiApplicationPrivate::platformIntegration()->accessibility(); }
  static int told(QAccessible::Event type, QAccessibleInterface* about) {
    return static_cast<int>(std::count(heard.begin(), heard.end(), std::pair(type, about)));
  }
  void key(Qt::Key k) {
    heard.clear();
    QTest::keyClick(form->windowHandle(), k);
  }
};

TEST_F(ListeningTest, ChangesAreToldAsTheyHappen) {
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  layMines(test::walledBoard());
  form->board()->clearFocus();
  heard.clear();
  form->board()->setFocus();
  QApplication::processEvents();
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard.back(), std::pair(QAccessible::Focus, cell(1))) << "after the board's own focus";

  key(Qt::Key_Right);
  EXPECT_EQ(told(QAccessible::Focus, cell(2)), 1);
  EXPECT_TRUE(cell(2)->state().focused);
  key(Qt::Key_F);
  EXPECT_EQ(told(QAccessible::NameChanged, cell(2)), 1);
  EXPECT_EQ(told(QAccessible::NameChanged, counter()), 1);
  EXPECT_EQ(told(QAccessible::NameChanged, cell(3)), 0);
  key(Qt::Key_F);
  key(Qt::Key_Space);  // opens rows 0 to 5
  EXPECT_EQ(told(QAccessible::NameChanged, cell(41)), 1);
  EXPECT_EQ(told(QAccessible::NameChanged, clock()), 1);
  EXPECT_EQ(told(QAccessible::DescriptionChanged, face()), 0) << "still in play";

  heard.clear();
  act(cell(49));
  EXPECT_EQ(told(QAccessible::DescriptionChanged, face()), 1) << "lost";
  QAccessibleInterface* old = cell(2);
  key(Qt::Key_F2);
  EXPECT_EQ(told(QAccessible::TableModelChanged, minefield()), 1);
  EXPECT_EQ(told(QAccessible::DescriptionChanged, face()), 1) << "in play again";
  EXPECT_NE(cell(2), old) << "the cells of a new board are new";
  EXPECT_EQ(told(QAccessible::Focus, cell(2)), 1);
}

TEST_F(ListeningTest, APressedQuestionMarkOfEveryTileSetIsNoNewName) {
  for (const TileSetChoice& set : kTileSetChoices) {
    form->action(set.item)->trigger();
    game.b.mark[1] = kQuestionMark;
    game.boxload(1, pic::kQuestion);
    form->sync();
    heard.clear();
    QTest::keyPress(form->windowHandle(), Qt::Key_F);  // on the cursor's cell
    ASSERT_EQ(game.box[1], pic::kQuestionPressed + set.tileset);
    EXPECT_EQ(told(QAccessible::NameChanged, cell(1)), 0) << set.tileset;
    QTest::keyRelease(form->windowHandle(), Qt::Key_F);
    EXPECT_EQ(told(QAccessible::NameChanged, cell(1)), 1) << "now covered";
  }
}

}  // namespace
}  // namespace klandor::ui
