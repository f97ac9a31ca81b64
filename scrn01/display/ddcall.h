// Drawing seam of the aquarium: the few DirectDraw operations one frame makes,
// on surfaces named by number, with portable result codes, plus the screen
// size and the display mode. ddcall_win.cpp draws on the DirectDraw objects of ddsurf.cpp;
// ddcall_native.cpp records every call and answers with scripted results.
// All drawing goes onto the back buffer.
#pragma once

// Bits per pixel of the saver's display mode: the one place it is chosen.
const int DisplayBpp = 16;

// Source surfaces: the background sheet and the five sprite sheets.
enum DdSurf {
    DdsBackC = 0,   // "BACK01"
    DdsKG01 = 1,    // "KG01"; sheet s (0..4) is DdsKG01 + s
    DdsSheetMax = 5,
    DdsSurfMax = 6
};

enum DdResult {
    DdOk = 0,
    DdStillDrawing = 1,   // the surface is busy: issue the same call again
    DdSurfaceLost = 2,    // the display was taken away: restore before drawing
    DdFailed = 3          // any other error
};

// Left, top, right, bottom; right and bottom exclusive.
struct DdRect {
    int left, top, right, bottom;
};

// Stretch rectangle src of surface s onto dst, with the source colour key
// (pure blue) when keyed.
DdResult DdBlt(const DdRect& dst, int s, const DdRect& src, bool keyed);
// Unscaled copy of rectangle src of surface s to (x, y), colour keyed.
DdResult DdBltFast(int x, int y, int s, const DdRect& src);
// Copy the back buffer's picture to the monitors other than the primary (when
// there are any and the user wants it); a monitor that cannot be drawn is
// skipped. The frame's last call before the flip.
DdResult DdShowOthers();
// Show the back buffer.
DdResult DdFlip();
// Restore lost surfaces and reload their pictures (restoreAll).
DdResult DdRestoreAll();
// Switch the display to w x h pixels at bpp bits per pixel.
DdResult DdSetMode(int w, int h, int bpp);
// Bits per pixel of the desktop as it is now.
int DdDesktopBpp();
// Screen size in pixels.
void DdScreenSize(int* w, int* h);
