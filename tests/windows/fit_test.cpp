// Every shipped language in the fixed-size dialogs, measured in the dialog
// font as the system draws it: each label's and button's text fits its
// control, and no label reaches into another control.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "records/record_entry.h"
#include "tests/kit/session_fixture.h"
#include "windows/form1.h"
#include "windows/prompts.h"
#include "windows/text.h"
#include "windows/translations/translations.h"

namespace klandor::win {
namespace {

std::wstring className(HWND control) {
  wchar_t name[32] = {};
  GetClassNameW(control, name, 32);
  return name;
}

RECT rectIn(HWND dialog, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// What of the dialog's labels and buttons does not fit, one line each.
std::vector<std::string> cutOff(HWND dialog) {
  std::vector<HWND> controls;
  for (HWND c = GetWindow(dialog, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) controls.push_back(c);
  std::vector<std::string> found;
  for (HWND c : controls) {
    const std::wstring kind = className(c);
    const bool button = _wcsicmp(kind.c_str(), L"Button") == 0;
    if (!button && _wcsicmp(kind.c_str(), L"Static") != 0) continue;
    const std::string text = windowText(c);
    if (text.empty()) continue;
    RECT client;
    GetClientRect(c, &client);
    // A button draws its text inside its edge and focus rectangle.
    const int margin = button ? GetSystemMetrics(SM_CXEDGE) + 1 : 0;
    const int width = client.right - 2 * margin;
    HDC dc = GetDC(c);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0)));
    const UINT prefix = (!button && (GetWindowLongW(c, GWL_STYLE) & SS_NOPREFIX)) ? DT_NOPREFIX : 0;
    RECT line{0, 0, 0, 0};
    const std::wstring shown = wide(text);
    DrawTextW(dc, shown.c_str(), -1, &line, DT_CALCRECT | DT_SINGLELINE | prefix);
    // A label two lines high or more breaks its text at blanks.
    RECT wrapped{0, 0, width, 0};
    DrawTextW(dc, shown.c_str(), -1, &wrapped, DT_CALCRECT | DT_WORDBREAK | prefix);
    SelectObject(dc, previous);
    ReleaseDC(c, dc);
    const bool multiline = !button && client.bottom >= 2 * line.bottom;
    if (multiline ? wrapped.bottom > client.bottom || wrapped.right > width : line.right > width)
      found.push_back("\"" + text + "\" needs " + std::to_string(multiline ? wrapped.bottom : line.right) + " of " +
                      std::to_string(multiline ? client.bottom : width) + (multiline ? " rows" : " columns"));
    if (button) continue;
    const RECT mine = rectIn(dialog, c);
    for (HWND other : controls) {
      RECT overlap;
      const RECT theirs = rectIn(dialog, other);
      if (other != c && IsWindowVisible(other) && IntersectRect(&overlap, &mine, &theirs))
        found.push_back("\"" + text + "\" runs into \"" + windowText(other) + "\"");
    }
  }
  return found;
}

// Measures the name prompt once it stands, then cancels it.
struct Measure {
  static inline std::vector<std::string> found;
  static void CALLBACK prompt(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND box = GetActiveWindow();
    found = cutOff(box);
    SendMessageW(box, WM_CLOSE, 0, 0);
  }
};

TEST(FitTest, EveryTextFitsItsControlInEveryLanguage) {
  std::vector<std::string_view> languages = shippedLanguages();
  ASSERT_FALSE(languages.empty());
  languages.insert(languages.begin(), "");  // English
  for (const std::string_view language : languages) {
    SCOPED_TRACE(language.empty() ? "en" : std::string(language));
    useLanguage(language);
    test::OwnSession s;
    Form1 form(s.session, GetModuleHandleW(nullptr));
    s.session.choose(Menu::mnuBest);
    const HWND best = form.dialog(s.session.form2())->hwnd();
    for (const std::string& misfit : cutOff(best)) ADD_FAILURE() << "Best Times: " << misfit;
    SendMessageW(best, WM_CLOSE, 0, 0);
    s.session.choose(Menu::mnuCustom);
    const HWND custom = form.dialog(s.session.form3())->hwnd();
    for (const std::string& misfit : cutOff(custom)) ADD_FAILURE() << "Custom Field: " << misfit;
    SendMessageW(custom, WM_CLOSE, 0, 0);
    s.session.choose(Menu::mnuStatistics);
    const HWND statistics = form.dialog(s.session.form4())->hwnd();
    for (const std::string& misfit : cutOff(statistics)) ADD_FAILURE() << "Statistics: " << misfit;
    SendMessageW(statistics, WM_CLOSE, 0, 0);

    Measure::found = {"not measured"};
    SetTimer(nullptr, 0, 10, &Measure::prompt);
    WinPrompts().inputBox(kRecordPrompt, kRecordTitle, "MrNobody");
    for (const std::string& misfit : Measure::found) ADD_FAILURE() << "name prompt: " << misfit;
  }
  useLanguage("");
}

}  // namespace
}  // namespace klandor::win
