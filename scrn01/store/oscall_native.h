// Native stand-in state, for the unit tests.
#pragma once
#include <functional>
#include <map>
#include <string>

extern std::map<std::string, std::string> NativeProfile;  // "section/key" -> value
extern std::string NativeDate, NativeTime;                // fixed clock when not empty

// User name the stand-in reports; empty: the system gives none.
extern std::string NativeUserName;

// The registry, in memory: key "HKCR\<path>" or "HKCU\<path>" -> value name ->
// value. Values keep their type and bytes as the system would.
const int NativeRegSz = 1, NativeRegBinary = 3, NativeRegDword = 4;
struct NativeRegValue {
    int type;
    std::string bytes;
};
extern std::map<std::string, std::map<std::string, NativeRegValue>> NativeRegistry;
// Key name of the per-user key and of the installation key.
std::string NativeUserKey();
std::string NativeInstallKey();
// A DWORD value as a number; missing when absent or not a 4-byte DWORD.
int NativeRegInt(const std::string& key, const char* name, int missing);
void NativeRegPutInt(const std::string& key, const char* name, int v);
void NativeRegPutStr(const std::string& key, const char* name, const std::string& text);
// The registry as text and back (one line per value), for a test that ends
// a process and looks at what it left.
std::string NativeRegText();
void NativeRegFromText(const std::string& text);

// Calls of the data-file and registry functions of oscall.h (the file
// functions count every read, write and close the system makes for a stream
// they opened). NativeOsFault, when set, sees each call's number (from 0
// since NativeOsReset) and name before the call and makes it fail by
// returning false, or may end the process there.
extern long NativeOsCalls;
extern std::function<bool(long n, const char* call)> NativeOsFault;

// All of the above emptied.
void NativeOsReset();
