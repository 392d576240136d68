// Breadth-first solver for the test programs: the fewest slot clicks that solve a puzzle.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace solver {

using Clicks = std::vector<std::int16_t>;

// What the search may do with the piece in slot 7 (in puzzle 3, moving it wakes the Emperor).
enum class Slot7 {
    Free,  // it may move or not
    Stays, // no piece ever leaves slot 7
    Moves, // a piece has left slot 7 at least once by the end, wherever it went after
};

// Shortest clicks from the start of `puzzle` (as InitNewGame lays it out) to a board goalReached
// accepts, searched over the board and whether a piece has left slot 7, with every click played
// through MovePiece. Nothing when no clicks reach the goal. Module1 is left as it was found.
std::optional<Clicks> shortestSolution(std::int16_t puzzle, Slot7 slot7 = Slot7::Free);

// `clicks` preceded by a piece next to the empty slot of the puzzle's starting board sliding out
// and straight back: two moves more, the same boards after them. With Slot7::Moves the piece in
// slot 7 makes that trip, with Slot7::Stays any other, with Slot7::Free the first that can.
// Nothing when no such piece is next to the empty slot. Module1 is left as it was found.
std::optional<Clicks> withDetour(std::int16_t puzzle, const Clicks &clicks, Slot7 slot7);

} // namespace solver
