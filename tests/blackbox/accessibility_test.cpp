// What plumaro.exe tells screen readers and UI automation in other
// programs: every control answers WM_GETOBJECT without harm, and the objects
// the system's accessibility layer hands across read and press right.
#include <gtest/gtest.h>
#include <objbase.h>

#include <iostream>
#include <sstream>

#include "accessible_reader.h"
#include "announcer.h"
#include "board_player.h"
#include "board_resources.h"
#include "help_resources.h"
#include "release_facts.h"
#include "result_resources.h"
#include "solver.h"

namespace plumaro::testing {
namespace {

std::vector<HWND> windowAndControls(HWND window) {
    std::vector<HWND> all{window};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) {
            reinterpret_cast<std::vector<HWND> *>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    return all;
}

struct Expected {
    const char *what;
    long role; // 0: whatever the system's own object for the control says
    const wchar_t *name;
    const wchar_t *value; // nullptr: not checked
};

// Reads the control as a client in another program does, says what the
// system returned and checks what the object reads.
void readAcross(HWND control, const Expected &expected) {
    const AccessibleReader reader(control, AccessibleReader::Route::FromWindow);
    std::ostringstream said;
    said << expected.what << ": 0x" << std::hex << static_cast<unsigned long>(reader.result()) << std::dec;
    if (reader) {
        said << ", role " << reader.role() << ", name \"";
        for (wchar_t c : reader.name())
            said << static_cast<char>(c);
        said << '"';
    }
    std::cout << "AccessibleObjectFromWindow for the " << said.str() << '\n';
    ASSERT_TRUE(reader) << said.str();
    EXPECT_EQ(reader.name(), expected.name) << said.str();
    if (expected.role) {
        EXPECT_EQ(reader.role(), expected.role) << said.str();
    }
    if (expected.value) {
        EXPECT_EQ(reader.value(), expected.value) << said.str();
    }
}

TEST(Accessibility, EveryControlOfEveryWindowAnswersAndReadsRight) {
    // Objects from another process arrive through COM.
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    BoardPlayer player;
    ASSERT_NE(player.board(), nullptr);
    // Each answers with the system's own object (0) or one of the
    // program's that reads a role.
    const auto askAll = [&](HWND window) {
        for (HWND control : windowAndControls(window)) {
            const AccessibleReader reader(control, AccessibleReader::Route::GetObject);
            EXPECT_TRUE(reader.result() == S_FALSE || reader.role() > 0)
                << "control " << GetDlgCtrlID(control) << ": 0x" << std::hex << reader.result();
        }
    };

    askAll(player.board());
    player.choosePuzzle(1);
    askAll(player.board());
    readAcross(control(player.board(), IDC_SLOT1), {"slot", ROLE_SYSTEM_PUSHBUTTON, L"Bird 1", nullptr});
    EXPECT_EQ(AccessibleReader(control(player.board(), IDC_SLOT1), AccessibleReader::Route::FromWindow).defaultAction(),
              L"Press");
    readAcross(control(player.board(), IDC_MOVES), {"counter", ROLE_SYSTEM_STATICTEXT, L"Moves", L"0"});
    // The board itself: the game's name and all its controls as children
    // (its description is read with what the player hears, below).
    const AccessibleReader board(player.board(), AccessibleReader::Route::FromWindow);
    readAcross(player.board(), {"board", ROLE_SYSTEM_CLIENT, L"" PLUMARO_PRODUCT_NAME, nullptr});
    EXPECT_EQ(board.childCount(), 11) << "the nine slots, the counter and the announcer";
    // The announcer and the result window answer UI Automation
    // (UiaRootObjectId) with elements of their own.
    const auto answersUia = [](HWND window, DWORD_PTR answer = 0) {
        return SendMessageTimeoutW(window, WM_GETOBJECT, 0, -25, SMTO_ABORTIFHUNG, 5000, &answer) && answer != 0;
    };
    EXPECT_TRUE(answersUia(control(player.board(), Announcer::kControlId)));

    // Pressing a slot from another program moves its bird, as a click does.
    for (const int slot : {1, 2}) {
        const AccessibleReader bird(control(player.board(), kSlotIds[slot - 1]), AccessibleReader::Route::FromWindow);
        EXPECT_EQ(bird.press(), S_OK);
        EXPECT_TRUE(waitFor([&] { return player.slotName(slot) == L"Empty"; })) << "slot " << slot;
    }
    EXPECT_EQ(player.moves(), L"2");

    player.slideWithArrows(*solver::shortestSolution(1));
    ASSERT_TRUE(waitFor([&] { return player.resultWindow() != nullptr; }));
    askAll(player.resultWindow());
    EXPECT_TRUE(answersUia(player.resultWindow()));
    readAcross(control(player.resultWindow(), IDC_MESSAGE), {"result message", 0, L"GOOD TRY", nullptr});
    readAcross(control(player.resultWindow(), IDC_PICTURE_FEWER_MOVES),
               {"result picture", ROLE_SYSTEM_GRAPHIC, L"You can accomplish your task in fewer moves. Please try again",
                nullptr});
    // The board under the result takes no press; a client may hold an
    // object longer than its window lives.
    AccessibleReader(control(player.board(), IDC_SLOT2), AccessibleReader::Route::FromWindow).press();
    const AccessibleReader picture(control(player.resultWindow(), IDC_PICTURE_FEWER_MOVES),
                                   AccessibleReader::Route::FromWindow);
    ASSERT_TRUE(player.readAndCloseResult(VK_RETURN));
    EXPECT_EQ(player.moves(), L"19");
    EXPECT_EQ(picture.name(), L"(none)");

    player.pressOnBoard(VK_MENU);
    pressKey('H');
    pressKey('A');
    HWND help = nullptr;
    ASSERT_TRUE(waitFor([&] { return (help = GetLastActivePopup(player.board())) != player.board(); }));
    askAll(help);
    readAcross(control(help, IDC_LINK), {"link", ROLE_SYSTEM_LINK, L"" PLUMARO_WEB_HOST, nullptr});
    activate(help);
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(help); }));
    CoUninitialize();
}

