// The start-up check of the display setting: the board is laid out in
// fixed pixels for small fonts.
#pragma once

namespace plumaro {

// The message shown before the program ends on a large-fonts display.
inline constexpr wchar_t kLargeFontsMessage[] =
    L"Your video display is set to LARGE FONTS. This application requires a setting of Small Fonts. "
    L"Right click on your desktop, select PROPERTIES,then SETTINGS. Change Fonts from Large to Small, "
    L"then click on the APPLY button.";

// Twips per pixel at this many pixels per inch, rounded to the nearest whole
// number with halves going to the even neighbour: 15 at 96, 12 at 120.
int twipsPerPixel(int pixelsPerInch);

// Whether the horizontal resolution is the large-fonts setting (12 twips per
// pixel, which every resolution from 116 to 125 rounds to).
bool isLargeFontsSetting(int pixelsPerInchX);

} // namespace plumaro
