// Setting up a game: each puzzle's start, the count, and what carries over.
#include <algorithm>

#include "game_test.h"

namespace plumaro {
namespace {

// Which bird starts where is proven by the solver (solutions_test): the pars
// are the fewest moves from these starts.
TEST(SetUp, LaysOutEachBirdOnceAndStartsTheCountUnderWay) {
    for (int puzzle : {1, 2, 3}) {
        SCOPED_TRACE(puzzle);
        const Game game = newGame(puzzle);
        const int birds = puzzle == 1 ? 5 : 8;
        Numbers expected{};
        for (int number = 1; number <= birds; ++number)
            expected[static_cast<std::size_t>(number - 1)] = number;
        expected[static_cast<std::size_t>(birds)] = 9;
        Numbers sorted = numbersOf(game);
        std::sort(sorted.begin(), sorted.end(), [](int a, int b) { return a != 0 && (b == 0 || a < b); });
        EXPECT_EQ(sorted, expected);
        EXPECT_EQ(game.puzzle, puzzle);
        EXPECT_TRUE(game.underWay);
        EXPECT_EQ(game.moves, 0);
    }
}

TEST(SetUp, RestartingMidGameRestoresTheStart) {
    const Game start = newGame(3);
    Game game = start;
    play(game, {5, 4, 1});
    ASSERT_EQ(game.moves, 3);
    game.end();

    game.start(3);

    EXPECT_EQ(game, start);
}

TEST(SetUp, Puzzle1AfterPuzzle2LeavesTheBottomRowWithoutPictures) {
    Game game = newGame(2);
    game.start(1);
    for (int slot = 7; slot <= 9; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(game.at(slot), Picture::None);
        EXPECT_FALSE(game.isEmpty(slot));
    }
}

TEST(SetUp, OnlyPuzzle3ForgetsThatABirdLeftSlot7) {
    for (int puzzle : {1, 2}) {
        Game game;
        game.slot7Moved = true;
        game.start(puzzle);
        EXPECT_TRUE(game.slot7Moved) << "puzzle " << puzzle;
    }
    Game game;
    game.slot7Moved = true;
    game.start(3);
    EXPECT_FALSE(game.slot7Moved);
}

TEST(SetUp, AnyOtherPuzzleNumberLeavesEverySlotWithoutAPicture) {
    for (int puzzle : {0, 4, -1}) {
        SCOPED_TRACE(puzzle);
        Game game = newGame(2);
        game.start(puzzle);
        EXPECT_EQ(numbersOf(game), Numbers{});
        EXPECT_EQ(game.emptySlot(), 0);
        EXPECT_TRUE(game.underWay);
    }
}

} // namespace
} // namespace plumaro
