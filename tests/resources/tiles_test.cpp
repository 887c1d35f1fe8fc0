// The cell pictures of the colour and the monochrome sets.

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "picture_test_util.h"
#include "resources/picture_numbers.h"

namespace klandor::res {
namespace {

using namespace colour;
using testing::coloursIn;
using testing::pic;
using testing::where;

constexpr int kMono = pic::kMonochromeTiles;

bool inside(int x, int y, int x0, int y0, int x1, int y1) { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }

// Outside the rectangle the picture is exactly the `ground` picture.
void expectGroundOutside(int number, int ground, int x0, int y0, int x1, int y1) {
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      if (!inside(x, y, x0, y0, x1, y1)) {
        EXPECT_EQ(pic(number).at(x, y), pic(ground).at(x, y)) << where(number, x, y);
      }
    }
  }
}

TEST(ColourTiles, UncoveredGroundIsLightGreyWithADottedGridLine) {
  const Picture& p = pic(pic::kUncovered);
  for (int i = 0; i < 16; ++i) {
    const auto dot = i % 2 == 1 ? kBlack : kLightGrey;
    EXPECT_EQ(p.at(15, i), dot) << i;
    EXPECT_EQ(p.at(i, 15), dot) << i;
  }
  EXPECT_EQ(coloursIn(pic::kUncovered, 0, 0, 14, 14), std::set<std::uint8_t>{kLightGrey});
}

TEST(ColourTiles, NumeralsKeepToTheirBandInTheirOwnColour) {
  const std::uint8_t ink[] = {kBlue, kDarkGreen, kRed, kNavy, kDarkRed, kTeal, kPurple, kBlack};
  for (int n = 1; n <= 8; ++n) {
    const int number = pic::kUncovered + n;
    const int bottom = n == 4 ? 12 : 11;
    expectGroundOutside(number, pic::kUncovered, 4, 3, 10, bottom);
    EXPECT_EQ(coloursIn(number, 4, 3, 10, bottom), (std::set<std::uint8_t>{kLightGrey, ink[n - 1]})) << n;
    // The numeral fills its band from top to bottom.
    EXPECT_EQ(coloursIn(number, 4, 3, 10, 3).count(ink[n - 1]), 1u) << n;
    EXPECT_EQ(coloursIn(number, 4, bottom, 10, bottom).count(ink[n - 1]), 1u) << n;
  }
  for (int x = 4; x <= 10; ++x) EXPECT_EQ(pic(pic::kUncovered + 1).at(x, 11), x >= 5 ? kBlue : kLightGrey) << x;
}

TEST(ColourTiles, CoveredTileIsRaised) {
  const Picture& p = pic(pic::kCovered);
  EXPECT_EQ(p.at(0, 0), kWhite);
  EXPECT_EQ(p.at(14, 0), kWhite);
  EXPECT_EQ(p.at(0, 14), kWhite);
  EXPECT_EQ(p.at(15, 0), kBlack);
  EXPECT_EQ(p.at(0, 15), kBlack);
  EXPECT_EQ(p.at(15, 15), kBlack);
  EXPECT_EQ(p.at(14, 1), kDarkGrey);
  EXPECT_EQ(p.at(1, 14), kDarkGrey);
  EXPECT_EQ(p.at(14, 14), kDarkGrey);
  EXPECT_EQ(coloursIn(pic::kCovered, 1, 1, 13, 13), std::set<std::uint8_t>{kLightGrey});
}

TEST(ColourTiles, FlagPennantShadesFromRedToDarkRedOnAPoleWithABase) {
  const int n = pic::kFlag;
  for (int row = 0; row < 4; ++row) {
    for (int x = 4; x <= 8; ++x) {
      EXPECT_EQ(pic(n).at(x, 3 + row), x < 8 - row ? kRed : kDarkRed) << where(n, x, 3 + row);
    }
  }
  for (int y = 7; y <= 10; ++y) EXPECT_EQ(pic(n).at(8, y), kBlack) << y;
  const std::uint8_t base11[] = {kDarkGrey, kBlack, kDarkGrey};
  for (int x = 7; x <= 9; ++x) EXPECT_EQ(pic(n).at(x, 11), base11[x - 7]) << x;
  for (int x = 5; x <= 11; ++x) {
    EXPECT_EQ(pic(n).at(x, 12), x == 5 || x == 11 ? kDarkGrey : kBlack) << x;
  }
  expectGroundOutside(n, pic::kCovered, 4, 3, 11, 12);
}

