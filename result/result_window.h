// The result window: the small modal dialog that rates a finished game.
#pragma once

#include <windows.h>

#include "game.h"
#include "window_icon.h"

namespace plumaro {

// Shows the result in a freshly made result window, modal over owner and
// centred on its monitor, and returns when the player has closed it. The
// window shows the board's icon, made from the icon file the board read at
// start-up in the sizes of the window's own DPI. Should the window or its
// pictures fail to load, a message box shows the verdict.
void showResultWindow(HWND owner, HINSTANCE instance, const Result &result, const WindowIconFile &icons);

} // namespace plumaro
