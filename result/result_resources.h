// Identifiers of the result window's resources and controls, in bands by kind.
#pragma once

// Controls
#define IDC_MESSAGE 2101
#define IDC_PICTURE_IN_JUST_17_MOVES 2111
#define IDC_PICTURE_FEWER_MOVES 2112
#define IDC_PICTURE_IN_JUST_23_MOVES 2113
#define IDC_PICTURE_EMPEROR_WOKEN 2114

// Pictures: the background and the four text pictures
#define IDR_RESULT_BACKGROUND 3101
#define IDR_RESULT1 3111
#define IDR_RESULT2 3112
#define IDR_RESULT3 3113
#define IDR_RESULT4 3114

#ifndef RC_INVOKED
#include <array>

// The control of each result picture, in the order of ResultPicture.
inline constexpr std::array<int, 4> kPictureControls{IDC_PICTURE_IN_JUST_17_MOVES, IDC_PICTURE_FEWER_MOVES,
                                                     IDC_PICTURE_IN_JUST_23_MOVES, IDC_PICTURE_EMPEROR_WOKEN};
#endif
