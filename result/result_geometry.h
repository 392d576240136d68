// Where the result window's picture and controls lie in its client area, in
// pixels. The result window, its tests, the benchmark's floor dialog and the
// artwork generator (assets/art/geometry.py reads the numbers below from
// this file) all take them from here. Keep each value a plain
// `constexpr int kName = number;` line for the generator's sake.
#pragma once

namespace plumaro::result_geometry {

// The client area: the size of the background picture.
constexpr int kClientWidth = 340;
constexpr int kClientHeight = 204;

// The verdict, written on the sign the Emperor holds.
constexpr int kMessageLeft = 30;
constexpr int kMessageTop = 96;
constexpr int kMessageWidth = 116;
constexpr int kMessageHeight = 19;

// The pictures, all in one place on the right: three of one size, and the
// one that asks for fewer moves, which is wider and lower.
constexpr int kPictureLeft = 203;
constexpr int kPictureTop = 11;
constexpr int kPictureWidth = 117;
constexpr int kPictureHeight = 151;
constexpr int kFewerMovesLeft = 194;
constexpr int kFewerMovesTop = 17;
constexpr int kFewerMovesWidth = 134;
constexpr int kFewerMovesHeight = 135;

// The OK button's top-left corner. Its size is kept in twips, so that it
// grows with the resolution: 85 x 24 pixels at 96 dpi.
constexpr int kOkLeft = 220;
constexpr int kOkTop = 167;
constexpr int kOkWidthInTwips = 1275;
constexpr int kOkHeightInTwips = 360;

} // namespace plumaro::result_geometry
