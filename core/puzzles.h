// The three puzzles: each one's start, goal and par, and what its rating
// looks at.
#pragma once

#include "game.h"

namespace plumaro {

struct Puzzle {
    Board start;         // Picture::None: the slot stays without a picture
    Board goal;          // Picture::None: the goal does not look at the slot
    int par;             // the fewest moves from start to goal
    ResultPicture inPar; // the picture a solution in par earns
    bool slot7MustStay;  // moving the bird out of slot 7 wakes the Emperor
};

// Puzzle 1..3; nullptr for any other number.
const Puzzle *puzzleNumbered(int puzzle);

} // namespace plumaro
