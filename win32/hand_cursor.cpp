// The pointing hand shown over the board's birds and the help window's link.
#include "hand_cursor.h"

#include "shared_resources.h"

namespace plumaro {

HCURSOR HandCursors::at(UINT dpi) {
    UniqueCursor &hand = loaded_[dpi];
    if (!hand) {
        // Not shared: a shared cursor keeps the size it was first loaded at.
        const int size = GetSystemMetricsForDpi(SM_CXCURSOR, dpi);
        hand.reset(static_cast<HCURSOR>(
            LoadImageW(instance_, MAKEINTRESOURCEW(IDC_POINTING_HAND), IMAGE_CURSOR, size, size, LR_DEFAULTCOLOR)));
    }
    // The system's cursor is shared: it is never destroyed.
    return hand ? hand.get() : LoadCursorW(nullptr, IDC_HAND);
}

} // namespace plumaro
