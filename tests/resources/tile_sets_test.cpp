// What is fixed about the cell sets the player picks from the tile-set
// submenu and about the large colour set: the solid set's colours, the
// shaded set's order, the dice's pips and the large set's doubling.

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

constexpr int kSolid = pic::kSolidTiles, kShaded = pic::kShadedTiles, kDice = pic::kDiceTiles,
              kLarge = pic::kLargeColourTiles;

TEST(SolidTiles, EachCountFillsItsCellWithItsColourInsideABlackLine) {
  const std::uint8_t fills[] = {kWhite, kBlue, kDarkGreen, kRed, kNavy, kDarkRed, kTeal, kBlack, kDarkGrey};
  for (int n = 0; n <= 8; ++n) {
    const Picture& p = pic(kSolid + pic::kUncovered + n);
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(p.at(x, y), x == 15 || y == 15 ? kBlack : fills[n]) << where(kSolid + 300 + n, x, y);
      }
    }
  }
}

TEST(SolidTiles, MinesAreRedOnWhiteAndTheExplodedOneWhiteOnRed) {
  const Picture& mine = pic(kSolid + pic::kMine);
  const Picture& hit = pic(kSolid + pic::kMineHit);
  EXPECT_EQ(mine.at(1, 1), kWhite);
  EXPECT_EQ(mine.at(7, 7), kRed);
  for (int y = 0; y < 15; ++y) {
    for (int x = 0; x < 15; ++x) {
      const auto m = mine.at(x, y);
      ASSERT_TRUE(m == kRed || m == kWhite) << where(kSolid + pic::kMine, x, y);
      EXPECT_EQ(hit.at(x, y), m == kRed ? kWhite : kRed) << where(kSolid + pic::kMineHit, x, y);
    }
  }
}

// The mean brightness of the cell's inside, in sixteenths of white.
int brightness(const Picture& p) {
  int sum = 0;
  for (int y = 0; y < 15; ++y) {
    for (int x = 0; x < 15; ++x) {
      const Rgb c = kPalette[p.at(x, y)];
      sum += c.r + c.g + c.b;
    }
  }
  return sum * 16 / (15 * 15 * 3 * 255);
}

TEST(ShadedTiles, DarkenStepByStepFromWhiteToBlackOverTheColourSetsGridLine) {
  EXPECT_EQ(brightness(pic(kShaded + pic::kUncovered)), 16);
  EXPECT_EQ(brightness(pic(kShaded + pic::kUncovered + 8)), 0);
  for (int n = 1; n <= 8; ++n) {
    EXPECT_LT(brightness(pic(kShaded + pic::kUncovered + n)), brightness(pic(kShaded + pic::kUncovered + n - 1)))
        << n;
    for (int i = 1; i < 16; i += 2) {
      EXPECT_EQ(pic(kShaded + pic::kUncovered + n).at(15, i), kBlack) << n;
      EXPECT_EQ(pic(kShaded + pic::kUncovered + n).at(i, 15), kBlack) << n;
    }
  }
  for (int role = pic::kCovered; role <= pic::kQuestionPressed; ++role) {
    EXPECT_EQ(pic(kShaded + role).pixels, pic(role).pixels) << role;
  }
}

// Red areas apart from one another, corners touching counting as apart.
int redAreas(const Picture& p) {
  std::vector<bool> seen(p.pixels.size());
  int areas = 0;
  for (int start = 0; start < p.width * p.height; ++start) {
    if (seen[static_cast<std::size_t>(start)] || p.pixels[static_cast<std::size_t>(start)] != kRed) continue;
    ++areas;
    std::vector<int> todo{start};
    seen[static_cast<std::size_t>(start)] = true;
    while (!todo.empty()) {
      const int i = todo.back();
      todo.pop_back();
      const int x = i % p.width, y = i / p.width;
      for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
        const int nx = x + dx, ny = y + dy;
        if (nx < 0 || ny < 0 || nx >= p.width || ny >= p.height) continue;
        const auto j = static_cast<std::size_t>(ny * p.width + nx);
        if (!seen[j] && p.pixels[j] == kRed) {
          seen[j] = true;
          todo.push_back(static_cast<int>(j));
        }
      }
    }
  }
  return areas;
}

TEST(DiceTiles, EachUncoveredDieIsWhiteWithRoundedBlackCornersAndShowsItsCountInRedPips) {
  for (int n = 0; n <= 8; ++n) {
    const int number = kDice + pic::kUncovered + n;
    EXPECT_EQ(redAreas(pic(number)), n) << number;
    EXPECT_EQ(coloursIn(number, 0, 0, 15, 15), n == 0 ? (std::set<std::uint8_t>{kBlack, kWhite})
                                                       : (std::set<std::uint8_t>{kBlack, kWhite, kRed}))
        << number;
    for (const auto& [x, y] : {std::pair{0, 0}, {14, 0}, {0, 14}, {14, 14}}) {
      EXPECT_EQ(pic(number).at(x, y), kBlack) << where(number, x, y);
    }
    EXPECT_EQ(pic(number).at(7, 0), kWhite) << number;
  }
  EXPECT_EQ(pic(kDice + pic::kCovered).at(7, 7), kLightGrey);
}

// Picture `large` is picture `small` with every pixel a square of 2 x 2.
void expectDoubled(int large, int small) {
  ASSERT_EQ(pic(large).width, 2 * pic(small).width);
  for (int y = 0; y < pic(large).height; ++y) {
    for (int x = 0; x < pic(large).width; ++x) {
      ASSERT_EQ(pic(large).at(x, y), pic(small).at(x / 2, y / 2)) << where(large, x, y);
    }
  }
}

TEST(LargeColourTiles, DoubleEveryPixelOfTheColourSetButTheCoveredTilesBevel) {
  for (int n = 0; n <= 8; ++n) expectDoubled(kLarge + pic::kUncovered + n, pic::kUncovered + n);
  for (int role : {pic::kMine, pic::kMineHit, pic::kWrongFlag, pic::kQuestionPressed}) {
    expectDoubled(kLarge + role, role);
  }
  // The flag and the "?" stand doubled on the covered tile.
  for (int role : {pic::kFlag, pic::kQuestion}) {
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const auto mark = pic(role).at(x / 2, y / 2);
        const auto tile = pic(kLarge + pic::kCovered).at(x, y);
        EXPECT_EQ(pic(kLarge + role).at(x, y), mark != pic(pic::kCovered).at(x / 2, y / 2) ? mark : tile)
            << where(kLarge + role, x, y);
      }
    }
  }
  // Thicker than doubled: three pixels of white, three of dark grey and two
  // of black.
  const Picture& covered = pic(kLarge + pic::kCovered);
  const std::uint8_t lit[] = {kWhite, kWhite, kWhite, kLightGrey};
  const std::uint8_t shaded[] = {kBlack, kBlack, kDarkGrey, kDarkGrey, kDarkGrey, kLightGrey};
  for (int d = 0; d < 4; ++d) {
    EXPECT_EQ(covered.at(16, d), lit[d]) << d;
    EXPECT_EQ(covered.at(d, 16), lit[d]) << d;
  }
  for (int d = 0; d < 6; ++d) {
    EXPECT_EQ(covered.at(31 - d, 16), shaded[d]) << d;
    EXPECT_EQ(covered.at(16, 31 - d), shaded[d]) << d;
  }
}

}  // namespace
}  // namespace klandor::res
