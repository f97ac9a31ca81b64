// The aquarium's screen: the logical screen of GW x GH pixels (saverstate.h)
// that the frame draws on, the picture scale GK that shows each of its pixels
// as a GK x GK block of screen pixels, and where the monitors show it. The
// frame reads only GW and GH; its last steps (ddcall.h) put it on the monitors.
// Screen pixels are those of the display, in desktop coordinates (the primary
// monitor's top-left corner is 0, 0); logical pixels are the aquarium's.
#pragma once
#include "scrn01/display/ddcall.h"

const int ScaleMax = 4;           // picture scales 1..4
const int ScaleMinLines = 600;    // a scale leaves the logical screen at least this high
const int ScaleMinColumns = 320;  // and this wide (the caption and title fit beside each other)
const int ScaleDpi = 96;          // DPI of 100 % display scaling: scale 1
const int MonitorMax = 16;        // monitors one aquarium spans
// OtherMonitors: the other monitors black, the same picture, one aquarium over all.
const int OmBlack = 0, OmSame = 1, OmSpan = 2;

// One monitor's part of the aquarium.
struct MonPart {
    DdRect mon;   // the monitor, screen px
    DdRect part;  // the part of the frame it shows, logical px
};

extern int GK;        // picture scale in force, 1..ScaleMax
extern int GSW, GSH;  // the primary monitor, screen px
extern int GSpan;     // 1: one aquarium over every monitor
extern int GOX, GOY;  // desktop position of the frame's corner, screen px
extern int GParts;    // monitors in MonParts, the primary first
extern MonPart MonParts[MonitorMax];

// The scale for a stored PictureScale value (1..4 chosen, anything else
// follows the display scaling), the primary monitor's DPI and its size:
// lowered until the logical screen is at least ScaleMinLines high and
// ScaleMinColumns wide.
int PictureScaleFor(int stored, int dpi, int screenW, int screenH);
// Lays the aquarium out over n monitors (desktop rectangles, the primary
// first): GK, GSW, GSH, GW, GH and the parts. One aquarium over all of them
// when span is set and there are several, else on the primary alone.
void AquaLayOut(const DdRect* mons, int n, int stored, int dpi, int span);
// The layout from the monitors and DPI the drawing seam reports and the
// stored PictureScale and OtherMonitors values.
void AquaScreenSet();
// For the rest of the run, a layout that needs less: the same picture on the
// other monitors instead of one aquarium, else no scale. False when there is
// nothing left to give up.
bool AquaFallBack();
// After a display change: the layout over the monitors there are now, the
// primary keeping the size it had; true when the aquarium's screen changed.
bool AquaScreenFollow();
// The frame is drawn off screen, then presented: a scale, or one aquarium.
bool FrameOffScreen();
// Start values: one 1024 x 768 monitor, no scale.
void AquaScreenReset();
