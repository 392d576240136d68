// Board: slot and counter operations on the plain board data.
#include "board.h"

namespace {

bool isSlot(int slot) { return slot >= 1 && slot <= Board::kSlotCount; }

std::size_t at(int slot) { return static_cast<std::size_t>(slot - 1); }

} // namespace

int Board::source(int slot) const { return isSlot(slot) ? content[at(slot)] : 0; }

bool Board::shows(int slot, int wanted) const { return wanted != 0 && source(slot) == wanted; }

bool Board::isEmpty(int slot) const { return shows(slot, kEmptySource); }

bool Board::isShown(int slot) const { return isSlot(slot) && shown[at(slot)]; }

void Board::put(int slot, int newSource) {
    if (isSlot(slot) && newSource >= 1 && newSource <= kEmptySource) {
        content[at(slot)] = static_cast<std::int8_t>(newSource);
    }
}

void Board::copyPicture(int slot, int fromSlot) {
    if (isSlot(slot) && isSlot(fromSlot))
        content[at(slot)] = content[at(fromSlot)];
}

void Board::clear(int slot) {
    if (isSlot(slot))
        content[at(slot)] = 0;
}

void Board::show(int slot) {
    if (isSlot(slot))
        shown[at(slot)] = true;
}

void Board::hide(int slot) {
    if (isSlot(slot))
        shown[at(slot)] = false;
}

void Board::showCounter() { counterShown = true; }

void Board::setCounter(int count) { counterText = std::to_string(count); }
