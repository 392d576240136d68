// The display scale: the windows are laid out in pixels at 96 dpi (100 %),
// and each window shows that layout at its own monitor's DPI.
#pragma once

#include <windows.h>

namespace plumaro {

// The resolution the geometry headers are written for.
inline constexpr UINT kLayoutDpi = USER_DEFAULT_SCREEN_DPI;

// A length of the layout (0 or more pixels at 96 dpi) at `dpi`, rounded to
// the nearest pixel, halves up. Every window and the artwork generator
// (assets/art/geometry.py) scale by this one rule, so that a picture drawn
// for a scale fills exactly the place laid out for it.
constexpr int scaled(int length, UINT dpi) {
    return static_cast<int>((static_cast<UINT>(length) * dpi + kLayoutDpi / 2) / kLayoutDpi);
}

// The DPI the window is shown at; the layout's where the system cannot say.
UINT dpiOf(HWND window);

} // namespace plumaro
