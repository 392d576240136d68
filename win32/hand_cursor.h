// The pointing hand shown over the board's birds and the help window's link.
#pragma once

#include <windows.h>

#include <map>

#include "handles.h"

namespace plumaro {

// The program's hand in the size of the system's cursors at each DPI a
// window asks for, loaded once for each and shared by the windows; where it
// cannot be loaded, the system's own hand.
class HandCursors {
public:
    explicit HandCursors(HINSTANCE instance) : instance_(instance) {}

    HCURSOR at(UINT dpi);

private:
    HINSTANCE instance_;
    std::map<UINT, UniqueCursor> loaded_;
};

} // namespace plumaro
