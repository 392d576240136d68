// The UI Automation element of a modal popup window: a dialog, its
// description and the Window control pattern.
#include "popup_automation.h"

#include <uiautomationclient.h>
#include <uiautomationcore.h>

#include <utility>

#include "com_object.h"
#include "uia_library.h"

namespace plumaro {

namespace {

// IWindowProvider as UIAutomationCore.idl declares it, which not every
// compiler's copy of the Windows headers does; its enumerations as ints.
constexpr IID kWindowProviderId = {0x987df77b, 0xdb06, 0x4d77, {0x8f, 0x8a, 0x86, 0xa9, 0xc3, 0xbb, 0x90, 0xb9}};
struct WindowProvider : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetVisualState(int state) = 0;
    virtual HRESULT STDMETHODCALLTYPE Close() = 0;
    virtual HRESULT STDMETHODCALLTYPE WaitForInputIdle(int milliseconds, BOOL *idle) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CanMaximize(BOOL *can) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CanMinimize(BOOL *can) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsModal(BOOL *modal) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_WindowVisualState(int *state) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_WindowInteractionState(int *state) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsTopmost(BOOL *topmost) = 0;
};
enum { VisualStateNormal = 0, VisualStateMinimized = 2 };
enum { ReadyForUserInteraction = 2, BlockedByModalWindow = 3 };
constexpr HRESULT kInvalidOperation = static_cast<HRESULT>(0x80131509); // UIA_E_INVALIDOPERATION

} // namespace

template <> const IID &interfaceId<WindowProvider>() { return kWindowProviderId; }

namespace {

// The Window control pattern of a fixed-size modal window.
class WindowPattern final : public ComObject<WindowProvider> {
public:
    explicit WindowPattern(HWND window) : window_(window) {}

    HRESULT STDMETHODCALLTYPE SetVisualState(int state) override {
        return state == VisualStateNormal ? S_OK : kInvalidOperation;
    }
    // As the close box does: a dialog box takes it as Esc.
    HRESULT STDMETHODCALLTYPE Close() override {
        return PostMessageW(window_, WM_CLOSE, 0, 0) ? S_OK : kElementNotAvailable;
    }
    // Asked on the window's own thread, which is idle as it answers.
    HRESULT STDMETHODCALLTYPE WaitForInputIdle(int, BOOL *idle) override { return handOut(idle, TRUE); }
    HRESULT STDMETHODCALLTYPE get_CanMaximize(BOOL *can) override { return handOut(can, hasStyle(WS_MAXIMIZEBOX)); }
    HRESULT STDMETHODCALLTYPE get_CanMinimize(BOOL *can) override { return handOut(can, hasStyle(WS_MINIMIZEBOX)); }
    HRESULT STDMETHODCALLTYPE get_IsModal(BOOL *modal) override { return handOut(modal, TRUE); }
    HRESULT STDMETHODCALLTYPE get_WindowVisualState(int *state) override {
        return handOut(state, IsIconic(window_) ? VisualStateMinimized : VisualStateNormal);
    }
    HRESULT STDMETHODCALLTYPE get_WindowInteractionState(int *state) override {
        return handOut(state, IsWindowEnabled(window_) ? ReadyForUserInteraction : BlockedByModalWindow);
    }
    HRESULT STDMETHODCALLTYPE get_IsTopmost(BOOL *topmost) override {
        return handOut(topmost, (GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
    }

private:
    ~WindowPattern() override = default;
    BOOL hasStyle(LONG_PTR style) const { return (GetWindowLongPtrW(window_, GWL_STYLE) & style) != 0; }

    HWND window_;
};

// What the program adds to the system's elements for the window: the rest,
// its name, place and children, comes from the window itself.
class PopupElement final : public ComObject<IRawElementProviderSimple> {
public:
    PopupElement(HWND window, std::shared_ptr<SpokenTexts> texts) : window_(window), texts_(std::move(texts)) {}

    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions *options) override {
        return handOut(options, static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider |
                                                             ProviderOptions_UseComThreading));
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID pattern, IUnknown **provider) override {
        if (!provider)
            return E_POINTER;
        *provider = pattern == UIA_WindowPatternId ? new WindowPattern(window_) : nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT *value) override {
        if (!value)
            return E_POINTER;
        value->vt = VT_EMPTY;
        const auto allocate = UiaLibrary::get().sysAllocString;
        if (property == UIA_IsDialogPropertyId) {
            value->vt = VT_BOOL;
            value->boolVal = VARIANT_TRUE;
        } else if (property == UIA_FullDescriptionPropertyId && !texts_->description.empty() && allocate) {
            value->bstrVal = allocate(texts_->description.c_str());
            value->vt = value->bstrVal ? VT_BSTR : VT_EMPTY;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple **host) override {
        return hostProviderOf(window_, host);
    }

private:
    ~PopupElement() override = default;

    HWND window_;
    std::shared_ptr<SpokenTexts> texts_;
};

} // namespace

PopupAutomation::PopupAutomation(HWND window, std::shared_ptr<SpokenTexts> texts)
    : window_(window), element_(new PopupElement(window, std::move(texts))) {}

PopupAutomation::~PopupAutomation() { element_->Release(); }

bool PopupAutomation::answer(WPARAM wParam, LPARAM lParam, LRESULT &answer) {
    return answerUiaRequest(window_, wParam, lParam, element_, used_, answer);
}

void PopupAutomation::windowGoing() { releaseUiaElement(window_, element_, used_); }

} // namespace plumaro
