// Entry point of plumaro.exe: creates the board window and runs the message loop.
#include <windows.h>

#include "board/board_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    if (!plumaro::BoardWindow::registerClass(instance)) return 1;
    HWND board = plumaro::BoardWindow::create(instance);
    if (!board) return 1;
    ShowWindow(board, showCommand);
    UpdateWindow(board);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
