// Entry point of plumaro.exe: creates the board window and runs the message loop.
#include <windows.h>

#include "board_resources.h"
#include "board_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    int exitCode = 1;
    // Without its classes the window cannot be created, which create says.
    plumaro::BoardWindow::registerClasses(instance);
    if (HWND board = plumaro::BoardWindow::create(instance, exitCode)) {
        ShowWindow(board, showCommand);
        UpdateWindow(board);
        // F1 and any other key of the board's table work wherever the focus
        // is in the board window.
        const HACCEL keys = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_BOARD_KEYS));
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (keys && TranslateAcceleratorW(board, keys, &message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        exitCode = static_cast<int>(message.wParam);
    }
    return exitCode;
}
