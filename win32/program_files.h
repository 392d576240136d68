// Reading the files that lie beside the program, however deep its folder.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace plumaro {

// The path in the form the file functions accept beyond MAX_PATH (with the
// "\\?\" prefix) when it is a full path that long; otherwise unchanged.
std::wstring longPathForm(const std::wstring &path);

// Every byte of the file at `path` (any length), if it holds at most
// `largest` bytes: the size is checked before anything is read, so a huge
// file costs nothing. The file is opened sharing read, write and delete,
// so that another program holding it open (an editor, a sync, backup or
// virus scanner) does not stop the game. Returns 0, or the Win32 error that
// stopped it (ERROR_FILE_TOO_LARGE for a larger file); `bytes` is left
// empty on failure.
DWORD readFileBytes(const std::wstring &path, std::uint64_t largest, std::vector<BYTE> &bytes);

// The first `most` bytes of the file at `path`, all of a shorter one, opened
// as readFileBytes opens it: nothing beyond them is read or held. `whole`
// tells whether they are the whole file. Returns 0 or the Win32 error.
DWORD readFileStart(const std::wstring &path, std::size_t most, std::vector<BYTE> &bytes, bool &whole);

} // namespace plumaro
