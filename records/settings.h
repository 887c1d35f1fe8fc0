#pragma once
// The settings file: the expert's options, and with "Remember Level and
// Look" on the level, the tile set and Marks, as plain key=value lines.
//
//   chording=on
//   click-numbers-to-chord=off
//   guess-free=off
//   remember-level-and-look=on
//   keep-statistics=off
//   level=custom
//   width=20
//   height=12
//   mines=45
//   tile-set=color
//   marks=on
//
// Reading passes over a byte-order mark at the start, blank lines, comments
// (# or ; first), [section] lines, lines without "=" and lines holding a
// control character (a file of other bytes). Keys and values lose the
// blanks around them and are read without regard to case. A value on or off
// is also read as 1 or 0, true or false, yes or no; a number must be whole,
// and the Custom board's are brought into the limits of a board as the
// Custom Field does, the smallest board standing in for one not given. A
// value that is none of these is passed over, leaving that setting as if
// its key were absent; of a key given twice the last good value holds. An
// empty file, one that could not be read or one of other bytes: every
// option off.
//
// Writing starts from the text read before and keeps its comments, blank
// lines, sections and keys of its own in their places, and drops the lines
// that are none of these. The game's keys take the place of their first
// line, a second line of the same key is dropped, and keys not there yet
// are added at the end. The look's keys are written only with "Remember
// Level and Look" on, and the board's size only for the Custom level;
// otherwise they are taken out. Every line ends in CR LF, as in the game's
// other files.

#include <optional>
#include <string>
#include <string_view>

#include "core/module1.h"
#include "core/options.h"
#include "records/custom_field.h"
#include "records/game_level.h"
#include "resources/picture_numbers.h"

namespace klandor {

inline constexpr std::string_view kSettingsFileName = "settings.ini";

// The level and look the next start restores, each value already within the
// game's limits.
struct RememberedLook {
  GameLevel level = GameLevel::beginner;
  CustomField custom{kMinAcross, kMinDown, kMinMines};  // the board of the Custom level
  int tileset = pic::kColourTiles;                       // one of kTileSetChoices
  bool marks = false;

  friend bool operator==(const RememberedLook&, const RememberedLook&) = default;
};

struct Settings {
  Options options;
  RememberedLook look;  // read whatever the option says; applied only with it on

  friend bool operator==(const Settings&, const Settings&) = default;
};

Settings parseSettings(std::string_view text);

// The text to write: previous (the text read at the start, or last written)
// with the game's keys set from settings.
std::string formatSettings(const Settings& settings, std::string_view previous);

// The name the file gives a tile set: "color", "monochrome", "flat",
// "solid-color", "shaded", "landscape", "dice"; empty for an offset that is
// no choice of the Tile Set menu.
std::string_view tileSetName(int tileset);
// The offset of a tile set's name; none for any other text.
std::optional<int> tileSetNamed(std::string_view name);

// The look of the game in force; Marks is a check of the menu, not a
// setting, so it comes in on its own.
RememberedLook lookOf(const Module1& settings, bool marks);
// The level and the tile set of the look put in force for the next load;
// Marks is left to the caller.
void applyLook(const RememberedLook& look, Module1& settings);

}  // namespace klandor
