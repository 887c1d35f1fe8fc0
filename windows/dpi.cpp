#include "windows/dpi.h"

namespace klandor::win {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

template <typename Fn>
Fn user32(const char* name) {
  static HMODULE user = GetModuleHandleW(L"user32.dll");
  return user == nullptr ? nullptr : reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user, name)));
}

}  // namespace

int scaleFor(UINT dpi) {
  const int scale = static_cast<int>((dpi + kBaseDpi / 2) / kBaseDpi);
  return scale < 1 ? 1 : scale;
}

UINT windowDpi(HWND window) {
  static const auto forWindow = user32<GetDpiForWindowFn>("GetDpiForWindow");
  if (forWindow != nullptr && window != nullptr) return forWindow(window);
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

RECT outerRect(int width, int height, DWORD style, DWORD exStyle, bool menu, UINT dpi) {
  static const auto adjustForDpi = user32<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
  RECT r{0, 0, width, height};
  if (adjustForDpi != nullptr) {
    adjustForDpi(&r, style, menu, exStyle, dpi);
  } else {
    AdjustWindowRectEx(&r, style, menu, exStyle);
  }
  return r;
}

}  // namespace klandor::win
