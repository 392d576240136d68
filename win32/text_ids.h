// Identifiers of the texts a player reads, held in the string table of
// win32/texts.rc, in bands by where they appear.
#pragma once

// Captions, and the words on the buttons
#define IDS_PROGRAM_TITLE 5001 // of the program's message boxes
#define IDS_BOARD_CAPTION 5002 // the product's name
#define IDS_RESULT_CAPTION 5003
#define IDS_HELP_CAPTION 5004
#define IDS_OK 5011
#define IDS_RULES 5012
#define IDS_ABOUT 5013

// Messages
#define IDS_BOARD_NOT_CREATED 5102
#define IDS_HELP_NOT_SHOWN 5103
#define IDS_LINK_FAILED 5104
#define IDS_UNEXPECTED_ERROR 5105 // a fault the game cannot go on from

// The run-time error report
#define IDS_RUNTIME_ERROR 5201 // %1 what failed, %2 the file, %3 why
#define IDS_ICON_NOT_LOADED 5202
#define IDS_FILE_NOT_FOUND 5203
#define IDS_INVALID_PICTURE 5204
#define IDS_PERMISSION_DENIED 5205
#define IDS_ERROR_NUMBER 5206 // %1 the system's error code

// What screen readers are told of the controls
#define IDS_SLOT_BIRD 5301 // %1 the bird's number
#define IDS_SLOT_EMPTY 5302
#define IDS_SLOT_NO_PICTURE 5303
#define IDS_MOVES_NAME 5304
#define IDS_PRESS 5305
#define IDS_JUMP 5306

// What screen readers speak about the game
#define IDS_ONE_MOVE 5401   // %1 the count
#define IDS_MANY_MOVES 5402 // %1 the count
#define IDS_MOVED 5403      // %1 the bird, %2 which way, %3 the count
#define IDS_WAY_LEFT 5404
#define IDS_WAY_RIGHT 5405
#define IDS_WAY_UP 5406
#define IDS_WAY_DOWN 5407
#define IDS_NOT_BESIDE_EMPTY 5408 // %1 the bird
#define IDS_NO_BIRD_RIGHT 5409
#define IDS_NO_BIRD_LEFT 5410
#define IDS_NO_BIRD_BELOW 5411
#define IDS_NO_BIRD_ABOVE 5412
#define IDS_CHOOSE_PUZZLE 5413
#define IDS_GAME_OVER 5414 // %1 how to start another
#define IDS_EMPTY_AT 5416  // %1 the row, %2 the column
#define IDS_ROW 5417       // %1 the row, %2 its slots
#define IDS_ROW_EMPTY 5418
#define IDS_COUNT_AND_PAR 5419 // %1 the count, %2 the par
#define IDS_GAME_SO_FAR 5420   // %1 the puzzle, %2 the count, %3 the par
#define IDS_KEYS 5421
#define IDS_BEFORE_FIRST_GAME 5422 // %1 how to start one
#define IDS_VERDICT 5423           // %1 the verdict, %2 the picture's words

// The verdicts, and the words of the result pictures' lettering
#define IDS_WELL_DONE 5501
#define IDS_GOOD_TRY 5502
#define IDS_WORDS_IN_PAR 5511 // %1 the par the picture names
#define IDS_WORDS_FEWER_MOVES 5512
#define IDS_WORDS_EMPEROR_WOKEN 5513
