// Solutions found by breadth-first search: the pars are the true minimum.
// Played move by move on the real program, they earn the results the
// ratings promise (tests/blackbox/play_test.cpp).
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

TEST(Solutions, TheParsAreTheFewestMovesPossible) {
    EXPECT_EQ(shortest(1).size(), 17u);
    EXPECT_EQ(shortest(2).size(), 23u);
    EXPECT_EQ(shortest(3).size(), 17u);
    EXPECT_EQ(shortest(3, Slot7::Stays).size(), 17u);
    EXPECT_GE(shortest(3, Slot7::Moves).size(), 19u);
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
