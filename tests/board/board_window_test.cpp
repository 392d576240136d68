// The board window in-process: the counter's look and what screen readers
// are told. Where its pictures show and what clicks do is tested on the
// screen with real input (tests/blackbox/play_test.cpp).
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <thread>

#include "announcer.h"
#include "board_resources.h"
#include "board_window.h"
#include "hand_cursor.h"
#include "import_patch.h"
#include "program_driver.h"
#include "result_resources.h"
#include "solver.h"
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

// As the screen shows it: a one-pixel frame of one colour around a plain
// inside, and the count in bold MS Sans Serif of 9.75 points (13 pixels at
// the 96 dpi the tests run at) in its middle.
TEST_F(BoardWindowTest, TheCounterIsABorderedCentredBoldLabel) {
    choose(IDM_PUZZLE2);
    ShowWindow(board, SW_SHOWNOACTIVATE);
    UpdateWindow(board);
    RECT outer{};
    GetWindowRect(GetDlgItem(board, IDC_MOVES), &outer);
    const testing::Pixels shown = testing::screenPixels(outer);
    const int width = shown.width, height = shown.height;
    int unframed = 0;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            unframed += (x == 0 || y == 0 || x == width - 1 || y == height - 1) && shown.at(x, y) != shown.at(0, 0);
    EXPECT_EQ(unframed, 0) << "pixels of the frame unlike its corner";
    EXPECT_NE(shown.at(0, 0), shown.at(1, 1)) << "no frame";

    const testing::Ink count = testing::inkOf(shown, {1, 1, width - 1, height - 1});
    EXPECT_EQ(count, testing::inkOfBoldText(L"0", L"MS Sans Serif", 13)) << ::testing::PrintToString(count.rows);
    EXPECT_NEAR(count.box.left - 1, width - 1 - count.box.right, 1) << "not centred across";
    EXPECT_NEAR(count.box.top - 1, height - 1 - count.box.bottom, 1) << "not centred up and down";
}

// Dragged to a monitor of another scale and back, the board takes the
// rectangle Windows suggests and shows its layout at the new scale in the
// pictures drawn for it. Wine gives every monitor one DPI and sends no
// WM_DPICHANGED: here it comes as Windows sends it, after
// WM_GETDPISCALEDSIZE has asked for the size at the new scale.
TEST_F(BoardWindowTest, AtANewScaleTakesTheSuggestedRectangleAndShowsItsLayoutThere) {
    choose(IDM_PUZZLE2);
    ShowWindow(board, SW_SHOWNOACTIVATE);
    for (const UINT dpi : {192u, 96u}) {
        SCOPED_TRACE(dpi);
        const auto scaled = [&](int length) { return MulDiv(length, static_cast<int>(dpi), 96); };
        SIZE size{};
        ASSERT_TRUE(SendMessageW(board, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size)));
        RECT suggested{10, 20, 10 + size.cx, 20 + size.cy}, taken{};
        SendMessageW(board, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        GetWindowRect(board, &taken);
        EXPECT_TRUE(EqualRect(&taken, &suggested));
        UpdateWindow(board);

        RECT bird{}; // slot 1 shows bird 7
        GetWindowRect(slot(1), &bird);
        const RECT client = testing::clientRectOnScreen(board);
        EXPECT_EQ(bird.left - client.left, scaled(134));
        EXPECT_EQ(bird.right - bird.left, scaled(78));
        EXPECT_EQ(testing::screenPixels(bird).rgb, testing::pictureFile(testing::artworkFolder(dpi) / L"bird7.bmp").rgb);
        RECT counter{};
        GetWindowRect(GetDlgItem(board, IDC_MOVES), &counter);
        EXPECT_EQ(counter.bottom - counter.top, scaled(19));
    }
}

// What the board raises as UI Automation notifications, with a recorder in
// place of the system's function.
struct Notification {
    std::wstring words;
    int kind;       // NotificationKind: 2 an action completed, 3 aborted, 4 other
    int processing; // NotificationProcessing: 0 important, all; 1 important, most recent; 2 all; 3 most recent
    std::wstring activity;
    bool operator==(const Notification &) const = default;
};
std::vector<Notification> raised;

HRESULT WINAPI recordNotification(IRawElementProviderSimple *, int kind, int processing, BSTR words, BSTR activity) {
    raised.push_back({words, kind, processing, activity});
    return S_OK;
}

void PrintTo(const Notification &notification, std::ostream *out) {
    *out << "\"" << std::string(notification.words.begin(), notification.words.end()) << "\" " << notification.kind
         << "/" << notification.processing;
}

