// Pictures compiled into the program: loading them and drawing them.
#pragma once

#include <windows.h>

#include "handles.h"

namespace plumaro {

// Loads BITMAP resource `id` as a DIB section that keeps the picture's own
// format (8 bits per pixel with its palette), so that it costs one byte a
// pixel and draws with exactly the stored colours. Returns nullptr if the
// resource is missing or cannot be loaded.
UniqueBitmap loadPicture(HINSTANCE instance, int id);

// The bitmap's size in pixels.
SIZE bitmapSize(HBITMAP bitmap);

// Draws the bitmap unscaled with its top-left corner at (x, y), as far as the
// target's clip box reaches.
void drawBitmap(HDC target, HBITMAP bitmap, int x, int y);

} // namespace plumaro
