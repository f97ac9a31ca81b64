// Run-time fish arrays, per-pattern counters and the direction table.
// Positions and steps are in 1/100 px relative to the top-left of the water
// band; sizes in percent of the FW x FH sprite cell.
#pragma once
#include "scrn01/settings/records.h"

const int FishSlotMax = 100; // fish slots
const int FW = 106;          // sprite cell width
const int FH = 86;           // sprite cell height
const int addfig = FTblMax;  // pattern index of the guest fish, after the record's patterns

// Per-fish arrays, slot 0..99.
extern int ffshu[FishSlotMax];   // kind 1..35, 0 = empty slot
extern int fffii[FishSlotMax];   // pattern the fish came from (addfig for the guest)
extern int ffsiz[FishSlotMax];   // size, percent
extern int ffsFW[FishSlotMax];   // drawn width, px
extern int ffsFH[FishSlotMax];   // drawn height, px
extern int ffdno[FishSlotMax];   // heading 1..24
extern int fposx[FishSlotMax], fposy[FishSlotMax];  // top-left, 1/100 px
extern int faddx[FishSlotMax], faddy[FishSlotMax];  // step per tick, 1/100 px
extern int faddb[FishSlotMax];   // speed factor 5..15, 30 when dashing
extern int fidks[FishSlotMax];   // burst level; straight-run countdown
extern int ftrns[FishSlotMax];   // turn steps still to make
extern int ftrnb[FishSlotMax];   // ticks between turn steps
extern int ftrnc[FishSlotMax];   // countdown to the next turn step
extern int ffkno[FishSlotMax];   // animation frame 1..3
extern int ffknf[FishSlotMax];   // tail-beat pattern 1..3
extern int ffkng[FishSlotMax];   // side-frame memory of pattern 1
extern int ffkn2[FishSlotMax];   // ticks per animation frame
extern int ffkn3[FishSlotMax];   // animation tick counter

// Direction of heading d is (fsx[d-1], fsy[d-1]); 1 down, 7 left, 13 up, 19 right.
extern const int fsx[24];
extern const int fsy[24];

extern int m_nFnh[FPatMax];  // fish of each pattern in the aquarium (addfig = guest)
extern int addfigf;          // 1 while a guest fish is in the aquarium
extern int addfigfi;         // kind of the current guest
extern int INF01;            // 0 during a scene's initial fill, 1 afterwards
extern int m_nSp1;           // speed constant, 100
extern int m_nIda1;          // speed constant, 38000

// Every global above back to its value at start-up (tests call it
// for a clean state).
void FishDataReset();
