#include "windows/form1.h"

#include <imm.h>

#include <optional>

#include "core/tile_sets.h"
#include "windows/dpi.h"
#include "windows/text.h"
#include "windows/translations/translations.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

namespace klandor::win {

namespace {

constexpr wchar_t kClassName[] = L"KlandorForm1";
// A fixed border: the player can't resize the window, only minimise it.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kExStyle = 0;
constexpr UINT_PTR kSecondTimer = 1;
constexpr int kWindowIcon = 101;

HICON loadIcon(HINSTANCE instance, int side) {
  return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kWindowIcon), IMAGE_ICON, side, side, 0));
}

void registerClass(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXW c{};
  if (GetClassInfoExW(instance, kClassName, &c)) return;
  c.cbSize = sizeof(c);
  c.lpfnWndProc = proc;
  c.hInstance = instance;
  c.hIcon = loadIcon(instance, 32);
  c.hIconSm = loadIcon(instance, 16);
  c.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
  c.lpszClassName = kClassName;
  RegisterClassExW(&c);
}

RECT workArea(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(monitor, &info);
  return info.rcWork;
}

int width(const RECT& r) { return r.right - r.left; }
int height(const RECT& r) { return r.bottom - r.top; }
kit::Rect rect(const RECT& r) { return {r.left, r.top, width(r), height(r)}; }

// The game's number of the button of a mouse message: left, right and
// middle are 1, 2 and 4; and the buttons held after it.
int buttonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      return kLeft;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return kRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return kMiddle;
    default:
      return 0;
  }
}
int heldButtons(WPARAM wParam) {
  return ((wParam & MK_LBUTTON) ? kLeft : 0) | ((wParam & MK_RBUTTON) ? kRight : 0) |
         ((wParam & MK_MBUTTON) ? kMiddle : 0);
}

std::optional<kit::Key> boardKey(WPARAM key) {
  switch (key) {
    case VK_LEFT:
      return kit::Key::kLeft;
    case VK_RIGHT:
      return kit::Key::kRight;
    case VK_UP:
      return kit::Key::kUp;
    case VK_DOWN:
      return kit::Key::kDown;
    case VK_HOME:
      return kit::Key::kHome;
    case VK_END:
      return kit::Key::kEnd;
    case VK_PRIOR:
      return kit::Key::kPageUp;
    case VK_NEXT:
      return kit::Key::kPageDown;
    case VK_SPACE:
      return kit::Key::kSpace;
    case VK_RETURN:
      return kit::Key::kEnter;
    case 'F':
      return kit::Key::kF;
    default:
      return std::nullopt;
  }
}

// Keys with Ctrl, Alt or the Windows keys are the menus' and the system's.
bool menuModifiers() {
  for (const int vk : {VK_CONTROL, VK_MENU, VK_LWIN, VK_RWIN})
    if (GetKeyState(vk) < 0) return true;
  return false;
}

// The grey level of a colour, 0 to 255, as the cursor's dots weigh it.
int grey(std::uint32_t rgb) {
  const int r = static_cast<int>(rgb >> 16 & 0xFF), g = static_cast<int>(rgb >> 8 & 0xFF),
            b = static_cast<int>(rgb & 0xFF);
  return (r * 11 + g * 16 + b * 5) / 32;
}

}  // namespace

Form1::Form1(kit::Session& session, HINSTANCE instance)
    : session_(session), game_(session.game()), front_(game_), window_(game_) {
  registerClass(instance, &Form1::windowProc);
  hwnd_ = CreateWindowExW(kExStyle, kClassName, say(kit::gameTitle()).c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, nullptr, menus_.handle(), instance, this);
  dpi_ = windowDpi(hwnd_);
  session_.attach(this);
  sync();  // the first sync lays the board out
  fitToBoard();
  // The window opens centred on the screen's work area.
  RECT outer;
  GetWindowRect(hwnd_, &outer);
  const kit::Rect centred =
      kit::opening(width(outer), height(outer), rect(workArea(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY))));
  SetWindowPos(hwnd_, nullptr, centred.x, centred.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Form1::~Form1() {
  session_.attach(nullptr);
  dialogs_.clear();
  if (hwnd_ != nullptr) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

LRESULT CALLBACK Form1::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    static_cast<Form1*>(create->lpCreateParams)->hwnd_ = hwnd;
  }
  auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // The window's last message: the form lets go of it, and it of the form.
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    form->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return form->handle(message, wParam, lParam);
}

