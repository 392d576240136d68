// Placing a window's controls at its display scale, and the fonts its
// controls use there.
#pragma once

#include <windows.h>

#include "handles.h"

namespace plumaro {

// A control's place in its window's client area, in pixels of the layout
// (96 dpi).
struct ControlPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Places the control where the layout puts it, at the window's `dpi`.
void placeControl(HWND control, const ControlPlacement &at, UINT dpi);

struct FontStyle {
    bool underline = false;
};

// Bold "MS Sans Serif" of the size in hundredths of a point (975 is 9.75
// points) at `dpi`; where that raster face has no such size, its outline
// twin "Microsoft Sans Serif".
UniqueFont createBoldSansSerif(int hundredthsOfPoint, UINT dpi, FontStyle style = {});

// The dialog box's font, which the system made for `madeFor` dpi, made
// again for `dpi`.
UniqueFont createDialogFont(HWND dialog, UINT madeFor, UINT dpi);

// Gives the control the font, redrawing it.
void setFont(HWND control, HFONT font);

} // namespace plumaro
