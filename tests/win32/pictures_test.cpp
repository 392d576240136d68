// The pictures the program loads from its resources: every pixel as in the
// GIF of record, decoded here by the system's image codecs.
#include <gtest/gtest.h>

#include <wincodec.h>

#include <cstdint>
#include <string>
#include <vector>

#include "board_resources.h"
#include "pictures.h"
#include "program_driver.h"
#include "result_resources.h"

namespace plumaro {
namespace {

struct Picture {
    int id;
    const wchar_t *gif;
};

constexpr Picture kPictures[] = {
    {IDR_BOARD_BACKGROUND, L"board.gif"},
    {IDR_TITLE, L"title.gif"},
    {IDR_BIRD1, L"bird1.gif"},
    {IDR_BIRD2, L"bird2.gif"},
    {IDR_BIRD3, L"bird3.gif"},
    {IDR_BIRD4, L"bird4.gif"},
    {IDR_BIRD5, L"bird5.gif"},
    {IDR_BIRD6, L"bird6.gif"},
    {IDR_BIRD7, L"bird7.gif"},
    {IDR_BIRD8, L"bird8.gif"},
    {IDR_EMPTY, L"empty.gif"},
    {IDR_RESULT_BACKGROUND, L"result.gif"},
    {IDR_RESULT1, L"result1.gif"},
    {IDR_RESULT2, L"result2.gif"},
    {IDR_RESULT3, L"result3.gif"},
    {IDR_RESULT4, L"result4.gif"},
};

using testing::Pixels;

template <typename Interface> struct Com {
    Interface *object = nullptr;
    ~Com() {
        if (object)
            object->Release();
    }
    Interface *operator->() const { return object; }
};

Pixels decodeGif(const std::filesystem::path &path) {
    UINT width = 0, height = 0;
    Com<IWICImagingFactory> factory;
    Com<IWICBitmapDecoder> decoder;
    Com<IWICBitmapFrameDecode> frame;
    Com<IWICFormatConverter> converter;
    if (FAILED(
            CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory.object))) ||
        FAILED(factory->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  &decoder.object)) ||
        FAILED(decoder->GetFrame(0, &frame.object)) || FAILED(factory->CreateFormatConverter(&converter.object)) ||
        FAILED(converter->Initialize(frame.object, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height)))
        return {};
    Pixels pixels{static_cast<int>(width), static_cast<int>(height), std::vector<std::uint32_t>(width * height)};
    if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.rgb.size() * 4),
                                     reinterpret_cast<BYTE *>(pixels.rgb.data()))))
        return {};
    for (auto &pixel : pixels.rgb)
        pixel &= 0xFFFFFF;
    return pixels;
}

TEST(Pictures, EveryPictureShowsExactlyItsGifAtOneBytePerPixel) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    for (const Picture &picture : kPictures) {
        SCOPED_TRACE(::testing::Message() << std::string(picture.gif, picture.gif + wcslen(picture.gif)));
        const Pixels gif = decodeGif(testing::artworkFolder() / picture.gif);
        ASSERT_FALSE(gif.rgb.empty());

        const UniqueBitmap bitmap = loadPicture(GetModuleHandleW(nullptr), picture.id);
        ASSERT_TRUE(bitmap);
        DIBSECTION section{};
        ASSERT_EQ(GetObjectW(bitmap.get(), sizeof section, &section), static_cast<int>(sizeof section));
        EXPECT_EQ(section.dsBm.bmBitsPixel, 8);

        const Pixels loaded = testing::bitmapPixels(bitmap.get());
        ASSERT_EQ(loaded.width, gif.width);
        ASSERT_EQ(loaded.height, gif.height);
        size_t differing = 0;
        for (size_t i = 0; i < gif.rgb.size(); ++i)
            differing += loaded.rgb[i] != gif.rgb[i];
        EXPECT_EQ(differing, 0u);
    }
    CoUninitialize();
}

} // namespace
} // namespace plumaro
