// Solutions found by breadth-first search: the pars are the true minimum, and played through
// MovePiece they earn the verdicts the ratings promise.
#include <map>
#include <utility>

#include "game_test.h"
#include "solver.h"

namespace {

using solver::Clicks;
using solver::Slot7;

class Solutions : public GameTest {
protected:
    // Searched once per puzzle and rule for the whole test program.
    static const Clicks &shortest(std::int16_t puzzle, Slot7 slot7 = Slot7::Free) {
        static std::map<std::pair<std::int16_t, Slot7>, Clicks> found;
        const auto key = std::make_pair(puzzle, slot7);
        if (!found.contains(key))
            found[key] = solver::shortestSolution(puzzle, slot7).value();
        return found[key];
    }

    static Clicks detour(std::int16_t puzzle, const Clicks &clicks, Slot7 slot7) {
        return solver::withDetour(puzzle, clicks, slot7).value();
    }

    // Plays a new game click by click, judging after each move as the window does, and returns
    // the verdict after the last click.
    static std::optional<Verdict> playThrough(std::int16_t puzzle, const Clicks &clicks) {
        Board board = newGame(puzzle);
        for (std::size_t i = 0; i < clicks.size(); ++i) {
            MovePiece(board, clicks[i]);
            if (i + 1 < clicks.size()) {
                EXPECT_EQ(verdictFor(board), std::nullopt) << "after click " << i + 1;
            }
        }
        EXPECT_EQ(Module1::MoveCount, static_cast<std::int16_t>(clicks.size())) << "a click slid nothing";
        return verdictFor(board);
    }
};

TEST_F(Solutions, TheParsAreTheFewestMovesPossible) {
    EXPECT_EQ(shortest(1).size(), 17u);
    EXPECT_EQ(shortest(2).size(), 23u);
    EXPECT_EQ(shortest(3).size(), 17u);
    EXPECT_EQ(shortest(3, Slot7::Stays).size(), 17u);
    EXPECT_GE(shortest(3, Slot7::Moves).size(), 19u);
}

TEST_F(Solutions, SolvingAtParIsWellDone) {
    EXPECT_EQ(playThrough(1, shortest(1)), kWellDone1);
    EXPECT_EQ(playThrough(2, shortest(2)), kWellDone3);
    EXPECT_EQ(playThrough(3, shortest(3)), kWellDone1);
}

TEST_F(Solutions, SolvingAboveParIsAGoodTry) {
    EXPECT_EQ(playThrough(1, detour(1, shortest(1), Slot7::Stays)), kGoodTry2);
    EXPECT_EQ(playThrough(2, detour(2, shortest(2), Slot7::Stays)), kGoodTry2);

    const Clicks puzzle3In19 = detour(3, shortest(3, Slot7::Stays), Slot7::Stays);
    ASSERT_EQ(puzzle3In19.size(), 19u);
    EXPECT_EQ(playThrough(3, puzzle3In19), kGoodTry2);
}

TEST_F(Solutions, MovingThePieceInSlot7OfPuzzle3WakesTheEmperor) {
    EXPECT_EQ(playThrough(3, shortest(3, Slot7::Moves)), kGoodTry4);

    // Even slid straight back before anything else, it counts as moved.
    const Clicks outAndBack = detour(3, shortest(3, Slot7::Stays), Slot7::Moves);
    ASSERT_EQ(outAndBack.front(), 7);
    EXPECT_EQ(playThrough(3, outAndBack), kGoodTry4);
}

TEST_F(Solutions, Puzzle1KeepsItsBottomRowHiddenAndBlankThroughout) {
    Board board = newGame(1);
    for (std::int16_t click : shortest(1)) {
        MovePiece(board, click);
        for (int slot = 7; slot <= 9; ++slot) {
            EXPECT_EQ(board.source(slot), 0);
            EXPECT_FALSE(board.isShown(slot));
        }
    }
}

TEST_F(Solutions, SearchingLeavesTheGameStateAlone) {
    Module1::PuzzleNumber = 2;
    Module1::HelpMode = 1;
    Module1::MoveCount = 5;
    Module1::Slot7Moved = Module1::kTrue;
    Module1::GameActive = Module1::kTrue;

    solver::shortestSolution(1);
    solver::withDetour(1, {}, Slot7::Free);

    EXPECT_EQ(Module1::PuzzleNumber, 2);
    EXPECT_EQ(Module1::HelpMode, 1);
    EXPECT_EQ(Module1::MoveCount, 5);
    EXPECT_EQ(Module1::Slot7Moved, Module1::kTrue);
    EXPECT_EQ(Module1::GameActive, Module1::kTrue);
}

} // namespace
