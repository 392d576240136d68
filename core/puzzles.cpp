// The three puzzles. The artwork generator reads each puzzle's par and
// in-par picture from this table (assets/art/pars.py): keep each on a line
// of its own, as `.par = 17,` and `.inPar = ResultPicture::...,`.
#include "puzzles.h"

namespace plumaro {

namespace {

constexpr Picture N = Picture::None;
constexpr Picture E = Picture::Empty;
constexpr Picture B1 = Picture::Bird1, B2 = Picture::Bird2, B3 = Picture::Bird3, B4 = Picture::Bird4;
constexpr Picture B5 = Picture::Bird5, B6 = Picture::Bird6, B7 = Picture::Bird7, B8 = Picture::Bird8;

// Boards are written row by row, slots 1..9.
// clang-format off
constexpr Puzzle kPuzzles[kPuzzleCount] = {
    // Puzzle 1 is played on the top two rows: birds 5 and 2 change places.
    {
        .start = {B1, E, B2,
                  B3, B4, B5,
                  N, N, N},
        .goal = {N, N, B5,
                 N, N, B2,
                 N, N, N},
        .par = 17,
        .inPar = ResultPicture::InJust17Moves,
        .slot7MustStay = false,
    },
    // Puzzle 2: birds 1 to 8 in order; slot 9 does not matter.
    {
        .start = {B7, B5, B6,
                  B8, B3, B2,
                  B4, E, B1},
        .goal = {B1, B2, B3,
                 B4, B5, B6,
                 B7, B8, N},
        .par = 23,
        .inPar = ResultPicture::InJust23Moves,
        .slot7MustStay = false,
    },
    // Puzzle 3: bird 5 starts where the goal wants it, and must stay there.
    {
        .start = {B2, B4, B8,
                  B1, B7, B6,
                  B5, E, B3},
        .goal = {B3, B2, B1,
                 B4, E, B8,
                 B5, B6, B7},
        .par = 17,
        .inPar = ResultPicture::InJust17Moves,
        .slot7MustStay = true,
    },
};
// clang-format on

} // namespace

const Puzzle *puzzleNumbered(int puzzle) {
    return puzzle >= 1 && puzzle <= kPuzzleCount ? &kPuzzles[puzzle - 1] : nullptr;
}

} // namespace plumaro
