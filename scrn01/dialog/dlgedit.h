// Edits of the configuration dialog that are plain changes of the settings
// arrays: the set list, the program slots and the pattern rows of the current
// set, and the save of OK. No window is touched here; the dialog refreshes its
// controls afterwards.
#pragma once
#include "scrn01/settings/program.h"

const int PgPageSlots = PgMax / PgPageMax;  // program slots on a page
const int EmptyRowSize = 100;               // basic size of an emptied pattern row

// 0 becomes 1, any other value 0.
int FlagToggle(int v);
// A stored flag other than 0 or 1 becomes 0: the saver takes only 1 as on.
void FlagChk(int& v);

// Add is offered while the last set is current and the store has room.
bool SetAddOffered();
// Stores the current set, then appends the next record slot as the new
// current set. Nothing happens when Add is not offered.
void SetAdd();
// Moves to the next (d = 1) or previous (d = -1) set, storing the current one
// first. Nothing happens past either end.
void SetStep(int d);
// Deletes the current set without storing it: later records move up, the last
// one becomes the defaults, program slots follow their sets; a single set is
// reset to the defaults.
void SetDelete();

// Program slot shown at position k (0..9) of the current page.
int& PgSlot(int k);
// Steps that slot by d within 0..m_nPGMax+1 (a value already above it may
// only go down).
void PgSlotStep(int k, int d);
// Steps the program page by d within 1..PgPageMax.
void PgPageStep(int d);
// Slot i names set i+1 for every existing set; the others are Off.
void PgReset();

// m_nFidx back to row 0 when it does not name one of the FTblMax rows.
void FidxChk();
// Next (d = 1) or previous (d = -1) pattern row. Leaving an empty row removes
// it: the rows below move up one and the last becomes empty.
void FishRowStep(int d);
// Steps the current row's fish kind by d.
void FishKindStep(int d);
// Toggles back-colour slot k of the current set (1 becomes 0, any other
// value 1) and recounts the slots in use.
void BackSlotToggle(int k);

// OK: the registry values, then the data file. A failed registry write is
// reported (point 22); the data file is written all the same.
void SaveSettings();
