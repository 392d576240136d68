// Reading the files that lie beside the program, however deep its folder.
#include "program_files.h"

#include <algorithm>
#include <new>

#include "handles.h"

namespace plumaro {

namespace {

bool startsWith(const std::wstring &text, const wchar_t *start) { return text.rfind(start, 0) == 0; }

// The most one ReadFile call is asked for (it counts in a DWORD).
constexpr DWORD kLargestRead = 1u << 30;

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

namespace {

// Reads the file's first bytes, at most `most` of them, or, if `wholeOnly`,
// all of a file no longer than that and nothing of a longer one.
DWORD readFirstBytes(const std::wstring &path, std::uint64_t most, bool wholeOnly, std::vector<BYTE> &bytes,
                     bool &whole) {
    bytes.clear();
    HANDLE opened =
        CreateFileW(longPathForm(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return GetLastError();
    const UniqueFile file(opened);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        return GetLastError();
    const auto total = static_cast<std::uint64_t>(size.QuadPart);
    whole = total <= most;
    if ((wholeOnly && !whole) || std::min(total, most) > bytes.max_size())
        return ERROR_FILE_TOO_LARGE;
    try {
        bytes.resize(static_cast<std::size_t>(std::min(total, most)));
    } catch (const std::bad_alloc &) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    // ReadFile may return fewer bytes than asked for; reading ends at the
    // size taken above or at the end of a file that has shrunk since.
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, kLargestRead));
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + done, wanted, &read, nullptr)) {
            const DWORD error = GetLastError();
            bytes.clear();
            return error;
        }
        if (read == 0)
            break;
        done += read;
    }
    bytes.resize(done);
    return ERROR_SUCCESS;
}

} // namespace

DWORD readFileBytes(const std::wstring &path, std::uint64_t largest, std::vector<BYTE> &bytes) {
    bool whole = false;
    return readFirstBytes(path, largest, true, bytes, whole);
}

DWORD readFileStart(const std::wstring &path, std::size_t most, std::vector<BYTE> &bytes, bool &whole) {
    return readFirstBytes(path, most, false, bytes, whole);
}

} // namespace plumaro
