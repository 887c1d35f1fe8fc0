#pragma once
// The Best Times dialog's Reset Scores as a player goes through it, the same
// for every window of the game: Cancel keeps the table; a reset that can't
// be saved warns and shows the records the file still holds; one that is
// saved shows and stores the default table, also at the next opening.

#include <gtest/gtest.h>

#include <string>

#include "tests/kit/session_fixture.h"

namespace klandor::test {

// A front end's real Best Times dialog, driven as the player drives it.
class BestTimesWindow {
 public:
  virtual ~BestTimesWindow() = default;
  // The Best Times menu item.
  virtual void open() = 0;
  // A button of the dialog, clicked.
  virtual void click(int control) = 0;
  // What a label shows, UTF-8.
  virtual std::string caption(int control) = 0;
  virtual bool visible() = 0;
  virtual bool mainEnabled() = 0;
};

inline void checkResetFlow(OwnSession& s, BestTimesWindow& window) {
  using ::testing::_;
  using ::testing::Return;
  writeBytes(s.dir / "minebs.txt", "\"  5999999Ann     MrNobodyMrNobody\"\r\n");
  s.session.game().mnuNew_Click();  // the load reads the file
  const std::string held = readBytes(s.dir / "minebs.txt");
  auto table = [&] {
    std::string all;
    for (int i = kit::Form2::Best; i < kit::Form2::Best + 6; ++i) all += window.caption(i) + "|";
    return all;
  };
  const std::string ann = "  5 seconds|999 seconds|999 seconds|Ann     |MrNobody|MrNobody|";
  const std::string nobody = "999 seconds|999 seconds|999 seconds|MrNobody|MrNobody|MrNobody|";

  window.open();
  EXPECT_TRUE(window.visible());
  EXPECT_FALSE(window.mainEnabled());
  EXPECT_EQ(table(), ann);

  EXPECT_CALL(s.prompts, confirm("Are you sure?", "Reset?")).WillOnce(Return(false));
  window.click(kit::Form2::Reset);
  EXPECT_EQ(table(), ann) << "Cancel";
  EXPECT_EQ(readBytes(s.dir / "minebs.txt"), held);

  s.files.fail = true;
  EXPECT_CALL(s.prompts, confirm(_, _)).WillOnce(Return(true));
  EXPECT_CALL(s.prompts, warn("Best Times", _, _)).WillOnce([&] {
    EXPECT_EQ(table(), ann) << "the table behind the warning is the file's";
  });
  window.click(kit::Form2::Reset);
  EXPECT_EQ(table(), ann) << "a reset that could not be saved";
  EXPECT_EQ(readBytes(s.dir / "minebs.txt"), held);
  ::testing::Mock::VerifyAndClearExpectations(&s.prompts);

  s.files.fail = false;
  EXPECT_CALL(s.prompts, confirm(_, _)).WillOnce(Return(true));
  window.click(kit::Form2::Reset);
  EXPECT_EQ(table(), nobody);
  EXPECT_TRUE(window.visible());
  EXPECT_EQ(readBytes(s.dir / "minebs.txt"), kDefaultFile);

  window.click(kit::Form2::OK);
  EXPECT_FALSE(window.visible());
  EXPECT_TRUE(window.mainEnabled());
  window.open();
  EXPECT_EQ(table(), nobody) << "at the next opening";
}

}  // namespace klandor::test
