// The window icon that lies beside the program as an .ico file.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "handles.h"

namespace plumaro {

// Where the window icon file lies beside the program.
std::wstring windowIconPath();

struct WindowIcons {
    UniqueIcon large; // the file's largest image, for Alt+Tab and the taskbar
    UniqueIcon small; // for the caption and the taskbar
    DWORD error = 0;  // why they could not be made; ERROR_INVALID_DATA: not an icon
    explicit operator bool() const { return large && small; }
};

// The icon file, read once, from which each window makes its icons in the
// sizes of its own DPI.
class WindowIconFile {
public:
    WindowIconFile() = default;
    // Reads the file (its path of any length).
    explicit WindowIconFile(const std::wstring &path);

    // The icons for a window at `dpi`; an image cut short by the end of the
    // file counts as no icon.
    WindowIcons iconsFor(UINT dpi) const;

private:
    std::vector<BYTE> bytes_;
    DWORD error_ = ERROR_FILE_NOT_FOUND;
};

// Gives the window the icons; they must outlive it, or be replaced first.
void setWindowIcons(HWND window, const WindowIcons &icons);

} // namespace plumaro
