#include "records/settings.h"

#include <gtest/gtest.h>

#include <string>

#include "core/tile_sets.h"

namespace klandor {
namespace {

Settings remembering(GameLevel level, CustomField custom, int tileset, bool marks) {
  Settings s;
  s.options = {.chording = true, .guessFree = true, .rememberLevelAndLook = true};
  s.look = {level, custom, tileset, marks};
  return s;
}

TEST(Settings, ReadsBackWhatItWrites) {
  EXPECT_EQ(formatSettings(remembering(GameLevel::custom, {20, 12, 45}, pic::kSolidTiles, true), ""),
            "chording=on\r\nclick-numbers-to-chord=off\r\nguess-free=on\r\nremember-level-and-look=on\r\n"
            "keep-statistics=off\r\nlevel=custom\r\nwidth=20\r\nheight=12\r\nmines=45\r\ntile-set=solid-color\r\n"
            "marks=on\r\n");
  for (const TileSetChoice& choice : kTileSetChoices) {
    for (GameLevel level : kGameLevels) {
      // A fixed level keeps no Custom board.
      const CustomField board = level == GameLevel::custom ? CustomField{30, 24, 667} : CustomField{8, 8, 10};
      const Settings s = remembering(level, board, choice.tileset, level == GameLevel::expert);
      EXPECT_EQ(parseSettings(formatSettings(s, "")), s) << levelName(level) << " " << choice.tileset;
    }
  }
  Settings all;
  all.options = {true, true, true, false, true};
  EXPECT_EQ(parseSettings(formatSettings(all, "")), all);
}

TEST(Settings, PassesOverWhatIsNoSetting) {
  const Settings s = parseSettings(
      "\xEF\xBB\xBF# chording=on\n; guess-free=on\n[Game]\n\n  Click-Numbers-To-Chord = YES \r\n"
      "keep-statistics=true\nkeep-statistics=maybe\nremember-level-and-look\nchording=1\nchording=0\n"
      "LEVEL=Expert\ntile-set=large\nmarks=On\nlevel=hard\n");
  EXPECT_EQ(s.options, (Options{.clickNumbersToChord = true, .keepStatistics = true}));
  EXPECT_EQ(s.look, (RememberedLook{GameLevel::expert, {8, 8, 10}, pic::kColourTiles, true}));
  const std::string png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR=\xff", 18);
  EXPECT_EQ(parseSettings(png), Settings{});
  EXPECT_EQ(formatSettings(Settings{}, png), formatSettings(Settings{}, ""));
  EXPECT_EQ(parseSettings(""), Settings{});
}

TEST(Settings, BringsTheCustomBoardIntoTheLimits) {
  auto board = [](const std::string& size) { return parseSettings("level=custom\n" + size).look.custom; };
  EXPECT_EQ(board("width=99\nheight=-4\nmines=99999999999999999999"), (CustomField{30, 8, 203}));
  EXPECT_EQ(board("width=+12\nheight=24\nmines=5"), (CustomField{12, 24, 10}));
  EXPECT_EQ(board("width=12.5\nheight=ten\nmines=60"), (CustomField{8, 8, 49}));
}

TEST(Settings, WritingKeepsTheRestOfTheFile) {
  const std::string previous =
      "# mine\r\n[Game]\nlevel=expert\nfuture-key = Some Value\njunk line\n\nchording=off\nchording=on\n"
      "width=16\nmarks=on";
  Settings s = remembering(GameLevel::intermediate, {}, pic::kDiceTiles, false);
  EXPECT_EQ(formatSettings(s, previous),
            "# mine\r\n[Game]\r\nlevel=intermediate\r\nfuture-key = Some Value\r\n\r\nchording=on\r\nmarks=off\r\n"
            "click-numbers-to-chord=off\r\nguess-free=on\r\nremember-level-and-look=on\r\nkeep-statistics=off\r\n"
            "tile-set=dice\r\n");
  // Without the option the look is taken out of the file.
  s.options.rememberLevelAndLook = false;
  EXPECT_EQ(formatSettings(s, previous),
            "# mine\r\n[Game]\r\nfuture-key = Some Value\r\n\r\nchording=on\r\nclick-numbers-to-chord=off\r\n"
            "guess-free=on\r\nremember-level-and-look=off\r\nkeep-statistics=off\r\n");
}

TEST(Settings, LookOfTheGameAndBack) {
  Module1 m;
  m.expert = true;
  m.custom = kTrue;
  m.across = 17;
  m.down = 9;
  m.totalmines = 33;
  m.tileset = pic::kLandscapeTiles;
  const RememberedLook look = lookOf(m, true);
  EXPECT_EQ(look, (RememberedLook{GameLevel::custom, {17, 9, 33}, pic::kLandscapeTiles, true}));
  Module1 restored;
  restored.beginner = true;
  applyLook(look, restored);
  EXPECT_TRUE(!restored.beginner && !restored.expert && restored.custom == kTrue);
  EXPECT_EQ(lookOf(restored, true), look);
  applyLook({GameLevel::intermediate, {}, pic::kLargeColourTiles, false}, restored);
  EXPECT_TRUE(restored.intermediate && restored.custom == kFalse);
  EXPECT_EQ(restored.tileset, pic::kLandscapeTiles);  // no set of the menu: the one in force stays
}

}  // namespace
}  // namespace klandor
