// The spoken texts: moves, refusals, the board read row by row and the count.
#include "spoken_texts.h"

#include "texts.h"

namespace plumaro {

namespace {

std::wstring number(int value) { return std::to_wstring(value); }

std::wstring movesText(int moves) { return formatText(moves == 1 ? IDS_ONE_MOVE : IDS_MANY_MOVES, {number(moves)}); }

// Which way a bird went from one slot to its neighbour.
UINT way(int from, int to) {
    if (to == from - 1)
        return IDS_WAY_LEFT;
    if (to == from + 1)
        return IDS_WAY_RIGHT;
    return to < from ? IDS_WAY_UP : IDS_WAY_DOWN;
}

std::wstring emptySlotText(const Game &game) {
    const int slot = game.emptySlot();
    return formatText(IDS_EMPTY_AT, {number((slot - 1) / 3 + 1), number((slot - 1) % 3 + 1)});
}

std::wstring countSoFar(const Game &game) {
    return formatText(IDS_GAME_SO_FAR, {number(game.puzzle), movesText(game.moves), number(parOf(game.puzzle))});
}

std::wstring gameOverText() { return formatText(IDS_GAME_OVER, {loadText(IDS_CHOOSE_PUZZLE)}); }

} // namespace

std::wstring slotName(const Game &game, int slot) {
    if (game.isEmpty(slot))
        return loadText(IDS_SLOT_EMPTY);
    if (!game.showsBird(slot))
        return loadText(IDS_SLOT_NO_PICTURE);
    return formatText(IDS_SLOT_BIRD, {number(birdNumber(game.at(slot)))});
}

std::wstring movedText(const Game &game, int from, int to) {
    return formatText(IDS_MOVED, {slotName(game, to), loadText(way(from, to)), movesText(game.moves)});
}

std::wstring cannotMoveText(const Game &game, int slot) {
    return formatText(IDS_NOT_BESIDE_EMPTY, {slotName(game, slot)});
}

std::wstring noBirdText(Arrow arrow) {
    switch (arrow) {
    case Arrow::Left:
        return loadText(IDS_NO_BIRD_RIGHT);
    case Arrow::Right:
        return loadText(IDS_NO_BIRD_LEFT);
    case Arrow::Up:
        return loadText(IDS_NO_BIRD_BELOW);
    case Arrow::Down:
        break;
    }
    return loadText(IDS_NO_BIRD_ABOVE);
}

std::wstring noGameText(const Game &game) { return game.puzzle == 0 ? loadText(IDS_CHOOSE_PUZZLE) : gameOverText(); }

std::wstring boardText(const Game &game) {
    std::wstring text;
    for (int row = 0; row < 3; ++row) {
        std::wstring slots;
        for (int slot = 3 * row + 1; slot <= 3 * row + 3; ++slot) {
            if (game.at(slot) == Picture::None)
                continue; // a slot the player does not see
            slots += slots.empty() ? L"" : L", ";
            slots += game.isEmpty(slot) ? loadText(IDS_ROW_EMPTY) : number(birdNumber(game.at(slot)));
        }
        if (!slots.empty())
            text += (text.empty() ? L"" : L" ") + formatText(IDS_ROW, {number(row + 1), slots});
    }
    return text.empty() ? loadText(IDS_CHOOSE_PUZZLE) : text;
}

std::wstring countText(const Game &game) {
    if (game.puzzle == 0)
        return loadText(IDS_CHOOSE_PUZZLE);
    return formatText(IDS_COUNT_AND_PAR, {movesText(game.moves), number(parOf(game.puzzle))});
}

std::wstring boardDescription(const Game &game) {
    if (game.puzzle == 0)
        return formatText(IDS_BEFORE_FIRST_GAME, {loadText(IDS_CHOOSE_PUZZLE)});
    if (!game.underWay)
        return countSoFar(game) + L" " + gameOverText() + L".";
    return countSoFar(game) + L" " + emptySlotText(game) + L" " + loadText(IDS_KEYS);
}

} // namespace plumaro
