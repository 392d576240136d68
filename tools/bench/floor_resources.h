// Resource identifiers of the benchmark's floor programs, and the class of
// their window, which the benchmark looks for.
#pragma once

#define IDR_FLOOR_MENU 100
#define IDD_BLANK 200

#ifndef RC_INVOKED
inline constexpr wchar_t kFloorClassName[] = L"PlumaroFloor";
#endif
