// Where the help window's controls lie in its client area, in pixels at 96
// dpi (the window shows them at its own scale). The help window and its
// tests take them from here.
#pragma once

namespace plumaro::help_geometry {

// The client area: wide enough for the logo, which reaches x = 435, and
// high enough for the text box, which reaches y = 300.
constexpr int kClientWidth = 440, kClientHeight = 302;

// The text box, the three buttons, the pictures and the link.
constexpr int kTextLeft = 5, kTextTop = 8, kTextWidth = 281, kTextHeight = 292;
constexpr int kButtonLeft = 300, kButtonWidth = 127, kButtonHeight = 23;
constexpr int kRulesButtonTop = 214, kAboutButtonTop = 243, kOkButtonTop = 270;
constexpr int kRulesPictureLeft = 308, kRulesPictureTop = 10, kRulesPictureWidth = 107, kRulesPictureHeight = 170;
constexpr int kLogoLeft = 295, kLogoTop = 58, kLogoWidth = 140, kLogoHeight = 102;
constexpr int kLinkLeft = 315, kLinkTop = 162, kLinkWidth = 93, kLinkHeight = 18;

} // namespace plumaro::help_geometry
