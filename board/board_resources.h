// Identifiers of the board window's resources and controls, in bands by kind.
#pragma once

// Icons
#define IDI_BOARD 101

// Menus and accelerators
#define IDR_BOARD_MENU 200
#define IDR_BOARD_KEYS 201

// Menu commands
#define IDM_PUZZLE1 1001
#define IDM_PUZZLE2 1002
#define IDM_PUZZLE3 1003
#define IDM_EXIT 1004
#define IDM_RULES 1005
#define IDM_ABOUT 1006

// Controls
#define IDC_MOVES 2001
#define IDC_SLOT1 2011
#define IDC_SLOT2 2012
#define IDC_SLOT3 2013
#define IDC_SLOT4 2014
#define IDC_SLOT5 2015
#define IDC_SLOT6 2016
#define IDC_SLOT7 2017
#define IDC_SLOT8 2018
#define IDC_SLOT9 2019

// Pictures: the background, the title, the birds and the empty slot
#define IDR_BOARD_BACKGROUND 3001
#define IDR_TITLE 3002
#define IDR_BIRD1 3011
#define IDR_BIRD2 3012
#define IDR_BIRD3 3013
#define IDR_BIRD4 3014
#define IDR_BIRD5 3015
#define IDR_BIRD6 3016
#define IDR_BIRD7 3017
#define IDR_BIRD8 3018
#define IDR_EMPTY 3019

#ifndef RC_INVOKED
#include <array>

// Slot i (1..9) is the control kSlotIds[i - 1], and the picture Bird1..Bird8,
// Empty is the resource kPictureIds[0..8].
inline constexpr std::array<int, 9> kSlotIds{IDC_SLOT1, IDC_SLOT2, IDC_SLOT3, IDC_SLOT4, IDC_SLOT5,
                                             IDC_SLOT6, IDC_SLOT7, IDC_SLOT8, IDC_SLOT9};
inline constexpr std::array<int, 9> kPictureIds{IDR_BIRD1, IDR_BIRD2, IDR_BIRD3, IDR_BIRD4, IDR_BIRD5,
                                                IDR_BIRD6, IDR_BIRD7, IDR_BIRD8, IDR_EMPTY};
#endif
