// Reading a help text file: its beginning, as much as the help window
// shows, decoded to wide text.
#pragma once

#include <cstddef>
#include <string>

namespace plumaro {

// The most characters of a help text that the help window's text box takes,
// and so the most readHelpText returns. The game's own texts are a few
// kilobytes; a file a thousand times that is a mistake, of which the box
// shows the beginning at once rather than the whole file only after the
// interface has stalled reading and laying out up to two gigabytes.
inline constexpr std::size_t kMostHelpCharacters = std::size_t{1} << 21;

// The text of the file at `path`, byte for byte as far as it goes: nothing
// trimmed, line ends as stored, up to kMostHelpCharacters, of which only the
// bytes that can make them are read. Decoded by the file's byte-order mark
// as UTF-16 LE or UTF-16 BE, as Notepad saves them; otherwise bytes that
// are valid UTF-8 (as today's editors save, with or without a mark, which
// is dropped) as UTF-8, and any other bytes as characters of the system's
// ANSI code page.
//
// The file is only ever read, sharing reading, writing and deleting with
// other programs, so it is never changed and an editor may hold it open. A
// file that does not exist is created empty. A file that can be neither
// read nor created (locked by another program, a folder without write
// access, a folder of that name) reads as an empty text.
std::wstring readHelpText(const std::wstring &path);

} // namespace plumaro
