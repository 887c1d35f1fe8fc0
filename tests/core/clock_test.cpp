// The game clock: started by the first left release on a cell, stopped by
// the end of the game, capped at 999.
#include <gtest/gtest.h>

#include "tests/core/game_fixture.h"

namespace klandor::test {
namespace {

class ClockTest : public GameTest {
 protected:
  void SetUp() override { layMines(walledBoard()); }
  static constexpr int kNumbered = 41;  // counts 2, opens nothing else
};

TEST_F(ClockTest, FirstLeftReleaseShows001AndTheNextTick002) {
  click(kNumbered);
  EXPECT_TRUE(game.secondEnabled);
  EXPECT_EQ(game.secondStarts, 1u);
  EXPECT_EQ(game.b.seconds, 1);
  EXPECT_EQ(clock(), shown(0, 0, 1));
  tick();
  EXPECT_EQ(clock(), shown(0, 0, 2));

  click(kNumbered + 1);
  EXPECT_EQ(game.secondStarts, 1u) << "a running clock is not started again";
  EXPECT_EQ(clock(), shown(0, 0, 2));
}

TEST_F(ClockTest, RightReleaseLeavesItStoppedAndLeftReleaseOnAFlagStartsIt) {
  rightClick(kNumbered);
  EXPECT_FALSE(game.secondEnabled);
  EXPECT_EQ(clock(), shown(0, 0, 0));

  click(kNumbered);
  EXPECT_TRUE(game.secondEnabled);
  EXPECT_EQ(clock(), shown(0, 0, 1));
  EXPECT_EQ(game.box[kNumbered], pic::kFlag);
  EXPECT_EQ(game.b.mark[kNumbered], kFlagMark);
  EXPECT_FALSE(game.b.uncovered[kNumbered]);
}

TEST_F(ClockTest, StaysAt999UntilTheGameEnds) {
  click(kNumbered);
  tick(997);
  EXPECT_EQ(clock(), shown(9, 9, 8));
  tick();
  EXPECT_EQ(clock(), shown(9, 9, 9));
  tick(5);
  EXPECT_EQ(game.b.seconds, 999);
  EXPECT_EQ(clock(), shown(9, 9, 9));
  EXPECT_TRUE(game.secondEnabled);
}

TEST_F(ClockTest, LossStopsItOnTheFinalTime) {
  click(kNumbered);
  tick(3);
  click(50);  // a mine
  EXPECT_FALSE(game.secondEnabled);
  EXPECT_EQ(clock(), shown(0, 0, 4));

  tick();
  click(kNumbered + 1);
  EXPECT_EQ(game.b.seconds, 4);
  EXPECT_EQ(clock(), shown(0, 0, 4));
  EXPECT_EQ(game.secondStarts, 1u) << "no release restarts it after the loss";
}

}  // namespace
}  // namespace klandor::test
