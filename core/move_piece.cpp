// MovePiece: slides the clicked piece into a neighbouring empty slot.
#include <array>
#include <limits>

#include "core/module1.h"
#include "core/puzzle.h"

namespace {

// Slots left, right, above and below each slot, in the order they are tried; 0 ends a list.
constexpr std::array<std::array<std::int16_t, 4>, Board::kSlotCount> kNeighbours{{
    {2, 4, 0, 0}, // 1
    {1, 3, 5, 0}, // 2
    {2, 6, 0, 0}, // 3
    {1, 5, 7, 0}, // 4
    {2, 4, 6, 8}, // 5
    {3, 5, 9, 0}, // 6
    {4, 8, 0, 0}, // 7
    {5, 7, 9, 0}, // 8
    {6, 8, 0, 0}, // 9
}};

std::int16_t emptyNeighbour(const Board &board, std::int16_t index) {
    for (std::int16_t neighbour : kNeighbours[static_cast<std::size_t>(index - 1)]) {
        if (neighbour == 0)
            break;
        if (board.isEmpty(neighbour))
            return neighbour;
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
