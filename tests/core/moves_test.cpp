// Moves: which clicks slide a bird, where it goes, and what a
// move counts and records.
#include "game_test.h"

namespace plumaro {
namespace {

void expectNoMove(Game &game, int click) {
    const Game before = game;
    EXPECT_FALSE(game.move(click)) << "click " << click;
    EXPECT_EQ(game, before) << "click " << click;
}

TEST(Moves, ABirdSlidesIntoTheEmptySlotBesideIt) {
    Game game = newGame(1); // empty in slot 2
    Numbers expected = numbersOf(game);
    ASSERT_EQ(expected[1], 9);
    std::swap(expected[0], expected[1]);

    EXPECT_TRUE(game.move(1));

    EXPECT_EQ(numbersOf(game), expected);
    EXPECT_EQ(game.moves, 1);
}

TEST(Moves, OnlyLeftRightUpAndDownNeighboursCount) {
    Game diagonal = gameShowing({1, 2, 3, 4, 5, 6, 7, 8, 9});
    expectNoMove(diagonal, 5);

    // Slot 3 ends the top row; slot 4 starts the next one.
    Game rowEnd = gameShowing({1, 2, 3, 9, 5, 6, 7, 8, 4});
    expectNoMove(rowEnd, 3);
}

TEST(Moves, WithTwoEmptyNeighboursTheBirdTakesTheFirstInTableOrder) {
    // Slot 5 tries 2, 4, 6, 8 in that order.
    Game leftAndRight = gameShowing({1, 2, 3, 9, 5, 9, 7, 8, 4});
    leftAndRight.move(5);
    EXPECT_EQ(numbersOf(leftAndRight), (Numbers{1, 2, 3, 5, 9, 9, 7, 8, 4}));

    Game aboveAndLeft = gameShowing({1, 9, 3, 9, 5, 6, 7, 8, 4});
    aboveAndLeft.move(5);
    EXPECT_EQ(numbersOf(aboveAndLeft), (Numbers{1, 5, 3, 9, 9, 6, 7, 8, 4}));
}

TEST(Moves, ClicksThatSlideNothingChangeNothing) {
    Game game = newGame(2);
    game.move(7); // the empty slot moves to slot 7
    ASSERT_EQ(game.moves, 1);
    for (int click : {7, 3, 0, 10, -1})
        expectNoMove(game, click);
}

TEST(Moves, Puzzle1BirdsNeverEnterTheBottomRowWithoutPictures) {
    Game game = newGame(1);
    // Slots 4 and 6 lie above slots without a picture, which are not empty.
    expectNoMove(game, 4);
    expectNoMove(game, 6);

    play(game, {1, 4});
    ASSERT_TRUE(game.isEmpty(4));
    // A slot without a picture has nothing to slide up into the empty one.
    expectNoMove(game, 7);
}

TEST(Moves, LeavingSlot7IsRecordedInAnyPuzzleButEnteringItIsNot) {
    Game game = newGame(2); // bird 4 in slot 7, the empty slot in 8
    game.move(7);
    EXPECT_TRUE(game.slot7Moved);

    game.slot7Moved = false;
    game.move(8);
    EXPECT_EQ(game.at(7), Picture::Bird4);
    EXPECT_FALSE(game.slot7Moved);
}

TEST(Moves, AtTheLimitBirdsStillMoveAndTheCountStaysAt32767) {
    Game game = newGame(2);
    game.moves = kMostMoves - 1;

    game.move(7);
    EXPECT_EQ(game.moves, kMostMoves);

    game.move(8);
    EXPECT_EQ(game.at(7), Picture::Bird4);
    EXPECT_EQ(game.moves, kMostMoves);
}

} // namespace
} // namespace plumaro
