// Reading a help text file: its whole content, decoded to wide text.
#pragma once

#include <string>

namespace plumaro {

// The whole content of the file at `path`, byte for byte: nothing trimmed,
// line ends as stored, no limit but the file's length. Bytes that are valid
// UTF-8 (as today's editors save, with or without a byte-order mark, which
// is dropped) are decoded as UTF-8; any other bytes are characters of the
// system's ANSI code page.
//
// The file is only ever read, sharing reading, writing and deleting with
// other programs, so it is never changed and an editor may hold it open. A
// file that does not exist is created empty. A file that can be neither
// read nor created (locked by another program, a folder without write
// access, a folder of that name) reads as an empty text.
std::wstring readHelpText(const std::wstring &path);

} // namespace plumaro
