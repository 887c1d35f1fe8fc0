// A cell without neighbouring mines opens its whole area.
#include <gtest/gtest.h>

#include "tests/core/game_fixture.h"

namespace klandor::test {
namespace {

using CascadeTest = GameTest;

TEST_F(CascadeTest, OpensTheConnectedAreaAndItsNumberedRim) {
  layMines(walledBoard());
  click(1);

  for (int c = 1; c <= 48; ++c) {
    ASSERT_TRUE(game.b.uncovered[c]) << "cell " << c;
    ASSERT_EQ(game.box[c], pic::kUncovered + game.b.near[c]) << "cell " << c;
  }
  EXPECT_EQ(game.box[1], pic::kUncovered);
  EXPECT_EQ(game.box[41], pic::kUncovered + 2);
  for (int c : {58, 59, 60, 61, 62, 64}) EXPECT_FALSE(game.b.uncovered[c]) << "cell " << c;
  EXPECT_EQ(coveredCount(), 16);
  EXPECT_TRUE(game.b.playing);
  EXPECT_FALSE(game.b.won);
}

TEST_F(CascadeTest, DoesNotWrapAcrossRowEnds) {
  // A wall of mines in column 2 parts the board; the left part keeps two
  // more mines at the bottom, so that its column 0 counts 0 near the top.
  std::vector<int> mines;
  for (int y = 0; y < 8; ++y) mines.push_back(cellIndex(8, 2, y));
  mines.insert(mines.end(), {49, 57});

  auto leftPart = [](int c) { return cellColumn(8, c) <= 1; };
  auto rightPart = [](int c) { return cellColumn(8, c) >= 3; };

  for (int corner : {8, 1}) {  // top right, then top left
    game.mnuNew_Click();
    layMines(mines);
    click(corner);
    const bool openedRight = corner == 8;
    for (int c = 1; c <= cells(); ++c) {
      if (rightPart(c)) {
        ASSERT_EQ(game.b.uncovered[c], openedRight) << "corner " << corner << ", cell " << c;
      }
      if (leftPart(c) && cellRow(8, c) < 5) {
        ASSERT_EQ(game.b.uncovered[c], !openedRight) << "corner " << corner << ", cell " << c;
      }
    }
    EXPECT_TRUE(game.b.playing);
  }
}

TEST_F(CascadeTest, UncoversFlaggedAndMarkedCellsKeepingTheirMarks) {
  layMines(walledBoard());
  game.mnuMarks_Click();
  rightClick(41);  // a flag on a cell counting 2
  rightClick(20);  // "?" on a cell counting 0
  rightClick(20);
  ASSERT_EQ(counter(), shown(0, 0, 9));

  click(1);

  EXPECT_TRUE(game.b.uncovered[41]);
  EXPECT_EQ(game.box[41], pic::kUncovered + 2);
  EXPECT_EQ(game.b.mark[41], kFlagMark);
  EXPECT_TRUE(game.b.uncovered[20]);
  EXPECT_EQ(game.box[20], pic::kUncovered);
  EXPECT_EQ(game.b.mark[20], kQuestionMark);
  EXPECT_EQ(game.b.minesleft, 9) << "the uncovered flag still counts";
  EXPECT_EQ(counter(), shown(0, 0, 9));
}

}  // namespace
}  // namespace klandor::test
