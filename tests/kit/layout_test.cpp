#include "kit/layout.h"

#include <gtest/gtest.h>

#include "resources/picture_numbers.h"

namespace klandor::kit {
namespace {

TEST(Layout, BeginnerPlacesCountersFaceAndDigits) {
  const Layout l(8, 8);
  EXPECT_EQ(l.smileRect(26), (Rect{63, 15, 26, 26}));
  // Mine counter digits in their box at 16..56, clock digits in 93..133.
  EXPECT_EQ(l.boxRect(65), (Rect{18, 17, 11, 21}));
  EXPECT_EQ(l.boxRect(66), (Rect{31, 17, 11, 21}));
  EXPECT_EQ(l.boxRect(67), (Rect{44, 17, 11, 21}));
  EXPECT_EQ(l.boxRect(68), (Rect{95, 17, 11, 21}));
  EXPECT_EQ(l.boxRect(69), (Rect{108, 17, 11, 21}));
  EXPECT_EQ(l.boxRect(70), (Rect{121, 17, 11, 21}));
  const std::vector<Piece> pieces = l.background();
  EXPECT_EQ(pieces[8].rect, (Rect{16, 15, 41, 25}));
  EXPECT_EQ(pieces[9].rect, (Rect{93, 15, 41, 25}));
}

TEST(Layout, CellsRunRowByRow) {
  const Layout expert(30, 16);
  EXPECT_EQ(expert.boxRect(1), (Rect{12, 55, 16, 16}));
  EXPECT_EQ(expert.boxRect(30), (Rect{476, 55, 16, 16}));  // top right
  EXPECT_EQ(expert.boxRect(31), (Rect{12, 71, 16, 16}));   // first of the second row
  EXPECT_EQ(expert.boxRect(480), (Rect{476, 295, 16, 16}));
}

TEST(Layout, FramePiecesTileTheClientAreaWithoutGapsOrOverlaps) {
  for (auto [across, down] : {std::pair{8, 8}, {16, 16}, {30, 16}, {30, 24}, {9, 23}}) {
    const Layout l(across, down);
    std::vector<int> covered(static_cast<std::size_t>(l.clientWidth() * l.clientHeight()), 0);
    for (const Piece& p : l.background()) {
      if (p.picture == pic::kCounterBox) continue;
      for (int y = p.rect.y; y < p.rect.y + p.rect.h; ++y)
        for (int x = p.rect.x; x < p.rect.x + p.rect.w; ++x) ++covered[static_cast<std::size_t>(y * l.clientWidth() + x)];
    }
    // Frame pieces cover everything but the grid, exactly once.
    const Rect grid{12, 55, 16 * across, 16 * down};
    for (int y = 0; y < l.clientHeight(); ++y)
      for (int x = 0; x < l.clientWidth(); ++x)
        ASSERT_EQ(covered[static_cast<std::size_t>(y * l.clientWidth() + x)], grid.contains(x, y) ? 0 : 1)
            << across << "x" << down << " at " << x << "," << y;
  }
}

TEST(Layout, EveryElementOfTheLargestBoardRoundTrips) {
  const Layout l(30, 24);
  for (int index = 1; index <= 726; ++index) {
    const Rect r = l.boxRect(index);
    ASSERT_GT(r.w, 0) << index;
    for (auto [x, y] : {std::pair{r.x, r.y}, {r.x + r.w - 1, r.y + r.h - 1}, {r.x + r.w / 2, r.y + r.h / 2}})
      ASSERT_EQ(l.elementAt(x, y, 26), (Element{Element::kBox, index})) << index << " at " << x << "," << y;
  }
  EXPECT_EQ(l.elementAt(239, 15, 26), (Element{Element::kSmile, 0}));
  EXPECT_EQ(l.elementAt(264, 40, 26), (Element{Element::kSmile, 0}));
  EXPECT_EQ(l.elementAt(264, 40, 25), Element{});  // a 25-pixel face no longer reaches it
  EXPECT_EQ(l.elementAt(11, 60, 26), Element{});   // frame beside the grid
  EXPECT_EQ(l.elementAt(17, 16, 26), Element{});   // counter box edge around the digits
  EXPECT_EQ(l.elementAt(12, 54, 26), Element{});   // frame just above the grid
}

TEST(Layout, RectanglesUniteAndMeetAsAreas) {
  const Rect cell{12, 55, 16, 16}, next{28, 55, 16, 16};
  EXPECT_EQ(cell.united(next), (Rect{12, 55, 32, 16}));
  EXPECT_EQ(Rect{}.united(next), next) << "an empty rectangle adds nothing";
  EXPECT_EQ(next.united(Rect{}), next);
  EXPECT_FALSE(cell.intersects(next)) << "touching is not meeting";
  EXPECT_TRUE(cell.intersects(Rect{27, 70, 5, 5}));
  EXPECT_FALSE(cell.intersects(Rect{15, 60, 0, 4}));
  EXPECT_TRUE(cell.contains(Rect{12, 55, 16, 16}));
  EXPECT_FALSE(cell.contains(Rect{12, 55, 17, 16}));
}

}  // namespace
}  // namespace klandor::kit
