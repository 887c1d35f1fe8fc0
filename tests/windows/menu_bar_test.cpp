// The menu bar as the system holds it, against the game's menu table.
#include "windows/menu_bar.h"

#include <gtest/gtest.h>

#include <string>

#include "windows/text.h"
#include "windows/translations/translations.h"

namespace klandor::win {
namespace {

std::wstring caption(HMENU menu, UINT position) {
  wchar_t text[64] = {};
  GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
  return text;
}

TEST(MenuBarTest, EveryItemAtItsPlaceWithItsCaptionStateAndShortcut) {
  MenuBar bar;
  std::array<UINT, kMenuItems> position{};  // within its own menu
  std::array<int, kMenuItems> count{};  // items of each menu
  int menusOfTheBar = 0;
  for (const MenuDesign& d : kMenuDesign) {
    const auto slot = static_cast<std::size_t>(d.item);
    position[slot] = static_cast<UINT>(d.parent == d.item ? menusOfTheBar++ : count[static_cast<std::size_t>(d.parent)]++);
  }
  std::array<HMENU, kMenuItems> menus{};
  for (const MenuDesign& d : kMenuDesign) {
    const auto slot = static_cast<std::size_t>(d.item);
    HMENU parent = d.parent == d.item ? bar.handle() : menus[static_cast<std::size_t>(d.parent)];
    ASSERT_EQ(parent, bar.parentOf(d.item)) << d.name;
    const UINT at = position[slot];
    const UINT state = GetMenuState(parent, at, MF_BYPOSITION);
    if (isSeparator(d.item)) {
      EXPECT_TRUE(state & MF_SEPARATOR) << d.name;
      continue;
    }
    std::wstring expected = wide(d.caption);
    if (!d.shortcut.empty()) expected += L"\t" + wide(d.shortcut);
    EXPECT_EQ(caption(parent, at), expected) << d.name;
    if (opensMenu(d.item)) {
      menus[slot] = GetSubMenu(parent, static_cast<int>(at));
      ASSERT_NE(menus[slot], nullptr) << d.name;
      EXPECT_EQ(GetMenuItemCount(menus[slot]), count[slot]) << d.name;
      continue;
    }
    EXPECT_EQ(GetMenuItemID(parent, static_cast<int>(at)), MenuBar::command(d.item)) << d.name;
    EXPECT_EQ(MenuBar::item(MenuBar::command(d.item)), d.item);
    EXPECT_EQ((state & MF_CHECKED) != 0, d.checked) << d.name;
    EXPECT_EQ((state & MF_GRAYED) != 0, !d.enabled) << d.name;
  }
  EXPECT_EQ(GetMenuItemCount(bar.handle()), menusOfTheBar);
  EXPECT_FALSE(MenuBar::item(MenuBar::command(Menu::mnuAbout) + 1));
  DestroyMenu(bar.handle());
}

TEST(MenuBarTest, CaptionsInThePlayersLanguage) {
  useLanguage("de");
  MenuBar bar;
  for (const Menu item : {Menu::mnuGame, Menu::mnuTileDice, Menu::mnuExit}) {
    const std::wstring german = wide(translated(kMenuContext, design(item).caption));
    ASSERT_NE(german, wide(design(item).caption));
    wchar_t text[64] = {};
    if (opensMenu(item)) {
      GetMenuStringW(bar.parentOf(item), 0, text, 64, MF_BYPOSITION);
    } else {
      GetMenuStringW(bar.parentOf(item), MenuBar::command(item), text, 64, MF_BYCOMMAND);
    }
    EXPECT_EQ(text, german);
  }
  useLanguage("");
  DestroyMenu(bar.handle());
}

TEST(MenuBarTest, FollowsTheGamesCheckMarksAndShortcutKeys) {
  MenuBar bar;
  MenuState state;
  state.setChecked(Menu::mnuBeginner, false);
  state.setChecked(Menu::mnuHard, true);
  state.setChecked(Menu::mnuTileDice, true);
  bar.sync(state);
  auto checked = [&](Menu item) {
    return (GetMenuState(bar.parentOf(item), MenuBar::command(item), MF_BYCOMMAND) & MF_CHECKED) != 0;
  };
  EXPECT_FALSE(checked(Menu::mnuBeginner));
  EXPECT_TRUE(checked(Menu::mnuHard));
  EXPECT_TRUE(checked(Menu::mnuTileDice));
  EXPECT_TRUE(GetMenuState(bar.parentOf(Menu::mnuHelpT), MenuBar::command(Menu::mnuHelpT), MF_BYCOMMAND) &
              MF_GRAYED);

  ACCEL keys[4];
  ASSERT_EQ(CopyAcceleratorTableW(bar.accelerators(), keys, 4), 1);
  EXPECT_EQ(keys[0].key, VK_F2);
  EXPECT_EQ(keys[0].cmd, MenuBar::command(Menu::mnuNew));
  EXPECT_EQ(shortcutKey("F12"), static_cast<UINT>(VK_F12));
  EXPECT_EQ(shortcutKey("F0"), 0u);
  EXPECT_EQ(shortcutKey("Ctrl+N"), 0u);
  DestroyMenu(bar.handle());
}

}  // namespace
}  // namespace klandor::win
