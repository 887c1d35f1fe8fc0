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

const std::vector<Group> kGroups = {
    {100, 100, 26, 26},  {101, 105, 25, 25},  {200, 210, 11, 21},  {300, 308, 16, 16},
    {400, 406, 16, 16},  {500, 500, 41, 25},  {501, 502, 12, 55},  {503, 503, 1, 55},
    {504, 505, 12, 12},  {506, 506, 1, 12},   {507, 507, 12, 1},   {600, 600, 303, 100},
    {1300, 1308, 16, 16}, {1400, 1406, 16, 16}, {2300, 2308, 16, 16}, {2400, 2406, 16, 16},
    {3300, 3308, 16, 16}, {3400, 3406, 16, 16}, {4300, 4308, 16, 16}, {4400, 4406, 16, 16},
    {5300, 5308, 16, 16}, {5400, 5406, 16, 16}, {6300, 6308, 16, 16}, {6400, 6406, 16, 16},
    {7300, 7308, 32, 32}, {7400, 7406, 32, 32},
};

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
  for (int n : {0, 99, 106, 199, 211, 309, 407, 508, 601, 1309, 1407, 2309, 2407, 7309, 7407, 8300, 8400}) {
    EXPECT_EQ(picture(n), nullptr) << n;
  }
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
