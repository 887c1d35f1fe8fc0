#pragma once
// The menu bar as data: its items in display order, their captions and
// design-time state, and the check marks and enabled state the game holds.

#include <array>
#include <cstddef>
#include <string_view>

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
  mnuSep3,
  mnuBest,
  mnuSep4,
  mnuExit,
  mnuHelp,
  mnuHelpT,
  mnuSep5,
  mnuAbout,
};
inline constexpr std::size_t kMenuItems = 18;

struct MenuDesign {
  Menu item;
  Menu parent;  // the item itself for a menu of the bar
  std::string_view name;
  std::string_view caption;  // "&" before the access key; "-" a separator
  bool checked;
  bool enabled;
  std::string_view shortcut;  // empty when none
};

inline constexpr std::array<MenuDesign, kMenuItems> kMenuDesign = {{
    {Menu::mnuGame, Menu::mnuGame, "mnuGame", "&Game", false, true, ""},
    {Menu::mnuNew, Menu::mnuGame, "mnuNew", "&New Game", false, true, "F2"},
    {Menu::mnuSep1, Menu::mnuGame, "mnuSep1", "-", false, true, ""},
    {Menu::mnuBeginner, Menu::mnuGame, "mnuBeginner", "&Beginner", true, true, ""},
    {Menu::mnuIntermediate, Menu::mnuGame, "mnuIntermediate", "&Intermediate", false, true, ""},
    {Menu::mnuHard, Menu::mnuGame, "mnuHard", "&Expert", false, true, ""},
    {Menu::mnuCustom, Menu::mnuGame, "mnuCustom", "&Custom...", false, true, ""},
    {Menu::mnuSep2, Menu::mnuGame, "mnuSep2", "-", false, true, ""},
    {Menu::mnuMarks, Menu::mnuGame, "mnuMarks", "&Marks (?)", false, true, ""},
    {Menu::mnuColor, Menu::mnuGame, "mnuColor", "Co&lor", false, true, ""},
    {Menu::mnuSep3, Menu::mnuGame, "mnuSep3", "-", false, true, ""},
    {Menu::mnuBest, Menu::mnuGame, "mnuBest", "Best &Times...", false, true, ""},
    {Menu::mnuSep4, Menu::mnuGame, "mnuSep4", "-", false, true, ""},
    {Menu::mnuExit, Menu::mnuGame, "mnuExit", "E&xit", false, true, ""},
    {Menu::mnuHelp, Menu::mnuHelp, "mnuHelp", "&Help", false, true, ""},
    {Menu::mnuHelpT, Menu::mnuHelp, "mnuHelpT", "&Help Topics", false, false, ""},
    {Menu::mnuSep5, Menu::mnuHelp, "mnuSep5", "-", false, true, ""},
    {Menu::mnuAbout, Menu::mnuHelp, "mnuAbout", "&About Klandor", false, true, ""},
}};

constexpr const MenuDesign& design(Menu item) { return kMenuDesign[static_cast<std::size_t>(item)]; }
constexpr bool isSeparator(Menu item) { return design(item).caption == "-"; }

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
