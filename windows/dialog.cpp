#include "windows/dialog.h"

#include <cstring>
#include <vector>

#include "kit/window.h"
#include "windows/dpi.h"
#include "windows/text.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace klandor::win {

namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

// The dialog lays itself out at a new density; the system's own scaling of
// dialogs (where it has one) would stretch it by other rules. Looked up at
// run time: older systems have none.
void noAutomaticScaling(HWND dialog) {
  using Fn = BOOL(WINAPI*)(HWND, int, int);
  static HMODULE user = GetModuleHandleW(L"user32.dll");
  static const auto set = user == nullptr ? nullptr
                                          : reinterpret_cast<Fn>(reinterpret_cast<void*>(
                                                GetProcAddress(user, "SetDialogDpiChangeBehavior")));
  constexpr int kDisableAll = 1;  // DDC_DISABLE_ALL
  if (set != nullptr) set(dialog, kDisableAll, kDisableAll);
}

// A dialog template without controls, title or font of its own: the
// controls are made in pixels once the window is there.
const DLGTEMPLATE* emptyTemplate() {
  static const std::vector<WORD> words = [] {
    DLGTEMPLATE t{};
    t.style = kStyle;
    std::vector<WORD> w((sizeof(t) + 1) / 2 + 3, 0);  // then no menu, the dialog class, no title
    std::memcpy(w.data(), &t, sizeof(t));
    return w;
  }();
  return reinterpret_cast<const DLGTEMPLATE*>(words.data());
}

kit::Rect rectOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

}  // namespace

Dialog::Dialog(HWND mainWindow, int clientWidth, int clientHeight)
    : mainWindow_(mainWindow), clientWidth_(clientWidth), clientHeight_(clientHeight) {}

Dialog::~Dialog() {
  if (hwnd_ != nullptr && !modal_) {
    // Its last messages find no dialog: this one is half gone already.
    SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
    DestroyWindow(hwnd_);
  }
  if (font_ != nullptr) DeleteObject(font_);
}

void Dialog::create(const std::wstring& title) {
  title_ = title;
  CreateDialogIndirectParamW(GetModuleHandleW(nullptr), emptyTemplate(), mainWindow_, &Dialog::dialogProc,
                             reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::runModal(const std::wstring& title) {
  title_ = title;
  modal_ = true;
  const INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), emptyTemplate(), mainWindow_,
                                                 &Dialog::dialogProc, reinterpret_cast<LPARAM>(this));
  hwnd_ = nullptr;
  return result;
}

void Dialog::end(INT_PTR result) { EndDialog(hwnd_, result); }

INT_PTR CALLBACK Dialog::dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    return reinterpret_cast<Dialog*>(lParam)->setUp(hwnd);
  }
  auto* dialog = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  return dialog == nullptr ? FALSE : dialog->handle(message, wParam, lParam);
}

INT_PTR Dialog::setUp(HWND hwnd) {
  hwnd_ = hwnd;
  controls_.clear();  // a modal dialog's controls are new at every run
  noAutomaticScaling(hwnd_);
  SetWindowTextW(hwnd_, title_.c_str());
  layOut(windowDpi(mainWindow_ != nullptr ? mainWindow_ : hwnd));
  const bool focused = init();
  if (modal_) centreOverMainWindow();
  return focused ? FALSE : TRUE;
}

