// The solved test and rating: a board that shows its puzzle's goal in par
// or more moves earns a result.
#include "game.h"
#include "puzzles.h"

namespace plumaro {

bool goalReached(const Board &board, int puzzle) {
    const Puzzle *wanted = puzzleNumbered(puzzle);
    if (!wanted)
        return false;
    for (std::size_t at = 0; at < board.size(); ++at)
        if (wanted->goal[at] != Picture::None && board[at] != wanted->goal[at])
            return false;
    return true;
}

int parOf(int puzzle) {
    const Puzzle *wanted = puzzleNumbered(puzzle);
    return wanted ? wanted->par : 0;
}

int parNamedBy(ResultPicture picture) {
    for (int puzzle = 1; puzzle <= kPuzzleCount; ++puzzle)
        if (puzzleNumbered(puzzle)->inPar == picture)
            return parOf(puzzle);
    return 0;
}

std::optional<Result> Game::result() const {
    const Puzzle *played = puzzleNumbered(puzzle);
    if (!played || !goalReached(board, puzzle) || moves < played->par)
        return std::nullopt;
    // Moving the bird in slot 7 wakes the Emperor, however the board ends up.
    if (played->slot7MustStay && slot7Moved)
        return Result{Verdict::GoodTry, ResultPicture::EmperorWoken};
    if (moves == played->par)
        return Result{Verdict::WellDone, played->inPar};
    return Result{Verdict::GoodTry, ResultPicture::FewerMoves};
}

} // namespace plumaro
