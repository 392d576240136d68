// Placing a window's controls at its display scale, and the fonts its
// controls use there.
#include "controls.h"

#include "display_scale.h"

namespace plumaro {

void placeControl(HWND control, const ControlPlacement &at, UINT dpi) {
    SetWindowPos(control, nullptr, scaled(at.left, dpi), scaled(at.top, dpi), scaled(at.width, dpi),
                 scaled(at.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

UniqueFont createBoldFont(const wchar_t *face, int height, FontStyle style) {
    return UniqueFont(CreateFontW(-height, 0, 0, 0, FW_BOLD, FALSE, style.underline ? TRUE : FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_SWISS, face));
}

// The height of the font's characters in pixels: its cell less the room
// above them.
int characterHeight(HFONT font) {
    TEXTMETRICW metrics{};
    HDC dc = GetDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, font);
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight - metrics.tmInternalLeading;
}

} // namespace

UniqueFont createBoldSansSerif(int hundredthsOfPoint, UINT dpi, FontStyle style) {
    // MS Sans Serif is a raster font, drawn in a few sizes only: at a scale
    // it has no size for, its outline twin takes its place.
    const int height = MulDiv(hundredthsOfPoint, static_cast<int>(dpi), 7200);
    UniqueFont font = createBoldFont(L"MS Sans Serif", height, style);
    if (font && characterHeight(font.get()) == height)
        return font;
    return createBoldFont(L"Microsoft Sans Serif", height, style);
}

UniqueFont createDialogFont(HWND dialog, UINT madeFor, UINT dpi) {
    LOGFONTW description{};
    const auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    if (!font || !GetObjectW(font, sizeof description, &description))
        return nullptr;
    description.lfHeight = MulDiv(description.lfHeight, static_cast<int>(dpi), static_cast<int>(madeFor));
    description.lfWidth = MulDiv(description.lfWidth, static_cast<int>(dpi), static_cast<int>(madeFor));
    return UniqueFont(CreateFontIndirectW(&description));
}

void setFont(HWND control, HFONT font) { SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

} // namespace plumaro
