// Scene program: up to 50 positions naming scene sets, played in Random,
// Round or Repeat order, one set per scene length.
#pragma once
#include "scrn01/settings/random.h"
#include "scrn01/settings/records.h"

const int PgMax = 50;        // program positions
const int PgPageMax = 5;     // dialog pages of the program, 10 positions each

extern int m_nPg[PgMax];     // set number (1-based) of each position, 0 empty
extern int m_nPgon;          // Program On
extern int m_nPGType;        // 1 Random, 2 Round, 3 Repeat (0 with no program)
extern int m_nPGFL;          // From First
extern int m_nPgpage;        // dialog page 1..PgPageMax

extern int m_nPga[SetMax];   // 1: set i is playable
extern int m_nPGf;           // number of playable sets
extern char Prgtb[LstSize];  // weighted list of the playable positions
extern int m_nPGidx;         // current position (Round, Repeat)
extern int m_nPGidx1;        // search cursor of the scene change step
extern int m_nPgtr;          // Repeat direction: 0 forward, 1 backward
extern int m_nPGcnt;         // ticks shown of the current scene
extern int m_nIdxBk;         // set in force after the last change
extern int wtchgf;           // 1: a new set has started (water colours follow)

// Every global above back to its value at start-up (tests call it
// for a clean state).
void ProgramReset();

void Pgaset();
int Pgachka(int i1);         // 1 when set i1's fish cover a large area
int Pgachk();                // 1 when any loaded set's fish cover a large area
void PgRset();
void Pgtset();
// Scene change step, once per timer tick after the frame: counts the scene's
// ticks and, when its length is over, moves to the next set.
void PgStep();
