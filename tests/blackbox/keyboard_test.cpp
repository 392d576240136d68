// Playing plumaro.exe without the mouse: the arrow keys slide birds exactly
// as clicks do, and do nothing where a click would do nothing. The verdicts
// they earn are rated with the mouse's (tests/blackbox/play_test.cpp).
#include <gtest/gtest.h>

#include <functional>
#include <iterator>

#include "board_player.h"
#include "solver.h"

namespace plumaro::testing {
namespace {

class Keyboard : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(player.board(), nullptr); }

    BoardPlayer player;
};

// Each case ends with input that must have an effect, and checks both:
// input is handled in order, so a late effect of the keys would show.
TEST_F(Keyboard, KeysWhereAClickWouldDoNothingDoNothing) {
    constexpr WORD kAllArrows[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_NUMPAD4, VK_NUMPAD6, VK_NUMPAD8, VK_NUMPAD2};
    using Proof = std::function<BoardShown(const BoardShown &)>;
    const Proof helpOpenedAndClosed = [&](const BoardShown &before) {
        EXPECT_TRUE(player.openAndCloseHelp());
        return before;
    };
    const auto slide = [&](WORD key, int slot) -> Proof {
        return [=, this](const BoardShown &before) {
            player.pressOnBoard(key);
            return afterSlide(before, slot);
        };
    };
    struct Case {
        const char *what;
        std::function<void()> setUp;
        std::vector<WORD> keys;
        Proof proof;
    };
    const std::vector<Case> cases = {
        {"no game yet", [] {}, {std::begin(kAllArrows), std::end(kAllArrows)}, helpOpenedAndClosed},
        // The empty slot in the middle of the bottom row: nothing lies below.
        {"the bottom edge", [&] { player.choosePuzzle(2); }, {VK_UP, VK_NUMPAD8}, slide(VK_DOWN, 5)},
        // The empty slot at the end of the middle row: the next row's first
        // slot is not beside it.
        {"the right edge",
         [&] {
             player.pressOnBoard(VK_LEFT);
             EXPECT_TRUE(waitFor([&] { return player.slotName(6) == L"Empty"; }));
         },
         {VK_LEFT, VK_NUMPAD4},
         slide(VK_RIGHT, 5)},
        // Bird 4 slides up from slot 5: below the empty slot lies the hidden row.
        {"puzzle 1's hidden row",
         [&] {
             player.choosePuzzle(1);
             player.pressOnBoard(VK_UP);
             EXPECT_TRUE(waitFor([&] { return player.slotName(5) == L"Empty"; }));
         },
         {VK_UP, VK_NUMPAD8},
         slide(VK_DOWN, 2)},
        {"the help window open",
         [&] {
             player.choosePuzzle(2);
             player.pressOnBoard(VK_F1);
             EXPECT_TRUE(waitFor([&] { return !IsWindowEnabled(player.board()); })) << "no help window";
         },
         {VK_LEFT, VK_RIGHT, VK_DOWN},
         [&](const BoardShown &before) {
             pressKey(VK_ESCAPE);
             EXPECT_TRUE(waitFor([&] { return IsWindowEnabled(player.board()); })) << "the help stays open";
             return slide(VK_DOWN, 5)(before);
         }},
        {"the result window open",
         [&] {
             player.choosePuzzle(1);
             player.slideWithArrows(*solver::shortestSolution(1));
             EXPECT_TRUE(waitFor([&] { return player.resultWindow() != nullptr; }));
         },
         {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN},
         [&](const BoardShown &before) {
             EXPECT_TRUE(player.readAndCloseResult(VK_ESCAPE));
             return before;
         }},
        {"after the verdict", [] {}, {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN}, helpOpenedAndClosed},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.what);
        test.setUp();
        const BoardShown before = player.shown();
        for (const WORD key : test.keys)
            pressKey(key);
        const BoardShown expected = test.proof(before);
        EXPECT_EQ(player.shownOnceItIs(expected), expected);
    }
}

TEST_F(Keyboard, MouseAndKeyboardMovesCountTogether) {
    player.choosePuzzle(1);
    player.clickSlot(1);             // bird 1 slides right
    player.pressOnBoard(VK_LEFT);    // and back
    player.pressOnBoard(VK_NUMPAD8); // bird 4 slides up
    player.clickSlot(2);             // and down again
    BoardShown expected = startOf(1);
    expected[9] = L"4";
    EXPECT_EQ(player.shownOnceItIs(expected), expected);
}

} // namespace
} // namespace plumaro::testing
