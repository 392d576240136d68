// Sizing and centring a window from the client size it needs.
#include "window_sizing.h"

#include <algorithm>
#include <cmath>

namespace plumaro {

Resolution resolutionOf(HWND window) {
    Resolution resolution;
    if (HDC dc = GetDC(window)) {
        resolution.x = GetDeviceCaps(dc, LOGPIXELSX);
        resolution.y = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(window, dc);
    }
    return resolution;
}

TwipsPlacement placementFor(HWND window, int clientWidth, int clientHeight, bool withMenu) {
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&outer, WS_CAPTION, withMenu ? TRUE : FALSE);

    const Resolution resolution = resolutionOf(window);
    const double twipsPerPixelX = 1440.0 / resolution.x;
    const double twipsPerPixelY = 1440.0 / resolution.y;

    TwipsPlacement placement;
    // Exactly the adjusted extent: one pixel more would leave a strip of
    // window colour beside and below the window's background picture.
    placement.width = static_cast<float>(twipsPerPixelX * (outer.right - outer.left));
    placement.height = static_cast<float>(twipsPerPixelY * (outer.bottom - outer.top));

    const float screenWidth = static_cast<float>(twipsPerPixelX * GetSystemMetrics(SM_CXSCREEN));
    const float screenHeight = static_cast<float>(twipsPerPixelY * GetSystemMetrics(SM_CYSCREEN));
    placement.left = (screenWidth - placement.width) / 2;
    placement.top = (screenHeight - placement.height) / 2;
    return placement;
}

void applyPlacement(HWND window, const TwipsPlacement &placement) {
    const Resolution resolution = resolutionOf(window);
    const auto toPixelsX = [&](float twips) { return static_cast<int>(std::lround(twips * resolution.x / 1440.0)); };
    const auto toPixelsY = [&](float twips) { return static_cast<int>(std::lround(twips * resolution.y / 1440.0)); };
    SetWindowPos(window, nullptr, toPixelsX(placement.left), toPixelsY(placement.top), toPixelsX(placement.width),
                 toPixelsY(placement.height), SWP_NOZORDER | SWP_NOACTIVATE);
}

void ensureClientSize(HWND window, int minWidth, int minHeight) {
    RECT client{};
    GetClientRect(window, &client);
    const int wider = std::max(0, minWidth - static_cast<int>(client.right));
    const int taller = std::max(0, minHeight - static_cast<int>(client.bottom));
    if (wider == 0 && taller == 0)
        return;
    RECT outer{};
    GetWindowRect(window, &outer);
    const int width = outer.right - outer.left + wider;
    const int height = outer.bottom - outer.top + taller;
    SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace plumaro
