// Registry store, the operations (Windows only): reading and writing the
// values of regstore.h in the installation key and the per-user key.
#pragma once
#include "scrn01/store/regstore.h"

#include <windows.h>

extern HKEY rgMyKey;           // open key
extern DWORD rgResult;         // disposition of the last create: 1 created, 2 opened
extern DWORD rgType, rgSize;
extern int rgintb;             // int exchange buffer
extern int rgaces;             // 1 while the read-only installation key is open

// Result 0 read (or default written), 1 missing on the read-only key, 2 the key
// is new and the default could not be written, 3 missing and the default
// could not be written. The value lands in rgintb / buffer.
int RegReadInt(const char* rgname, int rginit);
int RegReadStr(const char* rgname, const char* rginit);
bool RegSetInt(const char* rgname, int rgdata);
bool RegSetStr(const char* rgname, const char* rgdata);

int RegDirSet();    // 0 ok, 1 Directory missing, 2 key missing (uskgn2 = 1), 4 close failed
int RegFlgRead();   // 0 ok, 1 a flag missing, 2 key missing, 4 close failed
int RegRead(int af);// 0 ok, 2 close failed, 3 new key and a default not written, 4 no key
int RegWrite();     // 0 ok, 1 a write failed, 2 close failed
int RegSy1();       // 0 ok, 1 a write failed, 2 close failed, 3 new key and default not written
int RegSy2();       // 0 ok, 1 a write failed, 2 close failed
int SYScntW();      // 0 ok, 1 a write failed, 2 close failed
