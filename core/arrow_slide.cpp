// Arrow slides: the bird beside the empty slot on the side an arrow points away from.
#include "arrow_slide.h"

#include "grid.h"

namespace {

// The side of the empty slot the arrow's bird comes from: Left brings the bird on its right.
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

int slotSlidingToward(const Board &board, Arrow arrow) {
    int empty = 0;
    for (int slot = 1; slot <= Board::kSlotCount; ++slot)
        if (board.isEmpty(slot))
            empty = slot;
    const int slot = neighbour(empty, sideOf(arrow));
    const int source = board.source(slot);
    if (!board.isShown(slot) || source == 0 || source == Board::kEmptySource)
        return 0;
    return slot;
}
