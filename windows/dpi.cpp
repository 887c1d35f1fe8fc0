#include "windows/dpi.h"

namespace klandor::win {

namespace {

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

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

LOGFONTW messageFont(UINT dpi) {
  static const auto forDpi = user32<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (forDpi != nullptr && forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi)) {
    return metrics.lfMessageFont;
  }
  // The metrics of the system's density, scaled.
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  LOGFONTW font = metrics.lfMessageFont;
  font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(windowDpi(nullptr)));
  return font;
}

}  // namespace klandor::win
