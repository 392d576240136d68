// The benchmark's floor: the emptiest window that does what the game's board
// must do at start-up. A client the size of the board's with a menu bar;
// built with FLOOR_PLAYS_SOUND it also plays the start-up sound once on its
// first activation, and a click in it opens a blank dialog the size of the
// result window's, with its OK button.
#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "board_geometry.h"
#include "floor_resources.h"
#include "result_geometry.h"
#include "runtime_files.h"

namespace {

using plumaro::board_geometry::kClientHeight;
using plumaro::board_geometry::kClientWidth;
namespace resultWindow = plumaro::result_geometry;

#ifdef FLOOR_PLAYS_SOUND
std::wstring programFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\'));
}

INT_PTR CALLBACK blankDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        RECT frame{0, 0, resultWindow::kClientWidth, resultWindow::kClientHeight};
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)));
        SetWindowPos(dialog, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                     SWP_NOMOVE | SWP_NOZORDER);
        SetWindowPos(GetDlgItem(dialog, IDOK), nullptr, resultWindow::kOkLeft, resultWindow::kOkTop,
                     resultWindow::kOkWidth, resultWindow::kOkHeight, SWP_NOZORDER);
        return TRUE;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}
#endif

LRESULT CALLBACK floorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
#ifdef FLOOR_PLAYS_SOUND
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !GetWindowLongPtrW(window, GWLP_USERDATA)) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 1);
            const std::wstring sound = programFolder() + L"\\" + plumaro::runtime_files::kStartupSound.name;
            PlaySoundW(sound.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
        }
        break;
    case WM_LBUTTONUP:
        DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_BLANK), window, blankDialogProc, 0);
        return 0;
#endif
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = floorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_FLOOR_MENU);
    windowClass.lpszClassName = kFloorClassName;
    if (!RegisterClassExW(&windowClass))
        return 1;

    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, kStyle, TRUE, 0);
    HWND window =
        CreateWindowExW(0, kFloorClassName, L"Floor", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
