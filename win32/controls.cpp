// Placing a window's controls at its display scale, and the fonts its
// controls use there.
#include "controls.h"

#include "display_scale.h"

namespace plumaro {

void placeControl(HWND control, const ControlPlacement &at, UINT dpi) {
    SetWindowPos(control, nullptr, scaled(at.left, dpi), scaled(at.top, dpi), scaled(at.width, dpi),
                 scaled(at.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

UniqueFont createBoldSansSerif(int hundredthsOfPoint, UINT dpi, FontStyle style) {
    return UniqueFont(CreateFontW(-MulDiv(hundredthsOfPoint, static_cast<int>(dpi), 7200), 0, 0, 0, FW_BOLD, FALSE,
                                  style.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif"));
}

UniqueFont createFontFor(HFONT font, UINT from, UINT to) {
    LOGFONTW description{};
    if (!font || !GetObjectW(font, sizeof description, &description))
        return nullptr;
    description.lfHeight = MulDiv(description.lfHeight, static_cast<int>(to), static_cast<int>(from));
    description.lfWidth = MulDiv(description.lfWidth, static_cast<int>(to), static_cast<int>(from));
    return UniqueFont(CreateFontIndirectW(&description));
}

void setFont(HWND control, HFONT font) { SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

} // namespace plumaro
