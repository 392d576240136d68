// The three puzzles. The artwork generator reads each puzzle's par and
// in-par picture from this table (assets/art/pars.py): keep each puzzle on
// a line of its own, as it stands.
#include "puzzles.h"

#include <string_view>

namespace plumaro {

namespace {

// A board drawn row by row: a bird's number, E for the empty slot, a dot for
// a slot without a picture; blanks and slashes only space it out.
constexpr Board drawn(std::string_view rows) {
    Board board{};
    std::size_t slot = 0;
    for (const char mark : rows) {
        if (mark == ' ' || mark == '/')
            continue;
        if (slot == board.size() || !(mark == 'E' || mark == '.' || (mark >= '1' && mark <= '8')))
            throw "a board is nine marks: 1 to 8, E or a dot";
        board[slot++] = mark == 'E' ? Picture::Empty : mark == '.' ? Picture::None : bird(mark - '0');
    }
    if (slot != board.size())
        throw "a board is nine marks: 1 to 8, E or a dot";
    return board;
}

// Puzzle 1 is played on the top two rows, where birds 5 and 2 change places.
// Puzzle 2 wants birds 1 to 8 in order; slot 9 does not matter. In puzzle 3,
// bird 5 starts where the goal wants it, and must stay there.
constexpr Puzzle kPuzzles[kPuzzleCount] = {
    {drawn("1 E 2 / 3 4 5 / . . ."), drawn(". . 5 / . . 2 / . . ."), 17, ResultPicture::InJust17Moves, false},
    {drawn("7 5 6 / 8 3 2 / 4 E 1"), drawn("1 2 3 / 4 5 6 / 7 8 ."), 23, ResultPicture::InJust23Moves, false},
    {drawn("2 4 8 / 1 7 6 / 5 E 3"), drawn("3 2 1 / 4 E 8 / 5 6 7"), 17, ResultPicture::InJust17Moves, true},
};

} // namespace

const Puzzle *puzzleNumbered(int puzzle) {
    return puzzle >= 1 && puzzle <= kPuzzleCount ? &kPuzzles[puzzle - 1] : nullptr;
}

} // namespace plumaro
