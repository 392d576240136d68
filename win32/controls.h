// Placing a window's controls in pixels, and the fonts its labels use.
#pragma once

#include <windows.h>

#include "handles.h"
#include "window_sizing.h"

namespace plumaro {

// A control's place in its window's client area, in pixels.
struct ControlPlacement {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

void placeControl(HWND control, const ControlPlacement &at);

// Places a control whose size is kept in twips, so that it grows with the
// resolution while its position stays in pixels.
void placeControl(HWND control, POINT at, SIZE sizeInTwips, const Resolution &resolution);

struct FontStyle {
    bool underline = false;
};

// Bold "MS Sans Serif" of the size in hundredths of a point (975 is 9.75
// points) at the vertical resolution.
UniqueFont createBoldSansSerif(int hundredthsOfPoint, const Resolution &resolution, FontStyle style = {});

} // namespace plumaro
