// Reading the help texts where the program cannot be driven to: files the
// program may not change, or held open by others, and a folder that is a
// file. What the help window shows of a file, however stored, is tested
// through the real program (tests/blackbox/help_blackbox_test.cpp).
#include "help_text_file.h"

#include <gtest/gtest.h>

#include <string>

#include "program_driver.h"

namespace plumaro::testing {
namespace {

namespace fs = std::filesystem;

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

using MissingHelpText = HelpTextFile;

TEST_F(MissingHelpText, AFileThatCannotBeCreatedShowsAnEmptyTextAndNothingIsMade) {
    // A file stands where the folder should be: nothing can be created
    // there, whoever runs the program.
    const fs::path notAFolder = folder_.path() / L"program";
    writeBytes(notAFolder, "not a folder");
    EXPECT_EQ(readHelpText((notAFolder / L"default.txt").wstring()), L"");
    EXPECT_EQ(readBytes(notAFolder), "not a folder");
}

using SharedHelpText = HelpTextFile;

TEST_F(SharedHelpText, AReadOnlyFileIsShownAndLeftAsItWas) {
    writeBytes(file_, "The rules.\r\n");
    const FILETIME written = lastWriteTime(file_);
    ASSERT_TRUE(SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_READONLY));
    const DWORD attributes = GetFileAttributesW(file_.c_str());

    EXPECT_EQ(readHelpText(file_.wstring()), L"The rules.\r\n");
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
    EXPECT_EQ(readHelpText(file_.wstring()), L"About the game.\r\n");
    CloseHandle(reader);

    // An editor that writes it and lets others read; a sync or backup
    // program that may also rename or delete it.
    for (const DWORD access : {GENERIC_READ | GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE | DELETE}) {
        const DWORD sharing =
            access & DELETE ? FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE : FILE_SHARE_READ;
        HANDLE holder = CreateFileW(file_.c_str(), access, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        EXPECT_EQ(readHelpText(file_.wstring()), L"About the game.\r\n") << std::hex << access;
        CloseHandle(holder);
    }
}

// Far more than the box takes, in UTF-8 characters of two bytes, and then
// gigabytes of nothing: the box's worth of its beginning, read alone.
TEST_F(HelpTextFile, ALargerFileShowsAsMuchOfItsBeginningAsTheBoxTakes) {
    std::string accents;
    for (std::size_t count = 0; count < 2 * kMostHelpCharacters; ++count)
        accents += "\xC3\xA9";
    writeBytes(file_, accents);
    HANDLE file = CreateFileW(file_.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    const bool extended = SetFilePointerEx(file, {.QuadPart = 3LL << 30}, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    ASSERT_TRUE(extended);
    EXPECT_TRUE(readHelpText(file_.wstring()) == std::wstring(kMostHelpCharacters, L'\u00E9'));
}

} // namespace
} // namespace plumaro::testing
