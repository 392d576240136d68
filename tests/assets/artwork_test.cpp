// Checks that every picture, icon, cursor and sound shipped with the game has the format the program expects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "runtime_files.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using plumaro::runtime_files::RuntimeFile;

const std::string kAssets = PLUMARO_ASSETS_DIR;

Bytes readFile(const std::string &relative) {
    std::ifstream in(kAssets + "/" + relative, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A run-time file as the build puts it beside the program, filled in.
Bytes readFile(const RuntimeFile &file) {
    std::ifstream in(std::string(PLUMARO_RUNTIME_DIR) + "/" + file.path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t le16(const Bytes &b, std::size_t at) { return at + 2 <= b.size() ? b[at] | (b[at + 1] << 8) : 0; }

std::uint32_t le32(const Bytes &b, std::size_t at) {
    return at + 4 <= b.size() ? le16(b, at) | (le16(b, at + 2) << 16) : 0;
}

std::int32_t sle32(const Bytes &b, std::size_t at) { return static_cast<std::int32_t>(le32(b, at)); }

std::string tag(const Bytes &b, std::size_t at, std::size_t n) {
    return at + n <= b.size() ? std::string(b.begin() + at, b.begin() + at + n) : std::string();
}

// Walks the GIF block structure; returns the number of image frames, or -1 if the stream is malformed.
int countGifFrames(const Bytes &b, bool &interlaced) {
    std::size_t at = 13;
    if (b[10] & 0x80)
        at += 3u << ((b[10] & 7) + 1);
    int frames = 0;
    auto skipSubBlocks = [&]() {
        while (at < b.size() && b[at] != 0)
            at += b[at] + 1u;
        ++at;
    };
    while (at < b.size()) {
        const std::uint8_t kind = b[at];
        if (kind == 0x3B)
            return frames;
        if (kind == 0x21) {
            at += 2;
            skipSubBlocks();
        } else if (kind == 0x2C) {
            if (at + 10 > b.size())
                return -1;
            const std::uint8_t flags = b[at + 9];
            interlaced = interlaced || (flags & 0x40);
            at += 10;
            if (flags & 0x80)
                at += 3u << ((flags & 7) + 1);
            ++at; // LZW minimum code size
            skipSubBlocks();
            ++frames;
        } else {
            return -1;
        }
    }
    return -1;
}

// Where each picture must fit, its size is checked on the screen against the
// window that shows it (tests/blackbox); here, that each is a GIF the
// program's pictures can be made from.
TEST(Artwork, GifPicturesAreSingleFrameEightBitPictures) {
    int gifs = 0;
    for (const auto &entry : std::filesystem::directory_iterator(kAssets + "/pictures")) {
        if (entry.path().extension() != ".gif")
            continue;
        ++gifs;
        SCOPED_TRACE(entry.path().filename().string());
        const Bytes b = readFile("pictures/" + entry.path().filename().string());
        if (b.size() < 14) {
            ADD_FAILURE() << "truncated";
            continue;
        }
        const std::string sig = tag(b, 0, 6);
        EXPECT_TRUE(sig == "GIF89a" || sig == "GIF87a") << "signature " << sig;
        EXPECT_GT(le16(b, 6) * le16(b, 8), 0u) << "logical screen size";
        EXPECT_TRUE(b[10] & 0x80) << "no global colour table";
        EXPECT_EQ(b[10] & 7, 7) << "colour table should hold 256 entries (8-bit palette)";
        bool interlaced = false;
        EXPECT_EQ(countGifFrames(b, interlaced), 1) << "expected exactly one frame in a well-formed stream";
        EXPECT_FALSE(interlaced);
    }
    EXPECT_GT(gifs, 0) << "no pictures found";
}

// The same hand for the cursor size of each scale, 32 x 32 (the size at
// 100 %) first.
TEST(Artwork, HandCursorHoldsATwoColourImageForEachScaleWithHotSpotAtFingertip) {
    const Bytes b = readFile("pictures/hand.cur");
    ASSERT_GE(b.size(), 6u);
    EXPECT_EQ(le16(b, 0), 0u);
    EXPECT_EQ(le16(b, 2), 2u) << "resource type must be cursor";
    const std::vector<int> sizes = {32, 40, 48, 56, 64, 72, 80, 96};
    ASSERT_EQ(le16(b, 4), sizes.size()) << "image count";
    for (std::size_t image = 0; image < sizes.size(); ++image) {
        const int size = sizes[image], stride = (size + 31) / 32 * 4;
        SCOPED_TRACE(size);
        const std::size_t entry = 6 + 16 * image, at = le32(b, entry + 12);
        EXPECT_EQ(b[entry], size);
        ASSERT_EQ(le32(b, entry + 8), 40u + 8u + 2u * stride * size) << "image bytes";
        ASSERT_LE(at + le32(b, entry + 8), b.size());
        EXPECT_EQ(sle32(b, at + 8), 2 * size) << "DIB height covers XOR and AND masks";
        EXPECT_EQ(le16(b, at + 14), 1u) << "bits per pixel";
        // The fingertip must be drawn (not transparent) and the corners must be transparent.
        const std::size_t andAt = at + 40 + 8 + static_cast<std::size_t>(stride) * size;
        auto transparent = [&](int x, int y) { return (b[andAt + (size - 1 - y) * stride + x / 8] >> (7 - x % 8)) & 1; };
        const int hotX = le16(b, entry + 4), hotY = le16(b, entry + 6);
        EXPECT_EQ(hotX, (12 * size + 31) / 32) << "hot spot x";
        EXPECT_EQ(hotY, (9 * size + 31) / 32) << "hot spot y";
        EXPECT_FALSE(transparent(hotX, hotY)) << "hot spot falls outside the hand";
        EXPECT_TRUE(transparent(0, 0));
        EXPECT_TRUE(transparent(size - 1, 0));
    }
}

struct IconFile {
    std::string file;
    std::vector<int> sizes;
};

// Each line of a list that is not a comment, as its words.
std::vector<std::vector<std::string>> listedLines(const std::string &file) {
    std::ifstream list(file);
    std::vector<std::vector<std::string>> lines;
    for (std::string line; std::getline(list, line);) {
        std::istringstream fields(line);
        std::vector<std::string> words;
        for (std::string word; !line.starts_with('#') && fields >> word;)
            words.push_back(word);
        if (!words.empty())
            lines.push_back(words);
    }
    return lines;
}

// The icons and their sizes as the generator draws them (art/icons.txt),
// a run-time file named as packaging/runtime-files.txt names it.
std::vector<IconFile> listedIcons() {
    std::vector<IconFile> icons;
    for (const auto &words : listedLines(kAssets + "/art/icons.txt")) {
        IconFile icon{words[0], {}};
        for (const auto &runtimeFile : listedLines(kAssets + "/../packaging/runtime-files.txt"))
            if (runtimeFile[0] == icon.file)
                icon.file = "runtime/" + runtimeFile[1];
        for (std::size_t at = 1; at < words.size(); ++at)
            icon.sizes.push_back(std::stoi(words[at]));
        icons.push_back(icon);
    }
    return icons;
}

TEST(Artwork, IconsHoldTheExpectedImages) {
    const std::vector<IconFile> icons = listedIcons();
    ASSERT_FALSE(icons.empty()) << "art/icons.txt lists no icons";
    const std::string windowIcon = std::string("runtime/") + plumaro::runtime_files::kWindowIcon.path;
    EXPECT_TRUE(std::ranges::any_of(icons, [&](const IconFile &icon) { return icon.file == windowIcon; }))
        << "the window icon " << windowIcon << " is not one the generator draws";
    for (const auto &icon : icons) {
        SCOPED_TRACE(icon.file);
        const Bytes b = readFile(icon.file);
        if (b.size() < 6) {
            ADD_FAILURE() << "missing or truncated";
            continue;
        }
        EXPECT_EQ(le16(b, 0), 0u);
        EXPECT_EQ(le16(b, 2), 1u) << "resource type must be icon";
        ASSERT_EQ(le16(b, 4), icon.sizes.size()) << "image count";
        ASSERT_LE(6 + 16 * icon.sizes.size(), b.size()) << "directory runs past the end of the file";
        for (std::size_t i = 0; i < icon.sizes.size(); ++i) {
            const int size = icon.sizes[i];
            SCOPED_TRACE("image " + std::to_string(size) + "x" + std::to_string(size));
            const std::size_t entry = 6 + 16 * i;
            EXPECT_EQ(b[entry], size % 256);
            EXPECT_EQ(b[entry + 1], size % 256);
            const std::uint32_t length = le32(b, entry + 8), offset = le32(b, entry + 12);
            ASSERT_LE(std::uint64_t{offset} + length, b.size()) << "image data runs past the end of the file";
            if (size == 256) { // stored as a PNG, as Windows expects at this size
                EXPECT_EQ(tag(b, offset + 1, 3), "PNG");
                EXPECT_EQ(b[offset + 18] << 8 | b[offset + 19], 256) << "PNG width";
                continue;
            }
            ASSERT_EQ(le32(b, offset), 40u) << "expected a BITMAPINFOHEADER image";
            EXPECT_EQ(sle32(b, offset + 4), size);
            EXPECT_EQ(sle32(b, offset + 8), 2 * size) << "DIB height covers colour and mask";
            const std::uint32_t bpp = le16(b, offset + 14);
            EXPECT_EQ(le16(b, entry + 6), bpp) << "directory and image disagree on colour depth";
            if (size == 32) {
                EXPECT_EQ(bpp, 8u) << "the 32x32 image must be 256-colour";
            } else {
                EXPECT_TRUE(bpp == 8 || bpp == 32) << "bpp " << bpp;
            }
            const std::size_t colours = bpp == 8 ? 256 * 4 : 0;
            const std::size_t xorBytes = (size * bpp + 31) / 32 * 4 * size, andBytes = (size + 31) / 32 * 4 * size;
            EXPECT_EQ(length, 40 + colours + xorBytes + andBytes) << "image byte count";
        }
    }
}

TEST(Artwork, BirdCallIsShortMonoPcm) {
    const RuntimeFile &file = plumaro::runtime_files::kStartupSound;
    SCOPED_TRACE(file.path);
    const Bytes b = readFile(file);
    ASSERT_GE(b.size(), 44u) << "missing or truncated";
    EXPECT_EQ(tag(b, 0, 4), "RIFF");
    EXPECT_EQ(le32(b, 4), b.size() - 8) << "RIFF size";
    EXPECT_EQ(tag(b, 8, 4), "WAVE");
    EXPECT_EQ(tag(b, 12, 4), "fmt ");
    EXPECT_EQ(le32(b, 16), 16u) << "plain PCM format chunk";
    EXPECT_EQ(le16(b, 20), 1u) << "PCM";
    EXPECT_EQ(le16(b, 22), 1u) << "mono";
    const std::uint32_t rate = le32(b, 24), bits = le16(b, 34);
    EXPECT_TRUE(bits == 8 || bits == 16) << "bits " << bits;
    EXPECT_EQ(le32(b, 28), rate * bits / 8) << "byte rate";
    EXPECT_EQ(le16(b, 32), bits / 8) << "block align";
    EXPECT_EQ(tag(b, 36, 4), "data");
    const std::uint32_t data = le32(b, 40);
    EXPECT_EQ(44u + data, b.size()) << "data chunk length";
    ASSERT_GT(rate, 0u);
    const double seconds = double(data) / (rate * bits / 8);
    EXPECT_GE(seconds, 0.5);
    EXPECT_LE(seconds, 2.0);
}

// The help texts are read in the system's ANSI code page: in plain ASCII
// they read the same in every one of them.
TEST(Artwork, HelpTextsArePlainAsciiWithWindowsLineEnds) {
    for (const RuntimeFile &text : {plumaro::runtime_files::kRules, plumaro::runtime_files::kAbout}) {
        const Bytes bytes = readFile(text);
        ASSERT_FALSE(bytes.empty()) << text.path;
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            EXPECT_LT(bytes[i], 0x80) << text.path << " byte " << i;
            if (bytes[i] == '\n') {
                EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << text.path << " line end at " << i;
            }
        }
    }
}

} // namespace
