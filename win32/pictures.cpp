// Pictures compiled into the program: loading them and drawing them.
#include "pictures.h"

namespace plumaro {

UniqueBitmap loadPicture(HINSTANCE instance, int id) {
    return UniqueBitmap(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

SIZE bitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!GetObjectW(bitmap, sizeof info, &info))
        return {};
    return {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

void drawBitmap(HDC target, HBITMAP bitmap, int x, int y) {
    if (!bitmap)
        return;
    HDC source = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(source, bitmap);
    const SIZE size = bitmapSize(bitmap);
    BitBlt(target, x, y, size.cx, size.cy, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

} // namespace plumaro
