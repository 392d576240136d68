// What the board says to a player who listens instead of looking: every text
// a screen reader speaks about the board, composed from the game in the
// words of the program's string table.
#pragma once

#include <string>

#include "game.h"

namespace plumaro {

// What a slot shows: "Bird 5", "Empty" or "No picture".
std::wstring slotName(const Game &game, int slot);

// After a move from slot `from` into slot `to`: "Bird 5 moved left, 4 moves".
std::wstring movedText(const Game &game, int from, int to);
// A press on a bird that has no empty neighbour: "Bird 3 is not next to the empty slot".
std::wstring cannotMoveText(const Game &game, int slot);
// An arrow that finds no bird on the side it takes one from: "No bird to the right".
std::wstring noBirdText(Arrow arrow);
// A press while no game is under way: before the first game, or after a verdict.
std::wstring noGameText(const Game &game);

// The rows the player sees, top to bottom: "Row 1: 5, empty, 6. Row 2: 1, 2, 3."
std::wstring boardText(const Game &game);
// "4 moves, par 17"; before the first game, how to start one.
std::wstring countText(const Game &game);
// What the board says first when it gets the focus, the start of a game
// too: the game so far, where the empty slot is and the keys: "Puzzle 2,
// 0 moves, par 23. The empty slot is in row 3, column 2. The arrow keys..."
std::wstring boardDescription(const Game &game);

} // namespace plumaro
