// Every box and dialog of the game as the player meets it under Wine: each
// opened for real over the shown main window, with the game's own boxes
// (no scripted replies), read back from the screen and found painted (more
// than one colour, every label's text drawn); and a name typed into the
// record prompt key by key, stored as the Linux game stores it.
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "kit/session.h"
#include "records/record_entry.h"
#include "tests/core/game_fixture.h"
#include "tests/records/test_files.h"
#include "windows/form1.h"
#include "windows/prompts.h"
#include "windows/text.h"
#include "windows/translations/translations.h"

namespace klandor::win {
namespace {

// The colours of a rectangle of the screen.
std::set<std::uint32_t> screenColours(const RECT& r) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return {};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC screen = GetDC(nullptr), copy = CreateCompatibleDC(screen);
  HGDIOBJ previous = SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  std::set<std::uint32_t> colours;
  for (int i = 0; i < w * h; ++i) colours.insert(pixels[i] & 0xFFFFFF);
  SelectObject(copy, previous);
  DeleteDC(copy);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  return colours;
}

RECT onScreen(HWND window, bool client) {
  RECT r;
  if (!client) {
    GetWindowRect(window, &r);
    return r;
  }
  GetClientRect(window, &r);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::wstring textOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

// What the screen shows of a box: its client area is not of one colour,
// and neither is any of its labels that has a text.
void expectPainted(HWND box, const std::string& what) {
  ASSERT_TRUE(IsWindowVisible(box)) << what;
  EXPECT_GT(screenColours(onScreen(box, true)).size(), 1u) << what << " shows no picture";
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t kind[32] = {};
    GetClassNameW(child, kind, 32);
    if (_wcsicmp(kind, L"Static") != 0 || !IsWindowVisible(child) || textOf(child).empty()) continue;
    EXPECT_GT(screenColours(onScreen(child, false)).size(), 1u)
        << what << ": \"" << utf8(textOf(child)) << "\" is not drawn";
  }
}

// A modal box the test waits for: its title, and what the player does once
// it has stood a while (it is looked at first).
struct Answer {
  std::wstring title;
  std::function<void(HWND box)> reply;
};

// Answers the modal boxes in turn, from a timer of the thread: each runs in
// the box's own loop, which paints it meanwhile.
struct Player {
  static inline std::deque<Answer> answers;
  static inline int seen = 0;  // ticks the awaited box has stood
  static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
    if (answers.empty()) return;
    HWND box = GetActiveWindow();
    if (box == nullptr || !IsWindowVisible(box) || textOf(box) != answers.front().title) {
      seen = 0;
      return;
    }
    if (++seen < 4) return;
    seen = 0;
    const Answer answer = answers.front();
    answers.pop_front();
    expectPainted(box, utf8(answer.title));
    answer.reply(box);
  }
};

