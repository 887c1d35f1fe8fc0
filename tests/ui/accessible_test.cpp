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
#include "tests/core/game_fixture.h"
#include "ui/board_view.h"
#include "ui/form1.h"

namespace klandor::ui {
namespace {

class AccessibleTest : public test::GameTest {
 protected:
  void SetUp() override {
    form = std::make_unique<Form1>(game);
    form->show();
  }

  QAccessibleInterface* board() const { return QAccessible::queryAccessibleInterface(form->board()); }
  QAccessibleInterface* part(int i) const { return board()->child(i); }
  QAccessibleInterface* counter() const { return part(0); }
  QAccessibleInterface* face() const { return part(1); }
  QAccessibleInterface* clock() const { return part(2); }
  QAccessibleInterface* minefield() const { return part(3); }
  QAccessibleInterface* cell(int index) const { return minefield()->child(index - 1); }

  static std::string name(QAccessibleInterface* iface) { return iface->text(QAccessible::Name).toStdString(); }
  static void act(QAccessibleInterface* iface, const QString& action) { iface->actionInterface()->doAction(action); }
  static const QString& press() { return QAccessibleActionInterface::pressAction(); }

  BoardView* view() const { return form->board(); }
  std::unique_ptr<Form1> form;
};

TEST_F(AccessibleTest, TheBoardReadsAsCounterFaceClockAndATableOfCells) {
  ASSERT_EQ(board()->childCount(), 4);
  EXPECT_EQ(counter()->role(), QAccessible::StaticText);
  EXPECT_EQ(name(counter()), "Mines left: 10");
  EXPECT_EQ(face()->role(), QAccessible::PushButton);
  EXPECT_EQ(name(face()), "New game");
  EXPECT_EQ(face()->text(QAccessible::Description), "Game in play");
  EXPECT_EQ(name(clock()), "Time: 0 seconds");
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(part(i)->parent(), board());
    EXPECT_EQ(board()->indexOfChild(part(i)), i);
  }

  form->action(Menu::mnuHard)->trigger();
  QAccessibleTableInterface* table = minefield()->tableInterface();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(minefield()->role(), QAccessible::Table);
  EXPECT_EQ(table->rowCount(), 16);
  EXPECT_EQ(table->columnCount(), 30);
  EXPECT_EQ(minefield()->childCount(), 480);
  QAccessibleInterface* c = table->cellAt(2, 29);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c, cell(cellIndex(30, 29, 2)));
  EXPECT_EQ(c->role(), QAccessible::Cell);
  EXPECT_EQ(c->parent(), minefield());
  EXPECT_EQ(minefield()->indexOfChild(c), cellIndex(30, 29, 2) - 1);
  EXPECT_EQ(c->tableCellInterface()->rowIndex(), 2);
  EXPECT_EQ(c->tableCellInterface()->columnIndex(), 29);
  EXPECT_EQ(c->text(QAccessible::Description), "Row 3, column 30");
  EXPECT_EQ(table->cellAt(16, 0), nullptr);

  // Each part lies where it is drawn.
  const QPoint middle = c->rect().center();
  EXPECT_EQ(minefield()->childAt(middle.x(), middle.y()), c);
  EXPECT_EQ(board()->childAt(middle.x(), middle.y()), minefield());
  const QPoint onFace = face()->rect().center();
  EXPECT_EQ(board()->childAt(onFace.x(), onFace.y()), face());
  const QPoint onClock = clock()->rect().center();
  EXPECT_EQ(board()->childAt(onClock.x(), onClock.y()), clock());
}

