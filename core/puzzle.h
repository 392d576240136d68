// The puzzle rules: setting up a game, sliding a piece, and judging a finished board.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "board.h"

enum class ResultPicture {
    Image1, // accomplished in just 17 moves; the Emperor is pleased
    Image2, // can accomplish in fewer moves; try again
    Image3, // accomplished in just 23 moves
    Image4, // you have awakened the Emperor
};

struct Verdict {
    std::string_view message; // "WELL DONE" or "GOOD TRY"
    ResultPicture picture;

    bool operator==(const Verdict &) const = default;
};

// Starts the puzzle named by Module1::PuzzleNumber: hides and clears every slot, makes the game
// active with no moves, shows the counter at "0", lays the puzzle's pictures out and shows the
// slots that got one. Puzzle 3 also clears Module1::Slot7Moved; puzzles 1 and 2 keep it as it
// was. Any other puzzle number leaves every slot hidden and without a picture.
void InitNewGame(Board &board);

// The player clicked slot `index`. When that slot holds a picture and a slot to its left, right,
// top or bottom is empty, the picture slides into the first such neighbour, the clicked slot
// becomes the empty one, Module1::MoveCount goes up by one (staying at 32767 once there) and the
// counter shows it; a piece leaving slot 7 sets Module1::Slot7Moved. Otherwise nothing changes.
// Visibility is never touched, and Module1::GameActive is the caller's to check.
void MovePiece(Board &board, std::int16_t index);

// Whether the board shows the goal of the given puzzle, whatever the move count; false for a
// number that names no puzzle.
bool goalReached(const Board &board, std::int16_t puzzle);

// The solved test and rating of GameWin, which whoever shows the verdict completes: judges the
// board for Module1::PuzzleNumber. Nothing while the goal is not reached, nor when it was reached
// in fewer moves than the puzzle's par; otherwise "WELL DONE" or "GOOD TRY" with the picture to
// show. Changes nothing.
std::optional<Verdict> verdictFor(const Board &board);

// The fewest moves that solve the puzzle (its par); 0 for a number that names no puzzle.
int parOf(std::int16_t puzzle);

// Ends the game once its verdict has been shown and closed: the slots stop taking clicks.
void EndGame();
