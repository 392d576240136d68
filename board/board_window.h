// The board window: the program's main window, where the puzzle is played.
#pragma once

#include <windows.h>

namespace plumaro {

class BoardWindow {
public:
    // Registers the window class; false if Windows refused it.
    static bool registerClass(HINSTANCE instance);

    // Creates the hidden window and runs its load step. Returns nullptr when
    // start-up ends the program instead (the reason has been reported).
    static HWND create(HINSTANCE instance);

private:
    explicit BoardWindow(HWND window) : window_(window) {}

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    bool Form_Load();
    void onCommand(int id);

    HWND window_;
};

} // namespace plumaro
