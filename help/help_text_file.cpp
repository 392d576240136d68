// Reading a help text file: its whole content, decoded to wide text.
#include "help_text_file.h"

#include <windows.h>

#include <new>
#include <string_view>
#include <vector>

#include "program_files.h"

namespace plumaro {

namespace {

// The most characters a text box holds, and the most bytes
// MultiByteToWideChar converts in one call.
constexpr std::uint64_t kLargestText = 0x7FFFFFFE;

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Creates the file empty if nothing of that name exists; a file that is
// there is left alone.
void createEmptyFileIfMissing(const std::wstring &path) {
    HANDLE created =
        CreateFileW(longPathForm(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created != INVALID_HANDLE_VALUE)
        CloseHandle(created);
}

// The bytes decoded in the code page. With MB_ERR_INVALID_CHARS, bytes that
// are not valid in it give an empty text.
std::wstring decoded(UINT codePage, DWORD flags, const char *bytes, int length) {
    const int characters = MultiByteToWideChar(codePage, flags, bytes, length, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(characters), L'\0');
    if (characters > 0)
        MultiByteToWideChar(codePage, flags, bytes, length, text.data(), characters);
    return text;
}

} // namespace

std::wstring readHelpText(const std::wstring &path) {
    try {
        std::vector<BYTE> file;
        const DWORD error = readFileBytes(path, kLargestText, file);
        if (error == ERROR_FILE_NOT_FOUND)
            createEmptyFileIfMissing(path);
        if (error != ERROR_SUCCESS || file.empty())
            return {};

        const std::string_view bytes(reinterpret_cast<const char *>(file.data()), file.size());
        const std::string_view utf8 =
            bytes.starts_with(kUtf8ByteOrderMark) ? bytes.substr(kUtf8ByteOrderMark.size()) : bytes;
        if (utf8.empty())
            return {};
        std::wstring text = decoded(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()));
        if (text.empty())
            text = decoded(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()));
        return text;
    } catch (const std::bad_alloc &) {
        return {}; // more text than memory can hold
    }
}

} // namespace plumaro
