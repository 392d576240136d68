// Identifiers of the texts a player reads, held in the string table of
// win32/texts.rc, in bands by where they appear.
#pragma once

// Captions
#define IDS_PROGRAM_TITLE 5001 // of the program's message boxes
#define IDS_BOARD_CAPTION 5002

// Messages
#define IDS_LARGE_FONTS 5101
#define IDS_BOARD_NOT_CREATED 5102
#define IDS_HELP_NOT_SHOWN 5103
#define IDS_LINK_FAILED 5104

// The run-time error report
#define IDS_RUNTIME_ERROR 5201 // %1 what failed, %2 the file, %3 why
#define IDS_ICON_NOT_LOADED 5202
#define IDS_FILE_NOT_FOUND 5203
#define IDS_INVALID_PICTURE 5204
#define IDS_PERMISSION_DENIED 5205
#define IDS_ERROR_NUMBER 5206 // %1 the system's error code
