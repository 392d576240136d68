// Pictures compiled into the program: decoding them and drawing them.
#include "win32/pictures.h"

#include <wincodec.h>

#include <memory>

namespace plumaro {

namespace {

struct ComReleaser {
    void operator()(IUnknown *object) const { object->Release(); }
};
template <typename Interface> using ComPtr = std::unique_ptr<Interface, ComReleaser>;

// The resource's bytes, which stay valid as long as the module is loaded.
bool findResourceBytes(HINSTANCE instance, int id, const BYTE *&bytes, DWORD &size) {
    HRSRC info = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!info)
        return false;
    HGLOBAL loaded = LoadResource(instance, info);
    if (!loaded)
        return false;
    bytes = static_cast<const BYTE *>(LockResource(loaded));
    size = SizeofResource(instance, info);
    return bytes && size;
}

} // namespace

UniqueBitmap loadGifResource(HINSTANCE instance, int id) {
    const BYTE *bytes = nullptr;
    DWORD size = 0;
    if (!findResourceBytes(instance, id, bytes, size))
        return nullptr;

    IWICImagingFactory *rawFactory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&rawFactory))))
        return nullptr;
    ComPtr<IWICImagingFactory> factory(rawFactory);

    IWICStream *rawStream = nullptr;
    if (FAILED(factory->CreateStream(&rawStream)))
        return nullptr;
    ComPtr<IWICStream> stream(rawStream);
    if (FAILED(stream->InitializeFromMemory(const_cast<BYTE *>(bytes), size)))
        return nullptr;

    IWICBitmapDecoder *rawDecoder = nullptr;
    if (FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, &rawDecoder)))
        return nullptr;
    ComPtr<IWICBitmapDecoder> decoder(rawDecoder);

    IWICBitmapFrameDecode *rawFrame = nullptr;
    if (FAILED(decoder->GetFrame(0, &rawFrame)))
        return nullptr;
    ComPtr<IWICBitmapFrameDecode> frame(rawFrame);

    IWICFormatConverter *rawConverter = nullptr;
    if (FAILED(factory->CreateFormatConverter(&rawConverter)))
        return nullptr;
    ComPtr<IWICFormatConverter> converter(rawConverter);
    if (FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)))
        return nullptr;

    UINT width = 0, height = 0;
    if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0)
        return nullptr;

    // With alpha rather than without: controls that draw 32-bit bitmaps treat
    // the fourth byte as alpha, which is fully opaque here.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height); // top-down, like WIC's rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *pixels = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!bitmap)
        return nullptr;

    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE *>(pixels))))
        return nullptr;
    return bitmap;
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
