#pragma once
// The levels the player picks from the Game menu, one row each: everything
// the rules, the menus and the dialogs know of a level is read from here.
// A fixed level has its board and, when it keeps a best time, its slot in
// the best-times line; the Custom level's board is the player's.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/menu.h"
#include "core/module1.h"
#include "resources/translatable.h"

namespace klandor {

inline constexpr char kLevelsContext[] = "Levels";

struct Level {
  std::int16_t levelnum;    // 1 Beginner, 2 Intermediate, 3 Expert, 4 Custom
  Menu item;                // its item of the Game menu
  std::string_view key;     // its name in the game's own files
  std::string_view name;    // its name in the dialogs, English, shown in kLevelsContext
  bool Module1::*selected;  // the setting that chooses a fixed level; null for Custom
  int across, down, totalmines;  // a fixed level's board
  int record;               // its slot in the best-times line, 1..3; 0 for none
};

// levelnum, item, key, name, selected, across, down, totalmines, record
inline constexpr std::array<Level, 4> kLevels = {{
    {1, Menu::mnuBeginner, "beginner", KLANDOR_TR_NOOP("Levels", "Beginner"), &Module1::beginner, 8, 8, 10, 1},
    {2, Menu::mnuIntermediate, "intermediate", KLANDOR_TR_NOOP("Levels", "Intermediate"), &Module1::intermediate,
     16, 16, 40, 2},
    {3, Menu::mnuHard, "expert", KLANDOR_TR_NOOP("Levels", "Expert"), &Module1::expert, 30, 16, 99, 3},
    {4, Menu::mnuCustom, "custom", KLANDOR_TR_NOOP("Levels", "Custom"), nullptr, 0, 0, 0, 0},
}};

inline constexpr std::int16_t kCustomLevel = 4;

// The level of a levelnum, or null for none.
constexpr const Level* levelOf(int levelnum) {
  for (const Level& level : kLevels) {
    if (level.levelnum == levelnum) return &level;
  }
  return nullptr;
}

// The level whose menu item this is, or null.
constexpr const Level* levelFor(Menu item) {
  for (const Level& level : kLevels) {
    if (level.item == item) return &level;
  }
  return nullptr;
}

// The levels that keep a best time, in the order of their slots.
constexpr bool slotsInOrder() {
  int slot = 0;
  for (const Level& level : kLevels) {
    if (level.record == 0) continue;
    if (level.record != slot + 1) return false;
    ++slot;
  }
  return slot == 3;
}
static_assert(slotsInOrder(), "the best-times line keeps three levels, in the order of its fields");

}  // namespace klandor
