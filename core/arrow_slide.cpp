// Arrow slides: the bird beside the empty slot on the side an arrow points away from.
#include "core/arrow_slide.h"

int slotSlidingToward(const Board &board, Arrow arrow) {
    int empty = 0;
    for (int slot = 1; slot <= Board::kSlotCount; ++slot)
        if (board.isEmpty(slot))
            empty = slot;
    if (empty == 0)
        return 0;

    int row = (empty - 1) / 3, column = (empty - 1) % 3;
    switch (arrow) {
    case Arrow::Left:
        ++column;
        break;
    case Arrow::Right:
        --column;
        break;
    case Arrow::Up:
        ++row;
        break;
    case Arrow::Down:
        --row;
        break;
    }
    if (row < 0 || row > 2 || column < 0 || column > 2)
        return 0;
    const int slot = 3 * row + column + 1;
    const int source = board.source(slot);
    if (!board.isShown(slot) || source == 0 || source == Board::kEmptySource)
        return 0;
    return slot;
}
