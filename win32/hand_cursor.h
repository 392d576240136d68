// The pointing hand shown over the board's birds and the help window's link.
#pragma once

#include <windows.h>

#include "handles.h"

namespace plumaro {

// The program's hand in the size of the system's cursors at a window's DPI;
// should it fail to load, the system's own hand.
class HandCursor {
public:
    HandCursor() = default;
    HandCursor(HINSTANCE instance, UINT dpi);

    HCURSOR get() const { return own_ ? own_.get() : system_; }

private:
    UniqueCursor own_;
    HCURSOR system_ = nullptr; // shared: never destroyed
};

} // namespace plumaro