TEST(ColourTiles, MineHasSpikesTipsSofteningAndAHighlight) {
  const int n = pic::kMine;
  for (int i = 3; i <= 11; ++i) {
    EXPECT_EQ(pic(n).at(i, 7), kBlack) << i;
    EXPECT_EQ(pic(n).at(7, i), kBlack) << i;
  }
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{2, 7}, {12, 7}, {7, 2}, {7, 12}, {6, 4}, {8, 4},
                                                             {4, 6}, {10, 6}, {4, 8}, {10, 8}, {6, 10}, {8, 10}}) {
    EXPECT_EQ(pic(n).at(x, y), kDarkGrey) << where(n, x, y);
  }
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{4, 4}, {10, 4}, {4, 10}, {10, 10}, {5, 5}, {9, 9}}) {
    EXPECT_EQ(pic(n).at(x, y), kBlack) << where(n, x, y);
  }
  EXPECT_EQ(pic(n).at(6, 6), kWhite);
  EXPECT_EQ(pic(n).at(3, 3), kLightGrey);
  EXPECT_EQ(pic(n).at(5, 4), kLightGrey);
  expectGroundOutside(n, pic::kUncovered, 2, 2, 12, 12);
}

// The exploded mine is the mine on red: light grey turns red, dark grey dark red,
// and the dotted grid line on row and column 15 stays.
TEST(ColourTiles, ExplodedMineIsTheMineOnRedWithTheGridLineKept) {
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      auto expected = pic(pic::kMine).at(x, y);
      if (x < 15 && y < 15) {
        if (expected == kLightGrey) expected = kRed;
        if (expected == kDarkGrey) expected = kDarkRed;
      }
      EXPECT_EQ(pic(pic::kMineHit).at(x, y), expected) << where(pic::kMineHit, x, y);
    }
  }
}

TEST(ColourTiles, WrongFlagIsARedCrossShadedDarkRedAndEndingDarkRed) {
  const int n = pic::kWrongFlag;
  expectGroundOutside(n, pic::kUncovered, 3, 3, 12, 12);
  EXPECT_EQ(coloursIn(n, 3, 3, 12, 12), (std::set<std::uint8_t>{kLightGrey, kRed, kDarkRed}));
  EXPECT_EQ(pic(n).at(3, 3), kRed);
  EXPECT_EQ(pic(n).at(12, 3), kRed);
  EXPECT_EQ(pic(n).at(7, 7), kRed);
  EXPECT_EQ(pic(n).at(12, 12), kDarkRed);
  EXPECT_EQ(pic(n).at(3, 12), kDarkRed);
  EXPECT_EQ(coloursIn(n, 3, 12, 12, 12), (std::set<std::uint8_t>{kLightGrey, kDarkRed}));
  for (int y : {3, 4, 5, 9, 10, 11}) {  // away from where the strokes cross
    int red = 0;
    for (int x = 3; x <= 12; ++x) red += pic(n).at(x, y) == kRed;
    EXPECT_GE(red, 4) << "row " << y << ": two strokes, two pixels wide";
  }
}

TEST(ColourTiles, QuestionMarkIsBlueAndNavyAndThePressedOneNavyOnePixelRight) {
  const int n = pic::kQuestion, pressed = pic::kQuestionPressed;
  expectGroundOutside(n, pic::kCovered, 4, 3, 10, 12);
  expectGroundOutside(pressed, pic::kUncovered, 5, 3, 11, 12);
  EXPECT_EQ(coloursIn(n, 4, 3, 10, 12), (std::set<std::uint8_t>{kLightGrey, kBlue, kNavy}));
  EXPECT_EQ(coloursIn(pressed, 5, 3, 11, 12), (std::set<std::uint8_t>{kLightGrey, kNavy}));
  EXPECT_EQ(coloursIn(n, 4, 10, 10, 10), std::set<std::uint8_t>{kLightGrey}) << "gap above the dot";
  for (int y = 3; y <= 12; ++y) {
    for (int x = 4; x <= 10; ++x) {
      const bool mark = pic(n).at(x, y) != kLightGrey;
      EXPECT_EQ(pic(pressed).at(x + 1, y) == kNavy, mark) << where(pressed, x + 1, y);
      // Blue marks the left and upper edges: a pixel with mark on its left
      // and above is inside the stroke, hence navy.
      if (mark && pic(n).at(x - 1, y) != kLightGrey && pic(n).at(x, y - 1) != kLightGrey) {
        EXPECT_EQ(pic(n).at(x, y), kNavy) << where(n, x, y);
      }
      if (mark && pic(n).at(x - 1, y) == kLightGrey && pic(n).at(x, y - 1) == kLightGrey) {
        EXPECT_EQ(pic(n).at(x, y), kBlue) << where(n, x, y);
      }
    }
  }
}

TEST(MonochromeTiles, UseOnlyBlackAndWhite) {
  for (int n = kMono + pic::kUncovered; n <= kMono + pic::kQuestionPressed;
       n = n == kMono + pic::kUncovered + 8 ? kMono + pic::kCovered : n + 1) {
    EXPECT_EQ(coloursIn(n, 0, 0, 15, 15), (std::set<std::uint8_t>{kBlack, kWhite})) << n;
  }
}

