// The 3BV of small boards drawn by hand ('*' a mine).
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/three_bv.h"

namespace klandor::test {
namespace {

struct DrawnBoard {
  const char* name;
  std::vector<std::string> rows;
  int threeBV;
};
void PrintTo(const DrawnBoard& b, std::ostream* os) { *os << b.name; }

class ThreeBVTest : public ::testing::TestWithParam<DrawnBoard> {};

TEST_P(ThreeBVTest, CountsEachOpeningOnceAndEachNumberOutsideThem) {
  const DrawnBoard& board = GetParam();
  const int across = static_cast<int>(board.rows[0].size()), down = static_cast<int>(board.rows.size());
  MineMap mines{};
  for (int y = 0; y < down; ++y)
    for (int x = 0; x < across; ++x) mines[cellIndex(across, x, y)] = board.rows[y][x] == '*';
  EXPECT_EQ(threeBV(across, down, mines), board.threeBV);
}

INSTANTIATE_TEST_SUITE_P(
    Boards, ThreeBVTest,
    ::testing::Values(
        // Every number borders the one opening.
        DrawnBoard{"OneMineInACorner", {"*....", ".....", "....."}, 1},
        // The opening reaches around the block, joined only along the top.
        DrawnBoard{"OneOpeningAroundABlock", {"........", "........", "...**...", "...**...", "...**..."}, 1},
        // The number below the wall borders neither opening beside it.
        DrawnBoard{"ANumberBetweenTwoOpenings", {"..*..", "..*..", "....."}, 3},
        // The 2 at the second cell of the second row borders the lone cell
        // in the corner and the large opening: two openings, not joined by
        // it, and the 2 adds nothing.
        DrawnBoard{"ANumberOnTwoOpenings", {"..*..", ".....", "*....", ".....", "....."}, 2},
        // Fourteen numbers, no opening: one release each.
        DrawnBoard{"NoOpenings", {".*..*.", "......", ".*..*."}, 14}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace klandor::test
