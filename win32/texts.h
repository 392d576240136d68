// The texts a player reads, from the program's string table (win32/texts.rc).
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

#include "text_ids.h"

namespace plumaro {

// The text with the identifier (IDS_...); empty if the table has none.
std::wstring loadText(UINT id);

// The text with %1, %2, ... %9 replaced by the arguments in order.
std::wstring formatText(UINT id, std::initializer_list<std::wstring> arguments);

} // namespace plumaro
