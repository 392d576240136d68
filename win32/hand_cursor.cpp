// The pointing hand shown over the board's birds and the help window's link.
#include "hand_cursor.h"

#include "shared_resources.h"

namespace plumaro {

HandCursor::HandCursor(HINSTANCE instance, UINT dpi) {
    // Not shared: a shared cursor keeps the size it was first loaded at.
    const int size = GetSystemMetricsForDpi(SM_CXCURSOR, dpi);
    own_.reset(static_cast<HCURSOR>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDC_POINTING_HAND), IMAGE_CURSOR, size, size, LR_DEFAULTCOLOR)));
    if (!own_)
        system_ = LoadCursorW(nullptr, IDC_HAND);
}

} // namespace plumaro
