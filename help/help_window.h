// The help window: the modal window with the rules or the about text.
#pragma once

#include <windows.h>

#include "hand_cursor.h"

namespace plumaro {

// The two pages of the help window.
enum class HelpPage { Rules, About };

// Shows a fresh help window, modal over owner and centred on its monitor, on
// the page, and returns when the player has closed it. The window's buttons
// turn to the other page; each time the window becomes the program's active
// window again, it shows this page afresh. Over the link it shows the hand
// the board shows over its birds.
void showHelpWindow(HWND owner, HINSTANCE instance, HelpPage page, HandCursors &hands);

} // namespace plumaro
