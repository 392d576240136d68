// Memory and handles left behind by many finished games and help-window
// openings in one run of plumaro.exe. PLUMARO_LEAK_CYCLES sets how many of
// each (30 unless set; 100 for the full check).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "app/resource.h"
#include "tests/support/board_player.h"
#include "tests/support/solver.h"

namespace plumaro::testing {
namespace {

constexpr double kMegabyte = 1024.0 * 1024.0;
constexpr std::size_t kAllowedGrowth = 1024 * 1024;
// Handle counts may move by a few as the system caches; a leak moves them
// by at least one a cycle.
constexpr DWORD kAllowedHandleGrowth = 5;

struct Usage {
    std::size_t memory;
    DWORD gdi;
    DWORD user;
};

Usage usageOf(const RunningProgram &program) {
    return {program.privateMemory(), program.guiObjects(GR_GDIOBJECTS), program.guiObjects(GR_USEROBJECTS)};
}

void expectNoGrowth(const Usage &from, const Usage &to, const char *what) {
    std::printf("%s: private memory %.2f MB -> %.2f MB; GDI %lu -> %lu, USER %lu -> %lu\n", what,
                from.memory / kMegabyte, to.memory / kMegabyte, from.gdi, to.gdi, from.user, to.user);
    EXPECT_LE(to.memory, from.memory + kAllowedGrowth) << what;
    // Zero where the system does not count them (Wine): nothing to compare.
    if (from.gdi && from.user) {
        EXPECT_LE(to.gdi, from.gdi + kAllowedHandleGrowth) << what;
        EXPECT_LE(to.user, from.user + kAllowedHandleGrowth) << what;
    }
}

TEST(LongPlay, FinishedGamesAndHelpWindowsLeaveNothingBehind) {
    const char *setting = std::getenv("PLUMARO_LEAK_CYCLES");
    const int cycles = setting ? std::max(3, std::atoi(setting)) : 30;
    std::printf("%d results and %d help windows\n", cycles, cycles);

    BoardPlayer player;
    ASSERT_NE(player.board(), nullptr);
    const auto solution = solver::shortestSolution(1);
    ASSERT_TRUE(solution);

    const auto finishAGame = [&](int cycle) {
        player.choosePuzzle(1);
        player.clickSlots(*solution);
        const auto result = player.readAndCloseResult(VK_RETURN);
        ASSERT_TRUE(result) << "no result in cycle " << cycle;
        ASSERT_EQ(result->message, L"WELL DONE");
    };
    const auto readTheHelp = [&](int cycle) {
        HWND help = openHelpWindow(player.program(), player.board(), 'R');
        ASSERT_NE(help, nullptr) << "no help window in cycle " << cycle;
        clickAt(centreOf(control(help, kAboutButton)));
        ASSERT_TRUE(waitFor([&] { return IsWindowVisible(control(help, IDC_LOGO)); })) << "About, cycle " << cycle;
        pressKey(VK_ESCAPE);
        ASSERT_TRUE(waitFor([&] { return !IsWindow(help); })) << "Esc, cycle " << cycle;
    };

    for (int cycle = 1; cycle <= 2; ++cycle) {
        ASSERT_NO_FATAL_FAILURE(finishAGame(cycle));
        ASSERT_NO_FATAL_FAILURE(readTheHelp(cycle));
    }
    const Usage start = usageOf(player.program());

    for (int cycle = 3; cycle <= cycles; ++cycle)
        ASSERT_NO_FATAL_FAILURE(readTheHelp(cycle));
    const Usage afterHelp = usageOf(player.program());
    expectNoGrowth(start, afterHelp, "help windows 3..N");

    for (int cycle = 3; cycle <= cycles; ++cycle)
        ASSERT_NO_FATAL_FAILURE(finishAGame(cycle));
    const Usage end = usageOf(player.program());
    expectNoGrowth(afterHelp, end, "results 3..N");
    expectNoGrowth(start, end, "after 2 of each -> after all");
}

} // namespace
} // namespace plumaro::testing
