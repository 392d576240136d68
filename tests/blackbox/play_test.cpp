// Playing plumaro.exe with the mouse: moves, the click gesture, new games
// and the result window's verdicts.
#include <gtest/gtest.h>

#include "tests/support/board_player.h"
#include "tests/support/solver.h"

namespace plumaro::testing {
namespace {

using solver::Slot7;

std::vector<std::wstring> startOf(int puzzle) {
    switch (puzzle) {
    case 1:
        return {L"Bird 1", L"Empty",      L"Bird 2",     L"Bird 3",    L"Bird 4",
                L"Bird 5", L"No picture", L"No picture", L"No picture"};
    case 2:
        return {L"Bird 7", L"Bird 5", L"Bird 6", L"Bird 8", L"Bird 3", L"Bird 2", L"Bird 4", L"Empty", L"Bird 1"};
    default:
        return {L"Bird 2", L"Bird 4", L"Bird 8", L"Bird 1", L"Bird 7", L"Bird 6", L"Bird 5", L"Empty", L"Bird 3"};
    }
}

class Playing : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(player.board(), nullptr); }

    void expectClickIgnored(int slot) {
        const auto before = player.slotNames();
        const auto moves = player.moves();
        player.clickSlot(slot);
        EXPECT_EQ(player.slotNames(), before) << "after a click on slot " << slot;
        EXPECT_EQ(player.moves(), moves);
        EXPECT_EQ(player.resultWindow(), nullptr);
    }

    BoardPlayer player;
};

TEST_F(Playing, EachPuzzleLaysOutItsStartAndShowsOnlyItsSlots) {
    for (int puzzle : {1, 2, 3}) {
        player.choosePuzzle(puzzle);
        EXPECT_EQ(player.slotNames(), startOf(puzzle)) << "puzzle " << puzzle;
        for (int slot = 1; slot <= 9; ++slot)
            EXPECT_EQ(player.slotVisible(slot), puzzle != 1 || slot <= 6) << "puzzle " << puzzle << " slot " << slot;
        EXPECT_TRUE(player.movesVisible());
        EXPECT_EQ(player.moves(), L"0");
    }
}

TEST_F(Playing, AClickOnABirdNextToTheEmptySlotMovesIt) {
    player.choosePuzzle(1);
    player.clickSlot(1);
    EXPECT_EQ(player.slotName(1), L"Empty");
    EXPECT_EQ(player.slotName(2), L"Bird 1");
    EXPECT_EQ(player.moves(), L"1");
    player.clickSlot(4);
    EXPECT_EQ(player.slotName(1), L"Bird 3");
    EXPECT_EQ(player.slotName(4), L"Empty");
    EXPECT_EQ(player.moves(), L"2");
}

TEST_F(Playing, ClicksThatCannotMoveChangeNothing) {
    player.choosePuzzle(2);
    expectClickIgnored(1); // no empty neighbour
    expectClickIgnored(8); // the empty slot itself
    clickAt(player.backgroundPoint());
    EXPECT_EQ(player.slotNames(), startOf(2));
}

TEST_F(Playing, APressReleasedOnAnotherBirdMovesNothing) {
    player.choosePuzzle(2);
    moveMouseTo(player.slotCentre(5));
    mouseDown();
    moveMouseTo(player.slotCentre(4));
    mouseUp();
    EXPECT_EQ(player.slotNames(), startOf(2));
    EXPECT_EQ(player.moves(), L"0");

    // Leaving the bird and coming back before the release does not count either.
    moveMouseTo(player.slotCentre(5));
    mouseDown();
    moveMouseTo(player.backgroundPoint());
    moveMouseTo(player.slotCentre(5));
    mouseUp();
    EXPECT_EQ(player.slotNames(), startOf(2));
}

TEST_F(Playing, ANewGameMidGameRestoresTheStart) {
    player.choosePuzzle(3);
    player.clickSlots({5, 4});
    ASSERT_EQ(player.moves(), L"2");
    player.choosePuzzle(3);
    EXPECT_EQ(player.slotNames(), startOf(3));
    EXPECT_EQ(player.moves(), L"0");

    player.choosePuzzle(1);
    for (int slot = 7; slot <= 9; ++slot)
        EXPECT_FALSE(player.slotVisible(slot)) << "slot " << slot;
}

TEST_F(Playing, ThePointerIsTheHandOverBirdsOnly) {
    player.choosePuzzle(2);
    moveMouseTo(player.backgroundPoint());
    settle(100ms);
    const HCURSOR background = cursorShown();
    moveMouseTo(player.slotCentre(5));
    ASSERT_TRUE(waitFor([&] { return cursorShown() != background; })) << "no hand over a bird";
    const HCURSOR hand = cursorShown();
    moveMouseTo(player.slotCentre(8));
    EXPECT_TRUE(waitFor([&] { return cursorShown() == background; })) << "the hand over the empty slot";
    moveMouseTo(player.slotCentre(1));
    EXPECT_TRUE(waitFor([&] { return cursorShown() == hand; })) << "no hand over another bird";
}

