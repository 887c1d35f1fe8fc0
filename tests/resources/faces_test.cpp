// The face button pictures: the bevels, the disc outline and each
// expression, pixel by pixel where they are fixed.

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "picture_test_util.h"
#include "resources/picture_numbers.h"

namespace klandor::res {
namespace {

using namespace colour;
using testing::pic;
using testing::where;

using Pixels = std::vector<std::pair<int, int>>;

void expectColour(int number, const Pixels& pixels, std::uint8_t colour) {
  for (const auto& [x, y] : pixels) EXPECT_EQ(pic(number).at(x, y), colour) << where(number, x, y);
}

// The outline of the disc of pic::kSmile, as (x, y).
Pixels discOutline() {
  Pixels p;
  for (int x = 9; x <= 13; ++x) p.insert(p.end(), {{x, 3}, {x, 19}});
  for (int x : {7, 8, 14, 15}) p.insert(p.end(), {{x, 4}, {x, 18}});
  const int left[] = {6, 5, 4, 4}, right[] = {16, 17, 18, 18};
  for (int i = 0; i < 4; ++i) {
    p.insert(p.end(), {{left[i], 5 + i}, {right[i], 5 + i}});
    p.insert(p.end(), {{left[3 - i], 14 + i}, {right[3 - i], 14 + i}});
  }
  for (int y = 9; y <= 13; ++y) p.insert(p.end(), {{3, y}, {19, y}});
  return p;
}

TEST(FacePictures, RaisedButtonHasItsRingsAndLightGreyCorners) {
  for (int n : {pic::kSmile, pic::kSurprised, pic::kLost, pic::kWon}) {
    expectColour(n, {{0, 0}, {12, 0}, {0, 12}, {24, 24}, {24, 12}, {12, 24}}, kDarkGrey);
    expectColour(n, {{24, 0}, {0, 24}, {2, 2}, {21, 21}, {2, 12}}, kLightGrey);
    expectColour(n, {{1, 1}, {22, 1}, {1, 22}}, kWhite);
    expectColour(n, {{23, 1}, {23, 23}, {1, 23}}, kBlack);
    expectColour(n, {{22, 2}, {22, 22}, {2, 22}}, kDarkGrey);
  }
}

TEST(FacePictures, PressedSmileIsSunkenWithTheFaceTwoPixelsDownAndRight) {
  const int n = pic::kSmilePressed;
  expectColour(n, {{0, 0}, {24, 24}}, kDarkGrey);
  expectColour(n, {{24, 0}, {0, 24}, {3, 3}}, kLightGrey);
  expectColour(n, {{1, 1}, {23, 1}, {1, 23}}, kBlack);
  expectColour(n, {{2, 2}, {22, 2}, {2, 22}}, kDarkGrey);
  expectColour(n, {{23, 2}, {23, 23}, {2, 23}}, kWhite);
  for (int y = 3; y <= 19; ++y) {
    for (int x = 3; x <= 19; ++x) {
      EXPECT_EQ(pic(n).at(x + 2, y + 2), pic(pic::kSmile).at(x, y)) << where(n, x + 2, y + 2);
    }
  }
}

TEST(FacePictures, EveryFaceHasTheYellowDiscWithItsBlackOutline) {
  for (int n : {pic::kSmile, pic::kSurprised, pic::kLost, pic::kWon}) {
    expectColour(n, discOutline(), kBlack);
    // Just outside the outline the button shows; just inside, the face.
    expectColour(n, {{8, 3}, {14, 3}, {6, 4}, {5, 5}, {3, 8}, {2, 11}, {20, 11}, {19, 8}}, kLightGrey);
    expectColour(n, {{11, 4}, {9, 5}, {4, 9}, {18, 13}, {11, 18}, {6, 6}}, kYellow);
  }
}

TEST(FacePictures, SmileHasSquareEyesAndACurvedMouth) {
  expectColour(pic::kSmile, {{8, 8}, {9, 9}, {13, 8}, {14, 9}, {7, 13}, {15, 13}, {8, 14}, {14, 14}}, kBlack);
  expectColour(pic::kSmile, {{9, 15}, {11, 15}, {13, 15}}, kBlack);
  expectColour(pic::kSmile, {{10, 8}, {12, 9}, {8, 15}, {14, 15}, {11, 14}, {7, 14}}, kYellow);
}

TEST(FacePictures, SurprisedHasRoundEyesAndARingMouthWithOliveCorners) {
  const int n = pic::kSurprised;
  expectColour(n, {{8, 7}, {7, 8}, {8, 8}, {9, 8}, {8, 9}, {14, 7}, {13, 8}, {15, 8}, {14, 9}}, kBlack);
  expectColour(n, {{7, 7}, {9, 7}, {7, 9}, {9, 9}, {13, 7}, {15, 9}}, kOlive);
  expectColour(n, {{10, 12}, {12, 12}, {9, 13}, {9, 15}, {13, 14}, {11, 16}}, kBlack);
  expectColour(n, {{9, 12}, {13, 12}, {9, 16}, {13, 16}}, kOlive);
  expectColour(n, {{11, 14}, {10, 13}, {12, 15}}, kYellow);
}

TEST(FacePictures, LostHasCrossedEyesAndAFrown) {
  const int n = pic::kLost;
  expectColour(n, {{7, 7}, {9, 7}, {8, 8}, {7, 9}, {9, 9}, {13, 7}, {15, 9}, {14, 8}}, kBlack);
  expectColour(n, {{8, 7}, {7, 8}, {14, 7}, {15, 8}}, kYellow);
  expectColour(n, {{9, 13}, {13, 13}, {8, 14}, {14, 14}, {7, 15}, {15, 15}}, kBlack);
  expectColour(n, {{11, 15}, {8, 13}, {14, 13}}, kYellow);
}

TEST(FacePictures, WonWearsSunglassesWithAYellowBridge) {
  const int n = pic::kWon;
  Pixels glasses;
  for (int x = 7; x <= 15; ++x) glasses.push_back({x, 8});
  for (int x : {6, 10, 12, 16}) glasses.push_back({x, 9});
  for (int x : {7, 10, 12, 15}) glasses.push_back({x, 10});
  glasses.insert(glasses.end(), {{5, 10}, {17, 10}, {4, 11}, {18, 11}});
  expectColour(n, glasses, kBlack);
  expectColour(n, {{11, 9}, {6, 8}, {16, 8}, {11, 10}, {6, 10}, {16, 10}}, kYellow);
  expectColour(n, {{8, 14}, {14, 14}, {9, 15}, {13, 15}}, kBlack);
  int olive = 0;
  for (int x = 6; x <= 16; ++x) olive += pic(n).at(x, 11) == kOlive;
  EXPECT_EQ(olive, 2);
}

TEST(FacePictures, InitialFaceIsTheSmileOnAButtonOnePixelLarger) {
  const int n = pic::kInitialFace;
  expectColour(n, {{0, 0}, {25, 25}, {25, 12}, {12, 25}}, kDarkGrey);
  expectColour(n, {{25, 0}, {0, 25}}, kLightGrey);
  expectColour(n, {{1, 1}, {23, 1}, {1, 23}}, kWhite);
  expectColour(n, {{24, 1}, {24, 24}, {1, 24}}, kBlack);
  expectColour(n, {{23, 2}, {23, 23}, {2, 23}}, kDarkGrey);
  for (int y = 3; y <= 19; ++y) {
    for (int x = 3; x <= 19; ++x) {
      EXPECT_EQ(pic(n).at(x + 1, y + 1), pic(pic::kSmile).at(x, y)) << where(n, x + 1, y + 1);
    }
  }
}

}  // namespace
}  // namespace klandor::res
