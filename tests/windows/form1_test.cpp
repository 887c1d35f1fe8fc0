// The real main window under Wine, hidden, on a private display: its size,
// place and border, what it composes, its commands and shortcut keys.
#include "windows/form1.h"

#include <gtest/gtest.h>

#include <memory>

#include "kit/layout.h"
#include "resources/picture_numbers.h"
#include "tests/core/game_fixture.h"

namespace klandor::win {
namespace {

std::uint32_t colour(const res::Picture& p, int x, int y) {
  const res::Rgb& c = res::kPalette[p.at(x, y)];
  return static_cast<std::uint32_t>(c.r) << 16 | static_cast<std::uint32_t>(c.g) << 8 | c.b;
}

class Form1Test : public test::GameTest {
 protected:
  void SetUp() override { form = std::make_unique<Form1>(game, GetModuleHandleW(nullptr)); }

  void choose(Menu item) { SendMessageW(form->hwnd(), WM_COMMAND, MenuBar::command(item), 0); }
  SIZE client() const {
    RECT r;
    GetClientRect(form->hwnd(), &r);
    return {r.right, r.bottom};
  }
  POINT centre() const {
    RECT r;
    GetWindowRect(form->hwnd(), &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  // The composed client area shows the picture on the layout's rectangle,
  // a slice stretched over it.
  bool shows(int number, const kit::Rect& where) const {
    const res::Picture& p = *res::picture(number);
    for (int y = 0; y < where.h; ++y)
      for (int x = 0; x < where.w; ++x)
        if (form->composed().pixel(where.x + x, where.y + y) != colour(p, x % p.width, y % p.height)) return false;
    return true;
  }

  std::unique_ptr<Form1> form;
};

TEST_F(Form1Test, FixedBorderCentredClientAreaOfTheLayout) {
  const LONG style = GetWindowLongW(form->hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  const kit::Layout beginner(8, 8);
  EXPECT_EQ(client().cx, beginner.clientWidth());
  EXPECT_EQ(client().cy, beginner.clientHeight());
  RECT room;
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &room, 0);
  EXPECT_NEAR(centre().x, (room.left + room.right) / 2, 1);
  EXPECT_NEAR(centre().y, (room.top + room.bottom) / 2, 1);

  // Expert grows the window about its centre.
  const POINT before = centre();
  choose(Menu::mnuHard);
  const kit::Layout expert(30, 16);
  EXPECT_EQ(client().cx, expert.clientWidth());
  EXPECT_EQ(client().cy, expert.clientHeight());
  EXPECT_NEAR(centre().x, before.x, 1);
  EXPECT_NEAR(centre().y, before.y, 1);
  EXPECT_EQ(form->composed().width(), expert.clientWidth());
}

TEST_F(Form1Test, ComposesEveryElementOfTheGame) {
  const kit::Layout layout(8, 8);
  for (const kit::Piece& piece : layout.background()) {
    if (piece.picture == pic::kFrameM || piece.picture == pic::kCounterBox) continue;  // covered in part
    EXPECT_TRUE(shows(piece.picture, piece.rect)) << piece.picture;
  }
  EXPECT_TRUE(shows(pic::kInitialFace, layout.smileRect(pic::kInitialFaceSide)));
  EXPECT_TRUE(shows(pic::kCovered, layout.boxRect(1)));
  EXPECT_TRUE(shows(pic::kDigit0 + 1, layout.boxRect(66)));  // the counter's 010

  rightClick(64);
  form->sync();
  EXPECT_TRUE(shows(pic::kFlag, layout.boxRect(64)));
  EXPECT_TRUE(shows(pic::kDigit0 + 9, layout.boxRect(67)));
  EXPECT_TRUE(shows(pic::kSmile, layout.smileRect(25)));
  // The band shows again where the larger initial face stood.
  const kit::Rect band = layout.smileRect(pic::kInitialFaceSide);
  EXPECT_EQ(form->composed().pixel(band.x + 25, band.y + 25), colour(*res::picture(pic::kFrameM), 0, 40));

  choose(Menu::mnuColor);
  EXPECT_TRUE(shows(pic::kCovered + pic::kMonochromeTiles, layout.boxRect(64)));
}

TEST_F(Form1Test, F2StartsANewGameAndExitEndsWithCodeZero) {
  rightClick(1);
  form->sync();
  const unsigned loads = game.loads;
  MSG f2{form->hwnd(), WM_KEYDOWN, VK_F2, 0, 0, {}};
  EXPECT_TRUE(form->translateAccelerator(f2));
  EXPECT_EQ(game.loads, loads + 1);
  EXPECT_TRUE(shows(pic::kCovered, kit::Layout(8, 8).boxRect(1)));
  MSG other{form->hwnd(), WM_KEYDOWN, VK_F3, 0, 0, {}};
  EXPECT_FALSE(form->translateAccelerator(other));

  const HWND hwnd = form->hwnd();
  choose(Menu::mnuExit);
  EXPECT_FALSE(IsWindow(hwnd));
  MSG quit;
  ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 0u);
}

}  // namespace
}  // namespace klandor::win
