// Reading a help text file: its whole content, decoded from the ANSI code page.
#include "help/help_text_file.h"

#include <windows.h>

#include <new>
#include <string>

#include "win32/handles.h"
#include "win32/program_files.h"

namespace plumaro {

namespace {

// The most characters a text box holds, and the most bytes
// MultiByteToWideChar converts in one call.
constexpr std::size_t kLargestText = 0x7FFFFFFE;
constexpr DWORD kChunk = 1 << 20;

// Every byte of the file, read to its end (it may have grown since its size
// was taken); false if reading failed or the file is too large to show.
bool readWhole(HANDLE file, std::string &bytes) {
    LARGE_INTEGER size{};
    DWORD wanted = kChunk;
    if (GetFileSizeEx(file, &size) && size.QuadPart < static_cast<LONGLONG>(kLargestText))
        wanted = static_cast<DWORD>(size.QuadPart) + 1; // one more shows where the file ends
    for (;;) {
        const std::size_t used = bytes.size();
        bytes.resize(used + wanted);
        DWORD read = 0;
        if (!ReadFile(file, bytes.data() + used, wanted, &read, nullptr))
            return false;
        bytes.resize(used + read);
        if (read < wanted)
            return true; // a short read of a disk file is its end
        if (bytes.size() > kLargestText)
            return false;
        wanted = kChunk;
    }
}

} // namespace

std::wstring ReadTextFile(const std::wstring &path) {
    // OPEN_ALWAYS creates a missing file empty; the file handle itself only
    // ever reads.
    HANDLE opened = CreateFileW(longPathForm(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return {};
    const UniqueFile file(opened);

    try {
        std::string bytes;
        if (!readWhole(file.get(), bytes) || bytes.empty())
            return {};
        const int length = static_cast<int>(bytes.size());
        const int characters = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
        std::wstring text(static_cast<std::size_t>(characters), L'\0');
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, text.data(), characters);
        return text;
    } catch (const std::bad_alloc &) {
        return {}; // more text than memory can hold
    }
}

} // namespace plumaro
