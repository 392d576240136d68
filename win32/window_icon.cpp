// The window icon that lies beside the program as an .ico file.
#include "win32/window_icon.h"

#include "win32/program_folder.h"

namespace plumaro {

std::wstring windowIconPath() { return programFolder() + L"\\SOUND\\birdicon.ico"; }

namespace {

UniqueIcon loadIconOfSize(const std::wstring &path, int size) {
    return UniqueIcon(static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)));
}

} // namespace

WindowIcons loadWindowIcons(const std::wstring &path) {
    WindowIcons icons;
    // Opening the file first tells a missing or locked file from one that
    // holds no icon, which LoadImageW does not.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        icons.error = GetLastError();
        return icons;
    }
    CloseHandle(file);

    icons.large = loadIconOfSize(path, GetSystemMetrics(SM_CXICON));
    icons.small = loadIconOfSize(path, GetSystemMetrics(SM_CXSMICON));
    if (!icons)
        icons.error = ERROR_INVALID_DATA;
    return icons;
}

void setWindowIcons(HWND window, const WindowIcons &icons) {
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.large.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.small.get()));
}

} // namespace plumaro
