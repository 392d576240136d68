// Where the board window's pictures and controls lie in its client area, in pixels at 96 dpi (the
// window shows them at its own scale). The board window, the tests that play it and the artwork
// generator (assets/art/geometry.py reads the numbers below from this file) all take them from here,
// so none can disagree with the others. Keep the values in lines of
// `constexpr int kName = number, ...;` for the generator's sake.
#pragma once

namespace plumaro::board_geometry {

// The client area: the size of the background picture.
constexpr int kClientWidth = 580, kClientHeight = 467;

// Slot i (1..9) lies in row (i-1)/3 and column (i-1)%3 of the grid; its top-left corner is
// (kSlotLeft + kSlotPitch * column, kSlotTop + kSlotPitch * row), leaving two pixels between
// neighbours.
constexpr int kSlotLeft = 134, kSlotTop = 50, kSlotPitch = 80, kSlotSize = 78;

// The move counter, its frame included.
constexpr int kCounterLeft = 390, kCounterTop = 60, kCounterWidth = 25, kCounterHeight = 19;

// The title picture's top-left corner, shown until the first game.
constexpr int kTitleLeft = 144, kTitleTop = 69;

// Slot `index` (1..9): its left and top edges in the client area.
constexpr int slotLeft(int index) { return kSlotLeft + kSlotPitch * ((index - 1) % 3); }
constexpr int slotTop(int index) { return kSlotTop + kSlotPitch * ((index - 1) / 3); }

} // namespace plumaro::board_geometry
