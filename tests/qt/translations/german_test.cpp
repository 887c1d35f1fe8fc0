// A desktop set to German: the game starts in German, and so do Qt's
// standard buttons when the system has their translation.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "qt/images/picture_image.h"
#include "resources/best_background.h"
#include "tests/records/mock_prompts.h"
#include "tests/records/test_files.h"
#include "qt/ui/board_view.h"
#include "kit/session.h"
#include "qt/dialogs/game_dialog.h"
#include "qt/ui/form1.h"

namespace klandor::ui {
namespace {

TEST(German, TheGameStartsInTheDesktopsLanguage) {
  test::TempDir dir;
  testing::NiceMock<test::MockPrompts> prompts;
  kit::Session session({dir / "minebs.txt", {}}, prompts);
  Form1 form(session);

  const QList<QAction*> bar = form.menuBar()->actions();
  ASSERT_EQ(bar.size(), 2);
  EXPECT_EQ(bar[0]->text(), "&Spiel");
  EXPECT_EQ(bar[0]->menu()->actions().front()->text(), "&Neues Spiel");
  EXPECT_EQ(bar[1]->text(), "&Hilfe");

  // What a screen reader reads on the board.
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(form.board());
  EXPECT_EQ(board->child(0)->text(QAccessible::Name), "Verbleibende Minen: 10");
  EXPECT_EQ(board->child(2)->text(QAccessible::Name), "Zeit: 0 Sekunden");
  QAccessibleInterface* cell = board->child(3)->child(9);
  EXPECT_EQ(cell->text(QAccessible::Name), "verdeckt");
  EXPECT_EQ(cell->text(QAccessible::Description), "Zeile 2, Spalte 2");

  session.choose(Menu::mnuBest);
  const GameDialog& best = *form.dialog(session.form2());
  EXPECT_EQ(best.findChild<QPushButton*>("Reset")->text(), "&Löschen");
  EXPECT_EQ(best.findChild<QLabel*>("Best0")->text(), "999 Sekunden");
  EXPECT_EQ(best.findChild<QLabel*>("Best3")->text(), "MrNobody") << "a name stays as it is";
  const res::BestTimesLettering german{"Die Schnellsten", {"Anfänger:", "Fortgeschrittene:", "Profis:"}};
  EXPECT_EQ(best.findChild<QLabel*>("Fram")->pixmap().toImage(), images::toImage(res::bestTimesBackground(german)));

  session.form2().close();
  session.choose(Menu::mnuCustom);
  EXPECT_EQ(form.dialog(session.form3())->windowTitle(), "Benutzerdefiniertes Feld");
  EXPECT_EQ(form.dialog(session.form3())->findChild<QLabel*>("HLabel")->text(), "&Höhe:");

  if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm")) {
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
  }
}

}  // namespace
}  // namespace klandor::ui
