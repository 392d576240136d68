// Resource and control identifiers of the whole program, in bands by kind.
#pragma once

// Icons and cursors
#define IDI_BOARD 101
#define IDC_POINTING_HAND 102

// Menus
#define IDR_BOARD_MENU 200

// Menu commands
#define IDM_PUZZLE1 1001
#define IDM_PUZZLE2 1002
#define IDM_PUZZLE3 1003
#define IDM_EXIT 1004
#define IDM_RULES 1005
#define IDM_ABOUT 1006

// Controls of the board window
#define IDC_MOVES 2001
#define IDC_SLOT1 2011 // slots 1..9 are IDC_SLOT1 + 0..8

// Controls of the result window
#define IDC_MESSAGE 2101
#define IDC_IMAGE1 2111 // pictures 1..4 are IDC_IMAGE1 + 0..3
#define IDC_IMAGE2 2112
#define IDC_IMAGE3 2113
#define IDC_IMAGE4 2114

// Controls of the help window
#define IDC_HELP_TEXT 2201
#define IDC_HELP_PICTURE 2202
#define IDC_LOGO 2203
#define IDC_URL 2204
#define IDC_HELP_BUTTON 2210 // the button with index i is IDC_HELP_BUTTON + i
#define IDC_HELP_RULES 2210  // index 0
#define IDC_HELP_OK 2214     // index 4
#define IDC_HELP_ABOUT 2215  // index 5

// Pictures
#define IDR_BOARD_BACKGROUND 3001
#define IDR_TITLE 3002
// The board's sources 1..9, IDR_BIRD1 + 0..8 in order; 9 is the empty slot.
#define IDR_BIRD1 3011
#define IDR_BIRD2 3012
#define IDR_BIRD3 3013
#define IDR_BIRD4 3014
#define IDR_BIRD5 3015
#define IDR_BIRD6 3016
#define IDR_BIRD7 3017
#define IDR_BIRD8 3018
#define IDR_EMPTY 3019
#define IDR_RESULT_BACKGROUND 3101
// The result pictures 1..4, IDR_RESULT1 + 0..3 in order.
#define IDR_RESULT1 3111
#define IDR_RESULT2 3112
#define IDR_RESULT3 3113
#define IDR_RESULT4 3114
#define IDB_RULES 3201
#define IDB_LOGO 3202

// Dialogs
#define IDD_RESULT 4001
#define IDD_HELP 4002
