// The game's dialogs as Qt widgets, offscreen: their layout, their keys and
// their real boxes; the Reset flow every window of the game shares.
#include "qt/dialogs/game_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <memory>
#include <vector>

#include "qt/dialogs/qt_prompts.h"
#include "qt/images/picture_image.h"
#include "resources/picture_numbers.h"
#include "resources/pictures.h"
#include "tests/kit/best_times_flow.h"

namespace klandor {
namespace {

using kit::Form2;
using kit::Form3;
using ::testing::_;
using ::testing::Return;

// A plain widget for the main window the dialogs stand over.
class DialogsTest : public test::SessionTest, public kit::Shell {
 protected:
  DialogsTest() {
    main.show();
    session.attach(this);
  }
  ~DialogsTest() override { session.attach(nullptr); }

  void syncWindow() override {}
  kit::DialogView& makeDialog(kit::Dialog& dialog) override {
    views.push_back(std::make_unique<GameDialog>(dialog, &main));
    return *views.back();
  }
  void quit() override {}

  GameDialog& open(kit::Dialog& dialog) {
    dialog.open();
    return *static_cast<GameDialog*>(dialog.view());
  }
  template <typename T>
  T* control(kit::Dialog& dialog, int index) {
    return qobject_cast<T*>(static_cast<GameDialog*>(dialog.view())->control(index));
  }
  QString caption(int element) { return control<QLabel>(session.form2(), Form2::Best + element)->text(); }

  QWidget main;
  std::vector<std::unique_ptr<GameDialog>> views;
};

class QtBestTimes final : public test::BestTimesWindow {
 public:
  explicit QtBestTimes(kit::Session& s, QWidget& main) : session_(s), main_(main) {}
  void open() override { session_.choose(Menu::mnuBest); }
  void click(int control) override { qobject_cast<QPushButton*>(view()->control(control))->click(); }
  std::string caption(int control) override {
    return qobject_cast<QLabel*>(view()->control(control))->text().toStdString();
  }
  bool visible() override { return view()->isVisible(); }
  bool mainEnabled() override { return main_.isEnabled(); }

