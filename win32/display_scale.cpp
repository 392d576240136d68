// The display scale of a window.
#include "display_scale.h"

namespace plumaro {

UINT dpiOf(HWND window) {
    const UINT dpi = GetDpiForWindow(window);
    return dpi ? dpi : kLayoutDpi;
}

} // namespace plumaro
