// Reading the files that lie beside the program, however deep its folder.
#include "win32/program_files.h"

#include "win32/handles.h"

namespace plumaro {

namespace {

bool startsWith(const std::wstring &text, const wchar_t *start) { return text.rfind(start, 0) == 0; }

} // namespace

std::wstring longPathForm(const std::wstring &path) {
    if (path.size() < MAX_PATH || startsWith(path, L"\\\\?\\") || startsWith(path, L"\\\\.\\"))
        return path;
    if (startsWith(path, L"\\\\"))
        return L"\\\\?\\UNC\\" + path.substr(2);
    if (path.size() > 2 && path[1] == L':' && path[2] == L'\\')
        return L"\\\\?\\" + path;
    return path;
}

DWORD readFileBytes(const std::wstring &path, std::size_t largest, std::vector<BYTE> &bytes) {
    bytes.clear();
    HANDLE opened = CreateFileW(longPathForm(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return GetLastError();
    const UniqueFile file(opened);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        return GetLastError();
    if (static_cast<unsigned long long>(size.QuadPart) > largest)
        return ERROR_FILE_TOO_LARGE;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return GetLastError();
    bytes.resize(read);
    return ERROR_SUCCESS;
}

} // namespace plumaro
