#include "windows/menu_bar.h"

#include <string>
#include <vector>

#include "windows/text.h"
#include "windows/translations/translations.h"

namespace klandor::win {

namespace {
constexpr UINT kFirstCommand = 100;
}

UINT shortcutKey(std::string_view shortcut) {
  if (shortcut.size() < 2 || shortcut.size() > 3 || shortcut[0] != 'F') return 0;
  int n = 0;
  for (const char c : shortcut.substr(1)) {
    if (c < '0' || c > '9') return 0;
    n = n * 10 + (c - '0');
  }
  return n >= 1 && n <= 24 ? static_cast<UINT>(VK_F1 + n - 1) : 0;
}

UINT MenuBar::command(Menu item) { return kFirstCommand + static_cast<UINT>(item); }

std::optional<Menu> MenuBar::item(UINT command) {
  if (command < kFirstCommand || command >= kFirstCommand + kMenuItems) return std::nullopt;
  return static_cast<Menu>(command - kFirstCommand);
}

MenuBar::MenuBar() {
  bar_ = CreateMenu();
  std::array<HMENU, kMenuItems> menus{};
  std::vector<ACCEL> keys;
  for (const MenuDesign& d : kMenuDesign) {
    const auto slot = static_cast<std::size_t>(d.item);
    HMENU parent = d.parent == d.item ? bar_ : menus[static_cast<std::size_t>(d.parent)];
    parents_[slot] = parent;
    if (isSeparator(d.item)) {
      AppendMenuW(parent, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::wstring caption = wide(translated(kMenuContext, d.caption));
    if (opensMenu(d.item)) {  // a menu of the bar or a submenu
      menus[slot] = CreatePopupMenu();
      AppendMenuW(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(menus[slot]), caption.c_str());
      continue;
    }
    if (const UINT key = shortcutKey(d.shortcut); key != 0) {
      caption += L'\t' + wide(d.shortcut);
      keys.push_back(ACCEL{FVIRTKEY, static_cast<WORD>(key), static_cast<WORD>(command(d.item))});
    }
    // Made in the state of the design, which shown_ holds.
    const UINT state = (d.checkable && d.checked ? MF_CHECKED : 0) | (d.enabled ? 0 : MF_GRAYED);
    AppendMenuW(parent, MF_STRING | state, command(d.item), caption.c_str());
  }
  if (!keys.empty()) accelerators_ = CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

// The bar itself belongs to the window it is set on, which destroys it.
MenuBar::~MenuBar() {
  if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
}

bool MenuBar::sync(const MenuState& state) {
  if (state == shown_) return false;
  for (const MenuDesign& d : kMenuDesign) {
    if (isSeparator(d.item) || opensMenu(d.item)) continue;
    HMENU parent = parentOf(d.item);
    const UINT id = command(d.item);
    if (d.checkable && state.checked(d.item) != shown_.checked(d.item))
      CheckMenuItem(parent, id, MF_BYCOMMAND | (state.checked(d.item) ? MF_CHECKED : MF_UNCHECKED));
    if (state.enabled(d.item) != shown_.enabled(d.item))
      EnableMenuItem(parent, id, MF_BYCOMMAND | (state.enabled(d.item) ? MF_ENABLED : MF_GRAYED));
  }
  shown_ = state;
  return true;
}

}  // namespace klandor::win