// A player who cannot see the board hears what every press did, from before
// the first game to the verdict and back on the board.
TEST(Accessibility, EveryPressIsSpokenUpToTheVerdict) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    {
        BoardPlayer player;
        AlertListener heard(player.program().processId());
        player.pressOnBoard(VK_LEFT);
        EXPECT_EQ(heard.next(), L"Choose a puzzle from the File menu");
        // The start is the board's description, which readers speak as the
        // menu closes; no alert says it again.
        player.choosePuzzle(1);
        EXPECT_EQ(AccessibleReader(player.board(), AccessibleReader::Route::FromWindow).description(),
                  L"Puzzle 1, 0 moves, par 17. The empty slot is in row 1, column 2. The arrow keys move the birds, "
                  L"B reads the board, C the moves and par, F1 the rules.");
        player.pressOnBoard(VK_DOWN);
        EXPECT_EQ(heard.next(), L"No bird above");
        player.clickSlot(4);
        EXPECT_EQ(heard.next(), L"Bird 3 is not next to the empty slot");
        int moves = 0;
        const auto solution = *solver::shortestSolution(1);
        for (const int slot : solution) {
            const WORD key = player.arrowFor(slot);
            const std::wstring bird = player.slotName(slot);
            pressKey(key);
            const wchar_t *way = key == VK_LEFT ? L"left" : key == VK_RIGHT ? L"right" : key == VK_UP ? L"up" : L"down";
            ++moves;
            EXPECT_EQ(heard.next(),
                      bird + L" moved " + way + L", " + std::to_wstring(moves) + (moves == 1 ? L" move" : L" moves"));
        }
        // The verdict in full is the result window's description, which
        // readers speak as it opens; no alert says it again.
        ASSERT_TRUE(waitFor([&] { return player.resultWindow() != nullptr; }));
        EXPECT_EQ(AccessibleReader(player.resultWindow(), AccessibleReader::Route::FromWindow).description(),
                  L"WELL DONE. You have accomplished your task in just 17 moves. The Emperor is pleased.");
        ASSERT_TRUE(player.readAndCloseResult(VK_RETURN));
        // Back on the board, where the game stands is its description,
        // which readers speak as it gets the focus, and no alert.
        EXPECT_TRUE(waitFor([&] { return threadInfoOf(player.board()).hwndFocus == player.board(); }));
        EXPECT_EQ(AccessibleReader(player.board(), AccessibleReader::Route::FromWindow).description(),
                  L"Puzzle 1, 17 moves, par 17. The game is over. Choose a puzzle from the File menu.");
        player.pressOnBoard(VK_UP);
        EXPECT_EQ(heard.next(), L"The game is over. Choose a puzzle from the File menu");

        // Two quick moves, read when both have been made: each says its own.
        player.choosePuzzle(1);
        heard.next();
        pressKey(VK_LEFT);
        pressKey(VK_RIGHT);
        EXPECT_EQ(heard.next(), L"Bird 2 moved left, 1 move");
        EXPECT_EQ(heard.next(), L"Bird 2 moved right, 2 moves");
    }
    CoUninitialize();
}

} // namespace
} // namespace plumaro::testing