LRESULT Form1::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      mouse(message, wParam, lParam);
      return 0;
    // The release a capture waits for no longer comes to this window: the
    // system or another window took the mouse, a modal box opened over it,
    // it was disabled or hidden.
    case WM_CAPTURECHANGED:
      if (!releasing_ && reinterpret_cast<HWND>(lParam) != hwnd_) take(front_.letGo());
      return 0;
    case WM_CANCELMODE:
      take(front_.letGo());
      break;
    case WM_ENABLE:
      if (!wParam) take(front_.letGo());
      return 0;
    case WM_SHOWWINDOW:
      if (!wParam) take(front_.letGo());
      break;
    case WM_KILLFOCUS:
      take(front_.focusLost());
      return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (key(message, wParam, lParam)) return 0;
      break;
    // A board key released while Alt is held: the board took its press, so
    // it takes the release; the system still sees it.
    case WM_SYSKEYUP:
      key(message, wParam, lParam);
      break;
    // From here on the keys' releases go to the menus or another window.
    case WM_ENTERMENULOOP:
      take(front_.focusLost());
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) take(front_.focusLost());
      break;
    // The board decides the window's size: it never maximises, whether
    // asked by the caption, the system menu or the show command it was
    // started with.
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MAXIMIZE) return 0;
      break;
    case WM_SIZE:
      if (wParam == SIZE_MAXIMIZED) ShowWindow(hwnd_, SW_RESTORE);
      break;
    // The board's keys arrive as themselves, never through an input method
    // (the dialogs' boxes keep theirs).
    case WM_CREATE:
      ImmAssociateContextEx(hwnd_, nullptr, 0);
      break;
    case WM_COMMAND:
      if (const auto item = MenuBar::item(LOWORD(wParam))) session_.choose(*item);
      return 0;
    case WM_CLOSE:  // closing the window through its frame is the game's Exit
      session_.exit();
      return 0;
    case WM_TIMER:
      if (wParam != kSecondTimer) break;
      game_.Second_Timer();
      sync();
      return 0;
    case WM_GETDPISCALEDSIZE: {
      // The size the window takes on a screen of that density.
      const int scale = scaleFor(static_cast<UINT>(wParam));
      const kit::Layout& layout = front_.layout();
      const RECT r = outerRect(layout.clientWidth() * scale, layout.clientHeight() * scale, kStyle, kExStyle,
                               true, static_cast<UINT>(wParam));
      auto* size = reinterpret_cast<SIZE*>(lParam);
      size->cx = width(r);
      size->cy = height(r);
      return TRUE;
    }
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wParam);
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, width(*suggested), height(*suggested),
                   SWP_NOZORDER | SWP_NOACTIVATE);
      relayout();
      fitToBoard();
      return 0;
    }
    case WM_DESTROY:
      automation_.disconnect();
      KillTimer(hwnd_, kSecondTimer);
      PostQuitMessage(0);
      return 0;
    // Assistive tools: the board's elements, and their clicks.
    case WM_GETOBJECT:
      if (const LRESULT object = automation_.getObject(hwnd_, wParam, lParam)) return object;
      break;
    case BoardAutomation::kActMessage:
      take(automation_.act(front_, wParam, lParam));
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Form1::mouse(UINT message, WPARAM wParam, LPARAM lParam) {
  const int button = buttonOf(message), held = heldButtons(wParam);
  const bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
  if (down) {
    // The window keeps the mouse until the last button is up, wherever it
    // goes meanwhile.
    if (GetCapture() != hwnd_) SetCapture(hwnd_);
    const int scale = buffer_.scale();
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    take(front_.mouseDown(x / scale, y / scale, button, held));
    return;
  }
  take(front_.mouseUp(button, held));
  if (held == 0 && GetCapture() == hwnd_) {
    releasing_ = true;
    ReleaseCapture();
    releasing_ = false;
  }
}

bool Form1::key(UINT message, WPARAM wParam, LPARAM lParam) {
  const bool down = message == WM_KEYDOWN;
  const std::optional<kit::Key> k = down && menuModifiers() ? std::nullopt : boardKey(wParam);
  if (!k) return false;
  const bool repeat = down && (lParam & (1L << 30)) != 0;  // the key was already down
  const kit::Outcome outcome = down ? front_.keyDown(*k, repeat) : front_.keyUp(*k, false);
  take(outcome);
  return outcome.taken;
}

void Form1::take(kit::Outcome outcome) {
  if (outcome.played) {
    sync();
  } else if (outcome.taken) {
    syncBoard();
  }
}

