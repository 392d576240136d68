// Reading a help text file: its whole content, decoded from the ANSI code page.
#pragma once

#include <string>

namespace plumaro {

// The whole content of the file at `path`, byte for byte, decoded from the
// system's ANSI code page: nothing trimmed, line ends as stored, no limit
// but the file's length.
//
// The file is opened for reading only, sharing reading and writing with
// other programs, so it is never changed and an editor may hold it open. A
// file that does not exist is created empty. A file that can be neither
// read nor created (locked by another program, a folder without write
// access, a folder of that name) reads as an empty text.
std::wstring ReadTextFile(const std::wstring &path);

} // namespace plumaro
