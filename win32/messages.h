// The program's message boxes: plain messages and the run-time error report.
#pragma once

#include <windows.h>

#include <string>

namespace plumaro {

// A message box with the text (IDS_...), an OK button only, no symbol,
// captioned with the program's title. Returns when the user has dismissed it.
void showProgramMessage(HWND owner, UINT text);
void showProgramMessage(HWND owner, const std::wstring &text);

// The run-time error report that ends the program: says what could not be
// done (IDS_...), names the file and the failure (Win32 error code, with
// ERROR_INVALID_DATA meaning a file that holds no valid picture).
void reportRuntimeError(UINT what, const std::wstring &path, DWORD error);

} // namespace plumaro
