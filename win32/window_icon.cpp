// The window icon that lies beside the program as an .ico file.
#include "window_icon.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "program_files.h"
#include "program_folder.h"
#include "runtime_files.h"

namespace plumaro {

std::wstring windowIconPath() { return programFile(runtime_files::kWindowIcon.name); }

namespace {

// An icon file is read whole and its images made from memory: LoadImageW
// would open it by name, which fails once the path passes MAX_PATH.
constexpr std::size_t kLargestIconFile = 4 << 20;

// The layout of an .ico file: a header, then one entry per image.
constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kFileEntrySize = 16;     // ends with the image's offset in the file
constexpr std::size_t kResourceEntrySize = 14; // ends with a 16-bit image number instead

template <typename Value> Value readAt(const std::vector<BYTE> &bytes, std::size_t at) {
    Value value{};
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

// The icon image of the file that suits the size best, chosen the way the
// system chooses among an icon resource's images.
UniqueIcon iconOfSize(const std::vector<BYTE> &file, int size) {
    if (file.size() < kHeaderSize || readAt<WORD>(file, 0) != 0 || readAt<WORD>(file, 2) != 1)
        return nullptr;
    const std::size_t count = readAt<WORD>(file, 4);
    if (count == 0 || file.size() < kHeaderSize + count * kFileEntrySize)
        return nullptr;

    // The same directory with image numbers 1..count in place of offsets.
    std::vector<BYTE> directory(file.begin(), file.begin() + kHeaderSize);
    for (std::size_t i = 0; i < count; ++i) {
        const auto entry = file.begin() + static_cast<std::ptrdiff_t>(kHeaderSize + i * kFileEntrySize);
        directory.insert(directory.end(), entry, entry + kResourceEntrySize - 2);
        const WORD number = static_cast<WORD>(i + 1);
        directory.push_back(LOBYTE(number));
        directory.push_back(HIBYTE(number));
    }
    const int number = LookupIconIdFromDirectoryEx(directory.data(), TRUE, size, size, LR_DEFAULTCOLOR);
    if (number < 1 || static_cast<std::size_t>(number) > count)
        return nullptr;

    const std::size_t entry = kHeaderSize + static_cast<std::size_t>(number - 1) * kFileEntrySize;
    const std::size_t length = readAt<DWORD>(file, entry + 8);
    const std::size_t offset = readAt<DWORD>(file, entry + 12);
    if (length == 0 || offset > file.size() || length > file.size() - offset)
        return nullptr; // the image lies (partly) beyond the end of the file
    return UniqueIcon(CreateIconFromResourceEx(const_cast<BYTE *>(file.data() + offset), static_cast<DWORD>(length),
                                               TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR));
}

// The side of the largest image in the file; an entry's width 0 means 256.
int largestImageSize(const std::vector<BYTE> &file) {
    int largest = 0;
    const std::size_t count = file.size() < kHeaderSize ? 0 : readAt<WORD>(file, 4);
    for (std::size_t i = 0; i < count && kHeaderSize + (i + 1) * kFileEntrySize <= file.size(); ++i) {
        const int width = file[kHeaderSize + i * kFileEntrySize];
        largest = std::max(largest, width == 0 ? 256 : width);
    }
    return largest;
}

} // namespace

WindowIconFile::WindowIconFile(const std::wstring &path) {
    error_ = readFileBytes(path, kLargestIconFile, bytes_);
    if (error_ == ERROR_FILE_TOO_LARGE)
        error_ = ERROR_INVALID_DATA;
}

WindowIcons WindowIconFile::iconsFor(UINT dpi) const {
    WindowIcons icons;
    icons.error = error_;
    if (error_)
        return icons;
    // The big icon is the file's largest image: the shell shows it scaled
    // (Alt+Tab, the taskbar), and scales a large image down more cleanly
    // than a small one up.
    icons.large = iconOfSize(bytes_, std::max(GetSystemMetricsForDpi(SM_CXICON, dpi), largestImageSize(bytes_)));
    icons.small = iconOfSize(bytes_, GetSystemMetricsForDpi(SM_CXSMICON, dpi));
    if (!icons)
        icons.error = ERROR_INVALID_DATA;
    return icons;
}

void setWindowIcons(HWND window, const WindowIcons &icons) {
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icons.large.get()));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icons.small.get()));
}

} // namespace plumaro
