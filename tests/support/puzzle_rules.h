// The puzzle's rules (starts, goals, pars, neighbours, ratings) for the
// tests that play plumaro.exe from outside, written here rather than taken
// from the program's core, so that a fault in the core is not expected.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace plumaro::testing {

// What slots 1..9 show: a bird 1..8, the empty picture, or 0, no picture.
constexpr int kEmptyPicture = 9;
using Slots = std::array<int, 9>;

// The result window's four pictures, in the order of their controls.
enum class ResultPicture { InJust17Moves, FewerMoves, InJust23Moves, EmperorWoken };

struct Verdict {
    std::wstring message; // "WELL DONE" or "GOOD TRY"
    ResultPicture picture;
};

// A game played by the rules.
struct RulesGame {
    int puzzle = 0; // 0 before the first game
    Slots slots{};
    int moves = 0;
    bool slot7Moved = false; // a bird left slot 7 since puzzle 3 last started
    bool underWay = false;   // from the start until a verdict is shown

    void start(int puzzle);
    // A click on the slot: its bird slides into its first empty neighbour.
    bool move(int slot);
    // Nothing while the board is unsolved or solved below par.
    std::optional<Verdict> result() const;
    bool showsBird(int slot) const { return slots[slot - 1] >= 1 && slots[slot - 1] <= 8; }
    int emptySlot() const;
};

} // namespace plumaro::testing
