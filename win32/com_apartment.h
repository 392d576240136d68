// COM on the program's window thread: one owner, started on first need.
#pragma once

namespace plumaro {

// Starts COM on the calling thread the first time something needs it, as a
// single-threaded apartment without OLE 1 DDE (what the shell asks of its
// callers), and keeps it until the thread ends: accessibility clients may
// hold the program's objects for as long as they like. ole32 is loaded only
// then, never at start-up. True if COM can be used on this thread (also
// when other code had started it already).
bool useComOnThisThread();

} // namespace plumaro
