// The dialogs and boxes of a whole session under Wine: the Best Times and
// Custom Field dialogs over the disabled main window, a record entered and
// shown, the name prompt.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>

#include "tests/core/game_fixture.h"
#include "tests/records/mock_prompts.h"
#include "windows/dpi.h"
#include "windows/prompts.h"
#include "windows/session.h"
#include "windows/text.h"

#include <imm.h>  // after <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace klandor::win {
namespace {

using ::testing::_;
using ::testing::Return;

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class DialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::path(::testing::TempDir()) / ("klandor" + std::to_string(std::random_device{}()));
    session = std::make_unique<Session>(GetModuleHandleW(nullptr), folder / "minebs.txt", prompts,
                                        [] { return test::kSeed; });
  }
  void TearDown() override {
    session.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  HWND main() { return session->form1().hwnd(); }
  void click(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
  void send(UINT message, WPARAM wParam, LPARAM lParam) { SendMessageW(main(), message, wParam, lParam); }

  std::filesystem::path folder;
  ::testing::NiceMock<test::MockPrompts> prompts;
  std::unique_ptr<Session> session;
};

TEST_F(DialogsTest, BestTimesOverTheDisabledMainWindowAndItsReset) {
  session->mnuBest_Click();
  Form2& best = *session->form2();
  EXPECT_TRUE(IsWindowVisible(best.hwnd()));
  EXPECT_FALSE(IsWindowEnabled(main()));
  EXPECT_EQ(windowText(best.hwnd()), "\"999999999MrNobodyMrNobodyMrNobody\"");
  EXPECT_EQ(best.caption(0), "999 seconds");
  EXPECT_EQ(best.caption(5), "MrNobody");
  RECT client;
  GetClientRect(best.hwnd(), &client);
  EXPECT_EQ(client.right, 322);
  EXPECT_EQ(client.bottom, 151);

  // Reset asks first; Cancel keeps the table.
  const std::filesystem::path file = folder / "minebs.txt";
  std::ofstream(file, std::ios::binary) << "\"  5 12999Ann     Bo      MrNobody\"\r\n";
  EXPECT_CALL(prompts, confirm("Are you sure?", "Reset?")).WillOnce(Return(false)).WillOnce(Return(true));
  click(best.hwnd(), 100);
  EXPECT_EQ(readFile(file), "\"  5 12999Ann     Bo      MrNobody\"\r\n");
  click(best.hwnd(), 100);
  EXPECT_EQ(readFile(file), "\"999999999MrNobodyMrNobodyMrNobody\"\r\n");

  click(best.hwnd(), IDOK);
  EXPECT_FALSE(IsWindowVisible(best.hwnd()));
  EXPECT_TRUE(IsWindowEnabled(main()));
  // Opened again: the captions from the line, the title from the first opening.
  session->game().mnuNew_Click();
  std::ofstream(file, std::ios::binary) << "\"  5 12999Ann     Bo      MrNobody\"\r\n";
  session->game().mnuNew_Click();  // reads the file again
  session->mnuBest_Click();
  EXPECT_EQ(best.caption(0), "  5 seconds");
  EXPECT_EQ(best.caption(3), "Ann     ");
  EXPECT_EQ(windowText(best.hwnd()), "\"999999999MrNobodyMrNobodyMrNobody\"");
  SendMessageW(best.hwnd(), WM_CLOSE, 0, 0);  // the frame closes it as OK does
  EXPECT_TRUE(IsWindowEnabled(main()));
}

TEST_F(DialogsTest, CustomFieldLimitsWhatIsTypedAndTabsInItsOrder) {
  session->form1().sync();
  SendMessageW(main(), WM_COMMAND, MenuBar::command(Menu::mnuCustom), 0);
  Form3& custom = *session->form3();
  EXPECT_FALSE(IsWindowEnabled(main()));
  EXPECT_EQ(windowText(custom.Acr), "8");
  EXPECT_EQ(windowText(custom.TM), "10");
  HWND at = GetNextDlgTabItem(custom.hwnd(), nullptr, FALSE);
  EXPECT_EQ(GetDlgCtrlID(at), IDOK);
  for (HWND next : {custom.Acr, custom.Dwn, custom.TM}) {
    at = GetNextDlgTabItem(custom.hwnd(), at, FALSE);
    EXPECT_EQ(at, next);
  }

  SetWindowTextW(custom.Acr, L"100");
  SetWindowTextW(custom.Dwn, L"2");
  SetWindowTextW(custom.TM, L"5");
  // Enter in a box is the OK button's.
  SetFocus(custom.TM);
  MSG enter{custom.TM, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_TRUE(session->translate(enter));
  EXPECT_EQ(session->settings().across, 30);
  EXPECT_EQ(session->settings().down, 8);
  EXPECT_EQ(session->settings().totalmines, 10);
  EXPECT_FALSE(IsWindowVisible(custom.hwnd()));
  EXPECT_TRUE(IsWindowEnabled(main()));
  EXPECT_TRUE(session->game().menu.checked(Menu::mnuCustom));

  // The boxes keep what was typed; Cancel leaves the board as it is.
  session->mnuCustom_Click();
  EXPECT_EQ(windowText(custom.Acr), "100");
  const unsigned loads = session->game().loads;
  click(custom.hwnd(), 103);
  EXPECT_EQ(session->game().loads, loads);
  EXPECT_TRUE(IsWindowEnabled(main()));
}

TEST_F(DialogsTest, ARecordIsAskedForStoredAndShown) {
  Game& game = session->game();
  session->form1().sync();
  // Mines on the last ten cells: a release on cell 1 opens all the rest.
  for (int c = 1; c <= game.cells(); ++c) game.b.ismine[c] = c > game.cells() - 10;
  game.minecheck();
  game.b.minesplaced = kTrue;
  EXPECT_CALL(prompts, inputBox(kRecordPrompt, kRecordTitle, "MrNobody")).WillOnce(Return("Zoë"));
  const kit::Rect cell = session->form1().front().layout().boxRect(1);
  const LPARAM at = MAKELPARAM(cell.x + 4, cell.y + 4);
  send(WM_LBUTTONDOWN, MK_LBUTTON, at);
  send(WM_LBUTTONUP, 0, at);
  EXPECT_TRUE(game.b.won);
  EXPECT_EQ(readFile(folder / "minebs.txt"), "\"  1999999Zo\xEB     MrNobodyMrNobody\"\r\n");
  ASSERT_NE(session->form2(), nullptr);
  EXPECT_TRUE(IsWindowVisible(session->form2()->hwnd()));
  EXPECT_EQ(session->form2()->caption(0), "  1 seconds");
  EXPECT_EQ(session->form2()->caption(3), "Zoë     ");
}

SIZE clientSize(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return {r.right, r.bottom};
}
// A control's rectangle in its dialog's client area.
RECT placeOf(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}
int fontHeight(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
}
// The dialog is moved to a screen of this density.
void moveToDensity(HWND dialog, UINT dpi) {
  RECT suggested;
  GetWindowRect(dialog, &suggested);
  SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

TEST_F(DialogsTest, EachOpeningAndEachNewDensityLaysTheDialogsOutAgainKeepingWhatTheyHold) {
  session->mnuCustom_Click();
  Form3& custom = *session->form3();
  SetWindowTextW(custom.Acr, L"12");
  const SIZE size = clientSize(custom.hwnd());
  const RECT box = placeOf(custom.Acr);
  const int font = fontHeight(custom.Acr);
  moveToDensity(custom.hwnd(), 2 * kBaseDpi);
  EXPECT_EQ(clientSize(custom.hwnd()).cx, 2 * size.cx);
  EXPECT_EQ(clientSize(custom.hwnd()).cy, 2 * size.cy);
  EXPECT_EQ(placeOf(custom.Acr).left, 2 * box.left);
  EXPECT_EQ(placeOf(custom.Acr).bottom, 2 * box.bottom);
  EXPECT_NEAR(fontHeight(custom.Acr), 2 * font, 1);
  EXPECT_EQ(windowText(custom.Acr), "12");
  // Opened again over the main window: laid out for its screen.
  click(custom.hwnd(), 103);
  session->mnuCustom_Click();
  EXPECT_EQ(clientSize(custom.hwnd()).cx, size.cx);
  EXPECT_EQ(fontHeight(custom.Acr), font);
  EXPECT_EQ(windowText(custom.Acr), "12");
  // The boxes keep their input method: a name may be typed in any script.
  HIMC context = ImmGetContext(custom.Acr);
  EXPECT_NE(context, nullptr);
  ImmReleaseContext(custom.Acr, context);
  click(custom.hwnd(), 103);

  session->mnuBest_Click();
  Form2& best = *session->form2();
  const std::string caption = best.caption(0);
  moveToDensity(best.hwnd(), 2 * kBaseDpi);
  EXPECT_EQ(clientSize(best.hwnd()).cx, 644);
  EXPECT_EQ(best.backgroundScale(), 2);
  EXPECT_EQ(best.caption(0), caption);
  EXPECT_EQ(windowText(best.hwnd()), "\"999999999MrNobodyMrNobodyMrNobody\"");
  click(best.hwnd(), IDOK);
  session->mnuBest_Click();
  EXPECT_EQ(clientSize(best.hwnd()).cx, 322);
  EXPECT_EQ(best.backgroundScale(), 1);
  click(best.hwnd(), IDOK);
}

TEST_F(DialogsTest, TheMainWindowsEndTakesItsDialogsAlongAndTheSessionsEndNothingMore) {
  session->mnuBest_Click();
  click(session->form2()->hwnd(), IDOK);
  session->mnuCustom_Click();
  click(session->form3()->hwnd(), 103);
  const HWND best = session->form2()->hwnd(), custom = session->form3()->hwnd();
  SendMessageW(main(), WM_COMMAND, MenuBar::command(Menu::mnuExit), 0);
  EXPECT_FALSE(IsWindow(best));
  EXPECT_FALSE(IsWindow(custom));
  EXPECT_EQ(session->form2()->hwnd(), nullptr);
  EXPECT_EQ(session->form3()->hwnd(), nullptr);
  EXPECT_EQ(session->form1().hwnd(), nullptr);
  MSG quit;
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// Counts the messages that reach a dialog's window while the window still
// names its dialog.
struct NamedDialog {
  static inline HWND window = nullptr;
  static inline int messages = 0;
  static LRESULT CALLBACK hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == window && GetWindowLongPtrW(window, DWLP_USER) != 0) ++messages;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
};

TEST_F(DialogsTest, ASessionEndingWithCustomFieldOpenLeavesItsWindowNoHalfGoneDialog) {
  session->mnuCustom_Click();
  NamedDialog::window = session->form3()->hwnd();
  NamedDialog::messages = 0;
  SetFocus(session->form3()->TM);  // the box tells its dialog when it loses the focus
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &NamedDialog::hook, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  session.reset();
  UnhookWindowsHookEx(hook);
  EXPECT_FALSE(IsWindow(NamedDialog::window));
  EXPECT_EQ(NamedDialog::messages, 0);
}

// Answers the name prompt once it stands: types into its box and presses a
// button.
struct Answer {
  static inline std::wstring typed;
  static inline int button = IDOK;
  static void CALLBACK answer(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND box = GetActiveWindow();
    SetWindowTextW(GetDlgItem(box, 100), typed.c_str());
    SendMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  }
};

TEST(NamePromptTest, GivesTheTypedNameOrNothing) {
  NamePrompt prompt(nullptr, L"Please type your name:", L"MrNobody");
  Answer::typed = L"Ann";
  Answer::button = IDOK;
  SetTimer(nullptr, 0, 10, &Answer::answer);
  EXPECT_EQ(prompt.run(L"Congratulations"), "Ann");
  Answer::button = 101;  // Cancel
  SetTimer(nullptr, 0, 10, &Answer::answer);
  EXPECT_EQ(prompt.run(L"Congratulations"), "");
}

}  // namespace
}  // namespace klandor::win
