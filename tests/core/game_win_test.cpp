// Goals and ratings: when a board counts as solved and what verdict each move count earns.
#include <algorithm>

#include "game_test.h"

namespace {

constexpr Sources kGoal1{1, 3, 5, 4, 9, 2, 0, 0, 0};
constexpr Sources kGoal2{1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr Sources kGoal3{3, 2, 1, 4, 9, 8, 5, 6, 7};

class Goals : public GameTest {
protected:
    // Judges the board as if it were reached in a par-or-above number of moves.
    static bool solved(std::int16_t puzzle, const Board &board) {
        Module1::PuzzleNumber = puzzle;
        Module1::MoveCount = 30;
        return verdictFor(board).has_value();
    }
};

TEST_F(Goals, Puzzle1OnlyWantsBird5InSlot3AndBird2InSlot6) {
    std::array<int, 4> others{1, 3, 4, 9};
    do {
        Board board = boardShowing({others[0], others[1], 5, others[2], others[3], 2, 0, 0, 0});
        for (int slot = 7; slot <= 9; ++slot)
            board.hide(slot);
        EXPECT_TRUE(solved(1, board)) << testing::PrintToString(sourcesOf(board));
    } while (std::next_permutation(others.begin(), others.end()));

    EXPECT_FALSE(solved(1, boardShowing({1, 3, 2, 4, 9, 5, 0, 0, 0})));
}

TEST_F(Goals, Puzzle2WantsBirds1To8InOrderWhateverSlot9Holds) {
    Board board = boardShowing(kGoal2);
    EXPECT_TRUE(solved(2, board));
    board.clear(9);
    EXPECT_TRUE(solved(2, board));
    EXPECT_FALSE(solved(2, boardShowing({1, 2, 3, 4, 5, 6, 8, 7, 9})));
}

TEST_F(Goals, Puzzle3WantsTheEmptySlotInTheCentre) {
    Board board = boardShowing(kGoal3);
    EXPECT_TRUE(solved(3, board));
    EXPECT_FALSE(solved(3, boardShowing({3, 9, 1, 4, 2, 8, 5, 6, 7})));
    board.clear(5); // a slot without a picture is not the empty one
    EXPECT_FALSE(solved(3, board));
}

TEST_F(Goals, AnyOtherPuzzleNumberIsNeverSolved) {
    for (std::int16_t puzzle : {0, 4, -1}) {
        for (const Sources &goal : {kGoal1, kGoal2, kGoal3}) {
            EXPECT_FALSE(solved(puzzle, boardShowing(goal))) << "puzzle " << puzzle;
        }
    }
}

class Ratings : public GameTest {};

TEST_F(Ratings, EachSolvedPuzzleIsRatedAgainstItsPar) {
    constexpr std::int16_t kMoved = Module1::kTrue;
    constexpr std::int16_t kStill = Module1::kFalse;
    struct Row {
        std::int16_t puzzle;
        std::int16_t moves;
        std::int16_t slot7Moved;
        std::optional<Verdict> verdict;
    };
    const Row rows[] = {
        {1, 17, kStill, kWellDone1},
        {1, 17, kMoved, kWellDone1},
        {1, 18, kStill, kGoodTry2},
        {1, 16, kStill, std::nullopt},
        {1, 0, kStill, std::nullopt},
        {2, 23, kMoved, kWellDone3},
        {2, 24, kStill, kGoodTry2},
        {2, 22, kStill, std::nullopt},
        {3, 17, kStill, kWellDone1},
        {3, 18, kStill, kGoodTry2},
        {3, 32767, kStill, kGoodTry2},
        {3, 16, kStill, std::nullopt},
        {3, 16, kMoved, std::nullopt},
        {3, 17, kMoved, kGoodTry4},
        {3, 40, kMoved, kGoodTry4},
        // Only -1 is ever stored, but any non-zero value counts as true.
        {3, 17, 1, kGoodTry4},
    };
    for (const Row &row : rows) {
        const Board board = boardShowing(row.puzzle == 1 ? kGoal1 : row.puzzle == 2 ? kGoal2 : kGoal3);
        Module1::PuzzleNumber = row.puzzle;
        Module1::MoveCount = row.moves;
        Module1::Slot7Moved = row.slot7Moved;
        EXPECT_EQ(verdictFor(board), row.verdict)
            << "puzzle " << row.puzzle << ", " << row.moves << " moves, Slot7Moved " << row.slot7Moved;
    }
}

TEST_F(Ratings, AVerdictLeavesTheGameRunningUntilItIsEnded) {
    const Board board = boardShowing(kGoal2);
    Module1::PuzzleNumber = 2;
    Module1::MoveCount = 23;
    Module1::GameActive = Module1::kTrue;

    EXPECT_EQ(verdictFor(board), kWellDone3);
    EXPECT_EQ(verdictFor(board), kWellDone3);
    EXPECT_EQ(Module1::GameActive, Module1::kTrue);
    EXPECT_EQ(Module1::MoveCount, 23);

    EndGame();
    EXPECT_EQ(Module1::GameActive, Module1::kFalse);
    EXPECT_EQ(Module1::PuzzleNumber, 2);
}

} // namespace
