// Pictures compiled into the program: loading them for a display scale and
// drawing them.
#pragma once

#include <windows.h>

#include <array>

#include "handles.h"

namespace plumaro {

// The display scales every picture is drawn for, in dots per inch (96 is
// 100 %): those Windows offers from 100 % to 300 %. The artwork generator
// (assets/art/geometry.py) reads this line.
inline constexpr std::array<UINT, 8> kPictureDpis{96, 120, 144, 168, 192, 216, 240, 288};

// Loads picture `id` (IDR_...) as the window at `dpi` shows it, as a DIB
// section: drawn for that scale, in its own format (8 bits a pixel, its
// palette) when the scale is one of kPictureDpis; at any other scale, the
// picture drawn for the nearest larger one (the largest, above them all)
// filtered to the size the layout gives it there. Returns nullptr if the
// picture is missing from the program or cannot be made.
UniqueBitmap loadPicture(HINSTANCE instance, int id, UINT dpi);

// The bitmap's size in pixels.
SIZE bitmapSize(HBITMAP bitmap);

// Draws the bitmap unscaled with its top-left corner at (x, y), as far as the
// target's clip box reaches.
void drawBitmap(HDC target, HBITMAP bitmap, int x, int y);

} // namespace plumaro
