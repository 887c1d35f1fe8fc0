// The board's parts as an assistive tool reads them: their order, words,
// marks and places, and what a sync calls to tell.
#include "kit/access.h"

#include <gtest/gtest.h>

#include "tests/core/game_fixture.h"

namespace klandor::kit {
namespace {

class AccessTest : public test::GameTest {
 protected:
  void SetUp() override { front.sync(); }
  std::string name(Part p) const { return partName(front, p).english(); }
  std::string status(Part p) const { return partStatus(front, p).english(); }

  Front front{game};
};

TEST_F(AccessTest, EveryPartNamesWhatTheBoardShows) {
  EXPECT_EQ(name({Part::kCounter}), "Mines left: 10");
  EXPECT_EQ(name({Part::kFace}), "New game");
  EXPECT_EQ(status({Part::kFace}), "Game in play");
  EXPECT_EQ(name({Part::kClock}), "Time: 0 seconds");
  EXPECT_EQ(name({Part::kMinefield}), "Minefield");
  EXPECT_EQ(status({Part::kMinefield}).substr(0, 10), "Arrow keys");
  EXPECT_EQ(status({Part::kClock}), "");
  layMines({10, 64});
  game.mnuMarks_Click();
  for (int i = 0; i < 2; ++i) rightClick(3);  // a flag, then a "?"
  rightClick(4);
  click(1);
  EXPECT_EQ(name({Part::kCell, 1}), "1 mine around");
  EXPECT_EQ(status({Part::kCell, 12}), "Row 2, column 4");
  EXPECT_EQ(partMark(front, {Part::kCell, 3}), kQuestionMark);
  EXPECT_EQ(partMark(front, {Part::kCell, 4}), kFlagMark);
  EXPECT_EQ(partMark(front, {Part::kCell, 5}), kNoMark);
  EXPECT_EQ(name({Part::kCounter}), "Mines left: 9");
  game.mnuColor_Click();  // another tile set: the same marks
  game.boxload(4, pic::kFlag);
  EXPECT_EQ(partMark(front, {Part::kCell, 4}), kFlagMark);
}

TEST_F(AccessTest, EachPartLiesWhereItIsDrawnAndIsFoundThere) {
  const Layout layout(30, 16);
  const int first = 30 * 16 + 1;
  EXPECT_EQ(partRect(layout, {Part::kCounter}), layout.boxRect(first).united(layout.boxRect(first + 2)));
  EXPECT_EQ(partRect(layout, {Part::kClock}), layout.boxRect(first + 3).united(layout.boxRect(first + 5)));
  EXPECT_EQ(partRect(layout, {Part::kMinefield}), layout.grid());
  EXPECT_EQ(partRect(layout, {Part::kCell, 45}), layout.boxRect(45));
  for (Part::Kind kind : kBoardParts) {
    if (kind == Part::kMinefield) continue;  // found as its cells
    const Rect r = partRect(layout, {kind});
    EXPECT_EQ(partAt(layout, r.x + r.w / 2, r.y + r.h / 2), Part{kind}) << kind;
  }
  const Rect cell = layout.boxRect(cellIndex(30, 29, 15));
  EXPECT_EQ(partAt(layout, cell.x + cell.w - 1, cell.y), (Part{Part::kCell, cellIndex(30, 29, 15)}));
  EXPECT_EQ(partAt(layout, 0, 0), std::nullopt) << "the frame";
}

TEST_F(AccessTest, ASyncCallsForTheReportsOfWhatChanged) {
  layMines({10, 64});
  rightClick(2);
  Reports r = reports(front.sync());
  EXPECT_EQ(r.renamed, (std::vector<Part>{{Part::kCell, 2}, {Part::kCounter}}));
  EXPECT_FALSE(r.newBoard || r.focus);
  click(10);
  r = reports(front.sync());
  EXPECT_EQ(r.renamed.back(), Part{Part::kFace}) << "the game is lost";
  front.keyDown(Key::kLeft, false);  // against the edge, told all the same
  EXPECT_TRUE(reports(front.sync()).focus);
  game.mnuHard_Click();
  r = reports(front.sync());
  EXPECT_TRUE(r.newBoard && r.focus);
  EXPECT_EQ(r.renamed, (std::vector<Part>{{Part::kCounter}, {Part::kClock}, {Part::kFace}}));
}

}  // namespace
}  // namespace klandor::kit
