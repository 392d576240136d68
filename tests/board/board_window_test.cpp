// The board window in-process: the counter's look and what screen readers
// are told. Where its pictures show and what clicks do is tested on the
// screen with real input (tests/blackbox/play_test.cpp).
#include <gtest/gtest.h>

#include <thread>

#include "accessible_reader.h"
#include "board_resources.h"
#include "board_window.h"
#include "program_driver.h"
#include "texts.h"

namespace plumaro {
namespace {

using namespace std::chrono_literals;

class BoardWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { BoardWindow::registerClasses(GetModuleHandleW(nullptr)); }

    void SetUp() override {
        int exitCode = -1;
        board = BoardWindow::create(GetModuleHandleW(nullptr), exitCode);
        ASSERT_NE(board, nullptr) << "exit code " << exitCode;
    }

    void TearDown() override {
        if (board)
            DestroyWindow(board);
        // The board ends the message loop when it goes; drop that here.
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    HWND slot(int index) const { return GetDlgItem(board, kSlotIds[index - 1]); }

    void choose(int command) { SendMessageW(board, WM_COMMAND, command, 0); }

    HWND board = nullptr;
};

TEST_F(BoardWindowTest, TheCounterIsABorderedCentredBoldLabel) {
    choose(IDM_PUZZLE2);
    HWND moves = GetDlgItem(board, IDC_MOVES);
    wchar_t className[16] = {};
    GetClassNameW(moves, className, 16);
    EXPECT_STREQ(className, L"Static");
    const LONG style = GetWindowLongW(moves, GWL_STYLE);
    EXPECT_TRUE(style & WS_BORDER);
    EXPECT_EQ(style & SS_TYPEMASK, SS_CENTER);

    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(moves, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, L"MS Sans Serif");
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfHeight, -13);
}

// Screen readers announce each slot as a button named by what it shows, and
// pressing it moves exactly what a click would; the counter reads as "Moves".
TEST_F(BoardWindowTest, SlotsAreButtonsThatPressLikeAClickAndTheCounterReadsAsMoves) {
    using testing::AccessibleReader;
    choose(IDM_PUZZLE1);
    AccessibleReader bird(slot(1), AccessibleReader::Route::GetObject);
    ASSERT_TRUE(bird) << std::hex << bird.result();
    EXPECT_EQ(bird.role(), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(bird.name(), L"Bird 1");
    EXPECT_EQ(bird.defaultAction(), L"Press");
    EXPECT_EQ(bird.press(), S_OK);
    testing::settle(50ms);
    EXPECT_EQ(testing::windowText(slot(2)), L"Bird 1");
    EXPECT_EQ(bird.name(), L"Empty");

    AccessibleReader moves(GetDlgItem(board, IDC_MOVES), AccessibleReader::Route::GetObject);
    ASSERT_TRUE(moves) << std::hex << moves.result();
    EXPECT_EQ(moves.name(), L"Moves");
    EXPECT_EQ(moves.value(), L"1");

    // Bird 3 slides up; below the empty slot now lies puzzle 1's hidden row,
    // and a disabled board takes no press, as it takes no click.
    EXPECT_EQ(AccessibleReader(slot(4), AccessibleReader::Route::GetObject).press(), S_OK);
    testing::settle(50ms);
    AccessibleReader hidden(slot(7), AccessibleReader::Route::GetObject);
    EXPECT_EQ(hidden.name(), L"No picture");
    hidden.press();
    testing::settle(50ms);
    EnableWindow(board, FALSE);
    bird.press();
    testing::settle(50ms);
    EnableWindow(board, TRUE);
    EXPECT_EQ(testing::windowText(slot(1)), L"Bird 3");
    EXPECT_EQ(testing::windowText(slot(4)), L"Empty");
    EXPECT_EQ(testing::windowText(slot(7)), L"No picture");
    EXPECT_EQ(moves.value(), L"2");

    // A client may hold the object longer than the window lives.
    DestroyWindow(board);
    board = nullptr;
    EXPECT_EQ(bird.name(), L"(none)");
    EXPECT_EQ(bird.press(), CO_E_OBJNOTCONNECTED);
}

// A module without the board's pictures: creating the window fails.
TEST(BoardWindowCreation, AWindowThatCannotBeCreatedIsReportedNotSilent) {
    std::wstring shown;
    std::thread reader([&] {
        HWND box = nullptr;
        testing::waitFor([&] { return (box = FindWindowW(L"#32770", loadText(IDS_PROGRAM_TITLE).c_str())) != nullptr; },
                         std::chrono::seconds(5));
        if (!box)
            return;
        shown = testing::windowText(GetDlgItem(box, 0xFFFF));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    int exitCode = 0;
    HINSTANCE withoutPictures = GetModuleHandleW(L"kernel32.dll");
    BoardWindow::registerClasses(withoutPictures);
    EXPECT_EQ(BoardWindow::create(withoutPictures, exitCode), nullptr);
    reader.join();
    EXPECT_EQ(shown, L"The game window cannot be created.");
    EXPECT_NE(exitCode, 0);
}

// Windows sends WM_DESTROY, then WM_NCDESTROY, to a window whose WM_CREATE
// failed (Wine only WM_NCDESTROY): a quit posted then would close the
// message box that reports the failure unseen. Here in Windows' order.
TEST(BoardWindowCreation, AWindowThatFailsToLoadLeavesNoQuitBehind) {
    static WNDPROC boardProcedure = nullptr;
    WNDCLASSEXW board{};
    board.cbSize = sizeof board;
    BoardWindow::registerClasses(GetModuleHandleW(nullptr));
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), BoardWindow::kClassName, &board));
    boardProcedure = board.lpfnWndProc;
    board.lpszClassName = L"BoardInWindowsOrder";
    board.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_NCDESTROY) // on Windows, after a first WM_DESTROY: no harm
            CallWindowProcW(boardProcedure, window, WM_DESTROY, 0, 0);
        return CallWindowProcW(boardProcedure, window, message, wParam, lParam);
    };
    RegisterClassExW(&board);

    EXPECT_EQ(CreateWindowExW(0, board.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                              GetModuleHandleW(nullptr), GetModuleHandleW(L"kernel32.dll")), // no pictures there
              nullptr);
    MSG quit;
    EXPECT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

} // namespace
} // namespace plumaro
