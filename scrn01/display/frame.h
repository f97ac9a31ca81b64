// The per-tick frame update: fish motion, background, fish drawing, flip and
// band scroll, drawn through the seam of ddcall.h.
#pragma once
#include "scrn01/display/ddcall.h"

const int SheetKinds = 7;    // fish kinds per sprite sheet
const int SheetRows = 12;    // cell rows per kind (headings 1..12 and 13..24)
const int SheetFrames = 3;   // animation frames per half row
const int DumpMax = 300;     // dump text of a failed draw, with its terminator

// Where slot iz is drawn this frame; the names follow the failure dump.
struct SpriteCell {
    int izf1;            // sheet 0..4
    int iz3;             // block of the kind on its sheet, 1..7
    int iz2;             // y of the cell
    int iz4;             // x of the half
    int su1;             // x of the cell
    int sux, suy;        // clipped destination corner, px (band-relative y)
    int su2, su3, su4, su5;        // px cut at the left, right, top, bottom
    int su2i, su3i, su4i, su5i;    // the same cuts in sprite pixels
    DdRect rcRect;       // source rectangle
    DdRect destRect;     // destination rectangle (stretched draw)
};

// Cell and clipping of slot iz with its current frame; false when the slot
// holds no kind, heading or frame that names a cell of KG01..KG05.
bool LocateFish(int iz, SpriteCell* c);
// Advances the tail-beat animation of slot iz by one tick.
void AnimateFish(int iz);
// The motion pass over every slot.
void MoveFish();
// The drawing pass; false when a draw failed and the frame ends.
bool DrawFish();
// One whole frame.
void updateFrame();

// Reports an error point of the frame update through MsgWrt1, once per run.
void FrameReport(int point, const char* msg, const char* detail);
// Forgets which points were reported.
void FrameReset();
