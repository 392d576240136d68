// The result window: the small modal dialog that rates a finished game.
#pragma once

#include <windows.h>

#include "core/puzzle.h"

namespace plumaro {

// Shows the verdict in a freshly loaded result window, modal over owner,
// and returns when the player has closed it.
void showResultWindow(HWND owner, HINSTANCE instance, const Verdict &verdict);

} // namespace plumaro