TEST(MonochromeTiles, UncoveredIsWhiteWithASolidGridLineAndNumeralsInTheirBand) {
  const int ground = kMono + pic::kUncovered;
  EXPECT_EQ(coloursIn(ground, 0, 0, 14, 14), std::set<std::uint8_t>{kWhite});
  EXPECT_EQ(coloursIn(ground, 15, 0, 15, 15), std::set<std::uint8_t>{kBlack});
  EXPECT_EQ(coloursIn(ground, 0, 15, 15, 15), std::set<std::uint8_t>{kBlack});
  for (int n = 1; n <= 8; ++n) {
    const int left = n == 1 ? 4 : 2, right = n == 1 ? 10 : 11;
    expectGroundOutside(ground + n, ground, left, 2, right, 11);
    EXPECT_EQ(coloursIn(ground + n, left, 2, right, 2).count(kBlack), 1u) << n;
    EXPECT_EQ(coloursIn(ground + n, left, 11, right, 11).count(kBlack), 1u) << n;
  }
}

TEST(MonochromeTiles, CoveredTileHasADeepBevelMeetingDiagonallyAroundACheckerboard) {
  const int n = kMono + pic::kCovered;
  EXPECT_EQ(pic(n).at(13, 0), kWhite);
  EXPECT_EQ(pic(n).at(14, 0), kBlack);
  EXPECT_EQ(pic(n).at(0, 13), kWhite);
  EXPECT_EQ(pic(n).at(0, 14), kBlack);
  EXPECT_EQ(coloursIn(n, 13, 1, 15, 15), std::set<std::uint8_t>{kBlack});
  EXPECT_EQ(coloursIn(n, 1, 13, 15, 15), std::set<std::uint8_t>{kBlack});
  for (int y = 1; y <= 12; ++y) {
    for (int x = 1; x <= 12; ++x) {
      if (x < 12) {
        EXPECT_NE(pic(n).at(x, y), pic(n).at(x + 1, y)) << where(n, x, y);
      }
      if (y < 12) {
        EXPECT_NE(pic(n).at(x, y), pic(n).at(x, y + 1)) << where(n, x, y);
      }
    }
  }
}

TEST(MonochromeTiles, MarksOnTheCoveredTileStayInsideTheCheckerboard) {
  for (int n : {kMono + pic::kFlag, kMono + pic::kQuestion}) {
    expectGroundOutside(n, kMono + pic::kCovered, 1, 1, 12, 12);
  }
  // The flag's pole and the question mark's dot are solid black.
  EXPECT_EQ(coloursIn(kMono + pic::kFlag, 8, 7, 8, 10), std::set<std::uint8_t>{kBlack});
  expectGroundOutside(kMono + pic::kQuestionPressed, kMono + pic::kUncovered, 2, 2, 11, 11);
}

TEST(MonochromeTiles, MineIsLargerWithATwoByTwoHighlight) {
  const int n = kMono + pic::kMine;
  for (int i = 1; i <= 13; ++i) {
    EXPECT_EQ(pic(n).at(i, 7), kBlack) << i;
    EXPECT_EQ(pic(n).at(7, i), kBlack) << i;
  }
  EXPECT_EQ(pic(n).at(0, 7), kWhite);
  EXPECT_EQ(pic(n).at(14, 7), kWhite);
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{3, 3}, {11, 3}, {3, 11}, {11, 11}, {5, 3}, {9, 11},
                                                             {4, 4}, {10, 10}, {3, 5}, {11, 9}}) {
    EXPECT_EQ(pic(n).at(x, y), kBlack) << where(n, x, y);
  }
  for (const auto& [x, y] : std::vector<std::pair<int, int>>{{4, 3}, {10, 3}, {3, 4}, {2, 2}, {5, 5}, {6, 6}}) {
    EXPECT_EQ(pic(n).at(x, y), kWhite) << where(n, x, y);
  }
  EXPECT_EQ(pic(n).at(7, 6), kBlack);
}

TEST(MonochromeTiles, ExplodedMineIsTheInverseOnBlack) {
  const int mine = kMono + pic::kMine, hit = kMono + pic::kMineHit;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const auto expected = x == 15 || y == 15 ? kBlack : (pic(mine).at(x, y) == kBlack ? kWhite : kBlack);
      EXPECT_EQ(pic(hit).at(x, y), expected) << where(hit, x, y);
    }
  }
}

TEST(MonochromeTiles, WrongFlagCrossesTheMineCornerToCornerInTheOppositeColour) {
  const int mine = kMono + pic::kMine, wrong = kMono + pic::kWrongFlag;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const bool onCross = y < 15 && (x == y || x == 14 - y);
      const auto m = pic(mine).at(x, y);
      EXPECT_EQ(pic(wrong).at(x, y), onCross ? (m == kBlack ? kWhite : kBlack) : m) << where(wrong, x, y);
    }
  }
}

}  // namespace
}  // namespace klandor::res
