#pragma once
// The expert's options. Every one is off until the player turns it on, and
// with all of them off the game plays, draws and stores as it always has.

namespace klandor {

struct Options {
  bool chording = false;              // both buttons, or the middle one, on a number
  bool clickNumbersToChord = false;   // a left release on a satisfied number chords it
  bool guessFree = false;             // boards that logic alone solves from the first release
  bool rememberLevelAndLook = false;  // the level, Color, the tile set and Marks kept between runs
  bool keepStatistics = false;        // every finished game added to the statistics file

  bool operator==(const Options&) const = default;
};

}  // namespace klandor
