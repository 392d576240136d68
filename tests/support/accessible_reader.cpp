// Reading a control's accessible object the way a screen reader does.
#include "accessible_reader.h"

#include "program_driver.h"

namespace plumaro::testing {

namespace {

VARIANT self() {
    VARIANT child{};
    child.vt = VT_I4;
    child.lVal = CHILDID_SELF;
    return child;
}

using Getter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR *);

std::wstring text(IAccessible *object, Getter getter) {
    BSTR got = nullptr;
    if (!object || FAILED((object->*getter)(self(), &got)) || !got)
        return L"(none)";
    std::wstring result(got, SysStringLen(got));
    SysFreeString(got);
    return result;
}

long number(IAccessible *object, HRESULT (STDMETHODCALLTYPE IAccessible::*getter)(VARIANT, VARIANT *)) {
    VARIANT got{};
    if (!object || FAILED((object->*getter)(self(), &got)) || got.vt != VT_I4)
        return -1;
    return got.lVal;
}

std::vector<AlertListener::Alert> *alertsHeard = nullptr;

void CALLBACK hearAlert(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (alertsHeard)
        alertsHeard->push_back({window, object, child});
}

} // namespace

AlertListener::AlertListener(DWORD processId)
    : hook_(SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, hearAlert, processId, 0,
                            WINEVENT_OUTOFCONTEXT)) {
    alertsHeard = &heard_;
}

AlertListener::~AlertListener() {
    UnhookWinEvent(hook_);
    alertsHeard = nullptr;
}

std::wstring AlertListener::next() {
    if (!waitFor([&] { return !heard_.empty(); }))
        return L"(silence)";
    const Alert oldest = heard_.front();
    heard_.erase(heard_.begin());
    IAccessible *accessible = nullptr;
    VARIANT element{};
    if (FAILED(AccessibleObjectFromEvent(oldest.window, oldest.object, oldest.child, &accessible, &element)))
        return L"(unreadable)";
    BSTR name = nullptr;
    std::wstring words = L"(unreadable)";
    if (SUCCEEDED(accessible->get_accName(element, &name)) && name)
        words.assign(name, SysStringLen(name));
    SysFreeString(name);
    accessible->Release();
    return words;
}

AccessibleReader::AccessibleReader(HWND control, Route route) {
    if (route == Route::FromWindow) {
        result_ = AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                             reinterpret_cast<void **>(&object_));
        return;
    }
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(control, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT), SMTO_ABORTIFHUNG, 5000,
                             &answer)) {
        result_ = HRESULT_FROM_WIN32(GetLastError());
        return;
    }
    if (static_cast<LRESULT>(answer) <= 0) {
        result_ = static_cast<LRESULT>(answer) == 0 ? S_FALSE : static_cast<HRESULT>(answer);
        return;
    }
    result_ =
        ObjectFromLresult(static_cast<LRESULT>(answer), __uuidof(IAccessible), 0, reinterpret_cast<void **>(&object_));
}

AccessibleReader::~AccessibleReader() {
    if (object_)
        object_->Release();
}

std::wstring AccessibleReader::name() const { return text(object_, &IAccessible::get_accName); }
std::wstring AccessibleReader::value() const { return text(object_, &IAccessible::get_accValue); }
std::wstring AccessibleReader::defaultAction() const { return text(object_, &IAccessible::get_accDefaultAction); }
std::wstring AccessibleReader::description() const { return text(object_, &IAccessible::get_accDescription); }
long AccessibleReader::childCount() const {
    long count = -1;
    return object_ && SUCCEEDED(object_->get_accChildCount(&count)) ? count : -1;
}
long AccessibleReader::role() const { return number(object_, &IAccessible::get_accRole); }
long AccessibleReader::state() const { return number(object_, &IAccessible::get_accState); }
HRESULT AccessibleReader::press() const { return object_ ? object_->accDoDefaultAction(self()) : E_POINTER; }

} // namespace plumaro::testing
