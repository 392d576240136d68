// Sizing and placing the program's windows at their own DPI.
#include "window_sizing.h"

#include <algorithm>

#include "display_scale.h"

namespace plumaro {

namespace {

SIZE sizeOf(const RECT &rect) { return {rect.right - rect.left, rect.bottom - rect.top}; }

// The window's client area grown, keeping its centre, by whatever it falls
// short of the layout's size: AdjustWindowRectExForDpi counts a menu bar of
// one line, and a menu bar may wrap.
void growToClient(HWND window, SIZE client, UINT dpi) {
    RECT shown{};
    GetClientRect(window, &shown);
    const int wider = std::max(0, scaled(client.cx, dpi) - static_cast<int>(shown.right));
    const int taller = std::max(0, scaled(client.cy, dpi) - static_cast<int>(shown.bottom));
    if (wider == 0 && taller == 0)
        return;
    RECT outer{};
    GetWindowRect(window, &outer);
    SetWindowPos(window, nullptr, outer.left - wider / 2, outer.top - taller / 2, outer.right - outer.left + wider,
                 outer.bottom - outer.top + taller, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Sizes the window and centres it on `area`, moved into `within` where it
// fits.
void placeCentred(HWND window, SIZE client, const RECT &area, const RECT &within) {
    const UINT dpi = dpiOf(window);
    const SIZE outer = outerSizeFor(window, client, dpi);
    const auto centred = [](LONG from, LONG to, LONG length, LONG inFrom, LONG inTo) {
        const LONG start = from + (to - from - length) / 2;
        return length <= inTo - inFrom ? std::clamp(start, inFrom, inTo - length) : start;
    };
    SetWindowPos(window, nullptr, centred(area.left, area.right, outer.cx, within.left, within.right),
                 centred(area.top, area.bottom, outer.cy, within.top, within.bottom), outer.cx, outer.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // The move may have taken the window to a monitor of another scale.
    growToClient(window, client, dpiOf(window));
}

MONITORINFO monitorInfo(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    return info;
}

} // namespace

SIZE outerSizeFor(HWND window, SIZE client, UINT dpi) {
    RECT outer{0, 0, scaled(client.cx, dpi), scaled(client.cy, dpi)};
    AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                             GetMenu(window) != nullptr, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)),
                             dpi);
    return sizeOf(outer);
}

void placeOnPrimaryMonitor(HWND window, SIZE client) {
    // The primary monitor is the one whose top-left corner is (0, 0).
    const MONITORINFO primary = monitorInfo(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY));
    placeCentred(window, client, primary.rcMonitor, primary.rcMonitor);
}

void placeOnMonitorOf(HWND window, HWND other, SIZE client) {
    const MONITORINFO monitor = monitorInfo(MonitorFromWindow(other, MONITOR_DEFAULTTONEAREST));
    placeCentred(window, client, monitor.rcMonitor, monitor.rcWork);
}

void answerDpiScaledSize(HWND window, SIZE client, WPARAM newDpi, LPARAM size) {
    *reinterpret_cast<SIZE *>(size) = outerSizeFor(window, client, static_cast<UINT>(LOWORD(newDpi)));
}

void takeSuggestedRect(HWND window, SIZE client, UINT dpi, LPARAM suggested) {
    const RECT &rect = *reinterpret_cast<const RECT *>(suggested);
    SetWindowPos(window, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    growToClient(window, client, dpi);
}

bool answerDialogScaleChange(HWND dialog, HWND owner, SIZE client, UINT message, WPARAM wParam, LPARAM lParam,
                             const std::function<bool(UINT)> &layOut) {
    if (message == WM_GETDPISCALEDSIZE) {
        answerDpiScaledSize(dialog, client, wParam, lParam);
        SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
        return true;
    }
    if (message != WM_DPICHANGED)
        return false;
    const UINT dpi = LOWORD(wParam);
    if (!layOut(dpi))
        return true;
    if (IsWindowVisible(dialog))
        takeSuggestedRect(dialog, client, dpi, lParam);
    else
        placeOnMonitorOf(dialog, owner, client);
    return true;
}

} // namespace plumaro
