// The frame pieces, the counter box and the Best Times background.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "picture_test_util.h"
#include "resources/picture_numbers.h"

namespace klandor::res {
namespace {

using namespace colour;
using testing::pic;
using testing::where;

// Rows and columns written as 'W' white, '.' light grey, 'D' dark grey.
char letter(std::uint8_t c) { return c == kWhite ? 'W' : c == kLightGrey ? '.' : c == kDarkGrey ? 'D' : '?'; }

std::string rowOf(int number, int y) {
  std::string s;
  for (int x = 0; x < pic(number).width; ++x) s += letter(pic(number).at(x, y));
  return s;
}

std::string columnOf(int number, int x) {
  std::string s;
  for (int y = 0; y < pic(number).height; ++y) s += letter(pic(number).at(x, y));
  return s;
}

TEST(FramePictures, CounterBoxIsBlackWithASunkenEdge) {
  const int n = pic::kCounterBox;
  EXPECT_EQ(pic(n).at(0, 0), kDarkGrey);
  EXPECT_EQ(pic(n).at(39, 0), kDarkGrey);
  EXPECT_EQ(pic(n).at(0, 23), kDarkGrey);
  EXPECT_EQ(pic(n).at(40, 0), kLightGrey);
  EXPECT_EQ(pic(n).at(0, 24), kLightGrey);
  EXPECT_EQ(pic(n).at(40, 1), kWhite);
  EXPECT_EQ(pic(n).at(40, 24), kWhite);
  EXPECT_EQ(pic(n).at(1, 24), kWhite);
  for (int y = 1; y <= 23; ++y) {
    for (int x = 1; x <= 39; ++x) ASSERT_EQ(pic(n).at(x, y), kBlack) << where(n, x, y);
  }
}

TEST(FramePictures, TopMiddleSliceReadsTheBandsFromTheTop) {
  EXPECT_EQ(columnOf(pic::kFrameM, 0), "WWW......DD" + std::string(33, '.') + "WW......DDD");
  EXPECT_EQ(columnOf(pic::kFrameB, 0), "WWW......DDD");
  EXPECT_EQ(rowOf(pic::kFrameW, 0), "WWW......DDD");
}

// Where a stretched slice meets a fixed piece, the piece's edge must be the
// slice itself, or the join shows a seam. Only the diagonal corners of the
// bevels may differ, each in one pixel.
TEST(FramePictures, PiecesJoinTheStretchedSlicesWithoutASeam) {
  EXPECT_EQ(columnOf(pic::kFrameL, 11), columnOf(pic::kFrameM, 0));
  EXPECT_EQ(rowOf(pic::kFrameL, 54), rowOf(pic::kFrameW, 0));
  EXPECT_EQ(rowOf(pic::kFrameCR, 0), rowOf(pic::kFrameW, 0));
  EXPECT_EQ(columnOf(pic::kFrameCR, 0), columnOf(pic::kFrameB, 0));

  std::string right = columnOf(pic::kFrameM, 0);
  right[54] = '.';  // top-right corner of the grid's bevel
  EXPECT_EQ(columnOf(pic::kFrameR, 0), right);
  std::string side = rowOf(pic::kFrameW, 0);
  side[0] = '.';
  EXPECT_EQ(rowOf(pic::kFrameR, 54), side);

  std::string bottom = columnOf(pic::kFrameB, 0);
  bottom[0] = '.';  // bottom-left corner of the grid's bevel
  EXPECT_EQ(columnOf(pic::kFrameCL, 11), bottom);
  side = rowOf(pic::kFrameW, 0);
  side[11] = '.';
  EXPECT_EQ(rowOf(pic::kFrameCL, 0), side);
}

TEST(BestTimesBackground, HasAnEtchedFrame) {
  const int n = pic::kBestTimesBackground;
  const auto at = [n](int x, int y) { return pic(n).at(x, y); };
  EXPECT_EQ(at(150, 4), kDarkGrey);
  EXPECT_EQ(at(150, 5), kWhite);
  EXPECT_EQ(at(150, 98), kDarkGrey);
  EXPECT_EQ(at(150, 99), kWhite);
  EXPECT_EQ(at(0, 50), kDarkGrey);
  EXPECT_EQ(at(1, 50), kWhite);
  EXPECT_EQ(at(301, 50), kDarkGrey);
  EXPECT_EQ(at(302, 50), kWhite);
  EXPECT_EQ(at(0, 4), kDarkGrey);
  EXPECT_EQ(at(301, 4), kDarkGrey);
  EXPECT_EQ(at(302, 4), kLightGrey);
  EXPECT_EQ(at(0, 99), kLightGrey);
  EXPECT_EQ(at(302, 99), kWhite);
  EXPECT_EQ(at(0, 3), kLightGrey);
  EXPECT_EQ(at(150, 50), kLightGrey);
  // The heading breaks the top line.
  EXPECT_EQ(at(9, 4), kDarkGrey);
  EXPECT_EQ(at(119, 4), kDarkGrey);
  for (int x = 10; x <= 118; ++x) {
    EXPECT_NE(at(x, 4), kDarkGrey) << x;
    EXPECT_NE(at(x, 5), kWhite) << x;
  }
}

struct Box {
  int left = 1000, top = 1000, right = -1, bottom = -1;
  bool operator==(const Box&) const = default;
};

Box inkWithin(int x0, int y0, int x1, int y1) {
  Box b;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      if (pic(pic::kBestTimesBackground).at(x, y) != kBlack) continue;
      b = {std::min(b.left, x), std::min(b.top, y), std::max(b.right, x), std::max(b.bottom, y)};
    }
  }
  return b;
}

TEST(BestTimesBackground, HeadingAndLabelsStandAtTheirPlacesInBlack) {
  const Box heading = inkWithin(0, 0, 302, 11);
  EXPECT_GE(heading.left, 10);
  EXPECT_LE(heading.right, 118);
  EXPECT_GE(heading.right - heading.left, 90) << "the whole heading is there";
  EXPECT_EQ(heading.bottom - heading.top + 1, 8);
  EXPECT_EQ(inkWithin(0, 12, 302, 40), (Box{11, 23, 53, 33}));
  EXPECT_EQ(inkWithin(0, 41, 302, 65), (Box{11, 49, 69, 57}));
  EXPECT_EQ(inkWithin(0, 66, 302, 99), (Box{11, 74, 41, 84}));
  std::set<std::uint8_t> colours(pic(pic::kBestTimesBackground).pixels.begin(),
                                 pic(pic::kBestTimesBackground).pixels.end());
  EXPECT_EQ(colours, (std::set<std::uint8_t>{kBlack, kLightGrey, kDarkGrey, kWhite}));
}

}  // namespace
}  // namespace klandor::res
