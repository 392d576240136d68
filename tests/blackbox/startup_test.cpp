// Start-up of plumaro.exe: broken icon and sound files, deep and foreign
// folders, two copies at once, and leaving. (Its windows at each display
// scale: tests/blackbox/play_test.cpp.)
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <random>

#include "board_player.h"
#include "board_resources.h"
#include "help_resources.h"
#include "release_facts.h"
#include "runtime_files.h"
#include "program_files.h"
#include "solver.h"

namespace plumaro::testing {
namespace {

namespace fs = std::filesystem;

constexpr wchar_t kMessageBoxClass[] = L"#32770";
constexpr int kMessageTextId = 0xFFFF;

// Plays a move, then checks that start-up showed no message: input is
// handled after start-up, so a late one would be up by then.
void expectPlaysWithoutAMessage(BoardPlayer &player) {
    player.choosePuzzle(1);
    player.clickSlot(1);
    EXPECT_EQ(player.shownOnceItIs(afterSlide(startOf(1), 1)), afterSlide(startOf(1), 1));
    EXPECT_EQ(player.program().waitForWindow(kMessageBoxClass, 0ms), nullptr);
}

// Reads a message box of the program, checks it offers OK alone, and
// presses OK.
std::wstring readAndDismissMessageBox(RunningProgram &program, std::wstring *caption = nullptr) {
    HWND box = program.waitForWindow(kMessageBoxClass);
    if (!box)
        return L"(no message box)";
    const std::wstring text = windowText(control(box, kMessageTextId));
    if (caption)
        *caption = windowText(box);
    EXPECT_NE(control(box, IDOK), nullptr);
    for (int other : {IDCANCEL, IDYES, IDNO, IDRETRY, IDABORT, IDIGNORE})
        EXPECT_EQ(control(box, other), nullptr);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return text;
}

TEST(StartUp, BoardShowsNoSlotUntilAPuzzleIsChosen) {
    BoardPlayer player;
    ASSERT_NE(player.board(), nullptr);
    EXPECT_EQ(windowText(player.board()), L"" PLUMARO_PRODUCT_NAME);
    EXPECT_NE(GetMenu(player.board()), nullptr);
    const BoardShown nothing(10, L"hidden");
    EXPECT_EQ(player.shown(), nothing);
}

// The help text file as the help window shows it.
std::wstring shippedText(const wchar_t *name) { return fromAnsi(readBytes(buildFolder() / name)); }

std::wstring helpTextOf(HWND help) { return windowText(control(help, IDC_HELP_TEXT)); }

struct BrokenIcon {
    const char *name;
    void (*breakIt)(const fs::path &icon);
    const wchar_t *failure;
};

class StartUpWithBrokenIcon : public ::testing::TestWithParam<BrokenIcon> {};

TEST_P(StartUpWithBrokenIcon, ReportsTheFileAndTheFailureThenEnds) {
    TempFolder folder;
    installProgram(folder.path());
    const fs::path icon = folder.path() / runtime_files::kWindowIcon.name;
    GetParam().breakIt(icon);

    RunningProgram program(folder.path() / L"plumaro.exe");
    std::wstring caption;
    const std::wstring report = readAndDismissMessageBox(program, &caption);
    EXPECT_NE(report.find(fs::path(runtime_files::kWindowIcon.name).filename().wstring()), std::wstring::npos)
        << report;
    EXPECT_NE(report.find(GetParam().failure), std::wstring::npos) << report;
    EXPECT_EQ(caption, L"Plumaro");

    DWORD exitCode = 0;
    ASSERT_TRUE(program.waitForExit(exitCode));
    EXPECT_NE(exitCode, 0u);
    EXPECT_EQ(program.waitForWindow(kBoardClassName, 0ms), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Icons, StartUpWithBrokenIcon,
    ::testing::Values(
        BrokenIcon{"Missing", [](const fs::path &icon) { fs::remove(icon); }, L"File not found"},
        BrokenIcon{"NotAnIcon", [](const fs::path &icon) { std::ofstream(icon, std::ios::binary) << "not an icon"; },
                   L"Invalid picture"},
        BrokenIcon{"Empty", [](const fs::path &icon) { std::ofstream(icon, std::ios::binary); }, L"Invalid picture"},
        BrokenIcon{"CutInItsImageData",
                   [](const fs::path &icon) {
                       // Halfway through the first image: no image is whole.
                       std::ifstream in(icon, std::ios::binary);
                       std::uint32_t sizeAndOffset[2] = {};
                       in.seekg(14);
                       in.read(reinterpret_cast<char *>(sizeAndOffset), sizeof sizeAndOffset);
                       in.close();
                       fs::resize_file(icon, sizeAndOffset[1] + sizeAndOffset[0] / 2);
                   },
                   L"Invalid picture"},
        BrokenIcon{"AFolderInItsPlace",
                   [](const fs::path &icon) {
                       fs::remove(icon);
                       fs::create_directory(icon);
                   },
                   L"Permission denied"}),
    [](const auto &info) { return std::string(info.param.name); });

struct BrokenSound {
    const char *name;
    void (*breakIt)(const fs::path &sound);
};

class StartUpWithBrokenSound : public ::testing::TestWithParam<BrokenSound> {};

TEST_P(StartUpWithBrokenSound, StartsSilentlyAndPlaysNormally) {
    TempFolder folder;
    installProgram(folder.path());
    GetParam().breakIt(folder.path() / runtime_files::kStartupSound.name);
    BoardPlayer player(folder.path() / L"plumaro.exe");
    ASSERT_NE(player.board(), nullptr);
    expectPlaysWithoutAMessage(player);
}

INSTANTIATE_TEST_SUITE_P(
    Sounds, StartUpWithBrokenSound,
    ::testing::Values(BrokenSound{"Missing", [](const fs::path &sound) { fs::remove(sound); }},
                      BrokenSound{"Empty", [](const fs::path &sound) { fs::resize_file(sound, 0); }},
                      BrokenSound{"CutInHalf",
                                  [](const fs::path &sound) { fs::resize_file(sound, fs::file_size(sound) / 2); }},
                      BrokenSound{"RandomBytes",
                                  [](const fs::path &sound) {
                                      std::mt19937 random(8);
                                      std::string bytes(40000, '\0');
                                      for (char &byte : bytes)
                                          byte = static_cast<char>(random());
                                      bytes.replace(0, 4, "RIFF"); // and a header that promises too much
                                      std::ofstream(sound, std::ios::binary) << bytes;
                                  }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(StartUp, RunsFromAFolderTheAnsiCodePageCannotSpell) {
    TempFolder outer;
    const fs::path folder = outer.path() / L"\u041f\u0430\u0437\u043b \u9ce5 \u03a0\u03bf\u03c5\u03bb\u03b9";
    installProgram(folder);
    BoardPlayer player(folder / L"plumaro.exe");
    ASSERT_NE(player.board(), nullptr) << "no board window";
    expectPlaysWithoutAMessage(player);
}

// A folder where plumaro.exe's own path is one character under MAX_PATH, so
// that the paths of its files pass it.
fs::path folderAsDeepAsTheProgramAllows(const fs::path &base) {
    const std::size_t wanted = MAX_PATH - 1 - std::wstring(L"\\plumaro.exe").size();
    fs::path folder = base;
    while (folder.wstring().size() < wanted) {
        const std::size_t left = wanted - folder.wstring().size() - 1; // after the separator
        folder /= std::wstring(left <= 60 ? left : 50, L'd');
    }
    return folder;
}

class StartUpInADeepFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ((folder / L"plumaro.exe").wstring().size(), MAX_PATH - 1u);
        installProgram(folder);
    }
    TempFolder outer;
    const fs::path folder = folderAsDeepAsTheProgramAllows(outer.path());
};

TEST_F(StartUpInADeepFolder, PlaysAndReadsTheHelpFiles) {
    BoardPlayer player(folder / L"plumaro.exe");
    ASSERT_NE(player.board(), nullptr) << "no board window";
    expectPlaysWithoutAMessage(player);

    HWND help = player.postHelpCommand(IDM_RULES);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(waitFor([&] { return helpTextOf(help) == shippedText(runtime_files::kRules.name); }));
    PostMessageW(help, WM_COMMAND, MAKEWPARAM(IDC_HELP_ABOUT, BN_CLICKED), 0);
    EXPECT_TRUE(waitFor([&] { return helpTextOf(help) == shippedText(runtime_files::kAbout.name); }));
}

// The run-time error report names such a path within the screen.
TEST_F(StartUpInADeepFolder, AnErrorReportShowsThePathWhole) {
    DeleteFileW(longPathForm((folder / runtime_files::kWindowIcon.name).wstring()).c_str());
    RunningProgram program(folder / L"plumaro.exe");
    HWND box = program.waitForWindow(kMessageBoxClass);
    ASSERT_NE(box, nullptr);
    RECT outerRect{};
    GetWindowRect(box, &outerRect);
    EXPECT_GE(outerRect.left, 0);
    EXPECT_LE(outerRect.right, GetSystemMetrics(SM_CXSCREEN));
    std::wstring report = windowText(control(box, kMessageTextId));
    std::erase(report, L'\n');
    EXPECT_NE(report.find(folder.wstring()), std::wstring::npos) << report;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    DWORD exitCode = 0;
    ASSERT_TRUE(program.waitForExit(exitCode));
    EXPECT_NE(exitCode, 0u);
}

TEST(StartUp, TwoCopiesAtOncePlayIndependentlyAndReadTheHelpTogether) {
    BoardPlayer first, second;
    ASSERT_NE(first.board(), nullptr);
    ASSERT_NE(second.board(), nullptr);
    first.choosePuzzle(1);
    first.clickSlot(1);
    const BoardShown firstShown = afterSlide(startOf(1), 1);
    ASSERT_EQ(first.shownOnceItIs(firstShown), firstShown);
    second.choosePuzzle(2);
    const int slot = solver::shortestSolution(2)->front();
    second.clickSlot(slot);
    EXPECT_EQ(second.shownOnceItIs(afterSlide(startOf(2), slot)), afterSlide(startOf(2), slot));
    EXPECT_EQ(first.shown(), firstShown);

    // Both read the rules file at the same moment.
    for (HWND board : {first.board(), second.board()})
        PostMessageW(board, WM_COMMAND, IDM_RULES, 0);
    HWND firstHelp = first.helpWindow(), secondHelp = second.helpWindow();
    ASSERT_NE(firstHelp, nullptr);
    ASSERT_NE(secondHelp, nullptr);
    for (HWND help : {firstHelp, secondHelp}) {
        EXPECT_TRUE(waitFor([&] { return helpTextOf(help) == shippedText(runtime_files::kRules.name); }));
        PostMessageW(help, WM_COMMAND, IDCANCEL, 0);
    }
}

TEST(Leaving, ExitEndsTheProgramAtOnceMidGame) {
    BoardPlayer player;
    ASSERT_NE(player.board(), nullptr);
    player.choosePuzzle(2);
    player.clickSlot(5);
    ASSERT_EQ(player.shownOnceItIs(afterSlide(startOf(2), 5)), afterSlide(startOf(2), 5));
    pressKey(VK_MENU);
    pressKey('F');
    pressKey('E');
    DWORD exitCode = 1;
    ASSERT_TRUE(player.program().waitForExit(exitCode));
    EXPECT_EQ(exitCode, 0u);
}

// The close box, and what Task Manager's End task and taskkill send: a
// WM_CLOSE to the board while the verdict or the help shows over it.
TEST(Leaving, ClosingTheBoardEndsTheProgramCleanlyWhateverShowsOverIt) {
    const std::pair<const char *, std::function<bool(BoardPlayer &)>> cases[] = {
        {"nothing", [](BoardPlayer &) { return true; }},
        {"the verdict",
         [](BoardPlayer &player) {
             player.choosePuzzle(1);
             player.clickSlots(*solver::shortestSolution(1));
             return waitFor([&] { return player.resultWindow() != nullptr; });
         }},
        {"the help", [](BoardPlayer &player) { return player.postHelpCommand(IDM_ABOUT) != nullptr; }},
    };
    for (const auto &[over, open] : cases) {
        SCOPED_TRACE(over);
        BoardPlayer player;
        ASSERT_NE(player.board(), nullptr);
        ASSERT_TRUE(open(player));
        if (over == cases[0].first)
            PostMessageW(player.board(), WM_SYSCOMMAND, SC_CLOSE, 0);
        else
            PostMessageW(player.board(), WM_CLOSE, 0, 0);
        DWORD exitCode = 1;
        ASSERT_TRUE(player.program().waitForExit(exitCode));
        EXPECT_EQ(exitCode, 0u) << std::hex << exitCode;
    }
}

} // namespace
} // namespace plumaro::testing
