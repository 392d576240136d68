// Sizing and placing the program's windows: each from the client size its
// layout needs at 96 dpi, at the window's own DPI, on the monitor it
// belongs to.
#pragma once

#include <windows.h>

#include <functional>

namespace plumaro {

// The outer size of the window for the layout's client size at `dpi`, with
// the window's own frame and, if it has one, its menu bar.
SIZE outerSizeFor(HWND window, SIZE client, UINT dpi);

// Sizes the window for the layout's client size at its DPI and centres it
// on the primary monitor, as the board starts.
void placeOnPrimaryMonitor(HWND window, SIZE client);

// Sizes the window for the layout's client size at its DPI and centres it
// on the monitor that holds `other` (the board), moved into that monitor's
// work area where it fits there.
void placeOnMonitorOf(HWND window, HWND other, SIZE client);

// WM_GETDPISCALEDSIZE: puts the window's outer size at the new DPI into
// `size` (the message's lParam).
void answerDpiScaledSize(HWND window, SIZE client, WPARAM newDpi, LPARAM size);

// WM_DPICHANGED: moves and sizes the window, laid out for `dpi`, to the
// rectangle Windows suggests (the message's lParam).
void takeSuggestedRect(HWND window, SIZE client, UINT dpi, LPARAM suggested);

// WM_GETDPISCALEDSIZE and WM_DPICHANGED for a dialog box that opens over
// `owner` and lays itself out for a DPI with layOut(dpi): at a new scale it
// takes the rectangle Windows suggests, or, while it is still being placed
// (not yet shown), is centred again on the owner's monitor, where it
// belongs. True if the message was one of them, answered.
bool answerDialogScaleChange(HWND dialog, HWND owner, SIZE client, UINT message, WPARAM wParam, LPARAM lParam,
                             const std::function<bool(UINT)> &layOut);

} // namespace plumaro
