// What a control tells screen readers and UI automation: an accessible
// object of the program's own, handed out through WM_GETOBJECT.
#pragma once

#include <windows.h>

namespace plumaro {

// How one control presents itself. The strings must outlive the program
// (literals): objects handed to clients keep pointing at them.
struct AccessibleDescription {
    long role = 0;                          // ROLE_SYSTEM_...
    const wchar_t *name = nullptr;          // nullptr: the control's own text
    bool textIsValue = false;               // the control's text is its value
    const wchar_t *defaultAction = nullptr; // nullptr: none; else BM_CLICK presses it
};

// Answers WM_GETOBJECT for the control: its client area is an object as
// `what` describes; anything else, or a system without the accessibility
// library, goes to DefWindowProc. The object holds only the control's
// handle and reads the control afresh on every question, so it may outlive
// the control (it then answers that it is disconnected). Its default action
// posts BM_CLICK to the control, which must check that a click could be made.
LRESULT answerGetObject(HWND control, WPARAM wParam, LPARAM lParam, const AccessibleDescription &what);

} // namespace plumaro
