#pragma once
// Screen density: the window scales its pixels by whole numbers only, so
// every picture pixel stays a sharp square. The per-monitor functions are
// looked up at run time; on systems without them every window has the
// system's density.

#include "windows/win32.h"

namespace klandor::win {

inline constexpr UINT kBaseDpi = 96;

// 96 dpi (100 %) is scale 1; halves round up: 150 % is 2, 125 % is 1.
int scaleFor(UINT dpi);

UINT windowDpi(HWND window);

// The outer rectangle of a window of this style whose client area, at
// (0, 0), is width x height device pixels.
RECT outerRect(int width, int height, DWORD style, DWORD exStyle, bool menu, UINT dpi);

// The system's font for message boxes and dialogs on a screen of this
// density.
LOGFONTW messageFont(UINT dpi);

}  // namespace klandor::win
