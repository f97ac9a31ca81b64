// The operating-system call of the command-line scanner: cmdcall_win.cpp uses
// the Win32 API, cmdcall_native.cpp stands in for it in the native build.
#pragma once

// The character after the one at p, in the system's code page (a double-byte
// character counts as one); p itself at the terminator.
const char* OsCharNext(const char* p);