bool Form1::translate(MSG& message) {
  for (const auto& [model, view] : dialogs_) {
    if (view->dialogMessage(message)) return true;
  }
  // Not the keys of a dialog standing over the disabled window.
  if (hwnd_ == nullptr || !IsWindowEnabled(hwnd_) || GetAncestor(message.hwnd, GA_ROOT) != hwnd_) return false;
  return TranslateAcceleratorW(hwnd_, menus_.accelerators(), &message) != 0;
}

kit::DialogView& Form1::makeDialog(kit::Dialog& dialog) {
  dialogs_.emplace_back(&dialog, std::make_unique<GameDialog>(dialog, hwnd_));
  return *dialogs_.back().second;
}

GameDialog* Form1::dialog(const kit::Dialog& dialog) const {
  for (const auto& [model, view] : dialogs_) {
    if (model == &dialog) return view.get();
  }
  return nullptr;
}

void Form1::quit() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void Form1::sync() {
  if (hwnd_ == nullptr) return;
  syncBoard();
  if (menus_.sync(game_.menu)) DrawMenuBar(hwnd_);
  const kit::WindowState::Sync follow = window_.sync();
  if (!follow.timerRuns) {
    KillTimer(hwnd_, kSecondTimer);
  } else if (follow.timerRestarts) {
    SetTimer(hwnd_, kSecondTimer, 1000, nullptr);
  }
  if (follow.refit) fitToBoard();
}

void Form1::syncBoard() {
  if (hwnd_ == nullptr) return;
  const kit::Changes changes = front_.sync();
  automation_.synced(changes);
  if (changes.newLayout) {
    relayout();
    return;
  }
  if (changes.areas.empty()) return;
  for (const kit::Rect& area : changes.areas) compose(area);
  const RECT dirty = device(changes.dirty);
  InvalidateRect(hwnd_, &dirty, FALSE);
}

void Form1::relayout() {
  const kit::Layout& layout = front_.layout();
  buffer_.reset(layout.clientWidth(), layout.clientHeight(), scaleFor(dpi_));
  compose(layout.client());
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void Form1::compose(const kit::Rect& area) {
  const RECT clip{area.x, area.y, area.x + area.w, area.y + area.h};
  front_.scene(area, [&](int picture, const kit::Rect& where) {
    buffer_.place(picture, where.x, where.y, where.w, where.h, clip);
  });
}

RECT Form1::device(const kit::Rect& r) const {
  const int s = buffer_.scale();
  return {r.x * s, r.y * s, (r.x + r.w) * s, (r.y + r.h) * s};
}

void Form1::fitToBoard() {
  // The board and the scale decide the window's size; the player can't
  // resize it.
  const int scale = buffer_.scale();
  const int clientWidth = buffer_.width() * scale, clientHeight = buffer_.height() * scale;
  const RECT wanted = outerRect(clientWidth, clientHeight, kStyle, kExStyle, true, dpi_);
  RECT before;
  GetWindowRect(hwnd_, &before);
  int w = width(wanted), h = height(wanted);
  SetWindowPos(hwnd_, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A menu bar too long for a narrow window wraps onto a second line and
  // takes that line from the client area: the window grows by it.
  RECT client;
  GetClientRect(hwnd_, &client);
  w += clientWidth - client.right;
  h += clientHeight - client.bottom;
  // It moves only when its size changed, about its centre.
  const kit::Rect room = rect(workArea(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST)));
  const kit::Rect at = kit::refit(rect(before), w, h, room).value_or(rect(before));
  SetWindowPos(hwnd_, nullptr, at.x, at.y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1::paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  buffer_.blit(dc, ps.rcPaint);
  // The keyboard cursor's dots stand on the composed pixels, each a square
  // of the window's scale.
  const kit::Rect cell = front_.cursorRect();
  const RECT where = device(cell);
  RECT overlap;
  if (!cell.empty() && IntersectRect(&overlap, &where, &ps.rcPaint)) {
    const int s = buffer_.scale();
    auto under = [&](int x, int y) { return grey(buffer_.pixel(x * s, y * s)); };
    for (const kit::Dot& dot : kit::cursorDots(cell, under)) {
      const RECT square{dot.x * s, dot.y * s, (dot.x + 1) * s, (dot.y + 1) * s};
      FillRect(dc, &square, static_cast<HBRUSH>(GetStockObject(dot.white ? WHITE_BRUSH : BLACK_BRUSH)));
    }
  }
  EndPaint(hwnd_, &ps);
}

}  // namespace klandor::win
