// An accessible object of the program's own for one control, a window's
// client object that speaks announcements, and the accessibility library,
// loaded only when a client first asks.
#include "accessible.h"

#include <objbase.h>
#include <oleacc.h>

#include <string>
#include <utility>

#include "com_apartment.h"
#include "com_object.h"
#include "system_library.h"
#include "texts.h"

namespace plumaro {

namespace {

// The functions of COM, the accessibility library and OLE automation that
// the objects need. Found at the first WM_GETOBJECT, never at start-up, and
// kept for the life of the process.
struct AccessibilityLibrary {
    decltype(&LresultFromObject) lresultFromObject = nullptr;
    decltype(&AccessibleObjectFromWindow) accessibleObjectFromWindow = nullptr;
    decltype(&CreateStdAccessibleObject) createStdAccessibleObject = nullptr;
    decltype(&SysAllocString) sysAllocString = nullptr;

    explicit operator bool() const { return lresultFromObject && sysAllocString; }

    static const AccessibilityLibrary &get() {
        static const AccessibilityLibrary library = [] {
            AccessibilityLibrary found;
            // Handing an object to a client marshals it through COM. The
            // first request comes on the window's thread.
            if (!useComOnThisThread())
                return found;
            found.lresultFromObject = systemFunction<decltype(&LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
            found.accessibleObjectFromWindow =
                systemFunction<decltype(&AccessibleObjectFromWindow)>(L"oleacc.dll", "AccessibleObjectFromWindow");
            found.createStdAccessibleObject =
                systemFunction<decltype(&CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject");
            found.sysAllocString = systemFunction<decltype(&SysAllocString)>(L"oleaut32.dll", "SysAllocString");
            return found;
        }();
        return library;
    }
};

bool isSelf(const VARIANT &child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// What the program's accessible objects are.
using AccessibleObject = ComObject<IAccessible, IDispatch>;

// The control's client area as one object without children.
class ControlAccessible final : public AccessibleObject {
public:
    ControlAccessible(HWND control, const AccessibleDescription &what) : control_(control), what_(what) {}

    // IDispatch: clients use the IAccessible methods directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override { return handOut(count, 0u); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *, EXCEPINFO *,
                                     UINT *) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override {
        if (!parent)
            return E_POINTER;
        *parent = nullptr;
        if (!IsWindow(control_))
            return CO_E_OBJNOTCONNECTED;
        const auto fromWindow = AccessibilityLibrary::get().accessibleObjectFromWindow;
        if (!fromWindow)
            return S_FALSE;
        return fromWindow(control_, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                          reinterpret_cast<void **>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long *count) override { return handOut(count, 0L); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch **child) override {
        return handOut(child, nullptr, E_INVALIDARG);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override {
        return text(child, name, what_.name.empty() ? windowText() : what_.name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *value) override {
        if (!what_.textIsValue)
            return noText(child, value, DISP_E_MEMBERNOTFOUND);
        return text(child, value, windowText());
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override {
        return noText(child, description, S_FALSE);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override {
        return number(child, role, what_.role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override {
        return number(child, state, stateFlags());
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR *help) override { return noText(child, help, S_FALSE); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT, long *topic) override {
        if (file)
            *file = nullptr;
        if (topic)
            *topic = 0;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR *shortcut) override {
        return noText(child, shortcut, S_FALSE);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *focus) override {
        if (!focus)
            return E_POINTER;
        focus->vt = VT_EMPTY;
        if (GetFocus() != control_)
            return S_FALSE;
        focus->vt = VT_I4;
        focus->lVal = CHILDID_SELF;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *selection) override {
        if (!selection)
            return E_POINTER;
        selection->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *action) override {
        if (!what_.defaultAction)
            return noText(child, action, DISP_E_MEMBERNOTFOUND);
        return text(child, action, loadText(what_.defaultAction));
    }
    HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE accLocation(long *left, long *top, long *width, long *height, VARIANT child) override {
        if (!left || !top || !width || !height)
            return E_POINTER;
        *left = *top = *width = *height = 0;
        if (const HRESULT checked = check(child); checked != S_OK)
            return checked;
        RECT rect{};
        GetWindowRect(control_, &rect);
        *left = rect.left;
        *top = rect.top;
        *width = rect.right - rect.left;
        *height = rect.bottom - rect.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT *end) override {
        if (!end)
            return E_POINTER;
        end->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT *hit) override {
        if (!hit)
            return E_POINTER;
        hit->vt = VT_EMPTY;
        if (!IsWindow(control_))
            return CO_E_OBJNOTCONNECTED;
        RECT rect{};
        GetWindowRect(control_, &rect);
        if (!PtInRect(&rect, POINT{x, y}))
            return S_FALSE;
        hit->vt = VT_I4;
        hit->lVal = CHILDID_SELF;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (const HRESULT checked = check(child); checked != S_OK)
            return checked;
        if (!what_.defaultAction)
            return DISP_E_MEMBERNOTFOUND;
        // Posted: the press may open a modal window, which must not hold the
        // client's call until it closes.
        return PostMessageW(control_, BM_CLICK, 0, 0) ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~ControlAccessible() override = default;

    HRESULT check(const VARIANT &child) const {
        if (!isSelf(child))
            return E_INVALIDARG;
        return IsWindow(control_) ? S_OK : CO_E_OBJNOTCONNECTED;
    }

    long stateFlags() const {
        long flags = 0;
        if (!IsWindowVisible(control_))
            flags |= STATE_SYSTEM_INVISIBLE;
        if (!IsWindowEnabled(GetAncestor(control_, GA_ROOT)))
            flags |= STATE_SYSTEM_UNAVAILABLE;
        if (GetWindowLongW(control_, GWL_STYLE) & WS_TABSTOP)
            flags |= STATE_SYSTEM_FOCUSABLE;
        if (GetFocus() == control_)
            flags |= STATE_SYSTEM_FOCUSED;
        if (what_.role == ROLE_SYSTEM_LINK)
            flags |= STATE_SYSTEM_LINKED;
        if (what_.role == ROLE_SYSTEM_STATICTEXT)
            flags |= STATE_SYSTEM_READONLY;
        return flags;
    }

    HRESULT number(const VARIANT &child, VARIANT *out, long value) const {
        if (!out)
            return E_POINTER;
        out->vt = VT_EMPTY;
        if (const HRESULT checked = check(child); checked != S_OK)
            return checked;
        out->vt = VT_I4;
        out->lVal = value;
        return S_OK;
    }

    std::wstring windowText() const {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control_)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(control_, text.data(), static_cast<int>(text.size()))));
        return text;
    }

    HRESULT text(const VARIANT &child, BSTR *out, const std::wstring &value) const {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (const HRESULT checked = check(child); checked != S_OK)
            return checked;
        *out = AccessibilityLibrary::get().sysAllocString(value.c_str());
        return *out ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT noText(const VARIANT &child, BSTR *out, HRESULT result) const {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        const HRESULT checked = check(child);
        return checked != S_OK ? checked : result;
    }

    HWND control_;
    AccessibleDescription what_;
};

HRESULT giveNumber(VARIANT *out, long value) {
    if (!out)
        return E_POINTER;
    out->vt = VT_I4;
    out->lVal = value;
    return S_OK;
}

HRESULT giveText(BSTR *out, const std::wstring &value) {
    if (!out)
        return E_POINTER;
    *out = AccessibilityLibrary::get().sysAllocString(value.c_str());
    return *out ? S_OK : E_OUTOFMEMORY;
}

// A window's client area: the system's own object, which knows the window's
// name, children and places, with the window's description and its alerts
// added.
class WindowAccessible final : public AccessibleObject {
public:
    WindowAccessible(HWND window, IAccessible *standard, std::shared_ptr<SpokenTexts> texts)
        : window_(window), standard_(standard), texts_(std::move(texts)) {}

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo **info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR *names, UINT count, LCID locale,
                                            DISPID *ids) override {
        return standard_->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS *parameters,
                                     VARIANT *result, EXCEPINFO *exception, UINT *argument) override {
        return standard_->Invoke(id, iid, locale, flags, parameters, result, exception, argument);
    }

    // IAccessible: the description and the alerts are the window's, the rest
    // the system's.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long *count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch **object) override {
        if (!isAnnouncement(child))
            return standard_->get_accChild(child, object);
        return handOut(object, nullptr, S_FALSE); // an element of this object, not an object of its own
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override {
        if (!isAnnouncement(child))
            return standard_->get_accName(child, name);
        return connected() ? giveText(name, *texts_->find(child.lVal)) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *value) override {
        return standard_->get_accValue(self(child), value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override {
        if (!isSelf(child) || texts_->description.empty())
            return standard_->get_accDescription(child, description);
        return connected() ? giveText(description, texts_->description) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override {
        return isAnnouncement(child) ? giveNumber(role, ROLE_SYSTEM_ALERT) : standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override {
        return isAnnouncement(child) ? giveNumber(state, STATE_SYSTEM_READONLY) : standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR *help) override {
        return standard_->get_accHelp(self(child), help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT child, long *topic) override {
        return standard_->get_accHelpTopic(file, self(child), topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR *shortcut) override {
        return standard_->get_accKeyboardShortcut(self(child), shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *focus) override { return standard_->get_accFocus(focus); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *selection) override {
        return standard_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *action) override {
        return standard_->get_accDefaultAction(self(child), action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return standard_->accSelect(flags, self(child));
    }
    HRESULT STDMETHODCALLTYPE accLocation(long *left, long *top, long *width, long *height, VARIANT child) override {
        return standard_->accLocation(left, top, width, height, self(child));
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT *end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT *hit) override {
        return standard_->accHitTest(x, y, hit);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return isAnnouncement(child) ? DISP_E_MEMBERNOTFOUND : standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

private:
    ~WindowAccessible() override { standard_->Release(); }

    bool connected() const { return IsWindow(window_) != FALSE; }

    bool isAnnouncement(const VARIANT &child) const { return child.vt == VT_I4 && texts_->find(child.lVal); }

    // An alert has the window's place and no help, value or action of its
    // own: for those it is the window itself.
    VARIANT self(VARIANT child) const {
        if (isAnnouncement(child))
            child.lVal = CHILDID_SELF;
        return child;
    }

    HWND window_;
    IAccessible *standard_;
    std::shared_ptr<SpokenTexts> texts_;
};

} // namespace

LRESULT answerGetObject(HWND control, WPARAM wParam, LPARAM lParam, const AccessibleDescription &what) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT)
        return DefWindowProcW(control, WM_GETOBJECT, wParam, lParam);
    const AccessibilityLibrary &library = AccessibilityLibrary::get();
    if (!library)
        return DefWindowProcW(control, WM_GETOBJECT, wParam, lParam);
    auto *object = new ControlAccessible(control, what);
    const LRESULT result = library.lresultFromObject(__uuidof(IAccessible), wParam, object);
    object->Release(); // the result holds its own reference
    return result;
}

LRESULT answerWindowGetObject(HWND window, WPARAM wParam, LPARAM lParam, const std::shared_ptr<SpokenTexts> &texts) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT)
        return DefWindowProcW(window, WM_GETOBJECT, wParam, lParam);
    const AccessibilityLibrary &library = AccessibilityLibrary::get();
    IAccessible *standard = nullptr;
    if (!library || !library.createStdAccessibleObject ||
        FAILED(library.createStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                 reinterpret_cast<void **>(&standard))))
        return DefWindowProcW(window, WM_GETOBJECT, wParam, lParam);
    auto *object = new WindowAccessible(window, standard, texts);
    const LRESULT result = library.lresultFromObject(__uuidof(IAccessible), wParam, object);
    object->Release();
    return result;
}

long SpokenTexts::add(std::wstring words) {
    // Enough for a reader that falls behind by a few dozen moves.
    constexpr std::size_t kMostKept = 64;
    kept_.push_back(std::move(words));
    if (kept_.size() > kMostKept) {
        kept_.pop_front();
        ++first_;
    }
    return first_ + static_cast<long>(kept_.size()) - 1;
}

const std::wstring *SpokenTexts::find(long number) const {
    if (number < first_ || number - first_ >= static_cast<long>(kept_.size()))
        return nullptr;
    return &kept_[static_cast<std::size_t>(number - first_)];
}

void raiseAlert(HWND window, SpokenTexts &texts, std::wstring words) {
    NotifyWinEvent(EVENT_SYSTEM_ALERT, window, OBJID_CLIENT, texts.add(std::move(words)));
}

void tellNameChanged(HWND control) { NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF); }

void tellValueChanged(HWND control) { NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control, OBJID_CLIENT, CHILDID_SELF); }

} // namespace plumaro
