// What plumaro.exe tells screen readers and UI automation in other
// programs: every control answers WM_GETOBJECT without harm, and the objects
// the system's accessibility layer hands across read and press right.
#include <gtest/gtest.h>
#include <objbase.h>

#include <iostream>
#include <sstream>

#include "app/resource.h"
#include "tests/support/board_player.h"
#include "tests/support/solver.h"
#include "tests/support/accessible_reader.h"

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
    const auto askAll = [&](HWND window) {
        for (HWND control : windowAndControls(window))
            AccessibleReader(control, AccessibleReader::Route::GetObject);
        DWORD exitCode = 0;
        ASSERT_FALSE(player.program().waitForExit(exitCode, 0ms)) << "the program ended";
    };

    askAll(player.board());
    player.choosePuzzle(1);
    askAll(player.board());
    readAcross(control(player.board(), IDC_SLOT1), {"slot", ROLE_SYSTEM_PUSHBUTTON, L"Bird 1", nullptr});
    readAcross(control(player.board(), IDC_MOVES), {"counter", ROLE_SYSTEM_STATICTEXT, L"Moves", L"0"});

    // Pressing a slot from another program moves its bird, as a click does.
    for (const int slot : {1, 2}) {
        const AccessibleReader bird(control(player.board(), IDC_SLOT1 + slot - 1), AccessibleReader::Route::FromWindow);
        EXPECT_EQ(bird.press(), S_OK);
        EXPECT_TRUE(waitFor([&] { return player.slotName(slot) == L"Empty"; })) << "slot " << slot;
    }
    EXPECT_EQ(player.moves(), L"2");

    player.slideWithArrows(*solver::shortestSolution(1));
    ASSERT_TRUE(waitFor([&] { return player.resultWindow() != nullptr; }));
    askAll(player.resultWindow());
    readAcross(control(player.resultWindow(), IDC_MESSAGE), {"result message", 0, L"GOOD TRY", nullptr});
    ASSERT_TRUE(player.readAndCloseResult(VK_RETURN));

    player.pressOnBoard(VK_MENU);
    pressKey('H');
    pressKey('A');
    HWND help = nullptr;
    ASSERT_TRUE(waitFor([&] { return (help = GetLastActivePopup(player.board())) != player.board(); }));
    askAll(help);
    readAcross(control(help, IDC_URL), {"link", ROLE_SYSTEM_LINK, L"plumaro.example", nullptr});
    activate(help);
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(waitFor([&] { return !IsWindow(help); }));
    CoUninitialize();
}

} // namespace
} // namespace plumaro::testing
