// Sizing and centring a window from the client size it needs, the same way
// for every window of the program.
#pragma once

#include <windows.h>

namespace plumaro {

// A window's outer size and position in twips (1440 to the logical inch).
struct TwipsPlacement {
    float width = 0;
    float height = 0;
    float left = 0;
    float top = 0;
};

// The placement of a window that needs a client area of clientWidth x
// clientHeight pixels: the client rectangle enlarged by AdjustWindowRect for
// a caption (and a menu bar if withMenu), converted to twips at the resolution of the window's device context in
// double precision and kept in single precision; then centred on the screen
// with real division.
TwipsPlacement placementFor(HWND window, int clientWidth, int clientHeight, bool withMenu);

// Pixels per logical inch across and down, as the window's device context
// reports them.
struct Resolution {
    int x = 96;
    int y = 96;
};
Resolution resolutionOf(HWND window);

// Moves and sizes the window to a placement, converting twips back to pixels
// at the window's resolution.
void applyPlacement(HWND window, const TwipsPlacement &placement);

// Grows the window, keeping it centred on the screen, by whatever its client
// area falls short of minWidth x minHeight. The placement above assumes a
// standard caption and a one-line menu bar, which a window's real frame need
// not have (a tool window's small caption, a menu bar that wraps).
void ensureClientSize(HWND window, int minWidth, int minHeight);

} // namespace plumaro
