// Moves: which clicks slide a piece, where it goes, and what a move counts and records.
#include "game_test.h"

namespace {

class Moves : public GameTest {
protected:
    static void expectNoMove(Board &board, std::int16_t click) {
        const Board before = board;
        const std::int16_t movesBefore = Module1::MoveCount;
        const std::int16_t slot7Before = Module1::Slot7Moved;
        MovePiece(board, click);
        EXPECT_EQ(board, before) << "click " << click;
        EXPECT_EQ(Module1::MoveCount, movesBefore) << "click " << click;
        EXPECT_EQ(Module1::Slot7Moved, slot7Before) << "click " << click;
    }
};

TEST_F(Moves, APieceSlidesIntoTheEmptySlotBesideIt) {
    Board board = newGame(1); // empty in slot 2
    const Shown shownBefore = shownOf(board);
    Sources expected = sourcesOf(board);
    ASSERT_EQ(expected[1], Board::kEmptySource);
    std::swap(expected[0], expected[1]);

    MovePiece(board, 1);

    EXPECT_EQ(sourcesOf(board), expected);
    EXPECT_EQ(shownOf(board), shownBefore);
    EXPECT_EQ(Module1::MoveCount, 1);
    EXPECT_EQ(board.counterText, "1");
}

TEST_F(Moves, OnlyLeftRightUpAndDownNeighboursCount) {
    Board diagonal = boardShowing({1, 2, 3, 4, 5, 6, 7, 8, 9});
    expectNoMove(diagonal, 5);

    // Slot 3 ends the top row; slot 4 starts the next one.
    Board rowEnd = boardShowing({1, 2, 3, 9, 5, 6, 7, 8, 4});
    expectNoMove(rowEnd, 3);
}

TEST_F(Moves, WithTwoEmptyNeighboursThePieceTakesTheFirstInTableOrder) {
    // Slot 5 tries 2, 4, 6, 8 in that order.
    Board leftAndRight = boardShowing({1, 2, 3, 9, 5, 9, 7, 8, 4});
    MovePiece(leftAndRight, 5);
    EXPECT_EQ(sourcesOf(leftAndRight), (Sources{1, 2, 3, 5, 9, 9, 7, 8, 4}));

    Board aboveAndLeft = boardShowing({1, 9, 3, 9, 5, 6, 7, 8, 4});
    MovePiece(aboveAndLeft, 5);
    EXPECT_EQ(sourcesOf(aboveAndLeft), (Sources{1, 5, 3, 9, 9, 6, 7, 8, 4}));
}

TEST_F(Moves, ClicksThatSlideNothingChangeNothing) {
    Board board = newGame(2);
    MovePiece(board, 7); // the empty moves to slot 7
    ASSERT_EQ(Module1::MoveCount, 1);
    Module1::Slot7Moved = Module1::kFalse;

    for (std::int16_t click : {7, 3, 0, 10, -1})
        expectNoMove(board, click);
}

TEST_F(Moves, Puzzle1PiecesNeverEnterThePictureLessBottomRow) {
    Board board = newGame(1);
    // Slots 4 and 6 sit above slots without a picture, which are not empty.
    expectNoMove(board, 4);
    expectNoMove(board, 6);

    play(board, {1, 4});
    ASSERT_TRUE(board.isEmpty(4));
    // A hidden slot without a picture has nothing to slide up into the empty one.
    expectNoMove(board, 7);
}

TEST_F(Moves, LeavingSlot7SetsSlot7MovedInAnyPuzzleButEnteringItDoesNot) {
    Board board = newGame(2); // bird 4 in slot 7, the empty in slot 8
    MovePiece(board, 7);
    EXPECT_EQ(Module1::Slot7Moved, Module1::kTrue);

    Module1::Slot7Moved = Module1::kFalse;
    MovePiece(board, 8);
    EXPECT_EQ(board.source(7), 4);
    EXPECT_EQ(Module1::Slot7Moved, Module1::kFalse);
}

TEST_F(Moves, TheCounterShowsPlainDecimalDigits) {
    Board board = newGame(2);
    for (int i = 0; i < 5; ++i)
        play(board, {7, 8});
    EXPECT_EQ(Module1::MoveCount, 10);
    EXPECT_EQ(board.counterText, "10");
}

TEST_F(Moves, AtTheLimitPiecesStillMoveAndTheCountStaysAt32767) {
    Board board = newGame(2);
    Module1::MoveCount = 32766;

    MovePiece(board, 7);
    EXPECT_EQ(Module1::MoveCount, 32767);
    EXPECT_EQ(board.counterText, "32767");

    MovePiece(board, 8);
    EXPECT_EQ(board.source(7), 4);
    EXPECT_EQ(Module1::MoveCount, 32767);
    EXPECT_EQ(board.counterText, "32767");
}

TEST_F(Moves, TheRuleLeavesCheckingForAnActiveGameToTheWindow) {
    Board board = newGame(2);
    EndGame();
    MovePiece(board, 7);
    EXPECT_EQ(Module1::MoveCount, 1);
}

} // namespace
