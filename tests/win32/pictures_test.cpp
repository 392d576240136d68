// The pictures the program loads from its resources, each one its windows'
// resource scripts compile in, at every display scale: every pixel as in the
// file drawn for that scale and, at 100 %, as in the GIF of record, decoded
// here by the system's image codecs; and between the drawn scales, filtered.
#include <gtest/gtest.h>

#include <wincodec.h>

#include <cstdint>
#include <regex>
#include <string>
#include <vector>

#include "display_scale.h"
#include "picture_filter.h"
#include "pictures.h"
#include "program_driver.h"

namespace plumaro {
namespace {

// A picture as a resource script compiles it in: its identifier's number
// and its name, the name of its files.
struct Picture {
    int id;
    std::string name;
};

const std::filesystem::path kSources = PLUMARO_SOURCE_DIR;

// Every picture of the windows' resource scripts, as the build compiles them.
std::vector<Picture> picturesOfTheResourceScripts() {
    std::vector<Picture> pictures;
    for (const std::string window : {"board", "result", "help"}) {
        const std::string script = testing::readBytes(kSources / window / (window + ".rc"));
        const std::string ids = testing::readBytes(kSources / window / (window + "_resources.h"));
        const std::regex picture(R"rc(PICTURE_AT_EVERY_SCALE\((\w+), (\w+)\))rc");
        for (std::sregex_iterator line(script.begin(), script.end(), picture), end; line != end; ++line) {
            std::smatch id;
            if (!std::regex_search(ids, id, std::regex("#define " + (*line)[1].str() + " (\\d+)")))
                ADD_FAILURE() << (*line)[1] << " is not defined in " << window << "_resources.h";
            else
                pictures.push_back({std::stoi(id[1]), (*line)[2].str()});
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

size_t differingPixels(const Pixels &shown, const Pixels &expected) {
    if (shown.width != expected.width || shown.height != expected.height)
        return expected.rgb.size() + 1;
    size_t differing = 0;
    for (size_t i = 0; i < expected.rgb.size(); ++i)
        differing += shown.rgb[i] != expected.rgb[i];
    return differing;
}

// The files are read by the system's image codecs, not by GDI, which decodes
// the program's pictures: a picture GDI decodes wrongly fails here (Wine 8's
// GDI, for one, decodes a run-length block of 255 pixels wrongly).
TEST(Pictures, EveryPictureAtEveryScaleIsExactlyItsFileAtOneBytePerPixel) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    const std::vector<Picture> pictures = picturesOfTheResourceScripts();
    ASSERT_FALSE(pictures.empty());
    for (const Picture &picture : pictures) {
        const auto folder = kSources / L"assets" / L"pictures";
        const auto gif = folder / (picture.name + ".gif");
        const Pixels atOneHundred = decoded(folder / L"96" / (picture.name + ".bmp"));
        for (const UINT dpi : kPictureDpis) {
            SCOPED_TRACE(picture.name + " at " + std::to_string(dpi) + " dpi");
            const Pixels drawn = decoded(folder / std::to_wstring(dpi) / (picture.name + ".bmp"));
            ASSERT_FALSE(drawn.rgb.empty());
            EXPECT_EQ(drawn.width, scaled(atOneHundred.width, dpi));
            EXPECT_EQ(drawn.height, scaled(atOneHundred.height, dpi));
            if (dpi == kLayoutDpi && std::filesystem::exists(gif)) {
                EXPECT_EQ(differingPixels(drawn, decoded(gif)), 0u) << "unlike its GIF";
            }

            const UniqueBitmap bitmap = loadPicture(GetModuleHandleW(nullptr), picture.id, dpi);
            ASSERT_TRUE(bitmap);
            DIBSECTION section{};
            ASSERT_EQ(GetObjectW(bitmap.get(), sizeof section, &section), static_cast<int>(sizeof section));
            EXPECT_EQ(section.dsBm.bmBitsPixel, 8);
            EXPECT_EQ(differingPixels(testing::bitmapPixels(bitmap.get()), drawn), 0u);
        }
    }
    CoUninitialize();
}

// Where no picture is drawn for the scale, the one drawn for the next larger
// scale (or for the largest, above them all) is filtered to the layout's size.
TEST(Pictures, BetweenAndAboveTheDrawnScalesAPictureIsFilteredToItsSize) {
    const HINSTANCE program = GetModuleHandleW(nullptr);
    const SIZE layout = bitmapSize(loadPicture(program, picturesOfTheResourceScripts().front().id, kLayoutDpi).get());
    for (const UINT dpi : {100u, 132u, 300u}) {
        SCOPED_TRACE(dpi);
        const UniqueBitmap bitmap = loadPicture(program, picturesOfTheResourceScripts().front().id, dpi);
        ASSERT_TRUE(bitmap);
        const SIZE size = bitmapSize(bitmap.get());
        EXPECT_EQ(size.cx, scaled(layout.cx, dpi));
        EXPECT_EQ(size.cy, scaled(layout.cy, dpi));
    }
}

// One-pixel black lines on white, every third pixel, filtered to four
// fifths: no line may vanish or double, so the ink of the whole picture
// shrinks with its area.
TEST(Pictures, TheFilterKeepsEveryOnePixelLine) {
    RgbPicture lines{20, 20, std::vector<std::uint32_t>(400, 0xFFFFFF)};
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; x += 3)
            lines.pixels[static_cast<size_t>(y * 20 + x)] = 0x000000;
    const RgbPicture smaller = filtered(lines, 16, 16);
    ASSERT_EQ(smaller.pixels.size(), 256u);
    const auto inkOf = [](const RgbPicture &picture) {
        double ink = 0;
        for (const std::uint32_t colour : picture.pixels)
            ink += 255 - (colour & 0xFF);
        return ink;
    };
    EXPECT_NEAR(inkOf(smaller), inkOf(lines) * 256 / 400, inkOf(lines) / 100);
    for (const std::uint32_t colour : smaller.pixels)
        EXPECT_TRUE((colour & 0xFF) == (colour >> 8 & 0xFF) && (colour & 0xFF) == (colour >> 16)) << "not grey";
}

} // namespace
} // namespace plumaro
