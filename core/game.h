// The game: one value that holds a game of the sliding puzzle, and the rules
// that set it up, move its birds and judge it. No windows, texts or files.
#pragma once

// The game's words, in the sense the whole program uses them:
// - slot: one of the nine places of the 3 x 3 board, numbered 1..9 row by row
//   from the top left (row r, column c is slot 3r + c + 1).
// - bird: one of the eight pictures numbered 1..8 that stand in the slots.
// - the empty slot: the slot that shows the empty picture. A bird beside it
//   may slide into it: that is a move. A slot with no picture at all (the
//   bottom row of puzzle 1) is not empty and takes no part.
// - puzzle: one of the three games, 1..3, each with its own start, goal and
//   par.
// - par: the fewest moves that solve a puzzle.
// - verdict: what solving a puzzle earns, by its moves against the par.

#include <array>
#include <cstdint>
#include <optional>

namespace plumaro {

inline constexpr int kSlotCount = 9;
inline constexpr int kPuzzleCount = 3;
// The count of moves stops here; birds go on moving.
inline constexpr int kMostMoves = 32767;

// What a slot shows.
enum class Picture : std::uint8_t { None, Bird1, Bird2, Bird3, Bird4, Bird5, Bird6, Bird7, Bird8, Empty };

// Bird n (1..8).
constexpr Picture bird(int number) { return static_cast<Picture>(number); }
// The number a bird carries; 0 for the empty picture and for none.
constexpr int birdNumber(Picture picture) {
    return picture == Picture::None || picture == Picture::Empty ? 0 : static_cast<int>(picture);
}

// What each slot shows: board[slot - 1].
using Board = std::array<Picture, kSlotCount>;

// The arrow keys: each slides the bird on the far side of the empty slot
// into it (Left the bird on its right, Up the bird below it).
enum class Arrow { Left, Right, Up, Down };

enum class Verdict { WellDone, GoodTry };

// The result window's four pictures, each with its own lettering.
enum class ResultPicture {
    InJust17Moves, // accomplished in just 17 moves: the Emperor is pleased
    FewerMoves,    // it can be done in fewer moves: please try again
    InJust23Moves, // accomplished in just 23 moves: the Emperor is pleased
    EmperorWoken,  // the bird in slot 7 moved: the Emperor is not pleased
};

// What a solved puzzle earns: the verdict, and the picture that says why.
struct Result {
    Verdict verdict;
    ResultPicture picture;

    bool operator==(const Result &) const = default;
};

struct Game {
    int puzzle = 0;          // 1..3; 0 before the first game
    Board board{};           // no pictures before the first game
    int moves = 0;           // 0..kMostMoves
    bool slot7Moved = false; // a bird has left slot 7 since puzzle 3 last started
    bool underWay = false;   // the slots take moves: from the start until the verdict is shown

    // What slot 1..9 shows; Picture::None for any other number.
    Picture at(int slot) const;
    bool isEmpty(int slot) const { return at(slot) == Picture::Empty; }
    bool showsBird(int slot) const { return birdNumber(at(slot)) != 0; }
    // The empty slot; 0 when there is none (before the first game).
    int emptySlot() const;

    // Starts `puzzle` (1..3) afresh: its start on the board, no moves, under
    // way. Puzzle 3 also forgets that a bird left slot 7; puzzles 1 and 2
    // keep it, as only puzzle 3 asks. Any other number leaves the board
    // without pictures, the game under way with nothing to move.
    void start(int puzzle);

    // The move rule: the bird in `slot` slides into the first neighbour, in
    // the grid's order, that is the empty slot; the slot it left becomes the
    // empty one, and the count goes up by one (to kMostMoves at most). A
    // bird leaving slot 7 sets slot7Moved. False, with nothing changed, when
    // the slot shows no bird or has no empty neighbour. Whether the game is
    // under way is the caller's to check.
    bool move(int slot);

    // The slot whose bird the arrow slides into the empty slot; 0 when
    // there is none (no empty slot, the board's edge, or no bird there).
    int slotSlidingToward(Arrow arrow) const;

    // The solved test and rating: nothing while the board does not show the
    // puzzle's goal, nor when it was reached in fewer moves than the par;
    // otherwise the verdict with its picture. Changes nothing.
    std::optional<Result> result() const;

    // Ends the game once its result has been shown: no more moves.
    void end() { underWay = false; }

    bool operator==(const Game &) const = default;
};

// Whether the board shows the goal of `puzzle`, whatever the count; false
// for a number that names no puzzle.
bool goalReached(const Board &board, int puzzle);

// The par of `puzzle`; 0 for a number that names no puzzle.
int parOf(int puzzle);

// The par a result picture's lettering names (17 for InJust17Moves); 0 for a
// picture that names none.
int parNamedBy(ResultPicture picture);

} // namespace plumaro
