// Settings records: one general record (fish population) and one water record
// (background colours) per scene set, kept as fixed-width decimal digit strings.
//
// General record, 562 characters: PGC(1) PGRnd(1) PGL(2) Fish(3) FGSiz(3) Fidx(2),
// then 50 fish patterns of 11: kind(2) real(1) quantity(3) size(3) dispersion(2).
// Water record, 35 characters: ten slots of in-use(1) colour(2), then change
// type(1), From First(1), change speed(3).
#pragma once
#include "scrn01/settings/random.h"

const int GenByte = 562;     // general record length
const int WatByte = 35;      // water record length
const int FTblMax = 50;      // fish patterns per general record
const int BackMax = 32;      // water colours
const int SetMax = 50;       // rows of the set store
const int FPatMax = 55;      // pattern arrays: 0..49 patterns, 50 the guest
const int GenRowSize = 700;  // a general record row: the record, a line feed, the terminator
const int WatRowSize = 100;  // a water record row

// The record layout: a field is its 1-based column and its width.
struct RecField {
    int col, width;
};

// General record header.
constexpr RecField GenPGC = {1, 1};
constexpr RecField GenPGRnd = {2, 1};
constexpr RecField GenPGL = {3, 2};
constexpr RecField GenFish = {5, 3};
constexpr RecField GenFGSiz = {8, 3};
constexpr RecField GenFidx = {11, 2};

// Fish pattern p starts at column PatCol(p); its fields are offsets from there.
const int PatFirstCol = 13;
const int PatByte = 11;
constexpr RecField PatFno = {0, 2};
constexpr RecField PatFrea = {2, 1};
constexpr RecField PatFqua = {3, 3};
constexpr RecField PatFsiz = {6, 3};
constexpr RecField PatFdis = {9, 2};
constexpr int PatCol(int p) { return PatFirstCol + PatByte * p; }
constexpr RecField PatField(int p, RecField f) { return {PatCol(p) + f.col, f.width}; }
static_assert(PatCol(FTblMax) - 1 == GenByte, "general record length");

// Water record: colour slot e (0..9) is in-use(1) colour(2) from column 1 + 3e.
const int WatSlotMax = 10;
const int WatSlotCap = 20;   // the slot arrays, of which 0..WatSlotMax-1 are used
const int WatSlotByte = 3;
constexpr RecField WatCF(int e) { return {1 + WatSlotByte * e, 1}; }
constexpr RecField WatCC(int e) { return {2 + WatSlotByte * e, 2}; }
constexpr RecField WatCX = {31, 1};
constexpr RecField WatCZ = {32, 1};
constexpr RecField WatCS = {33, 3};
static_assert(WatCS.col + WatCS.width - 1 == WatByte, "water record length");

extern char m_nGen[SetMax][GenRowSize];  // general records
extern char m_nWat[SetMax][WatRowSize];  // water records
extern int m_nIdx;                       // current set
extern int m_nPGMax;                     // last loaded set (set count - 1)

// Header of the current set.
extern int m_nPGC;       // replacement: 0 Any, 1 Lump
extern int m_nPGRnd;     // 1: scene length varied at random
extern int m_nPGL;       // scene length, units of 300 ticks
extern int m_nFish;      // number of fish
extern int m_nFGSiz;     // basic size, percent
extern int m_nFidx;      // pattern last shown in the dialog

// Fish patterns of the current set; entry 50 is the guest pattern.
extern int m_nFno[FPatMax], m_nFrea[FPatMax], m_nFqua[FPatMax], m_nFsiz[FPatMax], m_nFdis[FPatMax];

// Water values.
extern int m_nBackCF[SetMax][WatSlotCap];  // slot in use, per set
extern int m_nBackCC[WatSlotCap];          // colour number of each slot
extern int m_nBackC[SetMax];               // current colour slot of each set
extern char Wcrtb[LstSize];                // weighted list of the slots in use
extern int m_nBackCK;                      // slots in use, at least 1
extern int m_nBackCX;                      // change type: 1 Random, 2 Round, 3 Repeat
extern int m_nBackCZ;                      // From First
extern int m_nBackCS;                      // change speed 1..500

// Default records.
extern const char m_nGenini1[];    // header and pattern 0 of the default first set
extern const char m_nGenini2[];    // header and pattern 0 of an empty set
extern const char m_nGenini3[];    // patterns 1..49, all empty
extern const char m_nWatini[];     // water default, with its line feed

extern char bf1[20];               // number text scratch
extern char bfx[GenRowSize];       // record assembly scratch

// Every global above back to its value at start-up (tests call it
// for a clean state).
void RecordsReset();

int Mid(const char* MMj, int j1, int j2);   // field of width j2 at 1-based column j1
inline int Mid(const char* MMj, RecField f) { return Mid(MMj, f.col, f.width); }
void Mrj(char* MMj, int j1, int sz);        // right-justify a number text to j1 characters

// m_nIdx back into 0..m_nPGMax (0 when outside); returns it.
int IdxChk();

void Genwrt();
void Watwrt();
void Watset(int af);
void BackCset();