 private:
  GameDialog* view() { return static_cast<GameDialog*>(session_.form2().view()); }
  kit::Session& session_;
  QWidget& main_;
};

TEST_F(DialogsTest, BestTimesResetsAsEveryWindowDoes) {
  QtBestTimes window(session, main);
  test::checkResetFlow(*this, window);
}

TEST_F(DialogsTest, BestTimesLayout) {
  GameDialog& f = open(session.form2());
  EXPECT_EQ(f.size(), QSize(322, 151));
  EXPECT_EQ(f.minimumSize(), f.maximumSize());
  EXPECT_FALSE(f.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  auto* reset = control<QPushButton>(session.form2(), Form2::Reset);
  auto* ok = control<QPushButton>(session.form2(), Form2::OK);
  EXPECT_EQ(reset->geometry(), QRect(144, 120, 81, 25));
  EXPECT_EQ(reset->text(), "&Reset Scores");
  EXPECT_EQ(ok->geometry(), QRect(232, 120, 81, 25));
  EXPECT_EQ(reset->nextInFocusChain(), ok);
  EXPECT_EQ(f.findChild<QPushButton*>("Reset"), reset) << "named as the game names it";

  auto* fram = control<QLabel>(session.form2(), Form2::Fram);
  EXPECT_EQ(fram->geometry(), QRect(8, 8, 303, 100));
  EXPECT_EQ(fram->pixmap().toImage(), images::toImage(*res::picture(pic::kBestTimesBackground)))
      << "in English the catalogue's own picture";
  const QPoint rows[] = {{112, 32}, {112, 56}, {112, 80}, {216, 32}, {216, 56}, {216, 80}};
  for (int i = 0; i < 6; ++i) {
    auto* best = control<QLabel>(session.form2(), Form2::Best + i);
    EXPECT_EQ(best->pos(), rows[i]) << i;
    EXPECT_EQ(best->size(), best->sizeHint()) << i;
    // In front of the picture: later among the siblings.
    EXPECT_GT(f.children().indexOf(best), f.children().indexOf(fram)) << i;
  }
}

TEST_F(DialogsTest, BestTimesShowsAnyLineAsItStands) {
  settings.bestline = "\"  1[*]\xE9" "B<b>&c";
  GameDialog& f = open(session.form2());
  // What the window system is given to show.
  EXPECT_EQ(f.windowHandle()->title(), QString::fromUtf8("\"  1[*]\u00e9B<b>&c"));
  EXPECT_EQ(caption(1), "[*] seconds");
  EXPECT_EQ(caption(2), "\u00e9B< seconds");
  EXPECT_EQ(caption(3), "b>&c");
}

// After a record the dialog opens with the focus on Reset Scores: Enter
// there, then Enter or Escape in the real "Reset?" box (shown, not run),
// keeps the table; Escape in the dialog closes it like OK.
TEST_F(DialogsTest, BestTimesKeys) {
  test::writeBytes(dir / "minebs.txt", "\"  5999999Ann     MrNobodyMrNobody\"\r\n");
  game.mnuNew_Click();
  const std::string bytes = test::readBytes(dir / "minebs.txt");
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
    GameDialog& f = open(session.form2());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    EXPECT_EQ(f.focusWidget(), control<QPushButton>(session.form2(), Form2::Reset));
    EXPECT_CALL(prompts, confirm("Are you sure?", "Reset?"))
        .WillOnce([&f, key](const std::string& message, const std::string& title) {
          const std::unique_ptr<QMessageBox> box = confirmBox(message, title, &f);
          box->show();
          QTest::keyClick(box.get(), key);
          return box->clickedButton() == box->button(QMessageBox::Ok);
        });
    QTest::keyClick(f.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(test::readBytes(dir / "minebs.txt"), bytes);
    EXPECT_EQ(caption(0), "  5 seconds");
  }
  GameDialog& f = open(session.form2());
  QTest::keyClick(&f, Qt::Key_Escape);
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(main.isEnabled());
  open(session.form2());
  EXPECT_TRUE(f.close());
  EXPECT_FALSE(session.form2().isOpen());
}

TEST_F(DialogsTest, CustomFieldLayout) {
  GameDialog& f = open(session.form3());
  Form3& d = session.form3();
  EXPECT_EQ(f.windowTitle(), "Custom Field");
  EXPECT_EQ(f.size(), QSize(225, 110));
  EXPECT_EQ(f.minimumSize(), f.maximumSize());
  EXPECT_EQ(control<QPushButton>(d, Form3::OK)->geometry(), QRect(142, 16, 73, 20));
  EXPECT_EQ(control<QPushButton>(d, Form3::Cancel)->geometry(), QRect(142, 40, 73, 20));
  EXPECT_EQ(control<QLineEdit>(d, Form3::Dwn)->geometry(), QRect(72, 16, 57, 19));
  EXPECT_EQ(control<QLineEdit>(d, Form3::Acr)->geometry(), QRect(72, 48, 57, 19));
  EXPECT_EQ(control<QLineEdit>(d, Form3::TM)->geometry(), QRect(72, 80, 57, 19));
  EXPECT_EQ(control<QLabel>(d, Form3::WLabel)->geometry(), QRect(8, 48, 49, 17));
  EXPECT_EQ(control<QLabel>(d, Form3::Label1)->geometry(), QRect(8, 80, 49, 17));
  QLabel* height = control<QLabel>(d, Form3::HLabel);
  EXPECT_EQ(height->pos(), QPoint(8, 16));
  EXPECT_EQ(height->size(), height->sizeHint());
  EXPECT_EQ(height->text(), "&Height:");
  EXPECT_EQ(height->buddy(), control<QLineEdit>(d, Form3::Dwn));
  EXPECT_EQ(control<QLabel>(d, Form3::WLabel)->buddy(), control<QLineEdit>(d, Form3::Acr));
  EXPECT_EQ(control<QLabel>(d, Form3::Label1)->buddy(), control<QLineEdit>(d, Form3::TM));
  const int order[] = {Form3::OK, Form3::Acr, Form3::Dwn, Form3::TM, Form3::Cancel};
  for (int i = 0; i + 1 < 5; ++i)
    EXPECT_EQ(control<QWidget>(d, order[i])->nextInFocusChain(), control<QWidget>(d, order[i + 1])) << i;
}

// What the player types reaches the game, and stays in the boxes; Escape
// in a box leaves the game as it is.
TEST_F(DialogsTest, CustomFieldTakesWhatIsTyped) {
  Form3& d = session.form3();
  open(d);
  EXPECT_EQ(control<QLineEdit>(d, Form3::Acr)->text(), "8");
  control<QLineEdit>(d, Form3::Acr)->setText("100");
  control<QLineEdit>(d, Form3::Dwn)->setText("2");
  control<QLineEdit>(d, Form3::TM)->setText("5");
  QTest::keyClick(control<QLineEdit>(d, Form3::TM), Qt::Key_Return);  // the default button
  EXPECT_FALSE(d.isOpen());
  EXPECT_TRUE(main.isEnabled());
  EXPECT_EQ(settings.across, 30);
  EXPECT_EQ(settings.down, 8);
  open(d);
  EXPECT_EQ(control<QLineEdit>(d, Form3::Acr)->text(), "100");
  const unsigned loads = game.loads;
  QTest::keyClick(control<QLineEdit>(d, Form3::TM), Qt::Key_Escape);
  EXPECT_FALSE(d.isOpen());
  EXPECT_EQ(game.loads, loads);
}

}  // namespace
}  // namespace klandor
