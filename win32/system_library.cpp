// Functions of system libraries found on first use.
#include "system_library.h"

namespace plumaro {

FARPROC systemFunction(const wchar_t *library, const char *name) {
    // Never from beside the program, where anybody could put a library of
    // the same name. (Every Windows the program supports, 10 and 11, knows
    // this flag; Windows 7 knew it only with update KB2533623.)
    const HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? GetProcAddress(module, name) : nullptr;
}

} // namespace plumaro
