#pragma once
// The settings every window of the game shares. They start zero, False or
// empty, and last as long as the program runs.

#include <cstdint>
#include <string>

#include "core/options.h"

namespace klandor {

// The integer flags hold True as -1 and False as 0.
inline constexpr std::int16_t kTrue = -1;
inline constexpr std::int16_t kFalse = 0;

struct Module1 {
  int across = 0;      // columns, 8..30
  int down = 0;        // rows, 8..24
  int totalmines = 0;  // mines on the board
  int tileset = 0;     // the cell set in force, as its picture offset (pic::k...Tiles)
  bool beginner = false;
  bool intermediate = false;
  bool expert = false;
  std::int16_t custom = kFalse;  // kTrue: the Custom level is chosen
  std::string bestline;          // the best-times line, quotes included
  Options options;               // all off unless the player turned them on
};

}  // namespace klandor
