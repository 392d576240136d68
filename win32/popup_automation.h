// A modal popup window of the program as UI Automation clients see it.
#pragma once

#include <windows.h>

#include <memory>

#include "accessible.h"

struct IRawElementProviderSimple;

namespace plumaro {

// The UI Automation element of a modal WS_POPUP window (the result window),
// over the system's own elements for it: a dialog with the description of
// `texts`, and the Window control pattern, which Microsoft documents that a
// WS_POPUP window must implement, answering WM_GETOBJECT, for Narrator to
// announce from it (UiaRaiseNotificationEvent, Remarks).
class PopupAutomation {
public:
    PopupAutomation(HWND window, std::shared_ptr<SpokenTexts> texts);
    ~PopupAutomation();
    PopupAutomation(const PopupAutomation &) = delete;
    PopupAutomation &operator=(const PopupAutomation &) = delete;

    // Answers WM_GETOBJECT's UI Automation request; false for any other
    // request, which the window answers itself.
    bool answer(WPARAM wParam, LPARAM lParam, LRESULT &answer);
    // The window's WM_DESTROY: clients let go of the element.
    void windowGoing();

private:
    HWND window_;
    IRawElementProviderSimple *element_;
    bool used_ = false;
};

} // namespace plumaro
