// The start-up check of the display setting: the board is laid out in
// fixed pixels for small fonts.
#pragma once

namespace plumaro {

// Twips per pixel at this many pixels per inch, rounded to the nearest whole
// number with halves going to the even neighbour: 15 at 96, 12 at 120.
int twipsPerPixel(int pixelsPerInch);

// Whether the horizontal resolution is the large-fonts setting (12 twips per
// pixel, which every resolution from 116 to 125 rounds to).
bool isLargeFontsSetting(int pixelsPerInchX);

} // namespace plumaro
