// Native stand-in state, for the unit tests.
#pragma once
#include <map>
#include <string>

extern std::map<std::string, std::string> NativeProfile;  // "section/key" -> value
extern std::string NativeDate, NativeTime;                // fixed clock when not empty

// User name the stand-in reports; empty: the system gives none.
extern std::string NativeUserName;

// All of the above emptied.
void NativeOsReset();
