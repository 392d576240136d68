// Setting up a game: each puzzle's layout, the visible slots, the counter and Module1.
#include <algorithm>

#include "game_test.h"

namespace {

class NewGame : public GameTest {};

// Which bird starts where is proven by the solver (solutions_test): the
// pars are the fewest moves from these starts.
TEST_F(NewGame, LaysOutEachBirdOnceAndShowsOnlySlotsWithAPicture) {
    for (std::int16_t puzzle : {1, 2, 3}) {
        SCOPED_TRACE(puzzle);
        const Board board = newGame(puzzle);
        const int birds = puzzle == 1 ? 5 : 8;
        Sources expected{};
        for (int source = 1; source <= birds; ++source)
            expected[static_cast<std::size_t>(source - 1)] = source;
        expected[static_cast<std::size_t>(birds)] = Board::kEmptySource;
        Sources sorted = sourcesOf(board);
        std::sort(sorted.begin(), sorted.end(), [](int a, int b) { return a != 0 && (b == 0 || a < b); });
        EXPECT_EQ(sorted, expected);
        for (int slot = 1; slot <= Board::kSlotCount; ++slot)
            EXPECT_EQ(board.isShown(slot), board.source(slot) != 0) << "slot " << slot;
        EXPECT_TRUE(board.counterShown);
        EXPECT_EQ(board.counterText, "0");
        EXPECT_EQ(Module1::GameActive, Module1::kTrue);
        EXPECT_EQ(Module1::MoveCount, 0);
    }
}

TEST_F(NewGame, RestartingMidGameRestoresTheLayoutAndCounter) {
    const Board start = newGame(3);
    Board board = start;
    play(board, {5, 4, 1});
    ASSERT_EQ(board.counterText, "3");
    EndGame();
    Module1::HelpMode = 1;

    InitNewGame(board);

    EXPECT_EQ(board, start);
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
