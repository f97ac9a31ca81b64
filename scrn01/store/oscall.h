// The few operating-system calls of the store and the error log, behind one
// seam: oscall_win.cpp uses the Win32 API, oscall_native.cpp stands in for it
// in the native unit-test build.
#pragma once
#include <cstdio>

// Local date and time as "yyyy.MM.dd" and "HH:mm" (24-hour). Each returns
// false when formatting fails; the caller then uses its fallback text.
bool OsLocalDate(char* out, int cap);
bool OsLocalTime(char* out, int cap);

// Write a value to the user's profile (win.ini); failures are ignored.
void OsWriteProfileString(const char* section, const char* key, const char* value);

// Clear read-only and hidden marks of a file. Returns false on failure.
bool OsSetFileNormal(const char* path);

// Message-box style flags, with the values of the Windows ones (checked in
// oscall_win.cpp).
const int OsMbIconHand = 0x10;
const int OsMbIconQuestion = 0x20;
const int OsMbIconExclamation = 0x30;
const int OsMbSystemModal = 0x1000;

// Show a message box with no owner; returns the button pressed.
int OsMessageBox(const char* text, const char* caption, unsigned style);

// --- Data files ---

// Logged-on user name into out (cap characters with the terminator). False
// when the system gives none or it does not fit.
bool OsUserName(char* out, int cap);
// Open a file as fopen does ("r", "w", "a"; text mode); null on failure.
FILE* OsFileOpen(const char* path, const char* mode);
// Close it; false when the close, or a write still buffered, failed.
bool OsFileClose(FILE* fp);
// Flush a stream and commit its data to the disk. False on failure.
bool OsCommitFile(FILE* fp);
// Move from to to in one step, written through to the disk. An existing to
// is replaced when replace is true and makes the move fail otherwise; a
// read-only to is never replaced. False on failure.
bool OsMoveFile(const char* from, const char* to, bool replace);

// --- Registry ---

// The two roots the store uses: HKEY_CLASSES_ROOT and HKEY_CURRENT_USER.
enum OsRegRoot { OsRegClassesRoot, OsRegCurrentUser };
// An open key; null when none is open.
typedef void* OsRegKey;

// Open an existing key for reading.
bool OsRegOpenRead(OsRegRoot root, const char* path, OsRegKey* key);
// Open a key for reading and writing, creating it (non-volatile) when
// missing; *created tells which.
bool OsRegCreate(OsRegRoot root, const char* path, OsRegKey* key, bool* created);
bool OsRegClose(OsRegKey key);
// A value that is a number of 4 bytes (REG_DWORD); false for any other.
bool OsRegGetInt(OsRegKey key, const char* name, int* v);
// A text value (REG_SZ, REG_EXPAND_SZ) into out, terminated, cut to cap - 1
// characters; false (and out empty) for any other.
bool OsRegGetStr(OsRegKey key, const char* name, char* out, int cap);
bool OsRegSetInt(OsRegKey key, const char* name, int v);
// Stored with its terminator.
bool OsRegSetStr(OsRegKey key, const char* name, const char* text);
