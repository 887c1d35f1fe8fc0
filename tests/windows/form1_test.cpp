// The real main window under Wine, hidden, on a private display: its size,
// place and border, what it composes, its commands and shortcut keys.
#include "windows/form1.h"

#include <gtest/gtest.h>
#include <imm.h>

#include <memory>
#include <tuple>

#include "kit/layout.h"
#include "resources/picture_numbers.h"
#include "tests/windows/window_fixture.h"

namespace klandor::win {
namespace {

std::uint32_t colour(const res::Picture& p, int x, int y) {
  const res::Rgb& c = res::kPalette[p.at(x, y)];
  return static_cast<std::uint32_t>(c.r) << 16 | static_cast<std::uint32_t>(c.g) << 8 | c.b;
}

class Form1Test : public test::WindowTest {
 protected:
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

  LPARAM at(const kit::Rect& r) const { return MAKELPARAM(r.x + r.w / 2, r.y + r.h / 2); }
  void send(UINT message, WPARAM wParam, LPARAM lParam = 0) { SendMessageW(form->hwnd(), message, wParam, lParam); }
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

// With Chording on, both buttons on a number whose mines are flagged open
// the rest around it at the first release, and the second does nothing.
TEST_F(Form1Test, BothButtonsOnANumberChordWithChordingOn) {
  const kit::Layout layout(8, 8);
  std::vector<int> mines = test::cellRange(56, 64);
  mines.push_back(3);  // cell 2 counts one
  layMines(mines);
  settings.options.chording = true;
  send(WM_LBUTTONDOWN, MK_LBUTTON, at(layout.boxRect(2)));
  send(WM_LBUTTONUP, 0, at(layout.boxRect(2)));
  send(WM_RBUTTONDOWN, MK_RBUTTON, at(layout.boxRect(3)));
  send(WM_RBUTTONUP, 0, at(layout.boxRect(3)));
  send(WM_LBUTTONDOWN, MK_LBUTTON, at(layout.boxRect(2)));
  send(WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, at(layout.boxRect(2)));
  EXPECT_FALSE(game.b.uncovered[1]) << "nothing opens while both are held";
  send(WM_RBUTTONUP, MK_LBUTTON, at(layout.boxRect(2)));
  EXPECT_TRUE(game.b.uncovered[1] && game.b.uncovered[9] && game.b.uncovered[11]);
  send(WM_LBUTTONUP, 0, at(layout.boxRect(2)));
  EXPECT_EQ(game.b.mark[3], kFlagMark) << "the flag stays";
  EXPECT_TRUE(shows(game.box[1], layout.boxRect(1)));
}

TEST_F(Form1Test, TheMouseIsCapturedUntilTheLastButtonIsUpOrTheSystemTakesIt) {
  const kit::Layout layout(8, 8);
  std::vector<int> mines = test::cellRange(56, 64);
  mines.push_back(3);  // cell 2 counts one: no cascade
  layMines(mines);
  send(WM_RBUTTONDOWN, MK_RBUTTON, at(layout.boxRect(2)));
  EXPECT_EQ(GetCapture(), form->hwnd());
  send(WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, at(layout.boxRect(9)));
  send(WM_LBUTTONUP, MK_RBUTTON, at(layout.boxRect(9)));
  EXPECT_EQ(GetCapture(), form->hwnd()) << "the right button is still down";
  send(WM_RBUTTONUP, 0, at(layout.boxRect(40)));
  EXPECT_EQ(GetCapture(), nullptr);
  // Both releases went to cell 2, pressed first: uncovered, then no flag.
  EXPECT_TRUE(game.b.uncovered[2]);
  EXPECT_FALSE(game.b.uncovered[9]);
  EXPECT_EQ(game.b.mark[40], kNoMark);
  EXPECT_TRUE(shows(game.box[2], layout.boxRect(2)));

  // The middle button is button 4: a press on a "?" shows it pressed.
  game.b.mark[10] = kQuestionMark;
  game.boxload(10, pic::kQuestion);
  send(WM_MBUTTONDOWN, MK_MBUTTON, at(layout.boxRect(10)));
  EXPECT_EQ(game.box[10], pic::kQuestionPressed);
  send(WM_MBUTTONUP, 0, at(layout.boxRect(10)));

  // A press on the face whose release can no longer come still makes the
  // new board it promised.
  const unsigned loads = game.loads;
  send(WM_LBUTTONDOWN, MK_LBUTTON, at(layout.smileRect(25)));
  send(WM_CANCELMODE, 0);
  EXPECT_EQ(game.loads, loads + 1);
  EXPECT_EQ(GetCapture(), nullptr);
  send(WM_LBUTTONUP, 0, at(layout.boxRect(1)));
  EXPECT_FALSE(game.b.uncovered[1]) << "a release without its press does nothing";
  for (const UINT lost : {WM_ENABLE, WM_SHOWWINDOW}) {
    send(WM_LBUTTONDOWN, MK_LBUTTON, at(layout.boxRect(1)));
    send(lost, FALSE);
    send(WM_LBUTTONUP, 0, at(layout.boxRect(1)));
    EXPECT_FALSE(game.b.uncovered[1]) << lost;
    ReleaseCapture();
  }
}

TEST_F(Form1Test, TheKeysMoveTheCursorAndActOnItsCell) {
  const kit::Layout layout(8, 8);
  layMinesLast();
  send(WM_KEYDOWN, VK_RIGHT);
  send(WM_KEYDOWN, VK_DOWN);
  send(WM_KEYDOWN, VK_DOWN, 1L << 30);  // repeats move the cursor too
  EXPECT_EQ(form->front().cursorCell(), cellIndex(8, 1, 2));
  EXPECT_EQ(form->front().cursorRect(), layout.boxRect(cellIndex(8, 1, 2)));
  send(WM_KEYDOWN, 'F');
  send(WM_KEYDOWN, 'F', 1L << 30);  // but act once per press
  send(WM_KEYUP, 'F');
  EXPECT_EQ(game.b.mark[cellIndex(8, 1, 2)], kFlagMark);
  send(WM_KEYDOWN, VK_END);
  send(WM_KEYDOWN, VK_RETURN);
  send(WM_KEYUP, VK_RETURN);
  EXPECT_TRUE(game.b.uncovered[cellIndex(8, 7, 2)]);
  // A mouse press hides the cursor.
  send(WM_LBUTTONDOWN, MK_LBUTTON, at(layout.boxRect(1)));
  send(WM_LBUTTONUP, 0, at(layout.boxRect(1)));
  EXPECT_TRUE(form->front().cursorRect().empty());
}

TEST_F(Form1Test, AKeysReleaseUnderAltOrAMenuOrAnotherWindowNeverLeavesTheBoardCaptured) {
  const kit::Layout layout(8, 8);
  layMines({1, 64});  // the cursor starts on the mine; cells 2, 9 and 10 count one
  // Space released while Alt is held.
  send(WM_KEYDOWN, VK_RIGHT);
  send(WM_KEYDOWN, VK_SPACE);
  send(WM_SYSKEYUP, VK_SPACE, 1L << 29);
  EXPECT_TRUE(game.b.uncovered[2]);
  // Space pressed on the mine, its release lost to a menu or another window:
  // the next click is on the cell clicked.
  send(WM_KEYDOWN, VK_HOME);
  for (const auto& [lost, wParam, clicked] : {std::tuple{WM_ENTERMENULOOP, WPARAM{FALSE}, 9},
                                              std::tuple{WM_ACTIVATE, WPARAM{WA_INACTIVE}, 10}}) {
    send(WM_KEYDOWN, VK_SPACE);
    send(lost, wParam);
    send(WM_LBUTTONDOWN, MK_LBUTTON, at(layout.boxRect(clicked)));
    send(WM_LBUTTONUP, 0, at(layout.boxRect(clicked)));
    EXPECT_TRUE(game.b.uncovered[clicked]) << lost;
    EXPECT_FALSE(game.b.uncovered[1]) << lost;
  }
}

TEST_F(Form1Test, NeverMaximisedBeingAsLargeAsItsBoard) {
  const HWND hwnd = form->hwnd();
  RECT before;
  GetWindowRect(hwnd, &before);
  auto unchanged = [&](const char* route) {
    RECT now;
    GetWindowRect(hwnd, &now);
    EXPECT_FALSE(IsZoomed(hwnd)) << route;
    EXPECT_TRUE(EqualRect(&now, &before)) << route;
  };
  ShowWindow(hwnd, SW_SHOWMAXIMIZED);  // started from a shortcut that runs it maximised
  unchanged("show command");
  send(WM_SYSCOMMAND, SC_MAXIMIZE);
  unchanged("system menu");
  send(WM_NCLBUTTONDBLCLK, HTCAPTION);
  unchanged("caption");
  ShowWindow(hwnd, SW_MAXIMIZE);
  unchanged("maximise");
  EXPECT_TRUE(IsWindowVisible(hwnd));
  ShowWindow(hwnd, SW_HIDE);
}

TEST_F(Form1Test, NoInputMethodStandsBetweenTheKeysAndTheBoard) {
  HIMC context = ImmGetContext(form->hwnd());
  EXPECT_EQ(context, nullptr);
  if (context != nullptr) ImmReleaseContext(form->hwnd(), context);
}

// The frames the window's menu bar is drawn again in: each redraw recomputes
// the window's frame.
struct FrameCount {
  static inline HWND window = nullptr;
  static inline int redraws = 0;
  static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == window && sent->message == WM_NCCALCSIZE) ++redraws;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
};

TEST_F(Form1Test, TheMenuBarIsDrawnAgainOnlyWhenItsStateChanged) {
  layMinesLast();
  const kit::Layout layout(8, 8);
  send(WM_LBUTTONDOWN, MK_LBUTTON, at(layout.boxRect(1)));
  send(WM_LBUTTONUP, 0, at(layout.boxRect(1)));
  FrameCount::window = form->hwnd();
  FrameCount::redraws = 0;
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &FrameCount::hook, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  for (int second = 0; second < 3; ++second) send(WM_TIMER, 1);
  const int duringTicks = FrameCount::redraws;
  choose(Menu::mnuMarks);
  const int afterMarks = FrameCount::redraws;
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(duringTicks, 0);
  EXPECT_GT(afterMarks, 0);
  EXPECT_TRUE(GetMenuState(form->menus().parentOf(Menu::mnuMarks), MenuBar::command(Menu::mnuMarks), MF_BYCOMMAND) &
              MF_CHECKED);
}

TEST_F(Form1Test, F2StartsANewGameAndExitEndsWithCodeZero) {
  rightClick(1);
  form->sync();
  const unsigned loads = game.loads;
  MSG f2{form->hwnd(), WM_KEYDOWN, VK_F2, 0, 0, {}};
  EXPECT_TRUE(form->translate(f2));
  EXPECT_EQ(game.loads, loads + 1);
  EXPECT_TRUE(shows(pic::kCovered, kit::Layout(8, 8).boxRect(1)));
  MSG other{form->hwnd(), WM_KEYDOWN, VK_F3, 0, 0, {}};
  EXPECT_FALSE(form->translate(other));

  const HWND hwnd = form->hwnd();
  choose(Menu::mnuExit);
  EXPECT_FALSE(IsWindow(hwnd));
  MSG quit;
  ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 0u);
}

}  // namespace
}  // namespace klandor::win