TEST_F(AccessibleTest, EveryTileSetsPicturesReadTheSame) {
  const std::pair<int, const char*> names[] = {
      {pic::kCovered, "covered"},        {pic::kFlag, "flag"},
      {pic::kQuestion, "question mark"}, {pic::kQuestionPressed, "question mark"},
      {pic::kUncovered, "empty"},        {pic::kUncovered + 1, "1 mine around"},
      {pic::kUncovered + 8, "8 mines around"}, {pic::kMine, "mine"},
      {pic::kMineHit, "exploded mine"},  {pic::kWrongFlag, "wrong flag"},
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
  act(cell(1), press());
  EXPECT_TRUE(game.b.uncovered[1]);
  EXPECT_EQ(name(cell(1)), "1 mine around");
  EXPECT_EQ(name(clock()), "Time: 1 second");
  EXPECT_EQ(game.smile, pic::kSmile) << "pressed and released";

  ASSERT_EQ(cell(2)->actionInterface()->actionNames(), QStringList({press(), "Flag"}));
  for (int c : {2, 3, 4, 5, 6, 7, 9, 11, 12, 13, 14}) act(cell(c), "Flag");
  EXPECT_EQ(name(cell(2)), "flag");
  EXPECT_EQ(name(counter()), "Mines left: -1");

  form->setEnabled(false);
  act(cell(64), press());
  EXPECT_EQ(name(cell(64)), "covered") << "a disabled window takes no action";
  form->setEnabled(true);

  act(cell(10), press());
  EXPECT_EQ(name(cell(10)), "exploded mine");
  EXPECT_EQ(name(cell(64)), "mine");
  EXPECT_EQ(name(cell(3)), "wrong flag");
  EXPECT_EQ(face()->text(QAccessible::Description), "Game lost");

  act(face(), press());
  EXPECT_EQ(game.b.minesplaced, kFalse) << "a new board";
  EXPECT_EQ(name(cell(1)), "covered");
  EXPECT_EQ(name(counter()), "Mines left: 10");
  EXPECT_EQ(name(clock()), "Time: 0 seconds");
  EXPECT_EQ(face()->text(QAccessible::Description), "Game in play");
}

// With a tool listening, every change is told as it happens.
class ListeningTest : public AccessibleTest {
 protected:
  struct Heard {
    QAccessible::Event type;
    QAccessibleInterface* about;
  };

  void SetUp() override {
    AccessibleTest::SetUp();
    heard().clear();
    QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
      heard().push_back({event->type(), event->accessibleInterface()});
    });
    platform()->setActive(true);
  }
  void TearDown() override {
    platform()->setActive(false);
    QAccessible::installUpdateHandler(nullptr);
  }

  static QPlatformAccessibility* platform() { return QGuiApplicationPrivate::platformIntegration()->accessibility(); }
  static std::vector<Heard>& heard() {
    static std::vector<Heard> events;
    return events;
  }
  // How often `type` was told about `about` since the last look.
  int told(QAccessible::Event type, QAccessibleInterface* about) {
    int n = 0;
    for (const Heard& h : heard()) n += h.type == type && h.about == about ? 1 : 0;
    return n;
  }
  void forget() { heard().clear(); }
};

TEST_F(ListeningTest, ChangesAreToldAsTheyHappen) {
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  layMines(test::walledBoard());
  view()->clearFocus();
  forget();
  view()->setFocus();
  QApplication::processEvents();
  ASSERT_FALSE(heard().empty());
  EXPECT_EQ(heard().back().type, QAccessible::Focus);
  EXPECT_EQ(heard().back().about, cell(1)) << "the focus ends on the cursor's cell";

  forget();
  QTest::keyClick(form->windowHandle(), Qt::Key_Right);
  EXPECT_EQ(told(QAccessible::Focus, cell(2)), 1);
  EXPECT_TRUE(cell(2)->state().focused);
  EXPECT_FALSE(cell(1)->state().focused);

  forget();
  QTest::keyClick(form->windowHandle(), Qt::Key_F);
  EXPECT_EQ(told(QAccessible::NameChanged, cell(2)), 1);
  EXPECT_EQ(told(QAccessible::NameChanged, counter()), 1);
  EXPECT_EQ(told(QAccessible::NameChanged, cell(3)), 0);
  QTest::keyClick(form->windowHandle(), Qt::Key_F);

  forget();
  QTest::keyClick(form->windowHandle(), Qt::Key_Space);  // opens rows 0 to 5
  EXPECT_EQ(told(QAccessible::NameChanged, cell(41)), 1);
  EXPECT_EQ(told(QAccessible::NameChanged, clock()), 1);
  EXPECT_EQ(told(QAccessible::DescriptionChanged, face()), 0) << "still in play";
  game.Second_Timer();  // a tick of the clock
  form->sync();
  EXPECT_EQ(told(QAccessible::NameChanged, clock()), 2);

  forget();
  act(cell(49), press());
  EXPECT_EQ(told(QAccessible::DescriptionChanged, face()), 1) << "lost";

  QAccessibleInterface* old = cell(2);
  forget();
  QTest::keyClick(form->windowHandle(), Qt::Key_F2);
  EXPECT_EQ(told(QAccessible::TableModelChanged, minefield()), 1);
  EXPECT_EQ(told(QAccessible::DescriptionChanged, face()), 1) << "in play again";
  EXPECT_NE(cell(2), old) << "the cells of a new board are new";
  EXPECT_EQ(told(QAccessible::Focus, cell(2)), 1);
}

}  // namespace
}  // namespace klandor::ui