// What kind of news each is; their words are checked through the real
// program (tests/blackbox/accessibility_test.cpp). The start and the
// verdict are no notifications: the windows' descriptions say them.
TEST_F(BoardWindowTest, EachAnnouncementIsOneNotificationThatSaysWhatKindOfNewsItIs) {
    Announcer::of(board)->raiseWith(recordNotification);
    const auto press = [&](WPARAM key) { return [=, this] { SendMessageW(board, WM_KEYDOWN, key, 0); }; };
    struct Step {
        const char *what;
        std::function<void()> act;
        std::vector<Notification> said;
    };
    const Step steps[] = {
        {"no game yet", press(VK_LEFT), {{L"Choose a puzzle from the File menu", 3, 3, L"refusal"}}},
        {"the start", [&] { choose(IDM_PUZZLE1); }, {}},
        {"a move", press(VK_LEFT), {{L"Bird 2 moved left, 1 move", 2, 3, L"move"}}},
        // B and C read the board as it stands: three rows, three moves on.
        {"B and C later",
         [&] {
             choose(IDM_PUZZLE2);
             for (const WPARAM key : std::initializer_list<WPARAM>{VK_LEFT, VK_DOWN, VK_DOWN, 'B', 'C'})
                 SendMessageW(board, WM_KEYDOWN, key, 0);
             raised.erase(raised.begin(), raised.end() - 2);
         },
         {{L"Row 1: 7, 5, empty. Row 2: 8, 3, 6. Row 3: 4, 1, 2.", 4, 1, L"reading"},
          {L"3 moves, par 23", 4, 1, L"reading"}}},
        {"the verdict",
         [&] {
             choose(IDM_PUZZLE1);
             const auto solution = *solver::shortestSolution(1);
             for (std::size_t i = 0; i + 1 < solution.size(); ++i)
                 SendMessageW(slot(solution[i]), BM_CLICK, 0, 0);
             raised.clear();
             const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
                 if (HWND result = GetActiveWindow(); result && GetDlgItem(result, IDC_MESSAGE))
                     PostMessageW(result, WM_COMMAND, IDOK, 0);
             });
             SendMessageW(slot(solution.back()), BM_CLICK, 0, 0);
             KillTimer(nullptr, timer);
         },
         {{L"Bird 2 moved right, 17 moves", 2, 3, L"move"}}},
    };
    for (const Step &step : steps) {
        raised.clear();
        step.act();
        EXPECT_EQ(raised, step.said) << step.what;
    }
}

// A nested message loop in a move's announcement (a message box, an
// accessibility call that pumps) dispatches WM_CLOSE on the solving move:
// the game ends cleanly, nothing more shows, and the board's object (whose
// pictures DeleteObject frees) goes only once the move's handler returns.
testing::ImportPatch *freeing = nullptr;
HWND closing = nullptr;
int objectsFreed = 0, windowsShown = 0, freedWhileClosing = -1;
BOOL WINAPI countFreed(HGDIOBJ object) {
    ++objectsFreed;
    return reinterpret_cast<decltype(&DeleteObject)>(freeing->original())(object);
}
INT_PTR WINAPI countDialog(HINSTANCE, LPCDLGTEMPLATEW, HWND, DLGPROC, LPARAM) { return ++windowsShown, -1; }
int WINAPI countMessage(HWND, LPCWSTR, LPCWSTR, UINT) { return ++windowsShown, IDOK; }

TEST_F(BoardWindowTest, ClosedFromInsideAMoveTheGameEndsOnceTheMoveIsDone) {
    choose(IDM_PUZZLE1);
    const auto solution = *solver::shortestSolution(1);
    for (std::size_t i = 0; i + 1 < solution.size(); ++i)
        SendMessageW(slot(solution[i]), BM_CLICK, 0, 0);
    testing::ImportPatch freed("gdi32.dll", "DeleteObject", reinterpret_cast<void *>(countFreed));
    testing::ImportPatch dialogs("user32.dll", "DialogBoxIndirectParamW", reinterpret_cast<void *>(countDialog));
    testing::ImportPatch messages("user32.dll", "MessageBoxW", reinterpret_cast<void *>(countMessage));
    ASSERT_TRUE(freed && dialogs && messages);
    freeing = &freed;
    closing = board;
    Announcer::of(board)->raiseWith([](IRawElementProviderSimple *, int, int, BSTR, BSTR) -> HRESULT {
        SendMessageW(closing, WM_CLOSE, 0, 0);
        freedWhileClosing = objectsFreed;
        return S_OK;
    });
    SendMessageW(slot(solution.back()), BM_CLICK, 0, 0);
    EXPECT_EQ(freedWhileClosing, 0) << "freed under its own handler";
    EXPECT_GT(objectsFreed, 0) << "never freed";
    EXPECT_EQ(windowsShown, 0) << "the result shows over a board that has gone";
    EXPECT_FALSE(IsWindow(board));
    board = nullptr;
    MSG quit{};
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u) << "the exit code";
}

// A C++ exception that reaches the board's window procedure, thrown here by
// a system function the board calls: a message, and the game ends.
int WINAPI printMessage(HWND, LPCWSTR text, LPCWSTR, UINT) {
    for (; *text; ++text)
        std::fputc(static_cast<char>(*text), stderr);
    return IDOK;
}
int WINAPI throwing(HWND, LPWSTR, int) { throw std::runtime_error("a fault in a handler"); }

