// The help window: the modal window with the rules or the about text.
#pragma once

#include <windows.h>

namespace plumaro {

// The two pages of the help window.
enum class HelpPage { Rules, About };

// Shows a fresh help window, modal over owner, on the page, and returns when
// the player has closed it. The window's buttons turn to the other page;
// each time the window becomes the program's active window again, it shows
// this page afresh.
void showHelpWindow(HWND owner, HINSTANCE instance, HelpPage page);

} // namespace plumaro
