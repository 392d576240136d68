// Where the help window's controls lie in its client area, in pixels. The
// help window and its tests take them from here.
#pragma once

namespace plumaro::help_geometry {

// The client size the window is sized for, as a window with a caption and a
// menu bar. A tool window has a smaller caption and no menu bar, so it comes
// out taller; the layout needs at least the least size below, which the
// window grows to where the system's metrics leave it short.
constexpr int kClientWidth = 440;
constexpr int kClientHeight = 280;
constexpr int kLeastClientWidth = 435;  // to the logo's right edge
constexpr int kLeastClientHeight = 300; // to the text box's lower edge

// The text box, the buttons and the link keep their sizes in twips, so that
// they grow with the resolution: 281 x 292, 127 x 23 and 93 x 18 pixels at
// 96 dpi. The pictures keep theirs in pixels.
constexpr int kTextLeft = 5;
constexpr int kTextTop = 8;
constexpr int kTextWidthInTwips = 4215;
constexpr int kTextHeightInTwips = 4380;

constexpr int kButtonLeft = 300;
constexpr int kRulesButtonTop = 214;
constexpr int kAboutButtonTop = 243;
constexpr int kOkButtonTop = 270;
constexpr int kButtonWidthInTwips = 1905;
constexpr int kButtonHeightInTwips = 345;

constexpr int kRulesPictureLeft = 308;
constexpr int kRulesPictureTop = 10;
constexpr int kRulesPictureWidth = 107;
constexpr int kRulesPictureHeight = 170;

constexpr int kLogoLeft = 295;
constexpr int kLogoTop = 58;
constexpr int kLogoWidth = 140;
constexpr int kLogoHeight = 102;

constexpr int kLinkLeft = 315;
constexpr int kLinkTop = 162;
constexpr int kLinkWidthInTwips = 1395;
constexpr int kLinkHeightInTwips = 270;

} // namespace plumaro::help_geometry
