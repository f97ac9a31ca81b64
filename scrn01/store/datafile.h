// Data files in the installation directory (DirName1):
//   PondelSet.ini   optional settings file: dialog texts, messages, tuning numbers
//   PondelData.ini  scene sets and the program; <user>PondelData.ini wins over the shared one
//   DataWork.ini    work file of a save, moved over the per-user file when complete
#pragma once

#include <cstdio>

const int PathSize = 256;      // a data-file path
const int LineSize = 650;      // a data-file line with its terminator
const int SetLineSize = 100;   // a settings-file line with its terminator
const int UserSize = 32;       // the user name

extern char mbsUserName[UserSize];   // logged-on user, "Default" when the system gives none
extern const char FileName1[];       // "PondelSet.ini"
extern const char FileName2[];       // "PondelData.ini"
extern const char FileName3[];       // "DataWork.ini"
extern char WFileName1[PathSize];    // settings path while read; then the data file DataRead used
extern char WFileName2[PathSize];    // per-user data file, the save target
extern char WFileName3[PathSize];    // work file
extern char line[LineSize];          // line buffer of the readers and the writer

// Settings-file values of the fish-table tuning; RegRead makes them current.
extern int FiGrtW, FishLv0SW, FishLv1SW, FishLv2SW, FishLv3SW, FishMax2SW, FisttW;

// Every global above back to its value at start-up (tests call it
// for a clean state).
void DataFileReset();

void RegUserSet();
void FileRead1();
// af 0 at saver start (also picks the first set of the program), 1 in the dialog.
void DataRead(int af);
// Saves every loaded set and the program. Returns 0 when saved, else the
// failed step: 1 no work file (reported at point 5), or the error point
// reported (5..7).
int DataWrite();

// Line-level parts of the readers and the writer, on open streams.
// Reads one line of at most cap-1 characters into buf: the line feed is
// dropped, the excess of a longer line is skipped. False at the end of the file.
bool ReadLine1(FILE* fp, char* buf, int cap);
// Applies one settings-file line (the line feed already dropped).
void SetLineStore(const char* text);
// Scans the lines of a data file into the set store and the program; returns
// the number of set lines taken (at most 50). *pgseen tells whether a program line was read.
int DataReadLines(FILE* fp, bool* pgseen);
// After the scan: defaults, program and index checks. sets < 0 when no file
// opened, path is the one reported for a missing file in the dialog.
void DataReadFinish(int af, int sets, bool pgseen, const char* path);
// Writes the key-0 lines of old (may be null), every loaded set and the
// program line to work. False on a write error.
bool DataWriteLines(FILE* old, FILE* work);
