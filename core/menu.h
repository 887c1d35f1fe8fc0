#pragma once
// The menu bar as data: its items in display order, their captions and
// design-time state, and the check marks and enabled state the game holds.

#include <array>
#include <cstddef>
#include <string_view>

#include "resources/translatable.h"

namespace klandor {

enum class Menu : int {
  mnuGame,
  mnuNew,
  mnuSep1,
  mnuBeginner,
  mnuIntermediate,
  mnuHard,
  mnuCustom,
  mnuSep2,
  mnuMarks,
  mnuColor,
  mnuTiles,
  mnuTileColor,
  mnuTileMono,
  mnuTileFlat,
  mnuTileSolid,
  mnuTileShaded,
  mnuTileLandscape,
  mnuTileDice,
  mnuOptions,
  mnuChording,
  mnuClickChord,
  mnuGuessFree,
  mnuRemember,
  mnuKeepStatistics,
  mnuSep3,
  mnuBest,
  mnuStatistics,
  mnuSep4,
  mnuExit,
  mnuHelp,
  mnuHelpT,
  mnuSep5,
  mnuAbout,
};
inline constexpr std::size_t kMenuItems = 33;

// An item opens a menu of its own when other items name it as their parent;
// those follow it in the table.
struct MenuDesign {
  Menu item;
  Menu parent;  // the item itself for a menu of the bar
  std::string_view name;
  std::string_view caption;  // "&" before the access key; "-" a separator;
                             // English, translated by the shell in kMenuContext
  bool checkable;            // has room for a check mark
  bool checked;
  bool enabled;
  std::string_view shortcut;  // empty when none
};

inline constexpr char kMenuContext[] = "Menu";

// item, parent, name, caption, checkable, checked, enabled, shortcut
inline constexpr std::array<MenuDesign, kMenuItems> kMenuDesign = {{
    {Menu::mnuGame, Menu::mnuGame, "mnuGame", KLANDOR_TR_NOOP("Menu", "&Game"), false, false, true, ""},
    {Menu::mnuNew, Menu::mnuGame, "mnuNew", KLANDOR_TR_NOOP("Menu", "&New Game"), false, false, true, "F2"},
    {Menu::mnuSep1, Menu::mnuGame, "mnuSep1", "-", false, false, true, ""},
    {Menu::mnuBeginner, Menu::mnuGame, "mnuBeginner", KLANDOR_TR_NOOP("Menu", "&Beginner"), true, true, true, ""},
    {Menu::mnuIntermediate, Menu::mnuGame, "mnuIntermediate", KLANDOR_TR_NOOP("Menu", "&Intermediate"), true, false, true, ""},
    {Menu::mnuHard, Menu::mnuGame, "mnuHard", KLANDOR_TR_NOOP("Menu", "&Expert"), true, false, true, ""},
    {Menu::mnuCustom, Menu::mnuGame, "mnuCustom", KLANDOR_TR_NOOP("Menu", "&Custom..."), true, false, true, ""},
    {Menu::mnuSep2, Menu::mnuGame, "mnuSep2", "-", false, false, true, ""},
    {Menu::mnuMarks, Menu::mnuGame, "mnuMarks", KLANDOR_TR_NOOP("Menu", "&Marks (?)"), true, false, true, ""},
    {Menu::mnuColor, Menu::mnuGame, "mnuColor", KLANDOR_TR_NOOP("Menu", "Co&lor"), true, false, true, ""},
    {Menu::mnuTiles, Menu::mnuGame, "mnuTiles", KLANDOR_TR_NOOP("Menu", "Tile &Set"), false, false, true, ""},
    {Menu::mnuTileColor, Menu::mnuTiles, "mnuTileColor", KLANDOR_TR_NOOP("Menu", "&Color"), true, false, true, ""},
    {Menu::mnuTileMono, Menu::mnuTiles, "mnuTileMono", KLANDOR_TR_NOOP("Menu", "&Monochrome"), true, false, true, ""},
    {Menu::mnuTileFlat, Menu::mnuTiles, "mnuTileFlat", KLANDOR_TR_NOOP("Menu", "&Flat"), true, false, true, ""},
    {Menu::mnuTileSolid, Menu::mnuTiles, "mnuTileSolid", KLANDOR_TR_NOOP("Menu", "&Solid Color"), true, false, true, ""},
    {Menu::mnuTileShaded, Menu::mnuTiles, "mnuTileShaded", KLANDOR_TR_NOOP("Menu", "S&haded"), true, false, true, ""},
    {Menu::mnuTileLandscape, Menu::mnuTiles, "mnuTileLandscape", KLANDOR_TR_NOOP("Menu", "&Landscape"), true, false, true, ""},
    {Menu::mnuTileDice, Menu::mnuTiles, "mnuTileDice", KLANDOR_TR_NOOP("Menu", "&Dice"), true, false, true, ""},
    // The expert's options: each off until the player turns it on.
    {Menu::mnuOptions, Menu::mnuGame, "mnuOptions", KLANDOR_TR_NOOP("Menu", "&Options"), false, false, true, ""},
    {Menu::mnuChording, Menu::mnuOptions, "mnuChording", KLANDOR_TR_NOOP("Menu", "&Chording"), true, false, true, ""},
    {Menu::mnuClickChord, Menu::mnuOptions, "mnuClickChord", KLANDOR_TR_NOOP("Menu", "Click &Numbers to Chord"), true,
     false, true, ""},
    {Menu::mnuGuessFree, Menu::mnuOptions, "mnuGuessFree", KLANDOR_TR_NOOP("Menu", "&Guess-Free Boards"), true, false,
     true, ""},
    {Menu::mnuRemember, Menu::mnuOptions, "mnuRemember", KLANDOR_TR_NOOP("Menu", "Remember &Level and Look"), true,
     false, true, ""},
    {Menu::mnuKeepStatistics, Menu::mnuOptions, "mnuKeepStatistics", KLANDOR_TR_NOOP("Menu", "Keep &Statistics"), true,
     false, true, ""},
    {Menu::mnuSep3, Menu::mnuGame, "mnuSep3", "-", false, false, true, ""},
    {Menu::mnuBest, Menu::mnuGame, "mnuBest", KLANDOR_TR_NOOP("Menu", "Best &Times..."), false, false, true, ""},
    {Menu::mnuStatistics, Menu::mnuGame, "mnuStatistics", KLANDOR_TR_NOOP("Menu", "St&atistics..."), false, false, true,
     ""},
    {Menu::mnuSep4, Menu::mnuGame, "mnuSep4", "-", false, false, true, ""},
    {Menu::mnuExit, Menu::mnuGame, "mnuExit", KLANDOR_TR_NOOP("Menu", "E&xit"), false, false, true, ""},
    {Menu::mnuHelp, Menu::mnuHelp, "mnuHelp", KLANDOR_TR_NOOP("Menu", "&Help"), false, false, true, ""},
    {Menu::mnuHelpT, Menu::mnuHelp, "mnuHelpT", KLANDOR_TR_NOOP("Menu", "&Help Topics"), false, false, false, ""},
    {Menu::mnuSep5, Menu::mnuHelp, "mnuSep5", "-", false, false, true, ""},
    {Menu::mnuAbout, Menu::mnuHelp, "mnuAbout", KLANDOR_TR_NOOP("Menu", "&About Klandor"), false, false, true, ""},
}};

constexpr bool inItemOrder() {
  for (std::size_t i = 0; i < kMenuItems; ++i) {
    if (static_cast<std::size_t>(kMenuDesign[i].item) != i) return false;
  }
  return true;
}
static_assert(inItemOrder(), "the table lists every item at its own place");

constexpr const MenuDesign& design(Menu item) { return kMenuDesign[static_cast<std::size_t>(item)]; }
constexpr bool isSeparator(Menu item) { return design(item).caption == "-"; }
constexpr bool opensMenu(Menu item) {
  for (const MenuDesign& d : kMenuDesign) {
    if (d.parent == item) return true;
  }
  return false;
}

// The check marks and enabled state of every item, as the player sees them.
class MenuState {
 public:
  MenuState() { restoreDesign(); }

  // Back to the state the menu bar is built with.
  void restoreDesign() {
    for (const MenuDesign& d : kMenuDesign) {
      checked_[static_cast<std::size_t>(d.item)] = d.checked;
      enabled_[static_cast<std::size_t>(d.item)] = d.enabled;
    }
  }

  bool checked(Menu item) const { return checked_[static_cast<std::size_t>(item)]; }
  bool enabled(Menu item) const { return enabled_[static_cast<std::size_t>(item)]; }
  void setChecked(Menu item, bool on) { checked_[static_cast<std::size_t>(item)] = on; }

  bool operator==(const MenuState&) const = default;

 private:
  std::array<bool, kMenuItems> checked_{};
  std::array<bool, kMenuItems> enabled_{};
};

}  // namespace klandor
