// The game's state and its set-up.
#include "game.h"

#include "puzzles.h"

namespace plumaro {

Picture Game::at(int slot) const {
    return slot >= 1 && slot <= kSlotCount ? board[static_cast<std::size_t>(slot - 1)] : Picture::None;
}

int Game::emptySlot() const {
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (isEmpty(slot))
            return slot;
    return 0;
}

void Game::start(int number) {
    const Puzzle *chosen = puzzleNumbered(number);
    puzzle = number;
    board = chosen ? chosen->start : Board{};
    moves = 0;
    underWay = true;
    if (chosen && chosen->slot7MustStay)
        slot7Moved = false;
}

} // namespace plumaro
