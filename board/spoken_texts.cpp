// The spoken texts: moves, refusals, the board read row by row and the count.
#include "spoken_texts.h"

#include "module1.h"
#include "puzzle.h"
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

std::wstring countSoFar() {
    return formatText(IDS_GAME_SO_FAR, {number(Module1::PuzzleNumber), movesText(Module1::MoveCount),
                                        number(parOf(Module1::PuzzleNumber))});
}

std::wstring gameOverText() { return formatText(IDS_GAME_OVER, {loadText(IDS_CHOOSE_PUZZLE)}); }

} // namespace

std::wstring slotName(const Board &board, int slot) {
    const int source = board.source(slot);
    if (source == Board::kEmptySource)
        return loadText(IDS_SLOT_EMPTY);
    if (source == 0)
        return loadText(IDS_SLOT_NO_PICTURE);
    return formatText(IDS_SLOT_BIRD, {number(source)});
}

std::wstring movedText(const Board &board, int from, int to) {
    return formatText(IDS_MOVED, {slotName(board, to), loadText(way(from, to)), movesText(Module1::MoveCount)});
}

std::wstring cannotMoveText(const Board &board, int slot) {
    return formatText(IDS_NOT_BESIDE_EMPTY, {slotName(board, slot)});
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

std::wstring noGameText() { return Module1::PuzzleNumber == 0 ? loadText(IDS_CHOOSE_PUZZLE) : gameOverText(); }

std::wstring startText(const Board &board) {
    std::wstring text = formatText(IDS_GAME_STARTED, {number(Module1::PuzzleNumber), movesText(Module1::MoveCount)});
    for (int slot = 1; slot <= Board::kSlotCount; ++slot) {
        if (board.isEmpty(slot))
            text += L" " + formatText(IDS_EMPTY_AT, {number((slot - 1) / 3 + 1), number((slot - 1) % 3 + 1)});
    }
    return text;
}

std::wstring boardText(const Board &board) {
    std::wstring text;
    for (int row = 0; row < 3; ++row) {
        std::wstring slots;
        for (int slot = 3 * row + 1; slot <= 3 * row + 3; ++slot) {
            if (!board.isShown(slot))
                continue;
            slots += slots.empty() ? L"" : L", ";
            slots += board.isEmpty(slot) ? loadText(IDS_ROW_EMPTY) : number(board.source(slot));
        }
        if (!slots.empty())
            text += (text.empty() ? L"" : L" ") + formatText(IDS_ROW, {number(row + 1), slots});
    }
    return text.empty() ? loadText(IDS_CHOOSE_PUZZLE) : text;
}

std::wstring countText() {
    if (Module1::PuzzleNumber == 0)
        return loadText(IDS_CHOOSE_PUZZLE);
    return formatText(IDS_COUNT_AND_PAR, {movesText(Module1::MoveCount), number(parOf(Module1::PuzzleNumber))});
}

std::wstring boardDescription() {
    if (Module1::PuzzleNumber == 0)
        return formatText(IDS_BEFORE_FIRST_GAME, {loadText(IDS_CHOOSE_PUZZLE)});
    if (!Module1::GameActive)
        return countSoFar() + L" " + gameOverText() + L".";
    return countSoFar() + L" " + loadText(IDS_KEYS);
}

} // namespace plumaro
