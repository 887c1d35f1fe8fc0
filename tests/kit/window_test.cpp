// The window beside the board: its timer, its fit, its place.
#include "kit/window.h"

#include <gtest/gtest.h>

#include "tests/core/game_fixture.h"

namespace klandor::kit {
namespace {

using WindowTest = test::GameTest;

TEST_F(WindowTest, TheTimerFollowsTheClockFromAFreshSecondAtEachStart) {
  layMines({64});
  WindowState window(game);
  EXPECT_FALSE(window.sync().timerRuns);
  click(1);  // starts the clock
  WindowState::Sync s = window.sync();
  EXPECT_TRUE(s.timerRuns && s.timerRestarts);
  tick();
  s = window.sync();
  EXPECT_TRUE(s.timerRuns && !s.timerRestarts) << "the same second goes on";
  EXPECT_FALSE(s.refit);
  game.mnuIntermediate_Click();
  s = window.sync();
  EXPECT_TRUE(s.refit && !s.timerRuns);
  EXPECT_FALSE(window.sync().refit);
}

TEST(Recentre, AboutTheOldCentreAndInsideTheRoom) {
  const Rect room{0, 0, 1024, 768};
  EXPECT_EQ(recentre(room, 158, 238, room), (Rect{433, 265, 158, 238})) << "centred on the screen";
  EXPECT_EQ(recentre({300, 100, 158, 238}, 286, 366, room), (Rect{236, 36, 286, 366}));
  EXPECT_EQ(recentre({900, 500, 158, 238}, 510, 366, room), (Rect{514, 402, 510, 366})) << "kept inside";
  EXPECT_EQ(recentre({-40, -30, 158, 238}, 158, 239, room), (Rect{0, 0, 158, 239}));
}

// A new board of the same size leaves the window where the player put it,
// even half off the screen; one of another size keeps its centre.
TEST(Refit, MovesOnlyWhenTheSizeChanges) {
  const Rect room{0, 0, 1024, 768};
  EXPECT_EQ(refit({-40, 600, 158, 238}, 158, 238, room), std::nullopt);
  EXPECT_EQ(refit({300, 100, 158, 238}, 286, 366, room), (Rect{236, 36, 286, 366}));
}

}  // namespace
}  // namespace klandor::kit
