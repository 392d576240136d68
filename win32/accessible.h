// What a control or a window tells screen readers and UI automation:
// accessible objects handed out through WM_GETOBJECT, and the events that
// make readers speak.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace plumaro {

// How one control presents itself.
struct AccessibleDescription {
    long role = 0;            // ROLE_SYSTEM_...
    std::wstring name;        // empty: the control's own text
    bool textIsValue = false; // the control's text is its value
    UINT defaultAction = 0;   // IDS_...; 0: none; else BM_CLICK presses it
};

// Answers WM_GETOBJECT for the control: its client area is an object as
// `what` describes; anything else, or a system without the accessibility
// library, goes to DefWindowProc. The object holds only the control's
// handle and reads the control afresh on every question, so it may outlive
// the control (it then answers that it is disconnected). Its default action
// posts BM_CLICK to the control, which must check that a click could be made.
LRESULT answerGetObject(HWND control, WPARAM wParam, LPARAM lParam, const AccessibleDescription &what);

// What a window's own client object says beyond what the system's says: a
// description, and the latest announcement, which a screen reader speaks
// when announce raises an alert on it. The window keeps them up to date;
// a changed description raises no event, or readers would speak it after
// every announcement too: it is read when the window gets the focus.
struct SpokenTexts {
    std::wstring description;
    std::wstring announcement;
};

// Answers WM_GETOBJECT for a window: its client area is the system's own
// client object (name, children in window order, places, navigation) with
// the description of `texts` and one more element, an alert whose name is
// the announcement. Anything else, or a system without the accessibility
// library, goes to DefWindowProc. Objects handed out share `texts`, and may
// outlive the window.
LRESULT answerWindowGetObject(HWND window, WPARAM wParam, LPARAM lParam, const std::shared_ptr<SpokenTexts> &texts);

// Makes screen readers speak `text` now: it becomes the window's announcement
// and an alert is raised on it. Costs nothing while no client listens.
void announce(HWND window, SpokenTexts &texts, std::wstring text);

// Tells clients that the control's name or value, as its client object reads it, changed.
void tellNameChanged(HWND control);
void tellValueChanged(HWND control);

} // namespace plumaro
