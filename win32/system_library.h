// Functions of system libraries that the program needs only now and then,
// found on first use so that starting the program does not load them.
#pragma once

#include <windows.h>

namespace plumaro {

// The address of `name` in the system library `library` (loaded from the
// system folder only, and kept loaded), or nullptr if either is missing.
FARPROC systemFunction(const wchar_t *library, const char *name);

// The same, typed: systemFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW").
template <typename Function> Function systemFunction(const wchar_t *library, const char *name) {
    return reinterpret_cast<Function>(reinterpret_cast<void *>(systemFunction(library, name)));
}

} // namespace plumaro
