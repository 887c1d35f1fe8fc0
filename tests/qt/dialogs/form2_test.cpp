#include "qt/dialogs/form2.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <memory>

#include "qt/dialogs/qt_prompts.h"
#include "qt/images/picture_image.h"
#include "resources/picture_numbers.h"
#include "resources/pictures.h"
#include "tests/records/mock_prompts.h"
#include "tests/records/test_files.h"

namespace klandor {
namespace {

using test::kDefaultFile;
using test::MockPrompts;
using test::readBytes;
using test::TempDir;
using testing::Return;
using testing::StrictMock;

class Form2Test : public testing::Test {
 protected:
  void SetUp() override {
    main.show();
    records.scoreload(settings);
  }

  // The Best Times command as the main window runs it: the dialog is made
  // at the first opening.
  Form2& open() {
    if (!form) form = std::make_unique<Form2>(settings, records, prompts, &main);
    form->mnuBest_Click();
    return *form;
  }

  template <typename T>
  T* child(const char* name) {
    T* w = form->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QString caption(int element) { return child<QLabel>(qPrintable(QString("Best%1").arg(element)))->text(); }
  QStringList captions() {
    QStringList all;
    for (int i = 0; i < 6; ++i) all << caption(i);
    return all;
  }

  TempDir dir;
  BestFile file{dir / "minebs.txt"};
  StrictMock<MockPrompts> prompts;
  RecordEntry records{file, prompts};
  Module1 settings;
  QWidget main;
  std::unique_ptr<Form2> form;
};

const QStringList kDefaultCaptions = {"999 seconds", "999 seconds", "999 seconds", "MrNobody", "MrNobody", "MrNobody"};

TEST_F(Form2Test, TheFirstOpeningShowsTheTableWithTheLineAsTitle) {
  Form2& f = open();
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(f.windowTitle(), "\"999999999MrNobodyMrNobodyMrNobody\"");
  EXPECT_EQ(captions(), kDefaultCaptions);
}

TEST_F(Form2Test, CaptionsFollowBestlineButTheTitleStaysFromTheFirstOpening) {
  open();
  child<QPushButton>("OK")->click();
  settings.bestline = "\"  5 45999Ann     B<b>&c  MrNobody\"";
  Form2& f = open();
  EXPECT_EQ(f.windowTitle(), "\"999999999MrNobodyMrNobodyMrNobody\"");
  EXPECT_EQ(captions(), QStringList({"  5 seconds", " 45 seconds", "999 seconds", "Ann     ", "B<b>&c  ", "MrNobody"}));
  EXPECT_EQ(child<QLabel>("Best4")->textFormat(), Qt::PlainText);
}

TEST_F(Form2Test, TheTitleShowsAnyLineAsItStands) {
  settings.bestline = "\"  1[*]\xE9";
  // What the window system is given to show.
  EXPECT_EQ(open().windowHandle()->title(), QString::fromUtf8("\"  1[*]\u00e9"));
  EXPECT_EQ(caption(1), "[*] seconds");
  EXPECT_EQ(caption(2), "\u00e9 seconds");
  EXPECT_EQ(caption(4), "");
}

TEST_F(Form2Test, TheMainWindowIsDisabledWhileTheDialogStaysUsable) {
  Form2& f = open();
  EXPECT_FALSE(main.isEnabled());
  EXPECT_TRUE(f.isEnabled());
  QPushButton* ok = child<QPushButton>("OK");
  EXPECT_TRUE(ok->isEnabled());
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(main.isEnabled());

  open();  // and again at the second opening
  EXPECT_FALSE(main.isEnabled());
  EXPECT_TRUE(child<QPushButton>("OK")->isEnabled());
}

TEST_F(Form2Test, ClosingThroughTheFrameOrWithEscapeActsLikeOk) {
  Form2& f = open();
  EXPECT_TRUE(f.close());
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(main.isEnabled());

  open();
  QTest::keyClick(&f, Qt::Key_Escape);
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(main.isEnabled());
}

TEST_F(Form2Test, ResetWithCancelChangesNothing) {
  file.storeRecord(settings.bestline, 1, 5, "Ann");
  const std::string bytes = readBytes(file.path());
  open();
  EXPECT_CALL(prompts, confirm("Are you sure?", "Reset?")).WillOnce(Return(false));
  child<QPushButton>("Reset")->click();
  EXPECT_EQ(caption(0), "  5 seconds");
  EXPECT_EQ(caption(3), "Ann     ");
  EXPECT_EQ(readBytes(file.path()), bytes);
  EXPECT_EQ(settings.bestline, "\"  5999999Ann     MrNobodyMrNobody\"");
}

TEST_F(Form2Test, ResetWithOkWipesTheTableFileAndBestline) {
  file.storeRecord(settings.bestline, 2, 7, "Bea");
  Form2& f = open();
  EXPECT_CALL(prompts, confirm("Are you sure?", "Reset?")).WillOnce(Return(true));
  child<QPushButton>("Reset")->click();
  EXPECT_EQ(captions(), kDefaultCaptions);
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(readBytes(file.path()), kDefaultFile);
  EXPECT_EQ(settings.bestline, defaultLine());

  child<QPushButton>("OK")->click();
  open();
  EXPECT_EQ(captions(), kDefaultCaptions);
}

// After a record the dialog opens with the focus on Reset Scores: Enter
// there, then Enter or Escape in the real "Reset?" box (shown, not run)
// keeps the table.
TEST_F(Form2Test, EnterOrEscapeInTheResetBoxKeepsTheTable) {
  file.storeRecord(settings.bestline, 1, 5, "Ann");
  const std::string bytes = readBytes(file.path());
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
    Form2& f = open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    EXPECT_EQ(f.focusWidget(), child<QPushButton>("Reset"));
    EXPECT_CALL(prompts, confirm("Are you sure?", "Reset?"))
        .WillOnce([&f, key](const std::string& message, const std::string& title) {
          const std::unique_ptr<QMessageBox> box = confirmBox(message, title, &f);
          box->show();
          QTest::keyClick(box.get(), key);
          return box->clickedButton() == box->button(QMessageBox::Ok);
        });
    QTest::keyClick(f.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(readBytes(file.path()), bytes);
    EXPECT_EQ(caption(0), "  5 seconds");
  }
}

TEST_F(Form2Test, Layout) {
  Form2& f = open();
  EXPECT_EQ(f.size(), QSize(322, 151));
  EXPECT_EQ(f.minimumSize(), f.maximumSize());
  EXPECT_FALSE(f.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(child<QPushButton>("Reset")->geometry(), QRect(144, 120, 81, 25));
  EXPECT_EQ(child<QPushButton>("Reset")->text(), "&Reset Scores");
  EXPECT_EQ(child<QPushButton>("OK")->geometry(), QRect(232, 120, 81, 25));
  EXPECT_EQ(child<QPushButton>("Reset")->nextInFocusChain(), child<QPushButton>("OK"));

  QLabel* fram = child<QLabel>("Fram");
  EXPECT_EQ(fram->geometry(), QRect(8, 8, 303, 100));
  EXPECT_EQ(fram->pixmap().toImage(), images::toImage(*res::picture(pic::kBestTimesBackground)))
      << "in English the catalogue's own picture";
  const QPoint rows[] = {{112, 32}, {112, 56}, {112, 80}, {216, 32}, {216, 56}, {216, 80}};
  for (int i = 0; i < 6; ++i) {
    QLabel* best = child<QLabel>(qPrintable(QString("Best%1").arg(i)));
    EXPECT_EQ(best->pos(), rows[i]) << i;
    EXPECT_EQ(best->size(), best->sizeHint()) << i;
    // In front of the picture: later among the siblings.
    EXPECT_GT(f.children().indexOf(best), f.children().indexOf(fram)) << i;
  }
}

}  // namespace
}  // namespace klandor
