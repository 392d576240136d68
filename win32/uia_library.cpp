// The UI Automation functions the program finds when it first needs them.
#include "uia_library.h"

#include "com_apartment.h"
#include "system_library.h"

namespace plumaro {

const UiaLibrary &UiaLibrary::get() {
    static const UiaLibrary library = [] {
        constexpr wchar_t kUia[] = L"uiautomationcore.dll";
        UiaLibrary found;
        found.raiseNotification = systemFunction<RaiseNotification>(kUia, "UiaRaiseNotificationEvent");
        found.clientsAreListening = systemFunction<decltype(found.clientsAreListening)>(kUia, "UiaClientsAreListening");
        found.returnRawElementProvider =
            systemFunction<decltype(found.returnRawElementProvider)>(kUia, "UiaReturnRawElementProvider");
        found.hostProviderFromHwnd =
            systemFunction<decltype(found.hostProviderFromHwnd)>(kUia, "UiaHostProviderFromHwnd");
        found.disconnectProvider = systemFunction<decltype(found.disconnectProvider)>(kUia, "UiaDisconnectProvider");
        found.sysAllocString = systemFunction<decltype(&SysAllocString)>(L"oleaut32.dll", "SysAllocString");
        found.sysFreeString = systemFunction<decltype(&SysFreeString)>(L"oleaut32.dll", "SysFreeString");
        return found;
    }();
    return library;
}

bool answerUiaRequest(HWND window, WPARAM wParam, LPARAM lParam, IRawElementProviderSimple *element, bool &used,
                      LRESULT &answer) {
    const auto returnElement = UiaLibrary::get().returnRawElementProvider;
    if (!element || static_cast<long>(lParam) != kUiaRootObjectId || !returnElement || !useComOnThisThread())
        return false;
    used = true;
    answer = returnElement(window, wParam, lParam, element);
    return true;
}

void releaseUiaElement(HWND window, IRawElementProviderSimple *element, bool used) {
    const UiaLibrary &uia = UiaLibrary::get();
    if (!used)
        return;
    if (uia.returnRawElementProvider)
        uia.returnRawElementProvider(window, 0, 0, nullptr);
    if (uia.disconnectProvider && !InSendMessage())
        uia.disconnectProvider(element);
}

HRESULT hostProviderOf(HWND window, IRawElementProviderSimple **host) {
    if (!host)
        return E_POINTER;
    *host = nullptr;
    const auto fromWindow = UiaLibrary::get().hostProviderFromHwnd;
    if (!IsWindow(window) || !fromWindow)
        return kElementNotAvailable;
    return fromWindow(window, host);
}

} // namespace plumaro
