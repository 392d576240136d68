// Reading a help text file: its beginning, decoded to wide text.
#include "help_text_file.h"

#include <windows.h>

#include <algorithm>
#include <new>
#include <string_view>
#include <vector>

#include "program_files.h"

namespace plumaro {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

// The most bytes that can make kMostHelpCharacters characters and a mark:
// UTF-8 takes up to three bytes for each.
constexpr std::size_t kMostBytesRead = 3 * kMostHelpCharacters + 3;

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
std::wstring decoded(UINT codePage, DWORD flags, std::string_view bytes) {
    const int length = static_cast<int>(bytes.size());
    const int characters = MultiByteToWideChar(codePage, flags, bytes.data(), length, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(characters), L'\0');
    if (characters > 0)
        MultiByteToWideChar(codePage, flags, bytes.data(), length, text.data(), characters);
    return text;
}

// UTF-16 in the byte order of its mark; the odd byte of a cut file goes.
std::wstring fromUtf16(std::string_view bytes, bool bigEndian) {
    std::wstring text(bytes.size() / 2, L'\0');
    for (std::size_t at = 0; at < text.size(); ++at) {
        const unsigned first = static_cast<unsigned char>(bytes[2 * at]);
        const unsigned second = static_cast<unsigned char>(bytes[2 * at + 1]);
        text[at] = static_cast<wchar_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return text;
}

// The beginning of a longer file may end inside a UTF-8 sequence, which
// would make valid UTF-8 look invalid: the cut character goes.
std::string_view withoutCutCharacter(std::string_view bytes) {
    for (std::size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const unsigned byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue; // within a sequence: its first byte lies further back
        const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? bytes.substr(0, bytes.size() - back) : bytes;
    }
    return bytes;
}

// UTF-8 if the bytes are valid UTF-8, else the ANSI code page.
std::wstring fromUtf8OrAnsi(std::string_view bytes, bool whole) {
    std::string_view utf8 = bytes.starts_with(kUtf8ByteOrderMark) ? bytes.substr(kUtf8ByteOrderMark.size()) : bytes;
    if (!whole)
        utf8 = withoutCutCharacter(utf8);
    if (utf8.empty())
        return {};
    std::wstring text = decoded(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
    return text.empty() ? decoded(CP_ACP, 0, bytes) : text;
}

} // namespace

std::wstring readHelpText(const std::wstring &path) {
    try {
        std::vector<BYTE> file;
        bool whole = true;
        const DWORD error = readFileStart(path, kMostBytesRead, file, whole);
        if (error == ERROR_FILE_NOT_FOUND)
            createEmptyFileIfMissing(path);
        if (error != ERROR_SUCCESS)
            return {};

        const std::string_view bytes(reinterpret_cast<const char *>(file.data()), file.size());
        const bool bigEndian = bytes.starts_with(kUtf16BigEndianMark);
        std::wstring text = bigEndian || bytes.starts_with(kUtf16LittleEndianMark)
                                ? fromUtf16(bytes.substr(kUtf16BigEndianMark.size()), bigEndian)
                                : fromUtf8OrAnsi(bytes, whole);
        // As much as the box takes, never ending on the first half of a
        // character that needs two.
        if (text.size() > kMostHelpCharacters || !whole) {
            text.resize(std::min(text.size(), kMostHelpCharacters));
            if (!text.empty() && IS_HIGH_SURROGATE(text.back()))
                text.pop_back();
        }
        return text;
    } catch (const std::bad_alloc &) {
        return {}; // more text than memory can hold
    }
}

} // namespace plumaro
