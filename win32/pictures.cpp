// Pictures compiled into the program: loading them for a display scale and
// drawing them.
#include "pictures.h"

#include <algorithm>
#include <cstring>

#include "display_scale.h"
#include "picture_filter.h"
#include "picture_resources.h"

namespace plumaro {

namespace {

// A picture as a resource script compiles it in: an 8-bit .bmp file, its
// pixels run-length encoded (BI_RLE8) or not.
struct StoredPicture {
    const BITMAPINFO *info = nullptr;
    const BYTE *pixels = nullptr;
    DWORD colours = 0;
    explicit operator bool() const { return info != nullptr; }
};

StoredPicture findPicture(HINSTANCE instance, int id, UINT dpi) {
    const HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(pictureResourceType(dpi)));
    const HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const auto *bytes = static_cast<const BYTE *>(loaded ? LockResource(loaded) : nullptr);
    const DWORD size = found ? SizeofResource(instance, found) : 0;
    if (!bytes || size < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER))
        return {};
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER header;
    std::memcpy(&file, bytes, sizeof file);
    std::memcpy(&header, bytes + sizeof file, sizeof header);
    const DWORD colours = header.biClrUsed ? header.biClrUsed : 256;
    const bool wellFormed = file.bfType == 0x4D42 && header.biSize == sizeof header && header.biBitCount == 8 &&
                            (header.biCompression == BI_RLE8 || header.biCompression == BI_RGB) &&
                            header.biWidth > 0 && header.biHeight > 0 && colours <= 256 &&
                            file.bfOffBits >= sizeof file + sizeof header + colours * sizeof(RGBQUAD) &&
                            file.bfOffBits < size && header.biSizeImage <= size - file.bfOffBits;
    if (!wellFormed)
        return {};
    return {reinterpret_cast<const BITMAPINFO *>(bytes + sizeof file), bytes + file.bfOffBits, colours};
}

// An 8-bit DIB section with the stored picture's size and palette, into
// which GDI decodes the stored pixels itself (SetDIBits takes run-length
// encoded pixels as they are stored).
UniqueBitmap decoded(const StoredPicture &stored) {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } plain{};
    plain.header = stored.info->bmiHeader;
    plain.header.biCompression = BI_RGB;
    plain.header.biSizeImage = 0;
    std::memcpy(plain.colours, stored.info->bmiColors, stored.colours * sizeof(RGBQUAD));
    void *bits = nullptr;
    UniqueBitmap section(
        CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO *>(&plain), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section)
        return nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    const int height = stored.info->bmiHeader.biHeight;
    const bool filled = SetDIBits(dc, section.get(), 0, static_cast<UINT>(height), stored.pixels, stored.info,
                                  DIB_RGB_COLORS) == height;
    DeleteDC(dc);
    if (!filled)
        return nullptr;
    return section;
}

// The colours of an 8-bit DIB section, row by row from the top.
RgbPicture coloursOf(HBITMAP picture) {
    DIBSECTION section{};
    if (GetObjectW(picture, sizeof section, &section) != static_cast<int>(sizeof section) ||
        section.dsBm.bmBitsPixel != 8)
        return {};
    RGBQUAD table[256] = {};
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, picture);
    GetDIBColorTable(dc, 0, 256, table);
    SelectObject(dc, previous);
    DeleteDC(dc);

    RgbPicture colours{section.dsBm.bmWidth, section.dsBm.bmHeight, {}};
    colours.pixels.reserve(static_cast<std::size_t>(colours.width) * colours.height);
    for (int y = 0; y < colours.height; ++y) {
        // Stored bottom-up.
        const auto *row = static_cast<const BYTE *>(section.dsBm.bmBits) +
                          static_cast<std::size_t>(colours.height - 1 - y) * section.dsBm.bmWidthBytes;
        for (int x = 0; x < colours.width; ++x) {
            const RGBQUAD colour = table[row[x]];
            colours.pixels.push_back(static_cast<std::uint32_t>(colour.rgbRed) << 16 | colour.rgbGreen << 8 |
                                     colour.rgbBlue);
        }
    }
    return colours;
}

// A 32-bit DIB section holding the colours.
UniqueBitmap sectionOf(const RgbPicture &colours) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = colours.width;
    info.bmiHeader.biHeight = -colours.height; // top-down, as the colours lie
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *bits = nullptr;
    UniqueBitmap section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (section)
        std::memcpy(bits, colours.pixels.data(), colours.pixels.size() * sizeof colours.pixels[0]);
    return section;
}

// The scale whose picture a window at `dpi` is made from: its own, the
// nearest larger, or the largest.
UINT drawnScaleFor(UINT dpi) {
    const auto larger = std::lower_bound(kPictureDpis.begin(), kPictureDpis.end(), dpi);
    return larger == kPictureDpis.end() ? kPictureDpis.back() : *larger;
}

} // namespace

UniqueBitmap loadPicture(HINSTANCE instance, int id, UINT dpi) {
    const UINT drawnFor = drawnScaleFor(dpi);
    const StoredPicture drawn = findPicture(instance, id, drawnFor);
    if (!drawn)
        return nullptr;
    UniqueBitmap picture = decoded(drawn);
    if (!picture || drawnFor == dpi)
        return picture;
    // The layout's size, as the picture drawn for 100 % has it.
    const StoredPicture layout = findPicture(instance, id, kLayoutDpi);
    if (!layout)
        return nullptr;
    const RgbPicture colours = coloursOf(picture.get());
    if (colours.pixels.empty())
        return nullptr;
    return sectionOf(filtered(colours, scaled(layout.info->bmiHeader.biWidth, dpi),
                              scaled(layout.info->bmiHeader.biHeight, dpi)));
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