void pumpFor(DWORD ms) {
  const DWORD end = GetTickCount() + ms;
  MSG message;
  while (static_cast<int>(end - GetTickCount()) > 0) {
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Keys as a keyboard or an input method sends them: letters as themselves.
void type(const std::wstring& text) {
  std::vector<INPUT> keys;
  for (const wchar_t c : text) {
    for (const DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT key{};
      key.type = INPUT_KEYBOARD;
      key.ki.wScan = c;
      key.ki.dwFlags = KEYEVENTF_UNICODE | up;
      keys.push_back(key);
    }
  }
  SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
}
void press(WORD virtualKey) {
  INPUT keys[2] = {};
  for (INPUT& key : keys) {
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = virtualKey;
  }
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, keys, sizeof(INPUT));
}
// A click of the left button in the middle of a control.
void clickOn(HWND control) {
  const RECT r = onScreen(control, false);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  INPUT buttons[2] = {};
  buttons[0].type = buttons[1].type = INPUT_MOUSE;
  buttons[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  buttons[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, buttons, sizeof(INPUT));
}
void endBox(HWND box, int button) { PostMessageW(box, WM_COMMAND, button, 0); }

std::wstring prompt(const char* english) { return wide(translated(kPromptsContext, english)); }

class BoxesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = std::make_unique<Form1>(session, GetModuleHandleW(nullptr));
    ShowWindow(main(), SW_SHOWNORMAL);
    timer = SetTimer(nullptr, 0, 100, &Player::tick);
    pumpFor(300);
  }
  void TearDown() override {
    KillTimer(nullptr, timer);
    Player::answers.clear();
    form.reset();
  }

  HWND main() { return form->hwnd(); }
  // Waits, the messages flowing, until every awaited box has been answered.
  void answered() {
    for (int i = 0; i < 100 && !Player::answers.empty(); ++i) pumpFor(100);
    EXPECT_TRUE(Player::answers.empty()) << "no box \"" << utf8(Player::answers.front().title) << "\"";
    Player::answers.clear();
  }

  test::TempDir folder;
  WinPrompts prompts;
  kit::Session session{{folder / "minebs.txt", {}}, prompts, [] { return test::kSeed; }};
  std::unique_ptr<Form1> form;
  UINT_PTR timer = 0;
};

TEST_F(BoxesTest, EveryBoxAndDialogIsPaintedAndANameKeepsEveryLetterTyped) {
  Player::answers.push_back({prompt(kit::kAboutTitle),
                             [](HWND box) { endBox(box, IDOK); }});
  SendMessageW(main(), WM_COMMAND, MenuBar::command(Menu::mnuAbout), 0);
  answered();

  // A record: mines on the last ten cells, a release on the first opens the
  // rest. The name is typed over the default one, letters beyond ASCII and
  // beyond Latin-1 included.
  Game& game = session.game();
  for (int c = 1; c <= game.cells(); ++c) game.b.ismine[c] = c > game.cells() - 10;
  game.minecheck();
  game.b.minesplaced = kTrue;
  Player::answers.push_back({prompt(kRecordTitle), [](HWND) {
                               type(L"Zo\u00EB\u20ACx");
                               press(VK_RETURN);
                             }});
  const kit::Rect cell = form->front().layout().boxRect(1);
  PostMessageW(main(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(cell.x + 4, cell.y + 4));
  PostMessageW(main(), WM_LBUTTONUP, 0, MAKELPARAM(cell.x + 4, cell.y + 4));
  answered();
  EXPECT_EQ(test::readBytes(folder / "minebs.txt"), "\"  1999999Zo\xEB?x   MrNobodyMrNobody\"\r\n");

  // Best Times after the record, then its Reset question, clicked.
  ASSERT_NE(form->dialog(session.form2()), nullptr);
  const HWND best = form->dialog(session.form2())->hwnd();
  const HWND reset = form->dialog(session.form2())->control(kit::Form2::Reset);
  pumpFor(400);
  expectPainted(best, "Best Times");
  Player::answers.push_back({prompt(kit::kResetTitle), [](HWND box) { endBox(box, IDCANCEL); }});
  clickOn(reset);
  answered();

  // A reset whose save fails: the warning over Best Times.
  std::filesystem::remove_all(folder.path());
  std::ofstream(folder.path()) << "a file where the folder was";
  Player::answers.push_back({prompt(kit::kResetTitle), [](HWND box) { endBox(box, IDOK); }});
  Player::answers.push_back({prompt(kSaveFailedTitle), [](HWND box) { endBox(box, IDOK); }});
  clickOn(reset);
  answered();
  session.form2().OK_Click();

  session.choose(Menu::mnuCustom);
  pumpFor(400);
  expectPainted(form->dialog(session.form3())->hwnd(), "Custom Field");
  session.form3().Cancel_Click();

  session.choose(Menu::mnuStatistics);
  pumpFor(400);
  expectPainted(form->dialog(session.form4())->hwnd(), "Statistics");
  session.form4().OK_Click();
}

}  // namespace
}  // namespace klandor::win
