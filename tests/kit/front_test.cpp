// The board as a front end sees it through the kit: what a sync finds
// changed, the scene it paints from, and what its events come to.
#include "kit/front.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/core/game_fixture.h"

namespace klandor::kit {
namespace {

class FrontTest : public test::GameTest {
 protected:
  void SetUp() override { ASSERT_TRUE(front.sync().newLayout); }
  std::pair<int, int> centre(int index) const {
    const Rect r = front.layout().boxRect(index);
    return {r.x + r.w / 2, r.y + r.h / 2};
  }
  void click(int index, int button) {
    const auto [x, y] = centre(index);
    front.mouseDown(x, y, button, button);
    front.mouseUp(button, 0);
  }
  std::vector<int> pictures(const Rect& area) const {
    std::vector<int> drawn;
    front.scene(area, [&](int picture, const Rect&) { drawn.push_back(picture); });
    return drawn;
  }
  static bool has(const std::vector<Rect>& areas, const Rect& r) { return std::ranges::find(areas, r) != areas.end(); }

  Front front{game};
};

TEST_F(FrontTest, ASyncNamesWhatChangedAndANewBoardAnew) {
  EXPECT_TRUE(front.sync().areas.empty()) << "nothing since";
  layMines({10, 64});
  click(1, kRight);
  Changes c = front.sync();
  const Layout& l = front.layout();
  EXPECT_TRUE(has(c.areas, l.boxRect(1)));
  EXPECT_TRUE(has(c.areas, l.boxRect(67))) << "the counter's units";
  EXPECT_EQ(c.dirty, l.boxRect(1).united(l.boxRect(66)).united(l.boxRect(67)).united(l.smileRect(26)));
  EXPECT_EQ(c.renamed, std::vector<int>{1});
  EXPECT_TRUE(c.counter);
  EXPECT_FALSE(c.clock || c.state || c.newLayout);

  click(10, kLeft);  // the loss
  c = front.sync();
  EXPECT_TRUE(c.state && c.clock);
  EXPECT_FALSE(front.sync().state) << "told once";

  game.mnuHard_Click();
  c = front.sync();
  EXPECT_TRUE(c.newLayout && c.state && c.counter && c.clock);
  EXPECT_EQ(c.dirty, front.layout().client());
  EXPECT_EQ(front.layout().across(), 30);
}

TEST_F(FrontTest, TheSceneIsTheScreenBackToFront) {
  const Layout& l = front.layout();
  EXPECT_EQ(pictures(l.client()).size(), 10u + 1 + 64 + 6);
  EXPECT_EQ(pictures(l.boxRect(20)), std::vector<int>{pic::kCovered}) << "a cell covers its rectangle";
  EXPECT_EQ(pictures(l.boxRect(66)), std::vector<int>{pic::kDigit0 + 1});
  EXPECT_EQ(pictures(l.smileRect(26)), (std::vector<int>{pic::kFrameM, pic::kInitialFace}));
  EXPECT_EQ(pictures({27, 70, 2, 2}), (std::vector<int>{pic::kCovered, pic::kCovered, pic::kCovered, pic::kCovered}));

  click(5, kLeft);  // the face shrinks to 25 pixels: the band behind shows again
  EXPECT_TRUE(has(front.sync().areas, l.smileRect(26)));
  EXPECT_EQ(pictures(l.smileRect(26)).back(), pic::kSmile);
}

TEST_F(FrontTest, EventsSayWhetherTheyWereTakenAndPlayed) {
  const auto [x, y] = centre(1);
  EXPECT_EQ(front.keyDown(Key::kRight, true).played, false) << "moves repeat";
  Changes c = front.sync();
  EXPECT_TRUE(c.cursor);
  EXPECT_EQ(front.cursorRect(), front.layout().boxRect(2));
  EXPECT_TRUE(has(c.areas, front.layout().boxRect(2)));

  EXPECT_TRUE(front.keyDown(Key::kF, false).played);
  EXPECT_FALSE(front.keyDown(Key::kF, true).played) << "one action per press";
  EXPECT_TRUE(front.keyDown(Key::kF, true).taken);
  EXPECT_FALSE(front.keyUp(Key::kSpace, false).taken) << "not pressed on the board";
  EXPECT_TRUE(front.keyUp(Key::kF, false).played);
  EXPECT_EQ(game.b.mark[2], kFlagMark);

  EXPECT_TRUE(front.mouseDown(x, y, 0, 0).taken);  // an unknown button: hides the cursor all the same
  EXPECT_TRUE(has(front.sync().areas, front.layout().boxRect(2)));
  EXPECT_EQ(front.cursorRect(), Rect{});
  EXPECT_FALSE(front.letGo().played);
  EXPECT_EQ(front.cellWords(2).english(), "flag");
}

}  // namespace
}  // namespace klandor::kit
