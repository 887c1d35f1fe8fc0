// The game's dialogs as windows of the system's own kind, under Wine: over
// the disabled main window, their layout and keys, the Reset flow every
// window of the game shares, a record entered and shown, the name prompt.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/kit/best_times_flow.h"
#include "tests/windows/window_fixture.h"
#include "windows/dpi.h"
#include "windows/prompts.h"
#include "windows/text.h"

#include <imm.h>  // after <windows.h>

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace klandor::win {
namespace {

using kit::Form2;
using kit::Form3;
using ::testing::Return;

class DialogsTest : public test::WindowTest {};

class WinBestTimes final : public test::BestTimesWindow {
 public:
  WinBestTimes(Form1& form, kit::Session& session) : form_(form), session_(session) {}
  void open() override { SendMessageW(form_.hwnd(), WM_COMMAND, MenuBar::command(Menu::mnuBest), 0); }
  void click(int control) override {
    GameDialog& v = *form_.dialog(session_.form2());
    SendMessageW(v.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(v.control(control)), BN_CLICKED), 0);
  }
  std::string caption(int control) override { return form_.dialog(session_.form2())->text(control); }
  bool visible() override { return IsWindowVisible(form_.dialog(session_.form2())->hwnd()) != 0; }
  bool mainEnabled() override { return IsWindowEnabled(form_.hwnd()) != 0; }

 private:
  Form1& form_;
  kit::Session& session_;
};

TEST_F(DialogsTest, BestTimesResetsAsEveryWindowDoes) {
  WinBestTimes window(*form, session);
  test::checkResetFlow(*this, window);
}

TEST_F(DialogsTest, BestTimesStandsOverTheMainWindowTitledWithTheLine) {
  choose(Menu::mnuBest);
  GameDialog& best = view(session.form2());
  EXPECT_EQ(windowText(best.hwnd()), "\"999999999MrNobodyMrNobodyMrNobody\"");
  RECT client;
  GetClientRect(best.hwnd(), &client);
  EXPECT_EQ(client.right, 322);
  EXPECT_EQ(client.bottom, 151);
  EXPECT_EQ(GetDlgCtrlID(GetNextDlgTabItem(best.hwnd(), nullptr, FALSE)), GetDlgCtrlID(best.control(Form2::Reset)));
  SendMessageW(best.hwnd(), WM_CLOSE, 0, 0);  // the frame closes it as OK does
  EXPECT_FALSE(IsWindowVisible(best.hwnd()));
  EXPECT_TRUE(IsWindowEnabled(main()));
}

TEST_F(DialogsTest, CustomFieldTakesWhatIsTypedAndTabsInItsOrder) {
  choose(Menu::mnuCustom);
  GameDialog& custom = view(session.form3());
  EXPECT_FALSE(IsWindowEnabled(main()));
  EXPECT_EQ(custom.text(Form3::Acr), "8");
  EXPECT_EQ(custom.text(Form3::TM), "10");
  HWND at = GetNextDlgTabItem(custom.hwnd(), nullptr, FALSE);
  EXPECT_EQ(GetDlgCtrlID(at), IDOK);
  for (int next : {Form3::Acr, Form3::Dwn, Form3::TM, Form3::Cancel}) {
    at = GetNextDlgTabItem(custom.hwnd(), at, FALSE);
    EXPECT_EQ(at, custom.control(next));
  }

  SetWindowTextW(custom.control(Form3::Acr), L"100");
  SetWindowTextW(custom.control(Form3::Dwn), L"2");
  SetWindowTextW(custom.control(Form3::TM), L"5");
  // Enter in a box is the OK button's.
  SetFocus(custom.control(Form3::TM));
  MSG enter{custom.control(Form3::TM), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_TRUE(form->translate(enter));
  EXPECT_EQ(settings.across, 30);
  EXPECT_EQ(settings.down, 8);
  EXPECT_EQ(settings.totalmines, 10);
  EXPECT_FALSE(IsWindowVisible(custom.hwnd()));
  EXPECT_TRUE(IsWindowEnabled(main()));
  EXPECT_TRUE(game.menu.checked(Menu::mnuCustom));

  // The boxes keep what was typed; Cancel leaves the board as it is.
  choose(Menu::mnuCustom);
  EXPECT_EQ(custom.text(Form3::Acr), "100");
  const unsigned loads = game.loads;
  click(session.form3(), Form3::Cancel);
  EXPECT_EQ(game.loads, loads);
  EXPECT_TRUE(IsWindowEnabled(main()));
}

TEST_F(DialogsTest, ARecordIsAskedForStoredAndShown) {
  layMinesLast();
  EXPECT_CALL(prompts, inputBox(kRecordPrompt, kRecordTitle, "MrNobody")).WillOnce(Return("Zoë"));
  const kit::Rect cell = form->front().layout().boxRect(1);
  const LPARAM at = MAKELPARAM(cell.x + 4, cell.y + 4);
  SendMessageW(main(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(main(), WM_LBUTTONUP, 0, at);
  EXPECT_TRUE(game.b.won);
  EXPECT_EQ(test::readBytes(dir / "minebs.txt"), "\"  1999999Zo\xEB     MrNobodyMrNobody\"\r\n");
  GameDialog& best = view(session.form2());
  EXPECT_TRUE(IsWindowVisible(best.hwnd()));
  EXPECT_EQ(best.text(Form2::Best), "  1 seconds");
  EXPECT_EQ(best.text(Form2::Best + 3), "Zoë     ");
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
  choose(Menu::mnuCustom);
  GameDialog& custom = view(session.form3());
  HWND acr = custom.control(Form3::Acr);
  SetWindowTextW(acr, L"12");
  const SIZE size = clientSize(custom.hwnd());
  const RECT box = placeOf(acr);
  const int font = fontHeight(acr);
  moveToDensity(custom.hwnd(), 2 * kBaseDpi);
  EXPECT_EQ(clientSize(custom.hwnd()).cx, 2 * size.cx);
  EXPECT_EQ(clientSize(custom.hwnd()).cy, 2 * size.cy);
  EXPECT_EQ(placeOf(acr).left, 2 * box.left);
  EXPECT_EQ(placeOf(acr).bottom, 2 * box.bottom);
  EXPECT_NEAR(fontHeight(acr), 2 * font, 1);
  EXPECT_EQ(windowText(acr), "12");
  // Opened again over the main window: laid out for its screen.
  click(session.form3(), Form3::Cancel);
  choose(Menu::mnuCustom);
  EXPECT_EQ(clientSize(custom.hwnd()).cx, size.cx);
  EXPECT_EQ(fontHeight(acr), font);
  EXPECT_EQ(windowText(acr), "12");
  // The boxes keep their input method: a name may be typed in any script.
  HIMC context = ImmGetContext(acr);
  EXPECT_NE(context, nullptr);
  ImmReleaseContext(acr, context);
  click(session.form3(), Form3::Cancel);

  choose(Menu::mnuBest);
  GameDialog& best = view(session.form2());
  const std::string caption = best.text(Form2::Best);
  moveToDensity(best.hwnd(), 2 * kBaseDpi);
  EXPECT_EQ(clientSize(best.hwnd()).cx, 644);
  EXPECT_EQ(best.pictureScale(Form2::Fram), 2);
  EXPECT_EQ(best.text(Form2::Best), caption);
  EXPECT_EQ(windowText(best.hwnd()), "\"999999999MrNobodyMrNobodyMrNobody\"");
  click(session.form2(), Form2::OK);
  choose(Menu::mnuBest);
  EXPECT_EQ(clientSize(best.hwnd()).cx, 322);
  EXPECT_EQ(best.pictureScale(Form2::Fram), 1);
  click(session.form2(), Form2::OK);
}

TEST_F(DialogsTest, TheMainWindowsEndTakesItsDialogsAlongAndTheWindowsEndNothingMore) {
  choose(Menu::mnuBest);
  click(session.form2(), Form2::OK);
  choose(Menu::mnuCustom);
  click(session.form3(), Form3::Cancel);
  const HWND best = view(session.form2()).hwnd(), custom = view(session.form3()).hwnd();
  choose(Menu::mnuExit);
  EXPECT_FALSE(IsWindow(best));
  EXPECT_FALSE(IsWindow(custom));
  EXPECT_EQ(view(session.form2()).hwnd(), nullptr);
  EXPECT_EQ(view(session.form3()).hwnd(), nullptr);
  EXPECT_EQ(form->hwnd(), nullptr);
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

TEST_F(DialogsTest, AWindowClosingWithCustomFieldOpenLeavesItsWindowNoHalfGoneDialog) {
  choose(Menu::mnuCustom);
  NamedDialog::window = view(session.form3()).hwnd();
  NamedDialog::messages = 0;
  SetFocus(view(session.form3()).control(Form3::TM));  // the box tells its dialog when it loses the focus
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &NamedDialog::hook, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  form.reset();
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
