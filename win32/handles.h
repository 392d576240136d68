// Owners for Win32 handles: each handle the program creates is freed by
// exactly one of these.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace plumaro {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct CursorDeleter {
    void operator()(HCURSOR cursor) const { DestroyCursor(cursor); }
};
struct FileCloser {
    void operator()(HANDLE file) const { CloseHandle(file); }
};

using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;
using UniqueCursor = std::unique_ptr<std::remove_pointer_t<HCURSOR>, CursorDeleter>;
// A file handle that CreateFileW opened (never INVALID_HANDLE_VALUE).
using UniqueFile = std::unique_ptr<void, FileCloser>;

} // namespace plumaro
