/* A stand-in for a library planted beside the program under a system
   library's name: it forwards nothing, and only notes that it was loaded, in
   a file named after itself with ".loaded" added (winmm.dll.loaded). */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    wchar_t path[MAX_PATH + 8];
    DWORD length;
    (void)reserved;
    if (reason != DLL_PROCESS_ATTACH)
        return TRUE;
    length = GetModuleFileNameW(self, path, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        HANDLE note;
        lstrcpyW(path + length, L".loaded");
        note = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
        if (note != INVALID_HANDLE_VALUE)
            CloseHandle(note);
    }
    return TRUE;
}
