// Breadth-first solver for the test programs: the fewest slot clicks that solve a puzzle.
#pragma once

#include <optional>
#include <vector>

namespace solver {

using Clicks = std::vector<int>;

// What the search may do with the bird in slot 7 (in puzzle 3, moving it wakes the Emperor).
enum class Slot7 {
    Free,  // it may move or not
    Stays, // no bird ever leaves slot 7
    Moves, // a bird has left slot 7 at least once by the end, wherever it went after
};

// Shortest clicks from the start of `puzzle` to a board that shows its goal, searched over the
// board and whether a bird has left slot 7, with every click played by the move rule. Nothing
// when no clicks reach the goal.
std::optional<Clicks> shortestSolution(int puzzle, Slot7 slot7 = Slot7::Free);

// `clicks` preceded by a bird next to the empty slot of the puzzle's start sliding out and
// straight back: two moves more, the same boards after them. With Slot7::Moves the bird in slot
// 7 makes that trip, with Slot7::Stays any other, with Slot7::Free the first that can. Nothing
// when no such bird is next to the empty slot.
std::optional<Clicks> withDetour(int puzzle, const Clicks &clicks, Slot7 slot7);

} // namespace solver
