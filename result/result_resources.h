// Identifiers of the result window's resources and controls, in bands by kind.
#pragma once

// Controls
#define IDC_MESSAGE 2101
#define IDC_IMAGE1 2111
#define IDC_IMAGE2 2112
#define IDC_IMAGE3 2113
#define IDC_IMAGE4 2114

// Pictures: the background and the four text pictures
#define IDR_RESULT_BACKGROUND 3101
#define IDR_RESULT1 3111
#define IDR_RESULT2 3112
#define IDR_RESULT3 3113
#define IDR_RESULT4 3114

// Dialogs
#define IDD_RESULT 4001

#ifndef RC_INVOKED
#include <array>

// Image1..Image4: picture i (1..4) is the control kImageIds[i - 1] showing
// the resource kResultPictureIds[i - 1].
inline constexpr std::array<int, 4> kImageIds{IDC_IMAGE1, IDC_IMAGE2, IDC_IMAGE3, IDC_IMAGE4};
inline constexpr std::array<int, 4> kResultPictureIds{IDR_RESULT1, IDR_RESULT2, IDR_RESULT3, IDR_RESULT4};
#endif
