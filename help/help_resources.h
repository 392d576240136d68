// Identifiers of the help window's resources and controls, in bands by kind.
#pragma once

// Controls
#define IDC_HELP_TEXT 2201
#define IDC_HELP_PICTURE 2202
#define IDC_LOGO 2203
#define IDC_URL 2204
#define IDC_HELP_RULES 2210
#define IDC_HELP_OK 2214
#define IDC_HELP_ABOUT 2215

// Pictures
#define IDB_RULES 3201
#define IDB_LOGO 3202

// Dialogs
#define IDD_HELP 4002
