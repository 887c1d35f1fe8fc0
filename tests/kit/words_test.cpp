// The board's words as a front end without translations shows them.
#include "kit/words.h"

#include <gtest/gtest.h>

#include "resources/picture_numbers.h"

namespace klandor::kit {
namespace {

TEST(Words, CellsCountersAndTheStateReadInEnglish) {
  EXPECT_EQ(cellName(pic::kUncovered).english(), "empty");
  EXPECT_EQ(cellName(pic::kUncovered + 1).english(), "1 mine around");
  const Phrase eight = cellName(pic::kUncovered + 8);
  EXPECT_EQ(eight.english(), "8 mines around");
  EXPECT_TRUE(eight.plural) << "languages inflect by the count";
  EXPECT_EQ(cellName(pic::kQuestionPressed).english(), "question mark");
  EXPECT_EQ(cellName(pic::kQuestion + pic::kDiceTiles).text, nullptr) << "no offset is taken off here";
  EXPECT_EQ(cellKind(pic::kQuestionPressed), cellKind(pic::kQuestion));
  EXPECT_NE(cellKind(pic::kFlag), cellKind(pic::kCovered));

  EXPECT_EQ(cellPlace(2, 29).english(), "Row 3, column 30");
  EXPECT_EQ(counterName(-12).english(), "Mines left: -12");
  EXPECT_EQ(clockName(1).english(), "Time: 1 second");
  EXPECT_EQ(clockName(999).english(), "Time: 999 seconds");
  EXPECT_FALSE(counterName(1).plural);

  Board b;
  b.playing = true;
  EXPECT_EQ(gameState(b).english(), "Game in play");
  b.playing = false;
  EXPECT_EQ(gameState(b).english(), "Game lost");
  b.won = true;
  EXPECT_EQ(gameState(b).english(), "Game won");
}

}  // namespace
}  // namespace klandor::kit
