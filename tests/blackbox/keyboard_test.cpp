// Playing plumaro.exe without the mouse: the arrow keys slide birds exactly
// as clicks do, and do nothing where a click would do nothing.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <optional>

#include "tests/support/board_player.h"
#include "tests/support/solver.h"

namespace plumaro::testing {
namespace {

using solver::Slot7;

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(player.board(), nullptr); }

    // Plays the shortest solution with the keys and reads the verdict, closed
    // with Enter.
    std::optional<ResultSeen> solveWithKeys(int puzzle, Slot7 slot7) {
        const auto clicks = solver::shortestSolution(static_cast<std::int16_t>(puzzle), slot7);
        if (!clicks)
            return std::nullopt;
        player.choosePuzzle(puzzle);
        player.slideWithArrows(*clicks);
        return player.readAndCloseResult(VK_RETURN);
    }

    BoardPlayer player;
};

// The same verdicts and pictures as the mouse earns along the same paths.
TEST_F(Keyboard, EachPuzzleSolvedWithTheArrowsEarnsTheMousesVerdict) {
    struct Expected {
        int puzzle;
        Slot7 path;
        const wchar_t *message;
        int picture;
    };
    for (const Expected &game :
         {Expected{1, Slot7::Free, L"WELL DONE", 1}, Expected{2, Slot7::Free, L"WELL DONE", 3},
          Expected{3, Slot7::Stays, L"WELL DONE", 1}, Expected{3, Slot7::Moves, L"GOOD TRY", 4}}) {
        SCOPED_TRACE("puzzle " + std::to_string(game.puzzle));
        const auto result = solveWithKeys(game.puzzle, game.path);
        ASSERT_TRUE(result) << "no result window after " << player.moves() << " moves";
        EXPECT_EQ(result->message, game.message);
        EXPECT_EQ(result->picture, game.picture);
    }
}

TEST_F(Keyboard, KeysWhereAClickWouldDoNothingDoNothing) {
    constexpr WORD kAllArrows[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_NUMPAD4, VK_NUMPAD6, VK_NUMPAD8, VK_NUMPAD2};
    struct Case {
        const char *what;
        std::function<void()> setUp;
        std::vector<WORD> keys;
        std::function<void()> tearDown = [] {};
    };
    const std::vector<Case> cases = {
        {"no game yet", [] {}, {std::begin(kAllArrows), std::end(kAllArrows)}},
        // The empty slot in the middle of the bottom row: nothing lies below.
        {"the bottom edge", [&] { player.choosePuzzle(2); }, {VK_UP, VK_NUMPAD8}},
        // The empty slot at the end of the middle row: the next row's first
        // slot is not beside it.
        {"the right edge",
         [&] {
             player.pressOnBoard(VK_LEFT);
             player.pressOnBoard(VK_DOWN);
         },
         {VK_LEFT, VK_NUMPAD4}},
        // Bird 4 slides up from slot 5: below the empty slot lies the hidden row.
        {"puzzle 1's hidden row",
         [&] {
             player.choosePuzzle(1);
             player.pressOnBoard(VK_UP);
         },
         {VK_UP, VK_NUMPAD8}},
        {"the help window open",
         [&] {
             player.choosePuzzle(2);
             player.pressOnBoard(VK_F1);
             EXPECT_TRUE(waitFor([&] { return !IsWindowEnabled(player.board()); })) << "no help window";
         },
         {VK_LEFT, VK_RIGHT, VK_DOWN},
         [] { pressKey(VK_ESCAPE); }},
        {"the result window open",
         [&] {
             player.choosePuzzle(1);
             player.slideWithArrows(*solver::shortestSolution(1));
             EXPECT_TRUE(waitFor([&] { return player.resultWindow() != nullptr; }));
         },
         {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN}},
        {"after the verdict",
         [&] {
             player.readAndCloseResult(VK_ESCAPE);
             player.pressOnBoard(VK_LEFT);
         },
         {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN}},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.what);
        test.setUp();
        const auto layout = player.slotNames();
        const auto moves = player.moves();
        for (const WORD key : test.keys)
            pressKey(key);
        EXPECT_EQ(player.slotNames(), layout);
        EXPECT_EQ(player.moves(), moves);
        test.tearDown();
    }
}

TEST_F(Keyboard, MouseAndKeyboardMovesCountTogether) {
    player.choosePuzzle(1);
    player.clickSlot(1);             // bird 1 slides right
    player.pressOnBoard(VK_LEFT);    // and back
    player.pressOnBoard(VK_NUMPAD8); // bird 4 slides up
    player.clickSlot(2);             // and down again
    EXPECT_EQ(player.slotNames()[0], L"Bird 1");
    EXPECT_EQ(player.slotNames()[1], L"Empty");
    EXPECT_EQ(player.slotNames()[4], L"Bird 4");
    EXPECT_EQ(player.moves(), L"4");
}

} // namespace
} // namespace plumaro::testing
