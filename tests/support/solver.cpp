// Breadth-first solver over games played by the move rule, for the test programs.
#include "solver.h"

#include <cstdint>
#include <unordered_map>

#include "game.h"

namespace solver {
namespace {

using plumaro::Game;

// A search state: four bits of picture per slot, and one bit for "a bird has left slot 7".
using Key = std::uint64_t;
constexpr Key kSlot7MovedBit = Key{1} << (4 * plumaro::kSlotCount);

Key keyOf(const Game &game, bool withSlot7) {
    Key key = withSlot7 && game.slot7Moved ? kSlot7MovedBit : 0;
    for (std::size_t at = 0; at < game.board.size(); ++at)
        key |= static_cast<Key>(game.board[at]) << (4 * at);
    return key;
}

void restore(Game &game, Key key) {
    game.slot7Moved = (key & kSlot7MovedBit) != 0;
    for (std::size_t at = 0; at < game.board.size(); ++at)
        game.board[at] = static_cast<plumaro::Picture>((key >> (4 * at)) & 0xF);
}

struct Step {
    Key from;
    int click;
};

Clicks clicksTo(Key key, Key start, const std::unordered_map<Key, Step> &steps) {
    Clicks clicks;
    for (; key != start; key = steps.at(key).from)
        clicks.push_back(steps.at(key).click);
    return Clicks(clicks.rbegin(), clicks.rend());
}

} // namespace

std::optional<Clicks> shortestSolution(int puzzle, Slot7 slot7) {
    const auto solved = [&](const Game &game) {
        return plumaro::goalReached(game.board, puzzle) && (slot7 != Slot7::Moves || game.slot7Moved);
    };
    // Where the flag cannot matter, leaving it out halves the boards to search.
    const bool withSlot7 = slot7 != Slot7::Free;

    Game start;
    start.start(puzzle);
    start.slot7Moved = false;
    if (solved(start))
        return Clicks{};
    const Key startKey = keyOf(start, withSlot7);
    std::unordered_map<Key, Step> steps;
    steps.reserve(800'000);
    steps.emplace(startKey, Step{startKey, 0});
    std::vector<Key> queue{startKey};

    for (std::size_t next = 0; next < queue.size(); ++next) {
        Game game = start;
        restore(game, queue[next]);
        for (int click = 1; click <= plumaro::kSlotCount; ++click) {
            Game after = game;
            if (!after.move(click) || (slot7 == Slot7::Stays && after.slot7Moved))
                continue;
            const Key afterKey = keyOf(after, withSlot7);
            if (!steps.emplace(afterKey, Step{queue[next], click}).second)
                continue;
            if (solved(after))
                return clicksTo(afterKey, startKey, steps);
            queue.push_back(afterKey);
        }
    }
    return std::nullopt;
}

std::optional<Clicks> withDetour(int puzzle, const Clicks &clicks, Slot7 slot7) {
    Game start;
    start.start(puzzle);
    for (int out = 1; out <= plumaro::kSlotCount; ++out) {
        if ((slot7 == Slot7::Stays && out == 7) || (slot7 == Slot7::Moves && out != 7))
            continue;
        Game game = start;
        if (!game.move(out))
            continue;
        Clicks longer{out, start.emptySlot()};
        longer.insert(longer.end(), clicks.begin(), clicks.end());
        return longer;
    }
    return std::nullopt;
}

} // namespace solver
