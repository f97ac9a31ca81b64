// The few operating-system calls of the store and the error log, behind one
// seam: oscall_win.cpp uses the Win32 API, oscall_native.cpp stands in for it
// in the native unit-test build.
#pragma once

// Local date and time as "yyyy.MM.dd" and "HH:mm" (24-hour). Each returns
// false when formatting fails; the caller then uses its fallback text.
bool OsLocalDate(char* out, int cap);
bool OsLocalTime(char* out, int cap);

// Write a value to the user's profile (win.ini); failures are ignored.
void OsWriteProfileString(const char* section, const char* key, const char* value);

// Clear read-only and hidden marks of a file. Returns false on failure.
bool OsSetFileNormal(const char* path);

// Show a message box with no owner; returns the button pressed. Tests may
// replace the box through MsgBoxHook.
int OsMessageBox(const char* text, const char* caption, unsigned style);
typedef int (*MsgBoxHookFn)(const char* text, const char* caption, unsigned style);
extern MsgBoxHookFn MsgBoxHook;
