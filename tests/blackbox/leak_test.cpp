// Memory and handles left behind by many finished games and help-window
// openings in one run of plumaro.exe. PLUMARO_LEAK_CYCLES sets how many of
// each (30 unless set; 100 for the full check).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "board_player.h"
#include "help_resources.h"
#include "solver.h"

namespace plumaro::testing {
namespace {

constexpr double kKilobyte = 1024.0;
// A leaked result picture (117 x 151 at a byte a pixel) is 18 KB a game; the
// heap's own growth in steps spread over the cycles stays well below this.
constexpr double kAllowedGrowthPerCycle = 6 * kKilobyte;
// Handle counts may move by a few as the system caches; a leak moves them
// by at least one a cycle.
constexpr DWORD kAllowedHandleGrowth = 5;

// Least-squares slope of the samples against their index.
double slopeOf(const std::vector<double> &samples) {
    const double n = static_cast<double>(samples.size());
    double sumX = 0, sumY = 0, sumXY = 0, sumXX = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double x = static_cast<double>(i);
        sumX += x, sumY += samples[i], sumXY += x * samples[i], sumXX += x * x;
    }
    return (n * sumXY - sumX * sumY) / (n * sumXX - sumX * sumX);
}

class LongPlay : public ::testing::Test {
protected:
    void SetUp() override {
        const char *setting = std::getenv("PLUMARO_LEAK_CYCLES");
        cycles = setting ? std::max(5, std::atoi(setting)) : 30;
        ASSERT_NE(player.board(), nullptr);
        ASSERT_TRUE(solution);
    }

    void finishAGame(int cycle) {
        player.choosePuzzle(1);
        player.clickSlots(*solution);
        const auto result = player.readAndCloseResult(VK_RETURN);
        ASSERT_TRUE(result) << "no result in cycle " << cycle;
        ASSERT_EQ(result->message, L"WELL DONE");
    }

    void readTheHelp(int cycle) {
        HWND help = player.openHelp('R');
        ASSERT_NE(help, nullptr) << "no help window in cycle " << cycle;
        clickAt(centreOf(control(help, IDC_HELP_ABOUT)));
        ASSERT_TRUE(waitFor([&] { return IsWindowVisible(control(help, IDC_LOGO)); })) << "About, cycle " << cycle;
        pressKey(VK_ESCAPE);
        ASSERT_TRUE(waitFor([&] { return !IsWindow(help); })) << "Esc, cycle " << cycle;
    }

    // Runs the cycle after two to warm up, then as many more as set, and
    // checks the growth of private memory per cycle and of the GDI and USER
    // object counts.
    void expectNothingLeftBehind(const char *what, const std::function<void(int)> &cycle) {
        for (int warmUp = 1; warmUp <= 2; ++warmUp)
            ASSERT_NO_FATAL_FAILURE(cycle(warmUp));
        const std::size_t memoryBefore = player.program().privateMemory();
        const DWORD gdiBefore = player.program().guiObjects(GR_GDIOBJECTS);
        const DWORD userBefore = player.program().guiObjects(GR_USEROBJECTS);
        ASSERT_TRUE(gdiBefore && userBefore) << "the program's GDI and USER objects cannot be counted here";
        std::vector<double> memory;
        for (int count = 3; count <= cycles; ++count) {
            ASSERT_NO_FATAL_FAILURE(cycle(count));
            memory.push_back(static_cast<double>(player.program().privateMemory()));
        }
        const double slope = slopeOf(memory);
        std::printf("%d %s: private memory %.0f KB -> %.0f KB, %+.1f KB a cycle\n", cycles, what,
                    memoryBefore / kKilobyte, memory.back() / kKilobyte, slope / kKilobyte);
        EXPECT_LT(slope, kAllowedGrowthPerCycle) << what;
        EXPECT_LE(player.program().guiObjects(GR_GDIOBJECTS), gdiBefore + kAllowedHandleGrowth) << what;
        EXPECT_LE(player.program().guiObjects(GR_USEROBJECTS), userBefore + kAllowedHandleGrowth) << what;
    }

    BoardPlayer player;
    const std::optional<solver::Clicks> solution = solver::shortestSolution(1);
    int cycles = 30;
};

TEST_F(LongPlay, FinishedGamesLeaveNothingBehind) {
    expectNothingLeftBehind("results", [&](int cycle) { finishAGame(cycle); });
}

TEST_F(LongPlay, HelpWindowsLeaveNothingBehind) {
    expectNothingLeftBehind("help windows", [&](int cycle) { readTheHelp(cycle); });
}

} // namespace
} // namespace plumaro::testing
