// Fish tables: the weighted lists a new fish is chosen from.
//   Fistb  active patterns of the current set, weighted by quantity
//   Fisx1  unowned kinds 1..28 by rarity (the new-fish event)
//   FisG1  unowned kinds 1..35 by rarity (the guest fish)
#pragma once
#include "scrn01/settings/random.h"

const int FishLv1 = 7;       // rarity level bounds
const int FishLv2 = 14;
const int FishLv3 = 21;
const int FishMax2 = 28;
const int FishMax = 35;

// Working weights and odds (the settings file may replace them).
extern int FishLv0S;         // kinds 1..7, 500
extern int FishLv1S;         // kinds 8..14, 100
extern int FishLv2S;         // kinds 15..21, 20
extern int FishLv3S;         // kinds 22..28, 5
extern int FishMax2S;        // kinds 29..35, 1
extern int FiGrt;            // guest odds, 600
extern int Fistt;            // new-fish odds, 30

extern char Fistb[LstSize];
extern char Fisx1[LstSize];
extern char FisG1[LstSize];
extern int Fixcnt;           // items of Fisx1
extern int FiGcnt;           // items of FisG1
extern int m_nFTSflg;        // 1: Fistb left out a Real Number pattern during the initial fill

// Every global above back to its value at start-up (tests call it
// for a clean state).
void FishTableReset();

// 1 when kind is 1..35 and owned.
int FishOwned(int kind);

void FTSet();
void FTSSet();
void FTTSet();
void FGTSet();
bool GuestCheck();           // true while some kind is not owned (flag 0)
