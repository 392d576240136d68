// Breadth-first solver over boards reached through MovePiece, for the test programs.
#include "solver.h"

#include <unordered_map>

#include "board.h"
#include "module1.h"
#include "puzzle.h"

namespace solver {
namespace {

// MovePiece and InitNewGame work on Module1, so the search puts it back the way it found it.
class SavedModule1 {
public:
    SavedModule1()
        : puzzleNumber_(Module1::PuzzleNumber), helpMode_(Module1::HelpMode), moveCount_(Module1::MoveCount),
          slot7Moved_(Module1::Slot7Moved), gameActive_(Module1::GameActive) {}
    SavedModule1(const SavedModule1 &) = delete;
    SavedModule1 &operator=(const SavedModule1 &) = delete;
    ~SavedModule1() {
        Module1::PuzzleNumber = puzzleNumber_;
        Module1::HelpMode = helpMode_;
        Module1::MoveCount = moveCount_;
        Module1::Slot7Moved = slot7Moved_;
        Module1::GameActive = gameActive_;
    }

private:
    std::int16_t puzzleNumber_, helpMode_, moveCount_, slot7Moved_, gameActive_;
};

// A search state: four bits of picture per slot, and one bit for "a piece has left slot 7".
using Key = std::uint64_t;
constexpr Key kSlot7MovedBit = Key{1} << (4 * Board::kSlotCount);

Key keyOf(const Board &board, bool slot7Moved) {
    Key key = slot7Moved ? kSlot7MovedBit : 0;
    for (int slot = 1; slot <= Board::kSlotCount; ++slot) {
        key |= static_cast<Key>(board.source(slot)) << (4 * (slot - 1));
    }
    return key;
}

Board boardOf(Key key) {
    Board board;
    for (std::size_t i = 0; i < board.content.size(); ++i) {
        board.content[i] = static_cast<std::int8_t>((key >> (4 * i)) & 0xF);
    }
    return board;
}

Board startingBoard(std::int16_t puzzle) {
    Module1::PuzzleNumber = puzzle;
    Board board;
    InitNewGame(board);
    return board;
}

// Plays one click from a state; the slot-7 flag after it, or nothing if the piece did not move.
std::optional<bool> play(Board &board, bool slot7Moved, std::int16_t click) {
    Module1::MoveCount = 0;
    Module1::Slot7Moved = slot7Moved ? Module1::kTrue : Module1::kFalse;
    MovePiece(board, click);
    if (Module1::MoveCount == 0)
        return std::nullopt;
    return Module1::Slot7Moved != 0;
}

struct Step {
    Key from;
    std::int16_t click;
};

Clicks clicksTo(Key key, Key start, const std::unordered_map<Key, Step> &steps) {
    Clicks clicks;
    for (; key != start; key = steps.at(key).from)
        clicks.push_back(steps.at(key).click);
    return Clicks(clicks.rbegin(), clicks.rend());
}

} // namespace

std::optional<Clicks> shortestSolution(std::int16_t puzzle, Slot7 slot7) {
    const SavedModule1 saved;
    const auto solved = [&](const Board &board, bool slot7Moved) {
        return goalReached(board, puzzle) && (slot7 != Slot7::Moves || slot7Moved);
    };

    const Board start = startingBoard(puzzle);
    if (solved(start, false))
        return Clicks{};
    const Key startKey = keyOf(start, false);
    std::unordered_map<Key, Step> steps;
    steps.reserve(800'000);
    steps.emplace(startKey, Step{startKey, 0});
    std::vector<Key> queue{startKey};

    for (std::size_t next = 0; next < queue.size(); ++next) {
        const Key key = queue[next];
        const Board board = boardOf(key);
        const bool slot7Moved = (key & kSlot7MovedBit) != 0;
        for (std::int16_t click = 1; click <= Board::kSlotCount; ++click) {
            Board after = board;
            const std::optional<bool> movedAfter = play(after, slot7Moved, click);
            if (!movedAfter || (slot7 == Slot7::Stays && *movedAfter))
                continue;
            // Where the flag cannot matter, leaving it out halves the boards to search.
            const Key afterKey = keyOf(after, slot7 != Slot7::Free && *movedAfter);
            if (!steps.emplace(afterKey, Step{key, click}).second)
                continue;
            if (solved(after, *movedAfter))
                return clicksTo(afterKey, startKey, steps);
            queue.push_back(afterKey);
        }
    }
    return std::nullopt;
}

std::optional<Clicks> withDetour(std::int16_t puzzle, const Clicks &clicks, Slot7 slot7) {
    const SavedModule1 saved;
    const Board start = startingBoard(puzzle);
    std::int16_t emptySlot = 0;
    for (std::int16_t slot = 1; slot <= Board::kSlotCount; ++slot) {
        if (start.isEmpty(slot))
            emptySlot = slot;
    }

    for (std::int16_t out = 1; out <= Board::kSlotCount; ++out) {
        if ((slot7 == Slot7::Stays && out == 7) || (slot7 == Slot7::Moves && out != 7))
            continue;
        Board board = start;
        if (!play(board, false, out))
            continue;
        Clicks longer{out, emptySlot};
        longer.insert(longer.end(), clicks.begin(), clicks.end());
        return longer;
    }
    return std::nullopt;
}

} // namespace solver
