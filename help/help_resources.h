// Identifiers of the help window's resources and controls, in bands by kind.
#pragma once

// Controls, in the order the Tab key visits them
#define IDC_HELP_TEXT 2201
#define IDC_HELP_OK 2202
#define IDC_HELP_ABOUT 2203
#define IDC_HELP_RULES 2204
#define IDC_RULES_PICTURE 2205
#define IDC_LOGO 2206
#define IDC_LINK 2207

// Pictures
#define IDB_RULES 3201
#define IDB_LOGO 3202
