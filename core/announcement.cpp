// The spoken texts: moves, refusals, the board read row by row, the count and the verdict.
#include "core/announcement.h"

#include "core/module1.h"

namespace {

constexpr wchar_t kChoosePuzzle[] = L"Choose a puzzle from the File menu";
constexpr wchar_t kGameOver[] = L"The game is over. ";
constexpr wchar_t kKeys[] = L"The arrow keys move the birds, B reads the board, C the moves and par, F1 the rules.";

std::wstring number(int value) { return std::to_wstring(value); }

std::wstring movesText(int moves) { return number(moves) + (moves == 1 ? L" move" : L" moves"); }

std::wstring birdName(const Board &board, int slot) { return L"Bird " + number(board.source(slot)); }

// Which way a bird went from one slot to its neighbour.
const wchar_t *way(int from, int to) {
    if (to == from - 1)
        return L"left";
    if (to == from + 1)
        return L"right";
    return to < from ? L"up" : L"down";
}

std::wstring countSoFar() {
    return L"Puzzle " + number(Module1::PuzzleNumber) + L", " + movesText(Module1::MoveCount) + L", par " +
           number(parOf(Module1::PuzzleNumber)) + L".";
}

} // namespace

std::wstring movedText(const Board &board, int from, int to) {
    return birdName(board, to) + L" moved " + way(from, to) + L", " + movesText(Module1::MoveCount);
}

std::wstring cannotMoveText(const Board &board, int slot) {
    return birdName(board, slot) + L" is not next to the empty slot";
}

std::wstring noBirdText(Arrow arrow) {
    switch (arrow) {
    case Arrow::Left:
        return L"No bird to the right";
    case Arrow::Right:
        return L"No bird to the left";
    case Arrow::Up:
        return L"No bird below";
    case Arrow::Down:
        break;
    }
    return L"No bird above";
}

std::wstring noGameText() {
    return Module1::PuzzleNumber == 0 ? kChoosePuzzle : kGameOver + std::wstring(kChoosePuzzle);
}

std::wstring startText(const Board &board) {
    std::wstring text = L"Puzzle " + number(Module1::PuzzleNumber) + L", " + movesText(Module1::MoveCount) + L".";
    for (int slot = 1; slot <= Board::kSlotCount; ++slot) {
        if (board.isEmpty(slot))
            text += L" The empty slot is in row " + number((slot - 1) / 3 + 1) + L", column " +
                    number((slot - 1) % 3 + 1) + L".";
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
            slots += board.isEmpty(slot) ? L"empty" : number(board.source(slot));
        }
        if (!slots.empty())
            text += (text.empty() ? L"Row " : L" Row ") + number(row + 1) + L": " + slots + L".";
    }
    return text.empty() ? kChoosePuzzle : text;
}

std::wstring countText() {
    if (Module1::PuzzleNumber == 0)
        return kChoosePuzzle;
    return movesText(Module1::MoveCount) + L", par " + number(parOf(Module1::PuzzleNumber));
}

std::wstring boardDescription() {
    if (Module1::PuzzleNumber == 0)
        return kChoosePuzzle + std::wstring(L". F1 shows the rules.");
    if (!Module1::GameActive)
        return countSoFar() + L" " + kGameOver + kChoosePuzzle + L".";
    return countSoFar() + L" " + kKeys;
}

const wchar_t *pictureWords(ResultPicture picture) {
    switch (picture) {
    case ResultPicture::Image1:
        return L"You have accomplished your task in just 17 moves. The Emperor is pleased.";
    case ResultPicture::Image2:
        return L"You can accomplish your task in fewer moves. Please try again";
    case ResultPicture::Image3:
        return L"You have accomplished your task in just 23 moves. The Emperor is pleased.";
    case ResultPicture::Image4:
        break;
    }
    return L"You have awakened the Emperor. The Emperor is not pleased.";
}

std::wstring verdictText(const Verdict &verdict) {
    return std::wstring(verdict.message.begin(), verdict.message.end()) + L". " + pictureWords(verdict.picture);
}
