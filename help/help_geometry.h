// Where the help window's controls lie in its client area, in pixels. The
// help window and its tests take them from here.
#pragma once

namespace plumaro::help_geometry {

// The client size the window is sized for, as a window with a caption and a
// menu bar. A tool window has a smaller caption and no menu bar, so it comes
// out taller; the layout needs at least the least size, to the logo's right
// edge and the text box's lower edge, which the window grows to where the
// system's metrics leave it short.
constexpr int kClientWidth = 440, kClientHeight = 280;
constexpr int kLeastClientWidth = 435, kLeastClientHeight = 300;

// The text box, the buttons and the link keep their sizes in twips, so that
// they grow with the resolution: 281 x 292, 127 x 23 and 93 x 18 pixels at
// 96 dpi. The pictures keep theirs in pixels.
constexpr int kTextLeft = 5, kTextTop = 8, kTextWidthInTwips = 4215, kTextHeightInTwips = 4380;
constexpr int kButtonLeft = 300, kButtonWidthInTwips = 1905, kButtonHeightInTwips = 345;
constexpr int kRulesButtonTop = 214, kAboutButtonTop = 243, kOkButtonTop = 270;
constexpr int kRulesPictureLeft = 308, kRulesPictureTop = 10, kRulesPictureWidth = 107, kRulesPictureHeight = 170;
constexpr int kLogoLeft = 295, kLogoTop = 58, kLogoWidth = 140, kLogoHeight = 102;
constexpr int kLinkLeft = 315, kLinkTop = 162, kLinkWidthInTwips = 1395, kLinkHeightInTwips = 270;

} // namespace plumaro::help_geometry
