// Setting up a game: each puzzle's layout, the visible slots, the counter and Module1.
#include "tests/core/game_test.h"

namespace {

class NewGame : public GameTest {};

TEST_F(NewGame, LaysOutThePuzzleAndShowsOnlySlotsWithAPicture) {
    struct Case {
        std::int16_t puzzle;
        Sources layout;
        Shown shown;
    };
    const Case cases[] = {
        {1, {1, 9, 2, 3, 4, 5, 0, 0, 0}, {true, true, true, true, true, true, false, false, false}},
        {2, {7, 5, 6, 8, 3, 2, 4, 9, 1}, {true, true, true, true, true, true, true, true, true}},
        {3, {2, 4, 8, 1, 7, 6, 5, 9, 3}, {true, true, true, true, true, true, true, true, true}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.puzzle);
        const Board board = newGame(c.puzzle);
        EXPECT_EQ(sourcesOf(board), c.layout);
        EXPECT_EQ(shownOf(board), c.shown);
        EXPECT_TRUE(board.counterShown);
        EXPECT_EQ(board.counterText, "0");
        EXPECT_EQ(Module1::GameActive, Module1::kTrue);
        EXPECT_EQ(Module1::MoveCount, 0);
    }
}

TEST_F(NewGame, RestartingMidGameRestoresTheLayoutAndCounter) {
    Board board = newGame(3);
    play(board, {5, 4, 1});
    ASSERT_EQ(board.counterText, "3");
    EndGame();
    Module1::HelpMode = 1;

    InitNewGame(board);

    EXPECT_EQ(sourcesOf(board), (Sources{2, 4, 8, 1, 7, 6, 5, 9, 3}));
    EXPECT_EQ(board.counterText, "0");
    EXPECT_EQ(Module1::MoveCount, 0);
    EXPECT_EQ(Module1::GameActive, Module1::kTrue);
    EXPECT_EQ(Module1::PuzzleNumber, 3);
    EXPECT_EQ(Module1::HelpMode, 1);
}

TEST_F(NewGame, Puzzle1AfterPuzzle2LeavesTheBottomRowHiddenWithoutPictures) {
    Board board = newGame(2);
    Module1::PuzzleNumber = 1;
    InitNewGame(board);
    for (int slot = 7; slot <= 9; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_FALSE(board.isShown(slot));
        EXPECT_EQ(board.source(slot), 0);
        EXPECT_FALSE(board.isEmpty(slot));
    }
}

TEST_F(NewGame, OnlyPuzzle3ClearsSlot7Moved) {
    for (std::int16_t puzzle : {1, 2}) {
        Module1::Slot7Moved = Module1::kTrue;
        newGame(puzzle);
        EXPECT_EQ(Module1::Slot7Moved, Module1::kTrue) << "puzzle " << puzzle;
    }
    newGame(3);
    EXPECT_EQ(Module1::Slot7Moved, Module1::kFalse);
}

TEST_F(NewGame, AnyOtherPuzzleNumberLeavesEverySlotHiddenAndBlank) {
    for (std::int16_t puzzle : {0, 4, -1}) {
        SCOPED_TRACE(puzzle);
        Board board = newGame(2);
        Module1::PuzzleNumber = puzzle;
        InitNewGame(board);
        EXPECT_EQ(sourcesOf(board), Sources{});
        EXPECT_EQ(shownOf(board), Shown{});
        EXPECT_EQ(board.counterText, "0");
        EXPECT_EQ(Module1::GameActive, Module1::kTrue);
    }
}

} // namespace
