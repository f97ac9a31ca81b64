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
// True when a file (or folder) exists at path.
bool OsFileExists(const char* path);
// Move from over to in one step, replacing an existing to, written through to
// the disk. False on failure (for example when to is read-only).
bool OsReplaceFile(const char* from, const char* to);
// Flush a stream and commit its data to the disk. False on failure.
bool OsCommitFile(FILE* fp);
