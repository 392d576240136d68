// Reading the help texts: the whole file as stored, decoded as UTF-8 or from
// the ANSI code page, and no help file is ever changed or a failure let through.
#include "help/help_text_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "tests/support/program_driver.h"

namespace plumaro::testing {
namespace {

namespace fs = std::filesystem;

void writeBytes(const fs::path &path, const std::string &bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readBytes(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Bytes below 128 are the same characters in every ANSI code page.
std::wstring widened(const std::string &ascii) { return {ascii.begin(), ascii.end()}; }

std::wstring inAnsiCodePage(const std::string &bytes) {
    std::wstring text(bytes.size(), L'\0');
    text.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                             text.data(), static_cast<int>(text.size()))));
    return text;
}

FILETIME lastWriteTime(const fs::path &path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

bool operator==(const FILETIME &a, const FILETIME &b) {
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

class HelpTextFile : public ::testing::Test {
protected:
    TempFolder folder_{L"plumaro-help-text"};
    fs::path file_ = folder_.path() / L"default.txt";
};

using HelpTextContent = HelpTextFile;

TEST_F(HelpTextContent, IsShownExactlyAsStored) {
    // Blanks at both ends, blank lines, tabs and every kind of line end.
    const std::string stored = "  Rules \r\n\r\n\tPuzzle 1  \nlone LF\rlone CR\n\r\n   ";
    writeBytes(file_, stored);
    EXPECT_EQ(ReadTextFile(file_.wstring()), widened(stored));
}

TEST_F(HelpTextContent, BytesAbove127AreCharactersOfTheAnsiCodePage) {
    std::string stored = "Caf\xE9 \x80\x35 \x93quoted\x94 \xA9 Plumaro\r\n";
    for (int byte = 128; byte < 256; ++byte)
        stored += static_cast<char>(byte);
    writeBytes(file_, stored);

    const std::wstring text = ReadTextFile(file_.wstring());
    if (GetACP() == 1252) {
        const std::wstring start = L"Caf\u00E9 \u20AC5 \u201Cquoted\u201D \u00A9 Plumaro\r\n";
        EXPECT_EQ(text.substr(0, start.size()), start);
    }
    EXPECT_EQ(text, inAnsiCodePage(stored));
}

// As today's editors save them; other bytes as they always were read.
TEST_F(HelpTextContent, ValidUtf8IsDecodedAsUtf8WithoutItsByteOrderMark) {
    const std::string bom = "\xEF\xBB\xBF";
    const std::pair<std::string, std::wstring> rows[] = {
        {bom + "Caf\xC3\xA9\r\n", L"Caf\u00E9\r\n"},
        {"Caf\xC3\xA9 5 \xE2\x82\xAC", L"Caf\u00E9 5 \u20AC"},
        {"Caf\xE9", inAnsiCodePage("Caf\xE9")},
        {bom + "Caf\xE9", inAnsiCodePage(bom + "Caf\xE9")},
    };
    for (const auto &[stored, shown] : rows) {
        writeBytes(file_, stored);
        EXPECT_EQ(ReadTextFile(file_.wstring()), shown) << stored;
    }
}

TEST_F(HelpTextContent, AFileOfAMegabyteAndMoreIsReadWhole) {
    std::string stored;
    for (int line = 0; stored.size() < (1u << 20) + 1000; ++line)
        stored += "Line " + std::to_string(line) + ": slide the bird into the empty slot.\r\n";
    stored += "the end";
    writeBytes(file_, stored);

    const std::wstring text = ReadTextFile(file_.wstring());
    ASSERT_EQ(text.size(), stored.size());
    EXPECT_EQ(text, widened(stored));
}

using MissingHelpText = HelpTextFile;

TEST_F(MissingHelpText, AnEmptyOrMissingFileShowsAnEmptyTextAndAMissingOneIsCreatedEmpty) {
    EXPECT_EQ(ReadTextFile(file_.wstring()), L"");
    ASSERT_TRUE(fs::is_regular_file(file_));
    EXPECT_EQ(fs::file_size(file_), 0u);
    // Once created, it reads as the empty file it is.
    EXPECT_EQ(ReadTextFile(file_.wstring()), L"");
    EXPECT_EQ(fs::file_size(file_), 0u);
}

TEST_F(MissingHelpText, AFileThatCannotBeCreatedShowsAnEmptyTextAndNothingIsMade) {
    // A file stands where the folder should be: nothing can be created
    // there, whoever runs the program.
    const fs::path notAFolder = folder_.path() / L"program";
    writeBytes(notAFolder, "not a folder");
    EXPECT_EQ(ReadTextFile((notAFolder / L"default.txt").wstring()), L"");
    EXPECT_EQ(readBytes(notAFolder), "not a folder");

    // A folder holds the help file's name.
    fs::create_directory(file_);
    EXPECT_EQ(ReadTextFile(file_.wstring()), L"");
    EXPECT_TRUE(fs::is_directory(file_));
    EXPECT_TRUE(fs::is_empty(file_));
}

using SharedHelpText = HelpTextFile;

TEST_F(SharedHelpText, AReadOnlyFileIsShownAndLeftAsItWas) {
    writeBytes(file_, "The rules.\r\n");
    const FILETIME written = lastWriteTime(file_);
    ASSERT_TRUE(SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_READONLY));
    const DWORD attributes = GetFileAttributesW(file_.c_str());

    EXPECT_EQ(ReadTextFile(file_.wstring()), L"The rules.\r\n");
    EXPECT_EQ(GetFileAttributesW(file_.c_str()), attributes);
    EXPECT_TRUE(lastWriteTime(file_) == written);
    EXPECT_EQ(readBytes(file_), "The rules.\r\n");
}

TEST_F(SharedHelpText, AFileThatOtherProgramsHoldOpenIsShown) {
    writeBytes(file_, "About the game.\r\n");
    // A reader that lets others only read: an open that asks to write too
    // would be refused.
    HANDLE reader = CreateFileW(file_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadTextFile(file_.wstring()), L"About the game.\r\n");
    CloseHandle(reader);

    // An editor that writes it and lets others read; a sync or backup
    // program that may also rename or delete it.
    for (const DWORD access : {GENERIC_READ | GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE | DELETE}) {
        const DWORD sharing =
            access & DELETE ? FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE : FILE_SHARE_READ;
        HANDLE holder = CreateFileW(file_.c_str(), access, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        EXPECT_EQ(ReadTextFile(file_.wstring()), L"About the game.\r\n") << std::hex << access;
        CloseHandle(holder);
    }
}

TEST_F(SharedHelpText, ALockedFileShowsAnEmptyTextAndIsLeftAsItWas) {
    writeBytes(file_, "Locked away.\r\n");
    HANDLE locker = CreateFileW(file_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locker, INVALID_HANDLE_VALUE);

    EXPECT_EQ(ReadTextFile(file_.wstring()), L"");
    CloseHandle(locker);
    EXPECT_EQ(readBytes(file_), "Locked away.\r\n");
}

} // namespace
} // namespace plumaro::testing
