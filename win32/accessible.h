// What a control or a window tells screen readers and UI automation:
// accessible objects handed out through WM_GETOBJECT, and the events that
// make readers speak.
#pragma once

#include <windows.h>

#include <deque>
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
// description, and the latest alerts, each an element of its own with its
// own words, so that a reader that reads an alert late still hears what it
// said. The window keeps the description up to date; a changed description
// raises no event, or readers would speak it after every alert too: it is
// read when the window gets the focus.
class SpokenTexts {
public:
    std::wstring description;

    // Keeps the words of a new alert and returns the number of its element.
    long add(std::wstring words);
    // The words of the alert with the number; nullptr for any other number,
    // and for an alert too old to keep.
    const std::wstring *find(long number) const;

private:
    std::deque<std::wstring> kept_;
    long first_ = 0x10000; // above the numbers of the window's own children
};

// Answers WM_GETOBJECT for a window: its client area is the system's own
// client object (name, children in window order, places, navigation) with
// the description of `texts` and its alerts as elements of role alert.
// Anything else, or a system without the accessibility library, goes to
// DefWindowProc. Objects handed out share `texts`, and may outlive the window.
LRESULT answerWindowGetObject(HWND window, WPARAM wParam, LPARAM lParam, const std::shared_ptr<SpokenTexts> &texts);

// Raises an alert on the window's client object with the words: MSAA
// screen readers speak it. Costs nothing while no client listens.
void raiseAlert(HWND window, SpokenTexts &texts, std::wstring words);

// Tells clients that the control's name or value, as its client object reads it, changed.
void tellNameChanged(HWND control);
void tellValueChanged(HWND control);

} // namespace plumaro
