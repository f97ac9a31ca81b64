// Native stand-in of the drawing seam: a log of the calls and scripted results.
#pragma once
#include "scrn01/display/ddcall.h"

#include <map>
#include <string>
#include <vector>

enum DdOp {
    DdOpBlt,
    DdOpBltFast,
    DdOpShowOthers,
    DdOpMakeFrame,
    DdOpPresent,
    DdOpFlip,
    DdOpRestore,
    DdOpSetMode
};

struct DdCallRec {
    DdOp op;
    int surf;       // source surface (Blt, BltFast)
    DdRect src;     // source rectangle
    DdRect dst;     // destination; BltFast: left, top only; SetMode, MakeFrame: width, height
    bool keyed;
    int bpp;        // SetMode
};

extern std::vector<DdCallRec> DdLog;    // calls since DdNativeReset, when DdLogOn
extern bool DdLogOn;
extern long DdCallCount;                // calls since DdNativeReset
// Result of call number n (0-based since DdNativeReset); others answer DdOk.
extern std::map<long, DdResult> DdScript;
extern int NativeScreenW, NativeScreenH;   // the primary monitor
extern std::vector<DdRect> NativeOthers;   // the other monitors, desktop rectangles
extern int NativeScreenDpi;                // answer of DdScreenDpi
extern int NativeDesktopBpp;            // answer of DdDesktopBpp
// Calls whose source rectangle is empty or leaves its sheet (a present: the
// frame), or whose destination leaves the frame (GW x GH; a present: the
// primary monitor): DirectDraw would refuse them.
extern long DdBadCalls;
const int BackSheetW = 640, BackSheetH = 100;      // "BACK01"
const int FishSheetW = 640, FishSheetH = 7224;     // "KG01" .. "KG05"

void DdNativeReset();
// One call as text, e.g. "Blt 1 (0,0,106,86) -> (10,20,116,106) key".
std::string DdCallText(const DdCallRec& c);
