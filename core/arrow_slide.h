// Arrow slides: which bird an arrow key moves into the empty slot.
#pragma once

#include "board.h"

enum class Arrow { Left, Right, Up, Down };

// The slot whose bird slides into the empty slot in the arrow's direction:
// Left takes the bird right of the empty slot, Right the one left of it, Up
// the one below and Down the one above. 0 when there is none: no empty slot,
// the board's edge, or a slot that is hidden or shows no bird.
int slotSlidingToward(const Board &board, Arrow arrow);
