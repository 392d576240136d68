// The program's message boxes: plain messages and the run-time error report.
#include "messages.h"

#include "texts.h"

namespace plumaro {

namespace {

std::wstring describeFailure(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return loadText(IDS_FILE_NOT_FOUND);
    case ERROR_INVALID_DATA:
        return loadText(IDS_INVALID_PICTURE);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return loadText(IDS_PERMISSION_DENIED);
    }
    wchar_t *text = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    std::wstring description =
        length ? std::wstring(text, length) : formatText(IDS_ERROR_NUMBER, {std::to_wstring(error)});
    LocalFree(text);
    while (!description.empty() && (description.back() == L'\n' || description.back() == L'\r'))
        description.pop_back();
    return description;
}

// A message box wraps its text only at blanks, so a long path alone would
// make it wider than the screen: the path goes on lines of at most this
// many characters, broken after a backslash where it can be.
constexpr std::size_t kLongestPathLine = 64;

std::wstring pathInLines(const std::wstring &path) {
    std::wstring lines;
    std::size_t lineStart = 0;
    while (path.size() - lineStart > kLongestPathLine) {
        std::size_t end = path.rfind(L'\\', lineStart + kLongestPathLine - 1);
        end = end == std::wstring::npos || end <= lineStart ? lineStart + kLongestPathLine : end + 1;
        lines += path.substr(lineStart, end - lineStart) + L"\n";
        lineStart = end;
    }
    return lines + path.substr(lineStart);
}

} // namespace

void showProgramMessage(HWND owner, UINT text) { showProgramMessage(owner, loadText(text)); }

void showProgramMessage(HWND owner, const std::wstring &text) {
    MessageBoxW(owner, text.c_str(), loadText(IDS_PROGRAM_TITLE).c_str(), MB_OK);
}

void reportRuntimeError(UINT what, const std::wstring &path, DWORD error) {
    const std::wstring text =
        formatText(IDS_RUNTIME_ERROR, {loadText(what), pathInLines(path), describeFailure(error)});
    MessageBoxW(nullptr, text.c_str(), loadText(IDS_PROGRAM_TITLE).c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

} // namespace plumaro