TEST(BoardWindowFaults, AnExceptionInAHandlerEndsTheGameWithAMessage) {
    EXPECT_EXIT(
        {
            testing::ImportPatch message("user32.dll", "MessageBoxW", reinterpret_cast<void *>(printMessage));
            testing::ImportPatch text("user32.dll", "GetWindowTextW", reinterpret_cast<void *>(throwing));
            BoardWindow::registerClasses(GetModuleHandleW(nullptr));
            int exitCode = 0;
            SendMessageW(BoardWindow::create(GetModuleHandleW(nullptr), exitCode), WM_COMMAND, IDM_PUZZLE1, 0);
        },
        ::testing::ExitedWithCode(1), "Run-time error: the game cannot go on");
}

// The start-up sound, counted where the board's code plays it: the board
// looks the player up in winmm.dll when it needs it, and is handed this.
int soundsPlayed = 0;
BOOL WINAPI countSound(LPCWSTR sound, HMODULE, DWORD) {
    soundsPlayed += sound != nullptr; // a null sound stops the playing one
    return TRUE;
}
decltype(&GetProcAddress) lookUp = nullptr;
FARPROC WINAPI lookUpCountedSound(HMODULE module, LPCSTR name) {
    if (!IS_INTRESOURCE(name) && module == GetModuleHandleW(L"winmm.dll") && lstrcmpA(name, "PlaySoundW") == 0)
        return reinterpret_cast<FARPROC>(reinterpret_cast<void *>(countSound));
    return lookUp(module, name);
}

// Only the first activation plays it: none of the board's later ones, after
// the help or the result window closes over it, or back from another window.
TEST_F(BoardWindowTest, TheStartUpSoundPlaysOnTheFirstActivationOnly) {
    testing::ImportPatch sound("kernel32.dll", "GetProcAddress", reinterpret_cast<void *>(lookUpCountedSound));
    ASSERT_TRUE(sound);
    lookUp = reinterpret_cast<decltype(lookUp)>(sound.original());
    soundsPlayed = 0;
    ShowWindow(board, SW_SHOW);
    static HWND shown;
    shown = board;
    // Whatever opens over the board is closed as soon as it is active.
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        if (HWND over = GetActiveWindow(); over && over != shown && IsWindowVisible(over))
            PostMessageW(over, WM_COMMAND, IDCANCEL, 0);
    });
    choose(IDM_RULES);
    choose(IDM_PUZZLE1);
    const auto solution = solver::shortestSolution(1);
    for (const int click : *solution)
        SendMessageW(slot(click), BM_CLICK, 0, 0);
    KillTimer(nullptr, timer);
    HWND elsewhere = CreateWindowExW(0, L"STATIC", L"elsewhere", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr,
                                     nullptr, nullptr);
    SetForegroundWindow(elsewhere);
    SetForegroundWindow(board);
    DestroyWindow(elsewhere);
    EXPECT_EQ(GetActiveWindow(), board);
    EXPECT_EQ(soundsPlayed, 1);
}

// One hand for each scale in the cursor size of that scale, the same for
// every window that asks; where the program's own cannot be loaded (a module
// without it), the system's.
TEST(HandCursors, OneForEachScaleInItsSizeAndTheSystemsWhereTheProgramHasNone) {
    HandCursors hands(GetModuleHandleW(nullptr));
    EXPECT_EQ(hands.at(192), hands.at(192));
    for (const UINT dpi : {96u, 192u}) {
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(hands.at(dpi), &info));
        BITMAP mask{};
        GetObjectW(info.hbmMask, sizeof mask, &mask);
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);
        EXPECT_EQ(mask.bmWidth, GetSystemMetricsForDpi(SM_CXCURSOR, dpi)) << dpi;
    }
    EXPECT_EQ(HandCursors(GetModuleHandleW(L"kernel32.dll")).at(96), LoadCursorW(nullptr, IDC_HAND));
}

// A module without the board's pictures: creating the window fails. Any
// box the creating thread shows is read and closed, so that a wrong one
// fails the test rather than hangs it.
TEST(BoardWindowCreation, AWindowThatCannotBeCreatedIsReportedNotSilent) {
    std::wstring title, shown;
    std::thread reader([&, creator = GetCurrentThreadId()] {
        HWND box = nullptr;
        testing::waitFor([&] { return (box = testing::dialogOf(creator)) != nullptr; }, std::chrono::seconds(5));
        if (!box)
            return;
        title = testing::windowText(box);
        shown = testing::windowText(GetDlgItem(box, 0xFFFF));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    int exitCode = 0;
    HINSTANCE withoutPictures = GetModuleHandleW(L"kernel32.dll");
    BoardWindow::registerClasses(withoutPictures);
    EXPECT_EQ(BoardWindow::create(withoutPictures, exitCode), nullptr);
    reader.join();
    EXPECT_EQ(title, loadText(IDS_PROGRAM_TITLE));
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