void Dialog::layOut(UINT dpi) {
  const int scale = scaleFor(dpi);
  const bool rescaling = scale != scale_;
  scale_ = scale;
  // The frame as the system draws it around this window now.
  const RECT outer = outerRect(clientWidth_ * scale_, clientHeight_ * scale_, kStyle, 0, false, windowDpi(hwnd_));
  SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const LOGFONTW wanted = messageFont(dpi);
  HFONT previous = font_;
  font_ = CreateFontIndirectW(&wanted);
  for (const Placed& c : controls_) {
    SetWindowPos(c.window, nullptr, c.x * scale_, c.y * scale_, c.w * scale_, c.h * scale_,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(c.window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    if (c.fitsText) fitToText(c.window);
  }
  if (previous != nullptr) DeleteObject(previous);
  if (rescaling && !controls_.empty()) rescaled();
}

INT_PTR Dialog::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // Escape and the frame's close box come as IDCANCEL; the game's own
      // Cancel buttons have ids of their own.
      if (LOWORD(wParam) == IDCANCEL) {
        closeByFrame();
        return TRUE;
      }
      return command(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_CLOSE:
      closeByFrame();
      return TRUE;
    case WM_DPICHANGED: {
      // Moved to a screen of another density: its place as the system
      // suggests, its size and font its own.
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      layOut(HIWORD(wParam));
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, 0);
      return TRUE;
    }
    case WM_NCDESTROY:
      // The window's last message (the main window's end takes its dialogs
      // along): the dialog lets go of it.
      SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
      hwnd_ = nullptr;
      return FALSE;
    default: {
      INT_PTR result = 0;
      if (!this->message(message, wParam, lParam, result)) return FALSE;
      SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
      return message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORDLG ? result : TRUE;
    }
  }
}

bool Dialog::dialogMessage(MSG& message) {
  return hwnd_ != nullptr && IsWindowVisible(hwnd_) && IsDialogMessageW(hwnd_, &message);
}

HWND Dialog::control(const wchar_t* kind, const std::wstring& text, DWORD style, int id, int x, int y, int w,
                     int h) {
  const DWORD exStyle = std::wcscmp(kind, L"EDIT") == 0 ? WS_EX_CLIENTEDGE : 0;
  HWND c = CreateWindowExW(exStyle, kind, text.c_str(), WS_CHILD | WS_VISIBLE | style, x * scale_, y * scale_,
                           w * scale_, h * scale_, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
  SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  controls_.push_back({c, x, y, w, h, false});
  return c;
}

void Dialog::fitToText(HWND label) {
  for (Placed& c : controls_)
    if (c.window == label) c.fitsText = true;
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(label)), L'\0');
  GetWindowTextW(label, text.data(), static_cast<int>(text.size()) + 1);
  HDC dc = GetDC(label);
  HGDIOBJ previous = SelectObject(dc, font_);
  RECT r{0, 0, 0, 0};
  const UINT prefix = (GetWindowLongW(label, GWL_STYLE) & SS_NOPREFIX) ? DT_NOPREFIX : 0;
  DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | prefix);
  SelectObject(dc, previous);
  ReleaseDC(label, dc);
  SetWindowPos(label, nullptr, 0, 0, r.right, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Dialog::centreOverMainWindow() {
  if (mainWindow_ == nullptr) return;
  RECT main, outer;
  GetWindowRect(mainWindow_, &main);
  GetWindowRect(hwnd_, &outer);
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromWindow(mainWindow_, MONITOR_DEFAULTTONEAREST), &info);
  const kit::Rect at =
      kit::recentre(rectOf(main), outer.right - outer.left, outer.bottom - outer.top, rectOf(info.rcWork));
  SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Dialog::showOverMainWindow() {
  // The main window may have moved to another screen, or the system's
  // font changed, since the last opening.
  layOut(windowDpi(mainWindow_ != nullptr ? mainWindow_ : hwnd_));
  if (mainWindow_ != nullptr) EnableWindow(mainWindow_, FALSE);
  centreOverMainWindow();
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
}

void Dialog::hideToMainWindow() {
  // Enabled first, so that the main window takes the activation back.
  if (mainWindow_ != nullptr) EnableWindow(mainWindow_, TRUE);
  ShowWindow(hwnd_, SW_HIDE);
  if (mainWindow_ != nullptr) SetForegroundWindow(mainWindow_);
}

std::string windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)), L'\0');
  GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1);
  return utf8(text);
}

}  // namespace klandor::win
