// Goals and ratings: when a board counts as solved and what result each
// count of moves earns.
#include <algorithm>

#include "game_test.h"

namespace plumaro {
namespace {

constexpr Numbers kGoal1{1, 3, 5, 4, 9, 2, 0, 0, 0};
constexpr Numbers kGoal2{1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr Numbers kGoal3{3, 2, 1, 4, 9, 8, 5, 6, 7};

// Whether the board counts as solved, whatever the count.
bool solved(int puzzle, const Numbers &numbers) { return goalReached(boardOf(numbers), puzzle); }

TEST(Goals, Puzzle1OnlyWantsBird5InSlot3AndBird2InSlot6) {
    std::array<int, 4> others{1, 3, 4, 9};
    do {
        const Numbers board{others[0], others[1], 5, others[2], others[3], 2, 0, 0, 0};
        EXPECT_TRUE(solved(1, board)) << testing::PrintToString(board);
    } while (std::next_permutation(others.begin(), others.end()));

    EXPECT_FALSE(solved(1, {1, 3, 2, 4, 9, 5, 0, 0, 0}));
}

TEST(Goals, Puzzle2WantsBirds1To8InOrderWhateverSlot9Holds) {
    EXPECT_TRUE(solved(2, kGoal2));
    EXPECT_TRUE(solved(2, {1, 2, 3, 4, 5, 6, 7, 8, 0}));
    EXPECT_FALSE(solved(2, {1, 2, 3, 4, 5, 6, 8, 7, 9}));
}

TEST(Goals, Puzzle3WantsTheEmptySlotInTheCentre) {
    EXPECT_TRUE(solved(3, kGoal3));
    EXPECT_FALSE(solved(3, {3, 9, 1, 4, 2, 8, 5, 6, 7}));
    // A slot without a picture is not the empty one.
    EXPECT_FALSE(solved(3, {3, 2, 1, 4, 0, 8, 5, 6, 7}));
}

TEST(Goals, AnyOtherPuzzleNumberIsNeverSolved) {
    for (int puzzle : {0, 4, -1}) {
        for (const Numbers &goal : {kGoal1, kGoal2, kGoal3}) {
            EXPECT_FALSE(solved(puzzle, goal)) << "puzzle " << puzzle;
        }
    }
}

TEST(Ratings, EachSolvedPuzzleIsRatedAgainstItsPar) {
    struct Row {
        int puzzle;
        int moves;
        bool slot7Moved;
        std::optional<Result> result;
    };
    const Row rows[] = {
        {1, 17, false, kWellDoneIn17},
        {1, 17, true, kWellDoneIn17},
        {1, 18, false, kFewerMoves},
        {1, 16, false, std::nullopt},
        {1, 0, false, std::nullopt},
        {2, 23, true, kWellDoneIn23},
        {2, 24, false, kFewerMoves},
        {2, 22, false, std::nullopt},
        {3, 17, false, kWellDoneIn17},
        {3, 18, false, kFewerMoves},
        {3, kMostMoves, false, kFewerMoves},
        {3, 16, false, std::nullopt},
        {3, 16, true, std::nullopt},
        {3, 17, true, kEmperorWoken},
        {3, 40, true, kEmperorWoken},
    };
    for (const Row &row : rows) {
        Game game = gameShowing(row.puzzle == 1 ? kGoal1 : row.puzzle == 2 ? kGoal2 : kGoal3, row.puzzle);
        game.moves = row.moves;
        game.slot7Moved = row.slot7Moved;
        EXPECT_EQ(game.result(), row.result)
            << "puzzle " << row.puzzle << ", " << row.moves << " moves, slot 7 moved: " << row.slot7Moved;
    }
}

} // namespace
} // namespace plumaro
