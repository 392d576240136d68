// Where the result window's picture and controls lie in its client area, in
// pixels at 96 dpi (the window shows them at its own scale). The result
// window, its tests, the benchmark's floor dialog and the artwork generator
// (assets/art/geometry.py reads the numbers below from this file) all take
// them from here. Keep the values in lines of
// `constexpr int kName = number, ...;` for the generator's sake.
#pragma once

namespace plumaro::result_geometry {

// The client area: the size of the background picture.
constexpr int kClientWidth = 340, kClientHeight = 204;

// The verdict, written on the sign the Emperor holds.
constexpr int kMessageLeft = 30, kMessageTop = 96, kMessageWidth = 116, kMessageHeight = 19;

// The pictures, all in one place on the right: three of one size, and the
// one that asks for fewer moves, which is wider and lower.
constexpr int kPictureLeft = 203, kPictureTop = 11, kPictureWidth = 117, kPictureHeight = 151;
constexpr int kFewerMovesLeft = 194, kFewerMovesTop = 17, kFewerMovesWidth = 134, kFewerMovesHeight = 135;

// The OK button.
constexpr int kOkLeft = 220, kOkTop = 167, kOkWidth = 85, kOkHeight = 24;

} // namespace plumaro::result_geometry
