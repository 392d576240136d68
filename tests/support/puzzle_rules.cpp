// The puzzle's rules, for the black-box tests.
#include "puzzle_rules.h"

#include <algorithm>
#include <vector>

namespace plumaro::testing {

namespace {

// Slots 1..9 row by row. The starts: a bird's number, 9 the empty picture,
// 0 no picture. The goals: 0 where the goal does not look.
constexpr Slots kStarts[] = {{1, 9, 2, 3, 4, 5, 0, 0, 0}, {7, 5, 6, 8, 3, 2, 4, 9, 1}, {2, 4, 8, 1, 7, 6, 5, 9, 3}};
constexpr Slots kGoals[] = {{0, 0, 5, 0, 0, 2, 0, 0, 0}, {1, 2, 3, 4, 5, 6, 7, 8, 0}, {3, 2, 1, 4, 9, 8, 5, 6, 7}};
constexpr int kPars[] = {17, 23, 17};
// Each slot's neighbours, in the order the rule tests them: never diagonal,
// never from the end of a row to the start of the next.
const std::vector<int> kNeighbours[] = {{2, 4},    {1, 3, 5}, {2, 6},    {1, 5, 7}, {2, 4, 6, 8},
                                        {3, 5, 9}, {4, 8},    {5, 7, 9}, {6, 8}};

} // namespace

void RulesGame::start(int number) {
    puzzle = number;
    slots = kStarts[number - 1];
    moves = 0;
    underWay = true;
    slot7Moved = slot7Moved && number != 3;
}

bool RulesGame::move(int slot) {
    if (!showsBird(slot))
        return false;
    for (const int target : kNeighbours[slot - 1]) {
        if (slots[target - 1] != kEmptyPicture)
            continue;
        slots[target - 1] = slots[slot - 1];
        slots[slot - 1] = kEmptyPicture;
        slot7Moved = slot7Moved || slot == 7;
        moves = std::min(moves + 1, 32767);
        return true;
    }
    return false;
}

std::optional<Verdict> RulesGame::result() const {
    if (puzzle == 0 || moves < kPars[puzzle - 1])
        return std::nullopt;
    for (std::size_t at = 0; at < slots.size(); ++at)
        if (kGoals[puzzle - 1][at] != 0 && slots[at] != kGoals[puzzle - 1][at])
            return std::nullopt;
    if (puzzle == 3 && slot7Moved)
        return Verdict{L"GOOD TRY", ResultPicture::EmperorWoken};
    if (moves > kPars[puzzle - 1])
        return Verdict{L"GOOD TRY", ResultPicture::FewerMoves};
    return Verdict{L"WELL DONE", puzzle == 2 ? ResultPicture::InJust23Moves : ResultPicture::InJust17Moves};
}

int RulesGame::emptySlot() const {
    const auto empty = std::find(slots.begin(), slots.end(), kEmptyPicture);
    return empty == slots.end() ? 0 : static_cast<int>(empty - slots.begin()) + 1;
}

} // namespace plumaro::testing
