// Resource identifiers of the benchmark's floor programs.
#pragma once

#define IDR_FLOOR_MENU 100
#define IDD_BLANK 200
