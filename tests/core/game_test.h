// Helpers for the puzzle core's tests: boards written as numbers, and games
// to play on them.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <vector>

#include "game.h"

namespace plumaro {

// What slots 1..9 show as numbers: 1..8 a bird, 9 the empty slot, 0 no picture.
using Numbers = std::array<int, kSlotCount>;

inline Board boardOf(const Numbers &numbers) {
    Board board{};
    for (std::size_t at = 0; at < board.size(); ++at)
        board[at] = static_cast<Picture>(numbers[at]);
    return board;
}

inline Numbers numbersOf(const Game &game) {
    Numbers numbers{};
    for (std::size_t at = 0; at < numbers.size(); ++at)
        numbers[at] = static_cast<int>(game.board[at]);
    return numbers;
}

inline Game newGame(int puzzle) {
    Game game;
    game.start(puzzle);
    return game;
}

// A game of `puzzle` under way on a hand-made board.
inline Game gameShowing(const Numbers &numbers, int puzzle = 2) {
    Game game = newGame(puzzle);
    game.board = boardOf(numbers);
    return game;
}

inline void play(Game &game, const std::vector<int> &clicks) {
    for (int click : clicks)
        game.move(click);
}

inline void PrintTo(const Result &result, std::ostream *out) {
    *out << (result.verdict == Verdict::WellDone ? "WELL DONE" : "GOOD TRY") << " / picture "
         << static_cast<int>(result.picture) + 1;
}

// The results the rules hand out.
inline constexpr Result kWellDoneIn17{Verdict::WellDone, ResultPicture::InJust17Moves};
inline constexpr Result kWellDoneIn23{Verdict::WellDone, ResultPicture::InJust23Moves};
inline constexpr Result kFewerMoves{Verdict::GoodTry, ResultPicture::FewerMoves};
inline constexpr Result kEmperorWoken{Verdict::GoodTry, ResultPicture::EmperorWoken};

} // namespace plumaro
