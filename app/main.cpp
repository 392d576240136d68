// Entry point of plumaro.exe: creates the board window and runs the message loop.
#include <windows.h>
#include <objbase.h>

#include "board/board_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // The system's image codecs, which decode the pictures, are COM objects.
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    int exitCode = 1;
    // Without its classes the window cannot be created, which create says.
    plumaro::BoardWindow::registerClasses(instance);
    if (HWND board = plumaro::BoardWindow::create(instance, exitCode)) {
        ShowWindow(board, showCommand);
        UpdateWindow(board);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        exitCode = static_cast<int>(message.wParam);
    }
    CoUninitialize();
    return exitCode;
}
