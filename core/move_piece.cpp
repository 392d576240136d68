// MovePiece: slides the clicked piece into a neighbouring empty slot.
#include <limits>

#include "grid.h"
#include "module1.h"
#include "puzzle.h"

namespace {

// The first side of the slot, in the grid's order, that holds the empty slot.
std::int16_t emptyNeighbour(const Board &board, std::int16_t index) {
    for (const Side side : kSides) {
        const int slot = neighbour(index, side);
        if (slot != 0 && board.isEmpty(slot))
            return static_cast<std::int16_t>(slot);
    }
    return 0;
}

} // namespace

void MovePiece(Board &board, std::int16_t index) {
    if (index < 1 || index > Board::kSlotCount)
        return;
    // Only hidden slots lack a picture; sliding "nothing" would blank a visible slot and lose
    // the empty one into the hidden row.
    if (board.source(index) == 0)
        return;
    const std::int16_t target = emptyNeighbour(board, index);
    if (target == 0)
        return;

    board.copyPicture(target, index);
    if (index == 7)
        Module1::Slot7Moved = Module1::kTrue;
    board.put(index, Board::kEmptySource);
    if (Module1::MoveCount < std::numeric_limits<std::int16_t>::max())
        ++Module1::MoveCount;
    board.setCounter(Module1::MoveCount);
}
