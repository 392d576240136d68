// The help window: the modal window with the rules or the about text.
#pragma once

#include <windows.h>

namespace plumaro {

// Loads a fresh help window, modal over owner, in the state that
// Module1::HelpMode names (0 the rules, 1 about the game), and returns when
// the user has closed it.
void showHelpWindow(HWND owner, HINSTANCE instance);

} // namespace plumaro
