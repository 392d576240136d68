// Modal dialog boxes without a template: the window's own code makes and
// places its controls, so that its layout is written in one place.
#pragma once

#include <windows.h>

#include <string>

namespace plumaro {

// Shows a modal dialog box of the style over owner: empty, untitled and in
// the dialog font ("MS Shell Dlg", 8 points), as a template with those
// settings and no controls would make it. The procedure makes its controls
// on WM_INITDIALOG with addControl, titles and sizes the box, and sets the
// focus itself (the system knows of no control to give it to). Returns what
// EndDialog was given, or -1 if the box could not be made.
INT_PTR showDialogBox(HWND owner, HINSTANCE instance, DWORD style, DWORD exStyle, DLGPROC procedure, LPARAM parameter);

// Leaves the box's layout at each display scale to its own procedure (which
// handles WM_DPICHANGED): without this, Windows 10 1703 and later rescale
// the box, its fonts and its controls themselves when it moves to a monitor
// of another scale. Older systems, and Wine, have no such scaling.
void keepDialogLayoutOurs(HWND dialog);

// Makes a control of the dialog box as its template would have, in the box's
// font, at no size: the caller places it. nullptr if Windows refused it.
HWND addControl(HWND dialog, const wchar_t *className, const std::wstring &text, int id, DWORD style,
                DWORD exStyle = 0);

} // namespace plumaro
