#include "qt/dialogs/form3.h"

#include <gtest/gtest.h>

#include <QTest>
#include <optional>

#include "records/custom_field.h"

namespace klandor {
namespace {

class Form3Test : public testing::Test {
 protected:
  void SetUp() override {
    main.show();
    settings.across = 8;
    settings.down = 8;
    settings.totalmines = 10;
  }

  // The Custom command as the main window runs it.
  Form3& open() {
    if (!form) {
      form = std::make_unique<Form3>(settings, &main, [this](int across, int down, int totalmines) {
        accepted = CustomField{across, down, totalmines};
      });
    }
    form->mnuCustom_Click();
    return *form;
  }

  template <typename T>
  T* child(const char* name) {
    T* w = form->findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QLineEdit* box(const char* name) { return child<QLineEdit>(name); }

  std::optional<CustomField> ok(const QString& acr, const QString& dwn, const QString& tm) {
    accepted.reset();
    open();
    box("Acr")->setText(acr);
    box("Dwn")->setText(dwn);
    box("TM")->setText(tm);
    QTest::mouseClick(child<QPushButton>("OK"), Qt::LeftButton);
    return accepted;
  }

  Module1 settings;
  QWidget main;
  std::unique_ptr<Form3> form;
  std::optional<CustomField> accepted;
};

TEST_F(Form3Test, TheFirstOpeningFillsTheBoxesFromTheSettings) {
  Form3& f = open();
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(box("Acr")->text(), "8");
  EXPECT_EQ(box("Dwn")->text(), "8");
  EXPECT_EQ(box("TM")->text(), "10");
  EXPECT_FALSE(main.isEnabled());
  EXPECT_TRUE(f.isEnabled());
  EXPECT_TRUE(box("Acr")->isEnabled());
}

// The arithmetic itself is custom_field_test's; here the boxes reach it.
TEST_F(Form3Test, OkHandsOnTheLimitedValues) {
  EXPECT_EQ(ok("100", "2", "5"), (CustomField{30, 8, 10}));
  EXPECT_FALSE(form->isVisible());
  EXPECT_TRUE(main.isEnabled());
  EXPECT_EQ(ok("12x", " 20", "-3"), (CustomField{12, 20, 10}));
}

TEST_F(Form3Test, LaterOpeningsKeepWhatWasTyped) {
  ok("100", "2", "5");
  settings.across = 30;  // as the game then holds it
  settings.down = 8;
  settings.totalmines = 10;
  open();
  EXPECT_EQ(box("Acr")->text(), "100");
  EXPECT_EQ(box("Dwn")->text(), "2");
  EXPECT_EQ(box("TM")->text(), "5");
}

TEST_F(Form3Test, CancelFrameAndEscapeReturnWithoutAValue) {
  Form3& f = open();
  box("Acr")->setText("20");
  QTest::mouseClick(child<QPushButton>("Cancel"), Qt::LeftButton);
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(main.isEnabled());

  open();
  EXPECT_TRUE(f.close());
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(main.isEnabled());

  open();
  QTest::keyClick(box("TM"), Qt::Key_Escape);
  EXPECT_FALSE(f.isVisible());
  EXPECT_TRUE(main.isEnabled());
  EXPECT_FALSE(accepted);
}

TEST_F(Form3Test, Layout) {
  Form3& f = open();
  EXPECT_EQ(f.windowTitle(), "Custom Field");
  EXPECT_EQ(f.size(), QSize(225, 110));
  EXPECT_EQ(f.minimumSize(), f.maximumSize());
  EXPECT_EQ(child<QPushButton>("OK")->geometry(), QRect(142, 16, 73, 20));
  EXPECT_EQ(child<QPushButton>("Cancel")->geometry(), QRect(142, 40, 73, 20));
  EXPECT_EQ(box("Dwn")->geometry(), QRect(72, 16, 57, 19));
  EXPECT_EQ(box("Acr")->geometry(), QRect(72, 48, 57, 19));
  EXPECT_EQ(box("TM")->geometry(), QRect(72, 80, 57, 19));
  EXPECT_EQ(child<QLabel>("WLabel")->geometry(), QRect(8, 48, 49, 17));
  EXPECT_EQ(child<QLabel>("Label1")->geometry(), QRect(8, 80, 49, 17));
  QLabel* height = child<QLabel>("HLabel");
  EXPECT_EQ(height->pos(), QPoint(8, 16));
  EXPECT_EQ(height->size(), height->sizeHint());

  EXPECT_EQ(height->text(), "&Height:");
  EXPECT_EQ(height->buddy(), box("Dwn"));
  EXPECT_EQ(child<QLabel>("WLabel")->text(), "&Width:");
  EXPECT_EQ(child<QLabel>("WLabel")->buddy(), box("Acr"));
  EXPECT_EQ(child<QLabel>("Label1")->text(), "&Mines:");
  EXPECT_EQ(child<QLabel>("Label1")->buddy(), box("TM"));

  const QWidget* order[] = {child<QPushButton>("OK"), box("Acr"), box("Dwn"), box("TM"), child<QPushButton>("Cancel")};
  for (int i = 0; i + 1 < 5; ++i) EXPECT_EQ(order[i]->nextInFocusChain(), order[i + 1]) << i;
}

}  // namespace
}  // namespace klandor
