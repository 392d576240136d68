// Entry point of plumaro.exe: creates the board window and runs the message loop.
#include <windows.h>

#include "board_resources.h"
#include "board_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // Whatever is loaded by name from now on, by the program or by system
    // code on its behalf, comes from the system folder, never from the
    // program's own, where a download or a folder the player can write to
    // may hold a library of the same name. (It fails only for flags Windows
    // does not know.) Nothing was loaded from beside the program before this
    // line: it imports only KnownDLLs, which Windows takes from the system
    // folder with all they import. Wine 8, the test bench, has no KnownDLLs:
    // told to prefer libraries beside a program, it loads a version.dll or
    // ucrtbase.dll found there for its own user32, and an msimg32.dll for its
    // uxtheme's delayed imports, whatever this line asks.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
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
