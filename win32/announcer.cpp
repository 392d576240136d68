// What a window says to a screen reader now: UI Automation notifications
// from a tiny window of the announcer's own, or MSAA alerts.
#include "announcer.h"

#include <oleauto.h>
#include <uiautomationclient.h>
#include <uiautomationcore.h>

#include <utility>

#include "com_apartment.h"
#include "com_object.h"
#include "uia_library.h"
#include "window_procedure.h"

namespace plumaro {

namespace {

constexpr wchar_t kClassName[] = L"PlumaroAnnouncer";

// UI Automation's numbers for what the notification tells readers:
// NotificationKind and NotificationProcessing.
enum Kind { ItemAdded, ItemRemoved, ActionCompleted, ActionAborted, Other };
enum Processing { ImportantAll, ImportantMostRecent, All, MostRecent, CurrentThenMostRecent };
// UIA_CustomControlTypeId: a control of no standard type, which readers do
// not speak as a window of its own.
constexpr long kCustomControlType = 50025;

struct Treatment {
    Kind kind;
    Processing processing;
    const wchar_t *activity; // one for each kind of announcement, so that
                             // readers never merge two of different kinds
};

Treatment treatmentOf(Announcement what) {
    switch (what) {
    case Announcement::Move:
        return {ActionCompleted, MostRecent, L"move"};
    case Announcement::Refusal:
        return {ActionAborted, MostRecent, L"refusal"};
    case Announcement::Reading:
        break;
    }
    return {Other, ImportantMostRecent, L"reading"};
}

// The UI Automation element the notifications come from: the announcer's
// window, of no standard type, which neither takes the focus nor counts as
// a control or content, so that readers do not stop on it.
class NotificationSource final : public ComObject<IRawElementProviderSimple> {
public:
    explicit NotificationSource(HWND window) : window_(window) {}

    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions *options) override {
        // Called on the window's own thread, which runs COM as a
        // single-threaded apartment.
        return handOut(options, static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider |
                                                             ProviderOptions_UseComThreading));
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown **pattern) override {
        return handOut(pattern, nullptr);
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT *value) override {
        if (!value)
            return E_POINTER;
        value->vt = VT_EMPTY; // anything else comes from the window
        switch (property) {
        case UIA_ControlTypePropertyId:
            value->vt = VT_I4;
            value->lVal = kCustomControlType;
            break;
        case UIA_IsControlElementPropertyId:
        case UIA_IsContentElementPropertyId:
        case UIA_IsKeyboardFocusablePropertyId:
            value->vt = VT_BOOL;
            value->boolVal = VARIANT_FALSE;
            break;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple **host) override {
        return hostProviderOf(window_, host);
    }

private:
    ~NotificationSource() override = default;

    HWND window_;
};

} // namespace

Announcer::Announcer(HWND owner, std::shared_ptr<SpokenTexts> texts) : owner_(owner), texts_(std::move(texts)) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    WNDCLASSEXW type{};
    type.cbSize = sizeof type;
    if (!GetClassInfoExW(instance, kClassName, &type)) {
        type.lpfnWndProc = guarded<windowProc>;
        type.hInstance = instance;
        type.lpszClassName = kClassName;
        RegisterClassExW(&type);
    }
    // One pixel, as UI Automation raises no notification from a window
    // without size; disabled, so that it never takes the focus, and
    // transparent to the mouse.
    window_ =
        CreateWindowExW(WS_EX_TRANSPARENT | WS_EX_NOPARENTNOTIFY, kClassName, L"", WS_CHILD | WS_DISABLED | WS_VISIBLE,
                        0, 0, 1, 1, owner, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)), instance, this);
    if (window_)
        source_ = new NotificationSource(window_);
}

Announcer::~Announcer() {
    if (window_)
        DestroyWindow(window_);
    if (source_)
        source_->Release();
}

Announcer *Announcer::of(HWND window) {
    HWND announcer = GetDlgItem(window, kControlId);
    return announcer ? reinterpret_cast<Announcer *>(GetWindowLongPtrW(announcer, GWLP_USERDATA)) : nullptr;
}

void Announcer::say(Announcement what, std::wstring words) {
    if (!notify(what, words))
        raiseAlert(owner_, *texts_, std::move(words));
}

bool Announcer::notify(Announcement what, const std::wstring &words) {
    if (!source_)
        return false;
    const UiaLibrary &uia = UiaLibrary::get();
    RaiseNotification raise = raise_;
    if (!raise) {
        // Nothing to gain, and the alert to lose, while no client listens.
        if (!uia.raiseNotification || !uia.clientsAreListening || !uia.clientsAreListening())
            return false;
        raise = uia.raiseNotification;
    }
    if (!uia.sysAllocString || !uia.sysFreeString || !useComOnThisThread())
        return false;
    const Treatment treatment = treatmentOf(what);
    const BSTR text = uia.sysAllocString(words.c_str());
    const BSTR activity = uia.sysAllocString(treatment.activity);
    uiaUsed_ = true;
    const HRESULT raised =
        text && activity ? raise(source_, treatment.kind, treatment.processing, text, activity) : E_OUTOFMEMORY;
    uia.sysFreeString(text);
    uia.sysFreeString(activity);
    return SUCCEEDED(raised);
}

LRESULT CALLBACK Announcer::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams));
    auto *self = reinterpret_cast<Announcer *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_GETOBJECT: {
        // UI Automation clients get the notifications' source; MSAA clients
        // the system's object for the window.
        LRESULT answer = 0;
        if (self && answerUiaRequest(window, wParam, lParam, self->source_, self->uiaUsed_, answer))
            return answer;
        break;
    }
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        // What the window below shows in this pixel.
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        POINT origin{};
        MapWindowPoints(window, GetParent(window), &origin, 1);
        SetWindowOrgEx(dc, origin.x, origin.y, nullptr);
        SendMessageW(GetParent(window), WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_ERASEBKGND | PRF_CLIENT);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        if (self)
            releaseUiaElement(window, self->source_, self->uiaUsed_);
        break;
    case WM_NCDESTROY:
        if (self)
            self->window_ = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace plumaro
