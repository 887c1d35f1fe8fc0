#pragma once
// The main window's menu bar, built from the game's menu table: captions
// in the player's language with their access keys, separators, the Tile Set submenu, the shortcut
// keys as an accelerator table; the check marks and enabled state follow
// the game's.

#include "windows/win32.h"

#include <array>
#include <optional>
#include <string_view>

#include "core/menu.h"

namespace klandor::win {

class MenuBar {
 public:
  MenuBar();
  ~MenuBar();
  MenuBar(const MenuBar&) = delete;
  MenuBar& operator=(const MenuBar&) = delete;

  // The bar, for the window to own (SetMenu); the accelerators stay here.
  HMENU handle() const { return bar_; }
  HACCEL accelerators() const { return accelerators_; }

  // The command of an item in WM_COMMAND, and back.
  static UINT command(Menu item);
  static std::optional<Menu> item(UINT command);

  // Check marks and enabled state as the game has them. Only the items whose
  // state changed are touched; true when one was, for the bar to be drawn
  // again.
  bool sync(const MenuState& state);

  // The menu that holds an item (the bar for a menu of the bar).
  HMENU parentOf(Menu item) const { return parents_[static_cast<std::size_t>(item)]; }

 private:
  HMENU bar_ = nullptr;
  HACCEL accelerators_ = nullptr;
  std::array<HMENU, kMenuItems> parents_{};
  MenuState shown_;  // as the menus hold it
};

// The virtual key of a shortcut such as "F2"; 0 for none.
UINT shortcutKey(std::string_view shortcut);

}  // namespace klandor::win
