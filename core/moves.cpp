// The move rule, by click and by arrow key.
#include "game.h"
#include "grid.h"

namespace plumaro {

namespace {

// The side of the empty slot the arrow's bird comes from: Left brings the
// bird on its right.
Side sideOf(Arrow arrow) {
    switch (arrow) {
    case Arrow::Left:
        return Side::Right;
    case Arrow::Right:
        return Side::Left;
    case Arrow::Up:
        return Side::Below;
    case Arrow::Down:
        break;
    }
    return Side::Above;
}

} // namespace

bool Game::move(int slot) {
    // A slot without a picture has no bird to slide, and sliding "nothing"
    // would lose the empty slot into puzzle 1's hidden row.
    if (!showsBird(slot))
        return false;
    for (const Side side : kSides) {
        const int target = neighbour(slot, side);
        if (!isEmpty(target))
            continue;
        board[static_cast<std::size_t>(target - 1)] = at(slot);
        board[static_cast<std::size_t>(slot - 1)] = Picture::Empty;
        if (slot == 7)
            slot7Moved = true;
        if (moves < kMostMoves)
            ++moves;
        return true;
    }
    return false;
}

int Game::slotSlidingToward(Arrow arrow) const {
    const int slot = neighbour(emptySlot(), sideOf(arrow));
    return showsBird(slot) ? slot : 0;
}

} // namespace plumaro
