// Pictures compiled into the program: decoding them and drawing them.
#pragma once

#include <windows.h>

#include "win32/handles.h"

namespace plumaro {

// Decodes the GIF stored as RCDATA resource `id` into a 32-bit bitmap, using
// the system's image codecs (COM must be initialised on this thread).
// Returns nullptr if the resource is missing or cannot be decoded.
UniqueBitmap loadGifResource(HINSTANCE instance, int id);

// The bitmap's size in pixels.
SIZE bitmapSize(HBITMAP bitmap);

// Draws the whole bitmap unscaled with its top-left corner at (x, y).
void drawBitmap(HDC target, HBITMAP bitmap, int x, int y);

} // namespace plumaro
