// Native stand-in of the drawing seam, for the unit tests.
#include "scrn01/display/ddcall_native.h"
#include "scrn01/display/saverstate.h"

#include <cstdio>

std::vector<DdCallRec> DdLog;
bool DdLogOn = true;
long DdCallCount = 0;
std::map<long, DdResult> DdScript;
int NativeScreenW = 1024, NativeScreenH = 768;
std::vector<DdRect> NativeOthers;
int NativeScreenDpi = 96;
int NativeDesktopBpp = 32;
long DdBadCalls = 0;

void DdNativeReset()
{
    DdLog.clear();
    DdLogOn = true;
    DdCallCount = 0;
    DdScript.clear();
    DdBadCalls = 0;
    NativeDesktopBpp = 32;
}

static bool Inside(const DdRect& r, int w, int h)
{
    return r.left >= 0 && r.top >= 0 && r.left < r.right && r.top < r.bottom && r.right <= w &&
           r.bottom <= h;
}

static void Check(const DdCallRec& c)
{
    if (c.op == DdOpPresent) {
        if (!Inside(c.src, GW, GH) || !Inside(c.dst, NativeScreenW, NativeScreenH))
            DdBadCalls++;
        return;
    }
    if (c.op != DdOpBlt && c.op != DdOpBltFast)
        return;
    bool ok = c.surf >= 0 && c.surf < DdsSurfMax;
    if (ok && c.surf == DdsBackC)
        ok = Inside(c.src, BackSheetW, BackSheetH);
    else if (ok)
        ok = Inside(c.src, FishSheetW, FishSheetH);
    DdRect d = c.dst;
    if (c.op == DdOpBltFast) {
        d.right = d.left + c.src.right - c.src.left;
        d.bottom = d.top + c.src.bottom - c.src.top;
    }
    if (!ok || !Inside(d, GW, GH))
        DdBadCalls++;
}

static DdResult Record(const DdCallRec& c)
{
    Check(c);
    if (DdLogOn)
        DdLog.push_back(c);
    auto it = DdScript.find(DdCallCount++);
    return it == DdScript.end() ? DdOk : it->second;
}

DdResult DdBlt(const DdRect& dst, int s, const DdRect& src, bool keyed)
{
    return Record({DdOpBlt, s, src, dst, keyed});
}

DdResult DdBltFast(int x, int y, int s, const DdRect& src)
{
    return Record({DdOpBltFast, s, src, {x, y, 0, 0}, true});
}

DdResult DdShowOthers()
{
    return Record({DdOpShowOthers, 0, {}, {}, false});
}

DdResult DdMakeFrame(int w, int h)
{
    return Record({DdOpMakeFrame, 0, {}, {0, 0, w, h}, false});
}

DdResult DdPresent(const DdRect& src, const DdRect& dst)
{
    return Record({DdOpPresent, 0, src, dst, false});
}

DdResult DdFlip()
{
    return Record({DdOpFlip, 0, {}, {}, false});
}

DdResult DdRestoreAll()
{
    return Record({DdOpRestore, 0, {}, {}, false});
}

DdResult DdSetMode(int w, int h, int bpp)
{
    return Record({DdOpSetMode, 0, {}, {0, 0, w, h}, false, bpp});
}

int DdDesktopBpp()
{
    return NativeDesktopBpp;
}

int DdMonitors(DdRect* out, int max)
{
    int n = 0;
    if (n < max)
        out[n++] = {0, 0, NativeScreenW, NativeScreenH};
    for (const DdRect& r : NativeOthers)
        if (n < max)
            out[n++] = r;
    return n;
}

int DdScreenDpi()
{
    return NativeScreenDpi;
}

static std::string RectText(const DdRect& r)
{
    char b[64];
    snprintf(b, sizeof b, "(%d,%d,%d,%d)", r.left, r.top, r.right, r.bottom);
    return b;
}

std::string DdCallText(const DdCallRec& c)
{
    char b[32];
    switch (c.op) {
    case DdOpBlt:
        return "Blt " + std::to_string(c.surf) + " " + RectText(c.src) + " -> " + RectText(c.dst) +
               (c.keyed ? " key" : "");
    case DdOpBltFast:
        snprintf(b, sizeof b, "(%d,%d)", c.dst.left, c.dst.top);
        return "BltFast " + std::to_string(c.surf) + " " + RectText(c.src) + " -> " + b;
    case DdOpShowOthers:
        return "ShowOthers";
    case DdOpMakeFrame:
        snprintf(b, sizeof b, "MakeFrame %dx%d", c.dst.right, c.dst.bottom);
        return b;
    case DdOpPresent:
        return "Present " + RectText(c.src) + " -> " + RectText(c.dst);
    case DdOpFlip:
        return "Flip";
    case DdOpRestore:
        return "Restore";
    case DdOpSetMode:
        snprintf(b, sizeof b, "SetMode %dx%dx%d", c.dst.right, c.dst.bottom, c.bpp);
        return b;
    }
    return "?";
}
