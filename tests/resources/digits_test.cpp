// The seven-segment digits: tapered segments, lit in red, unlit as a dark
// red and black checkerboard.

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "picture_test_util.h"
#include "resources/picture_numbers.h"

namespace klandor::res {
namespace {

using namespace colour;
using testing::pic;
using testing::where;

enum Segment { kTop, kUpperLeft, kUpperRight, kMiddle, kLowerLeft, kLowerRight, kBottom };

// Every pixel of a segment, tapering from its outer line inwards.
std::vector<std::pair<int, int>> pixelsOf(Segment s) {
  std::vector<std::pair<int, int>> p;
  const auto row = [&p](int y, int x0, int x1) {
    for (int x = x0; x <= x1; ++x) p.push_back({x, y});
  };
  const auto column = [&p](int x, int y0, int y1) {
    for (int y = y0; y <= y1; ++y) p.push_back({x, y});
  };
  switch (s) {
    case kTop: row(0, 1, 9), row(1, 2, 8), row(2, 3, 7); break;
    case kUpperLeft: column(0, 1, 9), column(1, 2, 8), column(2, 3, 7); break;
    case kUpperRight: column(10, 1, 9), column(9, 2, 8), column(8, 3, 7); break;
    case kMiddle: row(9, 2, 8), row(10, 1, 9), row(11, 2, 8); break;
    case kLowerLeft: column(0, 11, 19), column(1, 12, 18), column(2, 13, 17); break;
    case kLowerRight: column(10, 11, 19), column(9, 12, 18), column(8, 13, 17); break;
    case kBottom: row(20, 1, 9), row(19, 2, 8), row(18, 3, 7); break;
  }
  return p;
}

const std::array<std::set<Segment>, 11> kLit = {{
    {kTop, kUpperLeft, kUpperRight, kLowerLeft, kLowerRight, kBottom},
    {kUpperRight, kLowerRight},
    {kTop, kUpperRight, kMiddle, kLowerLeft, kBottom},
    {kTop, kUpperRight, kMiddle, kLowerRight, kBottom},
    {kUpperLeft, kUpperRight, kMiddle, kLowerRight},
    {kTop, kUpperLeft, kMiddle, kLowerRight, kBottom},
    {kTop, kUpperLeft, kMiddle, kLowerLeft, kLowerRight, kBottom},
    {kTop, kUpperRight, kLowerRight},
    {kTop, kUpperLeft, kUpperRight, kMiddle, kLowerLeft, kLowerRight, kBottom},
    {kTop, kUpperLeft, kUpperRight, kMiddle, kLowerRight, kBottom},
    {kMiddle},
}};

TEST(DigitPictures, LitSegmentsAreRedAndUnlitOnesADarkRedCheckerboard) {
  for (int d = 0; d <= 10; ++d) {
    const int n = pic::kDigit0 + d;
    for (int s = kTop; s <= kBottom; ++s) {
      const bool lit = kLit[static_cast<std::size_t>(d)].count(static_cast<Segment>(s)) > 0;
      for (const auto& [x, y] : pixelsOf(static_cast<Segment>(s))) {
        const auto c = pic(n).at(x, y);
        if (lit) {
          EXPECT_EQ(c, kRed) << where(n, x, y);
        } else {
          // Neighbours along a line alternate, so the pattern is a checkerboard.
          EXPECT_EQ(c, (x + y) % 2 == 1 ? kDarkRed : kBlack) << where(n, x, y);
        }
      }
    }
  }
}

TEST(DigitPictures, EverythingOutsideTheSegmentsIsBlack) {
  std::set<std::pair<int, int>> segmentPixels;
  std::size_t listed = 0;
  for (int s = kTop; s <= kBottom; ++s) {
    const auto pixels = pixelsOf(static_cast<Segment>(s));
    segmentPixels.insert(pixels.begin(), pixels.end());
    listed += pixels.size();
  }
  ASSERT_EQ(segmentPixels.size(), listed) << "segments never share a pixel";
  for (int n = pic::kDigit0; n <= pic::kMinus; ++n) {
    for (int y = 0; y < 21; ++y) {
      for (int x = 0; x < 11; ++x) {
        if (segmentPixels.count({x, y}) == 0) {
          EXPECT_EQ(pic(n).at(x, y), kBlack) << where(n, x, y);
        }
      }
    }
  }
}

}  // namespace
}  // namespace klandor::res
