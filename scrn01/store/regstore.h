// Registry store: the per-user and installation values with their registry
// names and defaults, the owned-kind digit codec, and the operations that read
// and write them through oscall.h.
//   HKEY_CLASSES_ROOT  "Software\PondelHarbor"                   Directory, FullScreenFlg, BackColorsFlg
//   HKEY_CURRENT_USER  "Control Panel\Screen Saver.PondelHarbor"  display options, current set,
//                                                                 owned kinds, new-fish counters,
//                                                                 other monitors, picture scale
#pragma once
#include "scrn01/settings/fishtable.h"
#include "scrn01/store/oscall.h"

const int BufSize = 650;      // shared text buffer

// Per-user values.
extern int m_nSYS01;          // "OSIJDUA" periods to wait before the next new-fish event
extern int m_nFss[FishMax];   // "OKSKKIS" owned-kind flags, kind k at index k-1
extern int m_nFGSif;          // "RSGDBAM" Direct Size
extern int m_nSHf;            // "ISKJEUH" screen height 0 Low, 1 Midum, 2 High, 3 Full
extern int m_nSSpe;           // "KISJUAK" scroll speed 1..50
extern int m_nFgf;            // "SOIEKMA" Guest Fish on
extern int m_nSYScnt;         // "LOSKDIS" new-fish tick counter
extern int m_nSYSrnd;         // "NAUSJEN" new-fish tick threshold
extern int m_nOtherMon;       // "OtherMonitors" the other monitors: 1 the same picture, 2 one
                              // aquarium over all of them, 0 black
extern int m_nPicScale;       // "PictureScale" 1..4 the picture scale, 0 follow the display scaling
// Installation flags (per-user copies win once made).
extern int m_nFullSCf;        // "FullScreenFlg" 1 allows the Full height
extern int m_nBackCRf;        // "BackColorsFlg" colour band variant
extern int uskgn2;            // 1: the installation key could not be opened
// Rows of the colour swatch band picked by "BackColorsFlg": 11..20 (0, 2) or 1..10 (1).
extern int WATHT, WATHB;

extern char buffer[BufSize];  // shared text buffer: registry strings, list copies

extern const char regnameS[];  // "Software\PondelHarbor"
extern const char regname[];   // "Control Panel\Screen Saver.PondelHarbor"
extern const char stnameS1[], stname2[], stname3[], stname10[], stname11[], stname12[];
extern const char stname13[], stname14[], stname15[], stname17[], stname18[], stname19[];
extern const char stname20[];
extern const char regdef2[];   // "10000000000000000000000000000000000": only kind 1 owned
const int regdefS1 = 3;
const int regdef10 = 1;
const int regdef11 = 1;
const int regdef12 = 5;
const int regdef18 = 1000;
const int regdef19 = 1;
const int OtherMonMax = 2;    // OtherMonitors values 0..2
const int regdef20 = 0;
const int PicScaleMax = 4;    // PictureScale values 0..4

// Owned-kind digits: m_nFss from a digit text (missing digits read as 0), and
// back into a 35-digit text (out needs FishMax + 1 characters).
void FssFromText(const char* text);
void FssToText(char* out);

// Every value above back to its value at start-up (tests call it
// for a clean state).
void RegValuesReset();

// Defaults for every per-user value, without the registry (not installed).
void RegNoRead();

// ---- Operations ----

extern OsRegKey rgMyKey;  // open key
extern int rgResult;      // the last create: 1 created the key, 2 opened it
extern int rgintb;        // int exchange buffer
extern int rgaces;        // 1 while the read-only installation key is open

// Result 0 read (or default written), 1 missing on the read-only key, 2 the key
// is new and the default could not be written, 3 missing and the default
// could not be written. The value lands in rgintb / buffer.
int RegReadInt(const char* rgname, int rginit);
int RegReadStr(const char* rgname, const char* rginit);
bool RegSetInt(const char* rgname, int rgdata);
bool RegSetStr(const char* rgname, const char* rgdata);

int RegDirSet();      // 0 ok, 1 Directory missing, 2 key missing (uskgn2 = 1), 4 close failed
int RegFlgRead();     // 0 ok, 1 a flag missing, 2 key missing, 4 close failed
int RegRead(int af);  // 0 ok, 2 close failed, 3 new key and a default not written, 4 no key
int RegWrite();       // 0 ok, 1 a write failed, 2 close failed
// Stores of the running aquarium: the new-fish counters and the owned kinds.
int RegSy1();   // m_nSYS01 one less, stored with the tick counters; 0 ok, 1 a write
                // failed, 2 close failed, 3 new key and its default not written
int RegSy2();   // stores m_nSYS01 and the owned kinds; 0 ok, 1 a write failed, 2 close failed
int SYScntW();  // stores the tick counters; 0 ok, 1 a write failed, 2 close failed
