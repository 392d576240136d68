/* A library planted beside the program under a system library's name: it
   forwards nothing, and only notes that it was loaded (winmm.dll.loaded). */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    wchar_t note[MAX_PATH + 8];
    const DWORD length = GetModuleFileNameW(self, note, MAX_PATH);
    (void)reserved;
    if (reason == DLL_PROCESS_ATTACH && length > 0 && length < MAX_PATH) {
        lstrcpyW(note + length, L".loaded");
        CloseHandle(CreateFileW(note, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    }
    return TRUE;
}
