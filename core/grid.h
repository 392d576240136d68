// The board's grid: which slot lies beside which, on each side.
#pragma once

#include <array>

namespace plumaro {

// The four sides of a slot, in the order the move rule looks at them (which is also ascending
// slot number).
enum class Side { Above, Left, Right, Below };
inline constexpr std::array<Side, 4> kSides{Side::Above, Side::Left, Side::Right, Side::Below};

// The slot beside `slot` (1..9) on `side`, or 0 at the board's edge: no diagonals, and a row does
// not wrap into the next. 0 as well for a slot number outside 1..9.
int neighbour(int slot, Side side);

} // namespace plumaro
