// Placing a window's controls in pixels, and the fonts its labels use.
#include "controls.h"

namespace plumaro {

void placeControl(HWND control, const ControlPlacement &at) {
    SetWindowPos(control, nullptr, at.left, at.top, at.width, at.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void placeControl(HWND control, POINT at, SIZE sizeInTwips, const Resolution &resolution) {
    placeControl(control,
                 {at.x, at.y, MulDiv(sizeInTwips.cx, resolution.x, 1440), MulDiv(sizeInTwips.cy, resolution.y, 1440)});
}

UniqueFont createBoldSansSerif(int hundredthsOfPoint, const Resolution &resolution, FontStyle style) {
    return UniqueFont(CreateFontW(-MulDiv(hundredthsOfPoint, resolution.y, 7200), 0, 0, 0, FW_BOLD, FALSE,
                                  style.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif"));
}

} // namespace plumaro
