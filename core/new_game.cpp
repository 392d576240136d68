// InitNewGame: lays out the starting board of each puzzle.
#include <array>

#include "module1.h"
#include "puzzle.h"

namespace {

// Source put into slots 1..9 at the start of each puzzle; 0 leaves the slot without a picture.
constexpr std::array<std::array<int, Board::kSlotCount>, 3> kLayouts{{
    {1, 9, 2, 3, 4, 5, 0, 0, 0},
    {7, 5, 6, 8, 3, 2, 4, 9, 1},
    {2, 4, 8, 1, 7, 6, 5, 9, 3},
}};

} // namespace

void InitNewGame(Board &board) {
    for (int slot = 1; slot <= Board::kSlotCount; ++slot)
        board.hide(slot);
    for (int slot = 1; slot <= Board::kSlotCount; ++slot)
        board.clear(slot);
    Module1::GameActive = Module1::kTrue;
    Module1::MoveCount = 0;
    board.showCounter();
    board.setCounter(Module1::MoveCount);

    const int puzzle = Module1::PuzzleNumber;
    if (puzzle < 1 || puzzle > static_cast<int>(kLayouts.size()))
        return;

    const auto &layout = kLayouts[static_cast<std::size_t>(puzzle - 1)];
    for (int slot = 1; slot <= Board::kSlotCount; ++slot) {
        board.put(slot, layout[static_cast<std::size_t>(slot - 1)]);
    }
    // Puzzle 1 only uses the top two rows; its bottom row stays hidden.
    for (int slot = 1; slot <= Board::kSlotCount; ++slot) {
        if (board.source(slot) != 0)
            board.show(slot);
    }
    if (puzzle == 3)
        Module1::Slot7Moved = Module1::kFalse;
}
