// The solved test and rating: recognises a solved board and rates it against the puzzle's par.
#include <array>

#include "module1.h"
#include "puzzle.h"

namespace {

constexpr std::string_view kWellDone = "WELL DONE";
constexpr std::string_view kGoodTry = "GOOD TRY";

// Source each slot 1..9 must show to solve each puzzle; 0 marks a slot that does not matter.
constexpr std::array<std::array<int, Board::kSlotCount>, 3> kGoals{{
    {0, 0, 5, 0, 0, 2, 0, 0, 0},
    {1, 2, 3, 4, 5, 6, 7, 8, 0},
    {3, 2, 1, 4, 9, 8, 5, 6, 7},
}};

constexpr int kPar1 = 17;
constexpr int kPar2 = 23;
constexpr int kPar3 = 17;

std::optional<Verdict> rate(int moves, int par, ResultPicture atPar) {
    if (moves < par)
        return std::nullopt;
    if (moves == par)
        return Verdict{kWellDone, atPar};
    return Verdict{kGoodTry, ResultPicture::Image2};
}

// Moving the piece in slot 7 wakes the Emperor: no par result, however the board ends up.
std::optional<Verdict> ratePuzzle3(int moves, bool slot7Moved) {
    if (moves < kPar3)
        return std::nullopt;
    if (slot7Moved)
        return Verdict{kGoodTry, ResultPicture::Image4};
    return rate(moves, kPar3, ResultPicture::Image1);
}

} // namespace

bool goalReached(const Board &board, std::int16_t puzzle) {
    if (puzzle < 1 || puzzle > static_cast<int>(kGoals.size()))
        return false;
    const auto &goal = kGoals[static_cast<std::size_t>(puzzle - 1)];
    for (int slot = 1; slot <= Board::kSlotCount; ++slot) {
        const int wanted = goal[static_cast<std::size_t>(slot - 1)];
        if (wanted != 0 && !board.shows(slot, wanted))
            return false;
    }
    return true;
}

std::optional<Verdict> verdictFor(const Board &board) {
    const std::int16_t puzzle = Module1::PuzzleNumber;
    if (!goalReached(board, puzzle))
        return std::nullopt;
    const int moves = Module1::MoveCount;
    switch (puzzle) {
    case 1:
        return rate(moves, kPar1, ResultPicture::Image1);
    case 2:
        return rate(moves, kPar2, ResultPicture::Image3);
    default:
        return ratePuzzle3(moves, Module1::Slot7Moved != 0);
    }
}

int parOf(std::int16_t puzzle) {
    constexpr std::array<int, 3> kPars{kPar1, kPar2, kPar3};
    return puzzle >= 1 && puzzle <= 3 ? kPars[static_cast<std::size_t>(puzzle - 1)] : 0;
}

void EndGame() { Module1::GameActive = Module1::kFalse; }
