// Command-line scanning of the run modes; no Windows API needed.
#pragma once

// Steps over the program's own name (quoted or not) and the blanks after it.
const char* SkipProgramName(const char* p);

// Decimal reader for window handles: stops at the first non-digit, wraps modulo 2^32.
unsigned atoui(const char* p);

enum SaverMode {
    ModeConfigNoOwner,  // no switch at all: configuration dialog without owner
    ModeConfig,     // "C": configuration dialog; rest = handle text when hasColon
    ModeSave,       // full-screen saving
    ModePreview,    // preview; rest = handle text
    ModeChangePw,   // Windows 95 password change; rest = handle text
    ModeNone        // unrecognised switch
};

struct SwitchScan {
    SaverMode mode;
    const char* rest;
    bool hasColon;  // configuration: "C:" followed directly by a handle
};

// Reads the switch from the text after the program name.
SwitchScan ScanSwitch(const char* p);
