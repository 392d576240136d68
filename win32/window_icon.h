// The window icon that lies beside the program as an .ico file.
#pragma once

#include <windows.h>

#include <string>

#include "handles.h"

namespace plumaro {

// Where the window icon file lies beside the program.
std::wstring windowIconPath();

struct WindowIcons {
    UniqueIcon large; // the file's largest image, for Alt+Tab and the taskbar
    UniqueIcon small; // for the caption and the taskbar
    DWORD error = 0;  // why loading failed; ERROR_INVALID_DATA: not an icon
    explicit operator bool() const { return large && small; }
};

// Loads the icon file (its path of any length) in the sizes the system uses
// for windows; an image cut short by the end of the file counts as no icon.
WindowIcons loadWindowIcons(const std::wstring &path);

// Gives the window the icons; they must outlive it, or be replaced first.
void setWindowIcons(HWND window, const WindowIcons &icons);

} // namespace plumaro
