// Giving a system control a window procedure of the program's own.
#include "subclass.h"

namespace plumaro {

void subclassControl(HWND control, WNDPROC procedure) {
    const LONG_PTR base = GetWindowLongPtrW(control, GWLP_WNDPROC);
    SetWindowLongPtrW(control, GWLP_USERDATA, base);
    SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

LRESULT callBaseProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto base = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_USERDATA));
    return base ? CallWindowProcW(base, control, message, wParam, lParam)
                : DefWindowProcW(control, message, wParam, lParam);
}

} // namespace plumaro
