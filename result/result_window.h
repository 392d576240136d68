// The result window: the small modal dialog that rates a finished game.
#pragma once

#include <windows.h>

#include "game.h"
#include "window_icon.h"

namespace plumaro {

// Shows the result in a freshly made result window, modal over owner, and
// returns when the player has closed it. The window shows the icons (the
// board's, loaded once at start-up), or none if they are empty. Should the
// window or its pictures fail to load, a message box shows the verdict.
void showResultWindow(HWND owner, HINSTANCE instance, const Result &result, const WindowIcons &icons);

} // namespace plumaro
