// Module1: the game's program-wide state, shared by the puzzle rules and the window code.
#pragma once

#include <cstdint>

// These five variables are the only mutable state the whole program shares. The booleans hold
// kTrue or kFalse and count as true whenever they are non-zero.
namespace Module1 {

constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

inline std::int16_t PuzzleNumber = 0; // puzzle being played: 1, 2 or 3
inline std::int16_t HelpMode = 0;     // page of the help window: 0 the rules, 1 about the game
inline std::int16_t MoveCount = 0;    // moves made in the current game, 0..32767
inline std::int16_t Slot7Moved = 0;   // boolean: a piece has left slot 7 (only puzzle 3 clears it)
inline std::int16_t GameActive = 0;   // boolean: a game is under way and the slots take clicks

} // namespace Module1
