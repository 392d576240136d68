// The functions of UI Automation and OLE automation that the program's
// UI Automation elements need, and what serving one from a window takes.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include "announcer.h"

struct IRawElementProviderSimple;

namespace plumaro {

// From uiautomationcoreapi.h, which not every compiler's copy of the
// Windows headers can include: the object id of UI Automation's requests
// and the error for an element that is gone.
constexpr long kUiaRootObjectId = -25;
constexpr HRESULT kElementNotAvailable = static_cast<HRESULT>(0x80040201);

// Found at the first announcement or UI Automation request, never at
// start-up, and kept for the life of the process. The notification event is
// missing before Windows 10 1709 and under Wine 8: a static import of it
// would stop the program from starting there.
struct UiaLibrary {
    RaiseNotification raiseNotification = nullptr;
    BOOL(WINAPI *clientsAreListening)() = nullptr;
    LRESULT(WINAPI *returnRawElementProvider)(HWND, WPARAM, LPARAM, IRawElementProviderSimple *) = nullptr;
    HRESULT(WINAPI *hostProviderFromHwnd)(HWND, IRawElementProviderSimple **) = nullptr;
    HRESULT(WINAPI *disconnectProvider)(IRawElementProviderSimple *) = nullptr;
    decltype(&SysAllocString) sysAllocString = nullptr;
    decltype(&SysFreeString) sysFreeString = nullptr;

    static const UiaLibrary &get();
};

// Answers WM_GETOBJECT's UI Automation request (UiaRootObjectId) for the
// window with `element`; false for any other request, which is the
// caller's to answer. `used` notes that UI Automation knows the element.
bool answerUiaRequest(HWND window, WPARAM wParam, LPARAM lParam, IRawElementProviderSimple *element, bool &used,
                      LRESULT &answer);

// An element's get_HostRawElementProvider: the system's element for the
// window that serves it, or kElementNotAvailable once the window is gone.
HRESULT hostProviderOf(HWND window, IRawElementProviderSimple **host);

// On the window's WM_DESTROY, if UI Automation knows the element: clients
// let go of it, no new requests reach it, and those that hold it hear that
// it is gone.
void releaseUiaElement(HWND window, IRawElementProviderSimple *element, bool used);

} // namespace plumaro
