// The board's grid: one table of neighbours, written out slot by slot.
#include "grid.h"

#include <cstddef>

namespace plumaro {

namespace {

// For slots 1..9: the slot above, left, right and below; 0 at the edge.
constexpr std::array<std::array<int, 4>, 9> kNeighbours{{
    {0, 0, 2, 4}, // 1
    {0, 1, 3, 5}, // 2
    {0, 2, 0, 6}, // 3
    {1, 0, 5, 7}, // 4
    {2, 4, 6, 8}, // 5
    {3, 5, 0, 9}, // 6
    {4, 0, 8, 0}, // 7
    {5, 7, 9, 0}, // 8
    {6, 8, 0, 0}, // 9
}};

} // namespace

int neighbour(int slot, Side side) {
    if (slot < 1 || slot > static_cast<int>(kNeighbours.size()))
        return 0;
    return kNeighbours[static_cast<std::size_t>(slot - 1)][static_cast<std::size_t>(side)];
}

} // namespace plumaro
