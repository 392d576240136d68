// Start-up of plumaro.exe: the board window's size and place at each display
// setting, the large-fonts check, the icon and sound files, and leaving.
#include <gtest/gtest.h>

#include <fstream>

#include "app/resource.h"
#include "tests/blackbox/board_player.h"

namespace plumaro::testing {
namespace {

namespace fs = std::filesystem;

constexpr wchar_t kBoardClass[] = L"PlumaroBoard";
constexpr wchar_t kMessageBoxClass[] = L"#32770";
constexpr int kMessageTextId = 0xFFFF;

void expectCentredOnScreen(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR(outer.left, screenWidth - outer.right, 1);
    EXPECT_NEAR(outer.top, screenHeight - outer.bottom, 1);
}

void expectBoardClientSize(HWND board) {
    RECT client{};
    GetClientRect(board, &client);
    EXPECT_EQ(client.right, 580);
    EXPECT_EQ(client.bottom, 467);
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

TEST(StartUp, BoardIsSizedForItsPictureAndCentred) {
    BoardPlayer player;
    ASSERT_NE(player.board(), nullptr);
    expectBoardClientSize(player.board());
    expectCentredOnScreen(player.board());
    EXPECT_EQ(windowText(player.board()), L"Plumaro Puzzles");
    EXPECT_NE(GetMenu(player.board()), nullptr);
}

TEST(StartUp, ShowsOnlyTheTitlePictureUntilAPuzzleIsChosen) {
    BoardPlayer player;
    ASSERT_NE(player.board(), nullptr);
    for (int slot = 1; slot <= 9; ++slot)
        EXPECT_FALSE(player.slotVisible(slot)) << "slot " << slot;
    EXPECT_FALSE(player.movesVisible());
    EXPECT_EQ(player.moves(), L"0");
}

TEST(StartUp, At144DpiTheBoardHasTheSameClientSizeInPixels) {
    LogPixelsSetting dpi(144);
    BoardPlayer player;
    ASSERT_NE(player.board(), nullptr);
    expectBoardClientSize(player.board());
    expectCentredOnScreen(player.board());
}

TEST(StartUp, LargeFontsShowTheMessageAndEndBeforeTheBoardIsShown) {
    LogPixelsSetting dpi(120);
    RunningProgram program;
    std::wstring caption;
    const std::wstring text = readAndDismissMessageBox(program, &caption);
    EXPECT_EQ(text, L"Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. "
                    L"Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, "
                    L"then click on the APPLY button.");
    EXPECT_EQ(caption, L"Plumaro");
    DWORD exitCode = 1;
    ASSERT_TRUE(program.waitForExit(exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST(StartUp, LargeFontsNeverShowTheBoard) {
    LogPixelsSetting dpi(120);
    RunningProgram program;
    ASSERT_NE(program.waitForWindow(kMessageBoxClass), nullptr);
    EXPECT_EQ(program.waitForWindow(kBoardClass, 0ms), nullptr);
}

struct BrokenIcon {
    const char *name;
    void (*breakIt)(const fs::path &icon);
    const wchar_t *failure;
};

class StartUpWithBrokenIcon : public ::testing::TestWithParam<BrokenIcon> {};

TEST_P(StartUpWithBrokenIcon, ReportsTheFileAndTheFailureThenEnds) {
    TempFolder folder;
    installProgram(folder.path());
    const fs::path icon = folder.path() / L"SOUND" / L"birdicon.ico";
    GetParam().breakIt(icon);

    RunningProgram program(folder.path() / L"plumaro.exe");
    std::wstring caption;
    const std::wstring report = readAndDismissMessageBox(program, &caption);
    EXPECT_NE(report.find(L"birdicon.ico"), std::wstring::npos) << report;
    EXPECT_NE(report.find(GetParam().failure), std::wstring::npos) << report;
    EXPECT_EQ(caption, L"Plumaro");

    DWORD exitCode = 0;
    ASSERT_TRUE(program.waitForExit(exitCode));
    EXPECT_NE(exitCode, 0u);
    EXPECT_EQ(program.waitForWindow(kBoardClass, 0ms), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Icons, StartUpWithBrokenIcon,
    ::testing::Values(
        BrokenIcon{"Missing", [](const fs::path &icon) { fs::remove(icon); }, L"File not found"},
        BrokenIcon{"NotAnIcon", [](const fs::path &icon) { std::ofstream(icon, std::ios::binary) << "not an icon"; },
                   L"Invalid picture"},
        BrokenIcon{"Empty", [](const fs::path &icon) { std::ofstream(icon, std::ios::binary); }, L"Invalid picture"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(StartUp, AMissingSoundFileIsSkippedSilently) {
    TempFolder folder;
    installProgram(folder.path());
    fs::remove(folder.path() / L"SOUND" / L"G0034.WAV");
    BoardPlayer player(folder.path() / L"plumaro.exe");
    ASSERT_NE(player.board(), nullptr);
    EXPECT_EQ(player.program().waitForWindow(kMessageBoxClass, 300ms), nullptr);
}

TEST(StartUp, RunsFromAFolderTheAnsiCodePageCannotSpell) {
    TempFolder outer;
    const fs::path folder = outer.path() / L"\u041f\u0430\u0437\u043b \u9ce5 \u03a0\u03bf\u03c5\u03bb\u03b9";
    installProgram(folder);
    BoardPlayer player(folder / L"plumaro.exe");
    ASSERT_NE(player.board(), nullptr) << "no board window";
    EXPECT_EQ(player.program().waitForWindow(kMessageBoxClass, 300ms), nullptr) << "the icon was not found";
}

TEST(Leaving, ExitEndsTheProgramAtOnceMidGame) {
    BoardPlayer player;
    ASSERT_NE(player.board(), nullptr);
    player.choosePuzzle(2);
    player.clickSlot(5);
    ASSERT_EQ(player.moves(), L"1");
    pressKey(VK_MENU);
    pressKey('F');
    pressKey('E');
    DWORD exitCode = 1;
    ASSERT_TRUE(player.program().waitForExit(exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST(Leaving, TheCloseBoxEndsTheProgram) {
    BoardPlayer player;
    ASSERT_NE(player.board(), nullptr);
    PostMessageW(player.board(), WM_SYSCOMMAND, SC_CLOSE, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(player.program().waitForExit(exitCode));
    EXPECT_EQ(exitCode, 0u);
}

} // namespace
} // namespace plumaro::testing
