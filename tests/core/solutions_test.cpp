// Solutions found by breadth-first search: the pars are the true minimum,
// and played move by move they earn the results the ratings promise.
#include <map>
#include <utility>

#include "game_test.h"
#include "solver.h"

namespace plumaro {
namespace {

using solver::Clicks;
using solver::Slot7;

// Searched once per puzzle and rule for the whole test program.
const Clicks &shortest(int puzzle, Slot7 slot7 = Slot7::Free) {
    static std::map<std::pair<int, Slot7>, Clicks> found;
    const auto key = std::make_pair(puzzle, slot7);
    if (!found.contains(key))
        found[key] = solver::shortestSolution(puzzle, slot7).value();
    return found[key];
}

Clicks detour(int puzzle, const Clicks &clicks, Slot7 slot7) { return solver::withDetour(puzzle, clicks, slot7).value(); }

// Plays a new game click by click, judging after each move as the board
// window does, and returns the result after the last click.
std::optional<Result> playThrough(int puzzle, const Clicks &clicks) {
    Game game = newGame(puzzle);
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        EXPECT_TRUE(game.move(clicks[i])) << "click " << i + 1 << " slid nothing";
        if (i + 1 < clicks.size()) {
            EXPECT_EQ(game.result(), std::nullopt) << "after click " << i + 1;
        }
    }
    return game.result();
}

TEST(Solutions, TheParsAreTheFewestMovesPossible) {
    EXPECT_EQ(shortest(1).size(), 17u);
    EXPECT_EQ(shortest(2).size(), 23u);
    EXPECT_EQ(shortest(3).size(), 17u);
    EXPECT_EQ(shortest(3, Slot7::Stays).size(), 17u);
    EXPECT_GE(shortest(3, Slot7::Moves).size(), 19u);
}

TEST(Solutions, SolvingInParIsWellDone) {
    EXPECT_EQ(playThrough(1, shortest(1)), kWellDoneIn17);
    EXPECT_EQ(playThrough(2, shortest(2)), kWellDoneIn23);
    EXPECT_EQ(playThrough(3, shortest(3)), kWellDoneIn17);
}

TEST(Solutions, SolvingAboveParIsAGoodTry) {
    EXPECT_EQ(playThrough(1, detour(1, shortest(1), Slot7::Stays)), kFewerMoves);
    EXPECT_EQ(playThrough(2, detour(2, shortest(2), Slot7::Stays)), kFewerMoves);

    const Clicks puzzle3In19 = detour(3, shortest(3, Slot7::Stays), Slot7::Stays);
    ASSERT_EQ(puzzle3In19.size(), 19u);
    EXPECT_EQ(playThrough(3, puzzle3In19), kFewerMoves);
}

TEST(Solutions, MovingTheBirdInSlot7OfPuzzle3WakesTheEmperor) {
    EXPECT_EQ(playThrough(3, shortest(3, Slot7::Moves)), kEmperorWoken);

    // Even slid straight back before anything else, it counts as moved.
    const Clicks outAndBack = detour(3, shortest(3, Slot7::Stays), Slot7::Moves);
    ASSERT_EQ(outAndBack.front(), 7);
    EXPECT_EQ(playThrough(3, outAndBack), kEmperorWoken);
}

TEST(Solutions, Puzzle1KeepsItsBottomRowWithoutPicturesThroughout) {
    Game game = newGame(1);
    for (int click : shortest(1)) {
        game.move(click);
        for (int slot = 7; slot <= 9; ++slot)
            EXPECT_EQ(game.at(slot), Picture::None);
    }
}

} // namespace
} // namespace plumaro
