// The pictures the program loads from its resources, each one its windows'
// resource scripts compile in: every pixel as in the GIF of record, decoded
// here by the system's image codecs.
#include <gtest/gtest.h>

#include <wincodec.h>

#include <cstdint>
#include <regex>
#include <string>
#include <vector>

#include "pictures.h"
#include "program_driver.h"

namespace plumaro {
namespace {

// A picture as a resource script compiles it in: its identifier's number
// and its file.
struct Picture {
    int id;
    std::filesystem::path file;
};

// Every BITMAP of the windows' resource scripts, as the build compiles them.
std::vector<Picture> picturesOfTheResourceScripts() {
    const std::filesystem::path sources = PLUMARO_SOURCE_DIR;
    std::vector<Picture> pictures;
    for (const std::string window : {"board", "result", "help"}) {
        const std::string script = testing::readBytes(sources / window / (window + ".rc"));
        const std::string ids = testing::readBytes(sources / window / (window + "_resources.h"));
        const std::regex bitmap(R"rc((\w+) BITMAP "([^"]+)")rc");
        for (std::sregex_iterator line(script.begin(), script.end(), bitmap), end; line != end; ++line) {
            std::smatch id;
            if (!std::regex_search(ids, id, std::regex("#define " + (*line)[1].str() + " (\\d+)")))
                ADD_FAILURE() << (*line)[1] << " is not defined in " << window << "_resources.h";
            else
                pictures.push_back({std::stoi(id[1]), sources / (*line)[2].str()});
        }
    }
    return pictures;
}

using testing::Pixels;

template <typename Interface> struct Com {
    Interface *object = nullptr;
    ~Com() {
        if (object)
            object->Release();
    }
    Interface *operator->() const { return object; }
};

// The picture as the system's image codecs read it: another decoder than
// the one the program loads its pictures with.
Pixels decoded(const std::filesystem::path &path) {
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

// A picture drawn as a BMP alone, with no GIF beside it, shows its BMP as
// the codecs read it.
TEST(Pictures, EveryPictureShowsExactlyItsGifAtOneBytePerPixel) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    const std::vector<Picture> pictures = picturesOfTheResourceScripts();
    ASSERT_FALSE(pictures.empty());
    for (const Picture &picture : pictures) {
        SCOPED_TRACE(picture.file.string());
        const auto gifFile = std::filesystem::path(picture.file).replace_extension(L".gif");
        const Pixels gif = decoded(std::filesystem::exists(gifFile) ? gifFile : picture.file);
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