struct Game {
    const char *name;
    int puzzle;
    Slot7 path;   // the shortest solution the solver finds under this rule
    Slot7 detour; // and, unless Free, a bird sliding out and back first
    bool withDetour;
    const wchar_t *message;
    int picture;
};

class PlayingToTheEnd : public Playing, public ::testing::WithParamInterface<Game> {};

TEST_P(PlayingToTheEnd, TheResultWindowRatesTheSolution) {
    const Game &game = GetParam();
    auto clicks = solver::shortestSolution(static_cast<std::int16_t>(game.puzzle), game.path);
    ASSERT_TRUE(clicks);
    if (game.withDetour) {
        clicks = solver::withDetour(static_cast<std::int16_t>(game.puzzle), *clicks, game.detour);
        ASSERT_TRUE(clicks);
    }
    player.choosePuzzle(game.puzzle);
    const std::vector<std::int16_t> allButLast(clicks->begin(), clicks->end() - 1);
    player.clickSlots(allButLast);
    ASSERT_EQ(player.resultWindow(), nullptr) << "rated before the last move";
    player.clickSlot(clicks->back());

    const auto result = player.readAndCloseResult();
    ASSERT_TRUE(result) << "no result window after " << player.moves() << " of " << clicks->size() << " moves";
    EXPECT_EQ(result->message, game.message);
    EXPECT_EQ(result->picture, game.picture);
    EXPECT_EQ(result->client.cx, 340);
    EXPECT_EQ(result->client.cy, 204);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR(result->window.left, screenWidth - result->window.right, 1);
    EXPECT_NEAR(result->window.top, screenHeight - result->window.bottom, 1);
    EXPECT_EQ(player.moves(), std::to_wstring(clicks->size()));
}

INSTANTIATE_TEST_SUITE_P(
    Games, PlayingToTheEnd,
    ::testing::Values(Game{"Puzzle1AtPar", 1, Slot7::Free, Slot7::Free, false, L"WELL DONE", 1},
                      Game{"Puzzle2AtPar", 2, Slot7::Free, Slot7::Free, false, L"WELL DONE", 3},
                      Game{"Puzzle3AtPar", 3, Slot7::Stays, Slot7::Free, false, L"WELL DONE", 1},
                      Game{"Puzzle2AbovePar", 2, Slot7::Free, Slot7::Stays, true, L"GOOD TRY", 2},
                      Game{"Puzzle3AboveParSleeping", 3, Slot7::Stays, Slot7::Stays, true, L"GOOD TRY", 2},
                      Game{"Puzzle3Woken", 3, Slot7::Moves, Slot7::Free, false, L"GOOD TRY", 4},
                      Game{"Puzzle3WokenAndBack", 3, Slot7::Stays, Slot7::Moves, true, L"GOOD TRY", 4}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Playing, AfterTheResultClicksDoNothingUntilANewGame) {
    const auto clicks = solver::shortestSolution(1);
    ASSERT_TRUE(clicks);
    player.choosePuzzle(1);
    player.clickSlots(*clicks);
    ASSERT_TRUE(player.readAndCloseResult(VK_RETURN));
    const auto finalLayout = player.slotNames();
    EXPECT_EQ(finalLayout[2], L"Bird 5");
    EXPECT_EQ(finalLayout[5], L"Bird 2");

    for (int slot = 1; slot <= 6; ++slot)
        expectClickIgnored(slot);
    EXPECT_EQ(player.moves(), L"17");

    player.choosePuzzle(1);
    EXPECT_EQ(player.slotNames(), startOf(1));
    player.clickSlot(1);
    EXPECT_EQ(player.moves(), L"1");
}

TEST_F(Playing, TheBoardTakesNoInputWhileTheResultIsOpen) {
    const auto clicks = solver::shortestSolution(1);
    ASSERT_TRUE(clicks);
    player.choosePuzzle(1);
    player.clickSlots(*clicks);
    HWND result = nullptr;
    for (int tries = 0; tries < 50 && !result; ++tries, settle(20ms))
        result = player.resultWindow();
    ASSERT_NE(result, nullptr);
    EXPECT_FALSE(IsWindowEnabled(player.board()));

    const auto layout = player.slotNames();
    player.clickSlot(2); // beside the empty slot, under no part of the dialog
    EXPECT_EQ(player.slotNames(), layout);
    ASSERT_TRUE(player.readAndCloseResult(VK_ESCAPE));
    EXPECT_TRUE(IsWindowEnabled(player.board()));
}

} // namespace
} // namespace plumaro::testing
