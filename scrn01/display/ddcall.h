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
// Copy the frame's picture to the monitors other than the primary (when
// there are any and the user wants it): fitted into each, or each monitor's
// part of one aquarium (aquascreen.h); a monitor that cannot be drawn is
// skipped. The frame's last call before it is presented.
DdResult DdShowOthers();
// An off-screen surface of w x h px that the frame draws on from now on,
// instead of the back buffer; made again only when the size changes. 0 x 0:
// none, the frame draws on the back buffer again.
DdResult DdMakeFrame(int w, int h);
// Rectangle src of that surface stretched onto dst of the back buffer, each
// pixel a block of whole pixels (no filtering); the rest of the back buffer black.
DdResult DdPresent(const DdRect& src, const DdRect& dst);
// Show the back buffer.
DdResult DdFlip();
// Restore lost surfaces and reload their pictures (restoreAll).
DdResult DdRestoreAll();
// Switch the display to w x h pixels at bpp bits per pixel.
DdResult DdSetMode(int w, int h, int bpp);
// Bits per pixel of the desktop as it is now.
int DdDesktopBpp();
// Desktop rectangles of the monitors, the primary first (at 0, 0), at most
// max; their number.
int DdMonitors(DdRect* out, int max);
// DPI of the primary monitor (96 at 100 % display scaling).
int DdScreenDpi();
