#include "windows/form1.h"

#include <algorithm>

#include "core/tile_sets.h"
#include "windows/dpi.h"
#include "windows/text.h"

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

}  // namespace

Form1::Form1(Game& game, HINSTANCE instance) : game_(game), layout_(game.m.across, game.m.down) {
  registerClass(instance, &Form1::windowProc);
  hwnd_ = CreateWindowExW(kExStyle, kClassName, L"Klandor", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, nullptr, menus_.handle(), instance, this);
  onAbout = [this] { mnuAbout_Click(); };
  secondStarts_ = game_.secondStarts;
  dpi_ = windowDpi(hwnd_);
  relayout();
  // The window opens centred on the screen's work area.
  RECT outer;
  GetWindowRect(hwnd_, &outer);
  const RECT room = workArea(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY));
  SetWindowPos(hwnd_, nullptr, room.left + (width(room) - width(outer)) / 2,
               room.top + (height(room) - height(outer)) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  sync();
}

Form1::~Form1() {
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
  return form->handle(message, wParam, lParam);
}

LRESULT Form1::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_COMMAND:
      if (const auto item = MenuBar::item(LOWORD(wParam))) command(*item);
      return 0;
    case WM_TIMER:
      if (wParam != kSecondTimer) break;
      game_.Second_Timer();
      sync();
      return 0;
    case WM_GETDPISCALEDSIZE: {
      // The size the window takes on a screen of that density.
      const int scale = scaleFor(static_cast<UINT>(wParam));
      const RECT r = outerRect(layout_.clientWidth() * scale, layout_.clientHeight() * scale, kStyle, kExStyle,
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
      return 0;
    }
    case WM_DESTROY:
      KillTimer(hwnd_, kSecondTimer);
      PostQuitMessage(0);
      hwnd_ = nullptr;
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool Form1::translateAccelerator(MSG& message) {
  return hwnd_ != nullptr && TranslateAcceleratorW(hwnd_, menus_.accelerators(), &message) != 0;
}

void Form1::command(Menu item) {
  switch (item) {
    case Menu::mnuNew:
      return run(&Game::mnuNew_Click);
    case Menu::mnuBeginner:
      return run(&Game::mnuBeginner_Click);
    case Menu::mnuIntermediate:
      return run(&Game::mnuIntermediate_Click);
    case Menu::mnuHard:
      return run(&Game::mnuHard_Click);
    case Menu::mnuMarks:
      return run(&Game::mnuMarks_Click);
    case Menu::mnuColor:
      return run(&Game::mnuColor_Click);
    case Menu::mnuCustom:
      sync();  // the check mark stays as the game has it until the dialog's OK
      if (onCustom) onCustom();
      return;
    case Menu::mnuBest:
      if (onBest) onBest();
      return;
    case Menu::mnuAbout:
      if (onAbout) onAbout();
      return;
    case Menu::mnuExit:
      DestroyWindow(hwnd_);
      return;
    default:
      break;
  }
  for (const TileSetChoice& choice : kTileSetChoices) {
    if (choice.item != item) continue;
    game_.mnuTile_Click(item);
    sync();
  }
}

void Form1::run(void (Game::*command)()) {
  (game_.*command)();
  sync();
}

void Form1::sync() {
  if (hwnd_ == nullptr) return;
  if (drawnLoads_ != game_.loads) {
    relayout();
  } else {
    // TEMPORARY: the whole client area again, until the front-end kit says
    // which elements changed.
    compose();
    InvalidateRect(hwnd_, nullptr, FALSE);
  }
  menus_.sync(game_.menu);
  DrawMenuBar(hwnd_);
  // The timer runs while the game's clock does, from a fresh second at each
  // start; a game won at its first release starts and stops it at once.
  if (!game_.secondEnabled) {
    KillTimer(hwnd_, kSecondTimer);
  } else if (game_.secondStarts != secondStarts_) {
    SetTimer(hwnd_, kSecondTimer, 1000, nullptr);
  }
  secondStarts_ = game_.secondStarts;
}

void Form1::relayout() {
  drawnLoads_ = game_.loads;
  layout_ = kit::Layout(game_.m.across, game_.m.down);
  buffer_.reset(layout_.clientWidth(), layout_.clientHeight(), scaleFor(dpi_));
  compose();
  fitToBoard();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void Form1::compose() {
  // Back to front: the frame pieces and counter boxes, the face, the cells
  // and digits.
  for (const kit::Piece& piece : layout_.background())
    buffer_.place(piece.picture, piece.rect.x, piece.rect.y, piece.rect.w, piece.rect.h);
  const res::Picture* face = res::picture(game_.smile);
  const int side = face != nullptr ? face->width : 0;
  const kit::Rect s = layout_.smileRect(side);
  buffer_.place(game_.smile, s.x, s.y, s.w, s.h);
  for (int i = 1; i <= game_.elements(); ++i) {
    const kit::Rect r = layout_.boxRect(i);
    buffer_.place(game_.box[static_cast<std::size_t>(i)], r.x, r.y, r.w, r.h);
  }
}

void Form1::fitToBoard() {
  // The board decides the window's size; a board of another size grows or
  // shrinks the window about its centre, never past the work area's edges.
  const int scale = buffer_.scale();
  const int clientWidth = layout_.clientWidth() * scale, clientHeight = layout_.clientHeight() * scale;
  const RECT wanted = outerRect(clientWidth, clientHeight, kStyle, kExStyle, true, dpi_);
  RECT now;
  GetWindowRect(hwnd_, &now);
  const RECT room = workArea(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST));
  int w = width(wanted), h = height(wanted);
  auto place = [&] {
    int left = now.left + (width(now) - w) / 2, top = now.top + (height(now) - h) / 2;
    left = std::max(static_cast<int>(room.left), std::min(left, static_cast<int>(room.right) - w));
    top = std::max(static_cast<int>(room.top), std::min(top, static_cast<int>(room.bottom) - h));
    SetWindowPos(hwnd_, nullptr, left, top, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
  };
  place();
  // A menu bar too long for a narrow window wraps onto a second line and
  // takes that line from the client area: the window grows by it.
  RECT client;
  GetClientRect(hwnd_, &client);
  if (client.bottom != clientHeight || client.right != clientWidth) {
    w += clientWidth - client.right;
    h += clientHeight - client.bottom;
    place();
  }
}

void Form1::paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  buffer_.blit(dc, ps.rcPaint);
  EndPaint(hwnd_, &ps);
}

void Form1::mnuAbout_Click() {
  MessageBoxW(hwnd_,
              L"Klandor 1.0. Uncover every cell that hides no mine, as fast as you can: the numbers tell how many "
              L"mines touch each cell, the right button plants a flag, and the fastest time of each level is kept "
              L"with its holder's name. Written by the Klandor developers.",
              L"About Klandor", MB_OK | MB_ICONINFORMATION);
}

}  // namespace klandor::win
