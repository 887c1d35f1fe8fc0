// The catalogue as a whole: which numbers exist and how large each one is.

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "picture_test_util.h"
#include "resources/picture_numbers.h"

namespace klandor::res {
namespace {

using testing::pic;

struct Group {
  int first;
  int last;
  int width;
  int height;
};

constexpr int kEight = pic::kUncovered + 8;  // the last numbered cell
constexpr int kCellSets[] = {pic::kFlatTiles,      pic::kMonochromeTiles, pic::kSolidTiles,      pic::kShadedTiles,
                             pic::kLandscapeTiles, pic::kDiceTiles,       pic::kLargeColourTiles};

// In ascending order: the colour set's pictures with the rest, then every
// other cell set by its offset.
std::vector<Group> groups() {
  std::vector<Group> g = {
      {pic::kInitialFace, pic::kInitialFace, 26, 26},
      {pic::kSmile, pic::kWon, 25, 25},
      {pic::kDigit0, pic::kMinus, 11, 21},
      {pic::kUncovered, kEight, 16, 16},
      {pic::kCovered, pic::kQuestionPressed, 16, 16},
      {pic::kCounterBox, pic::kCounterBox, 41, 25},
      {pic::kFrameL, pic::kFrameR, 12, 55},
      {pic::kFrameM, pic::kFrameM, 1, 55},
      {pic::kFrameCL, pic::kFrameCR, 12, 12},
      {pic::kFrameB, pic::kFrameB, 1, 12},
      {pic::kFrameW, pic::kFrameW, 12, 1},
      {pic::kBestTimesBackground, pic::kBestTimesBackground, 303, 100},
  };
  for (int set : kCellSets) {
    const int side = set == pic::kLargeColourTiles ? 32 : 16;
    g.push_back({set + pic::kUncovered, set + kEight, side, side});
    g.push_back({set + pic::kCovered, set + pic::kQuestionPressed, side, side});
  }
  return g;
}
const std::vector<Group> kGroups = groups();

TEST(PictureCatalogue, HoldsExactlyTheGamesNumbersInAscendingOrder) {
  std::vector<int> expected;
  for (const Group& g : kGroups) {
    for (int n = g.first; n <= g.last; ++n) expected.push_back(n);
  }
  EXPECT_EQ(pictureNumbers(), expected);
  EXPECT_EQ(pictureNumbers().front(), pic::kInitialFace);
  EXPECT_EQ(pictureNumbers().size(), 153u + 1u) << "every numbered bitmap and the initial face";
}

TEST(PictureCatalogue, EveryPictureHasItsStatedSizeAndOnlyPaletteIndices) {
  for (const Group& g : kGroups) {
    for (int n = g.first; n <= g.last; ++n) {
      const Picture& p = pic(n);
      EXPECT_EQ(p.width, g.width) << n;
      EXPECT_EQ(p.height, g.height) << n;
      ASSERT_EQ(p.pixels.size(), static_cast<std::size_t>(g.width * g.height)) << n;
      for (const auto index : p.pixels) ASSERT_LT(index, 16) << n;
    }
  }
}

TEST(PictureCatalogue, UnknownNumbersHaveNoPicture) {
  // Just outside each group, and the cells of an offset past the last set.
  for (int n : {0, pic::kInitialFace - 1, pic::kWon + 1, pic::kDigit0 - 1, pic::kMinus + 1, kEight + 1,
                pic::kQuestionPressed + 1, pic::kFrameW + 1, pic::kBestTimesBackground + 1}) {
    EXPECT_EQ(picture(n), nullptr) << n;
  }
  for (int set : kCellSets) {
    EXPECT_EQ(picture(set + kEight + 1), nullptr) << set;
    EXPECT_EQ(picture(set + pic::kQuestionPressed + 1), nullptr) << set;
  }
  EXPECT_EQ(picture(pic::kLargeColourTiles + 1000 + pic::kUncovered), nullptr);
  EXPECT_EQ(picture(pic::kLargeColourTiles + 1000 + pic::kCovered), nullptr);
}

TEST(WindowIcon, ComesAt16And32PixelsWithAMaskOfTheSameSize) {
  for (int size : {16, 32}) {
    const Icon& i = icon(size);
    EXPECT_EQ(i.image.width, size);
    EXPECT_EQ(i.image.height, size);
    EXPECT_EQ(i.image.pixels.size(), static_cast<std::size_t>(size * size));
    EXPECT_EQ(i.transparent.size(), static_cast<std::size_t>(size * size));
  }
}

// The mine sits in the lower right, the rays burst toward the upper left,
// in white, light grey and dark grey only, and the ground is see-through.
TEST(WindowIcon, ShowsTheMineLowerRightAndGreyRaysUpperLeftOnClearGround) {
  using namespace colour;
  for (int size : {16, 32}) {
    const Icon& i = icon(size);
    const int half = size / 2;
    std::set<std::uint8_t> rayColours;
    long blackX = 0, blackY = 0, blacks = 0, rayX = 0, rayY = 0, rays = 0;
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        if (i.transparent[static_cast<std::size_t>(y * size + x)]) continue;
        const auto c = i.image.at(x, y);
        ASSERT_TRUE(c == kBlack || c == kWhite || c == kLightGrey || c == kDarkGrey) << size;
        if (c == kBlack) {
          blackX += x, blackY += y, ++blacks;
        } else {
          rayX += x, rayY += y, ++rays;
          rayColours.insert(c);
        }
      }
    }
    ASSERT_GT(blacks, 0);
    EXPECT_GT(blackX / blacks, half) << size;
    EXPECT_GT(blackY / blacks, half) << size;
    ASSERT_GT(rays, 0);
    EXPECT_LT(rayX / rays, half) << size;
    EXPECT_LT(rayY / rays, half) << size;
    EXPECT_EQ(rayColours, (std::set<std::uint8_t>{kWhite, kLightGrey, kDarkGrey})) << size;
    EXPECT_TRUE(i.transparent[static_cast<std::size_t>(size - 1)]) << size;
    EXPECT_TRUE(i.transparent[static_cast<std::size_t>((size - 1) * size)]) << size;
  }
}

}  // namespace
}  // namespace klandor::res
