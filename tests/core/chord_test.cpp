// The chord on a number: when it acts, and the left releases it stands for.
#include <gtest/gtest.h>

#include "tests/core/game_fixture.h"

namespace klandor::test {
namespace {

class ChordTest : public GameTest {
 protected:
  void SetUp() override {
    layMines(cornerBoard());
    click(1);
  }
};

TEST_F(ChordTest, ASatisfiedNumberUncoversEveryNeighbourWithoutAFlag) {
  game.mnuMarks_Click();
  const auto box = game.box;
  game.chord(1);
  EXPECT_EQ(game.box, box) << "no flag around the 1";
  rightClick(9);
  rightClick(9);  // a "?"
  rightClick(10);
  rightClick(2);
  const auto flagged = game.box;
  game.chord(1);
  EXPECT_EQ(game.box, flagged) << "two flags around the 1";

  rightClick(2);  // the wrong flag becomes a "?"
  game.Box_MouseDown(1, kMiddle);
  EXPECT_EQ(game.smile, pic::kSurprised);
  game.chord(1);
  EXPECT_EQ(game.smile, pic::kSmile);
  for (int c : {2, 9}) EXPECT_EQ(game.box[c], pic::kUncovered + 1) << "cell " << c;
  EXPECT_EQ(game.box[10], pic::kFlag);
  EXPECT_EQ(coveredCount(), cells() - 3);
  EXPECT_EQ(counter(), shown(0, 0, 9));
  EXPECT_TRUE(game.b.playing && game.secondEnabled);
}

TEST_F(ChordTest, AWrongFlagLosesAndAfterwardsAChordOnlyBringsBackTheSmile) {
  rightClick(2);  // the mine on 10 has none
  game.chord(1);
  EXPECT_EQ(game.box[9], pic::kUncovered + 1) << "released before the mine, in reading order";
  EXPECT_EQ(game.box[10], pic::kMineHit);
  EXPECT_EQ(game.box[2], pic::kWrongFlag);
  EXPECT_EQ(game.smile, pic::kLost);
  EXPECT_FALSE(game.b.playing || game.secondEnabled);

  const auto box = game.box;
  game.chord(9);
  EXPECT_EQ(game.box, box);
  EXPECT_EQ(game.smile, pic::kSmile) << "as any release once the game is lost";
}

TEST_F(ChordTest, ALeftReleaseChordsOnlyWithClickNumbersToChordAndCascadesToTheWin) {
  struct CountingRecords : Records {
    int entries = 0;
    void recordEntry(Game&) override { ++entries; }
  } records;
  game.setRecords(&records);
  settings.options.clickNumbersToChord = true;
  click(1);
  EXPECT_EQ(coveredCount(), cells() - 1) << "no flag around the 1";

  rightClick(10);
  settings.options = {.chording = true};
  click(1);
  EXPECT_EQ(coveredCount(), cells() - 1) << "a left release on a number is no chord without the option";
  settings.options.clickNumbersToChord = true;
  click(1);
  EXPECT_EQ(coveredCount(), cells() - 3);
  click(11);  // a covered cell: uncovered as ever
  click(11);  // its chord reaches the 0 on cell 4
  EXPECT_TRUE(game.b.won);
  EXPECT_EQ(coveredCount(), settings.totalmines);
  EXPECT_EQ(game.smile, pic::kWon);
  EXPECT_FALSE(game.secondEnabled);
  EXPECT_GE(records.entries, 1) << "as a left release's cascade enters the time";
}

}  // namespace
}  // namespace klandor::test
