// COM on the program's window thread: one owner, started on first need.
#include "com_apartment.h"

#include <objbase.h>

#include "system_library.h"

namespace plumaro {

namespace {

// Whether this thread has asked for COM, and whether it got it. Each thread
// asks once: CoInitializeEx counts its calls, and a second caller with other
// flags would only be told that COM already runs (S_FALSE), its flags
// ignored.
thread_local bool asked = false;
thread_local bool usable = false;

} // namespace

bool useComOnThisThread() {
    if (asked)
        return usable;
    asked = true;
    const auto startCom = systemFunction<decltype(&CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    if (!startCom)
        return false;
    // RPC_E_CHANGED_MODE: something started COM here as a multithreaded
    // apartment; COM runs, only not as this program would have it.
    const HRESULT started = startCom(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    usable = SUCCEEDED(started) || started == RPC_E_CHANGED_MODE;
    return usable;
}

} // namespace plumaro
