#pragma once
// The expert's options. Every one is off until the player turns it on, and
// with all of them off the game plays, draws and stores as it always has.

#include <array>

#include "core/menu.h"

namespace klandor {

struct Options {
  bool chording = false;              // both buttons, or the middle one, on a number
  bool clickNumbersToChord = false;   // a left release on a satisfied number chords it
  bool guessFree = false;             // boards that logic alone solves from the first release
  bool rememberLevelAndLook = false;  // the level, Color, the tile set and Marks kept between runs
  bool keepStatistics = false;        // every finished game added to the statistics file

  bool operator==(const Options&) const = default;
};

// Each option's item of the Options menu, which shows it checked while on.
struct OptionItem {
  Menu item;
  bool Options::*on;
};
inline constexpr std::array<OptionItem, 5> kOptionItems = {{
    {Menu::mnuChording, &Options::chording},
    {Menu::mnuClickChord, &Options::clickNumbersToChord},
    {Menu::mnuGuessFree, &Options::guessFree},
    {Menu::mnuRemember, &Options::rememberLevelAndLook},
    {Menu::mnuKeepStatistics, &Options::keepStatistics},
}};

}  // namespace klandor
