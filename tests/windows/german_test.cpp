// A German session under Wine: the menus, the dialogs and the Best Times
// background in German, as the player whose interface is German sees them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>

#include "resources/best_background.h"
#include "resources/pictures.h"
#include "tests/windows/window_fixture.h"
#include "windows/menu_bar.h"
#include "windows/text.h"
#include "windows/translations/translations.h"

namespace klandor::win {
namespace {

std::wstring menuText(HMENU menu, int position) {
  wchar_t text[64] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
  return text;
}

class GermanTest : public test::WindowTest {
 protected:
  void SetUp() override {
    ASSERT_EQ(useLanguage("de"), "de");
    WindowTest::SetUp();
  }
  void TearDown() override {
    WindowTest::TearDown();
    useLanguage("");
  }
};

TEST_F(GermanTest, MenusAndDialogsSpeakGerman) {
  HMENU bar = GetMenu(main());
  EXPECT_EQ(menuText(bar, 0), L"&Spiel");
  EXPECT_EQ(menuText(bar, 1), L"&Hilfe");
  HMENU game = GetSubMenu(bar, 0);
  EXPECT_EQ(menuText(game, 0), L"&Neues Spiel\tF2");
  EXPECT_EQ(menuText(GetSubMenu(bar, 1), 0), L"&Hilfethemen");

  choose(Menu::mnuBest);
  GameDialog& best = view(session.form2());
  EXPECT_EQ(best.text(kit::Form2::Best), "999 Sekunden");
  EXPECT_EQ(best.text(kit::Form2::Reset), "&Löschen");
  SendMessageW(best.hwnd(), WM_CLOSE, 0, 0);

  choose(Menu::mnuCustom);
  GameDialog& custom = view(session.form3());
  EXPECT_EQ(windowText(custom.hwnd()), "Benutzerdefiniertes Feld");
  EXPECT_EQ(custom.text(kit::Form3::Cancel), "Abbrechen");
  SendMessageW(custom.hwnd(), WM_CLOSE, 0, 0);
}

TEST_F(GermanTest, TheBestTimesBackgroundIsLetteredInGerman) {
  const res::Picture german = res::bestTimesBackground({"Die Schnellsten", {"Anfänger:", "Fortgeschrittene:", "Profis:"}});
  ASSERT_NE(german.pixels, res::picture(600)->pixels);
  choose(Menu::mnuBest);
  const GameDialog& best = view(session.form2());
  const int s = best.pictureScale(kit::Form2::Fram);
  int wrong = 0;
  for (int y = 0; y < german.height; ++y)
    for (int x = 0; x < german.width; ++x) {
      const res::Rgb& c = res::kPalette[german.at(x, y) & 0x0F];
      wrong += best.picturePixel(kit::Form2::Fram, x * s, y * s) != (static_cast<std::uint32_t>(c.r) << 16 | c.g << 8 | c.b);
    }
  EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace klandor::win
