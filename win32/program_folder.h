// The folder that holds the running program, where its run-time files lie.
#pragma once

#include <string>

namespace plumaro {

// The folder of the running .exe as a path without a trailing separator,
// e.g. L"C:\\Games\\Plumaro". Works for folder names of any length and in
// any script, whatever the ANSI code page.
std::wstring programFolder();

// The run-time file `name` (e.g. L"SOUND\\G0034.WAV") in that folder.
std::wstring programFile(const wchar_t *name);

} // namespace plumaro
