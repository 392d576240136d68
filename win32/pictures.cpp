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
    // Only the part the target can show: a window that paints one pixel of
    // the picture must not cost a copy of the whole.
    const SIZE size = bitmapSize(bitmap);
    const RECT picture{x, y, x + size.cx, y + size.cy};
    RECT shown{}, part{};
    if (!bitmap || GetClipBox(target, &shown) == NULLREGION || !IntersectRect(&part, &picture, &shown))
        return;
    HDC source = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(source, bitmap);
    BitBlt(target, part.left, part.top, part.right - part.left, part.bottom - part.top, source, part.left - x,
           part.top - y, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

} // namespace plumaro
