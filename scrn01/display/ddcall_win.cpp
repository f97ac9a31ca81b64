// Drawing seam on DirectDraw: the back buffer and sheets of ddsurf.cpp.
#include "scrn01/display/ddcall.h"
#include "scrn01/display/aquascreen.h"
#include "scrn01/display/ddsurf.h"
#include "scrn01/display/saverstate.h"
#include "scrn01/store/regstore.h"
#include "scrnsave/scrnsave.h"

static DdResult Result(HRESULT hr)
{
    switch (hr) {
    case DD_OK: return DdOk;
    case DDERR_WASSTILLDRAWING: return DdStillDrawing;
    case DDERR_SURFACELOST: return DdSurfaceLost;
    default: return DdFailed;
    }
}

static RECT Rect(const DdRect& r)
{
    return RECT{r.left, r.top, r.right, r.bottom};
}

DdResult DdBlt(const DdRect& dst, int s, const DdRect& src, bool keyed)
{
    IDirectDrawSurface* from = SourceSurface(s);
    if (!lpDDSBack || !from)
        return DdFailed;
    RECT d = Rect(dst), r = Rect(src);
    return Result(FrameTarget()->Blt(&d, from, &r, keyed ? DDBLT_KEYSRC : 0, nullptr));
}

DdResult DdBltFast(int x, int y, int s, const DdRect& src)
{
    IDirectDrawSurface* from = SourceSurface(s);
    if (!lpDDSBack || !from)
        return DdFailed;
    RECT r = Rect(src);
    return Result(FrameTarget()->BltFast(x, y, from, &r, DDBLTFAST_SRCCOLORKEY));
}

// One DC on the frame, one copy per monitor (the whole frame fitted, or the
// monitor's part of one aquarium): the copy stays in the display driver (or
// Wine's DIB engine) and needs no surface of its own.
DdResult DdShowOthers()
{
    if (m_nOtherMon == 0 || OtherMonitorCount() == 0)
        return DdOk;
    if (!lpDDSBack)
        return DdFailed;
    HDC dc = nullptr;
    HRESULT hr = FrameTarget()->GetDC(&dc);
    if (hr != DD_OK)
        return Result(hr);
    bool ok;
    if (GSpan) {
        MonitorPart parts[MonitorMax];
        int n = 0;
        for (int i = 1; i < GParts; i++, n++) {
            const DdRect& m = MonParts[i].mon;
            const DdRect& p = MonParts[i].part;
            parts[n] = {{m.left, m.top, m.right, m.bottom}, {p.left, p.top, p.right, p.bottom}};
        }
        ok = ShowPartsOnOtherMonitors(dc, parts, n, GK);
    } else {
        ok = ShowOnOtherMonitors(dc, GW, GH);
    }
    FrameTarget()->ReleaseDC(dc);
    return ok ? DdOk : DdFailed;
}

DdResult DdMakeFrame(int w, int h)
{
    return Result(MakeFrameSurface(w, h));
}

// Blt stretches by replicating pixels unless asked for arithmetic
// stretching; an exact multiple makes whole blocks.
DdResult DdPresent(const DdRect& src, const DdRect& dst)
{
    if (!lpDDSBack || !lpDDSFrame)
        return DdFailed;
    RECT s = Rect(src), d = Rect(dst);
    HRESULT hr = lpDDSBack->Blt(&d, lpDDSFrame, &s, 0, nullptr);
    if (hr != DD_OK)
        return Result(hr);
    // What the integer scale leaves over at the right and the bottom.
    DDBLTFX fx;
    ZeroMemory(&fx, sizeof fx);
    fx.dwSize = sizeof fx;
    const RECT rest[] = {{d.right, 0, GSW, GSH}, {0, d.bottom, d.right, GSH}};
    for (RECT r : rest)
        if (r.right > r.left && r.bottom > r.top)
            lpDDSBack->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL, &fx);
    return DdOk;
}

DdResult DdFlip()
{
    if (!lpDDSPrimary)
        return DdFailed;
    return Result(lpDDSPrimary->Flip(nullptr, 0));
}

DdResult DdRestoreAll()
{
    return Result(restoreAll());
}

DdResult DdSetMode(int w, int h, int bpp)
{
    if (!lpDD)
        return DdFailed;
    return Result(lpDD->SetDisplayMode(w, h, bpp));
}

int DdDesktopBpp()
{
    HDC screen = GetDC(nullptr);
    int bpp = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    return bpp;
}

struct MonitorList {
    DdRect* out;
    int max, n;
};

static BOOL CALLBACK AddMonitor(HMONITOR mon, HDC, LPRECT, LPARAM lp)
{
    MonitorList* l = (MonitorList*)lp;
    MONITORINFO mi;
    ZeroMemory(&mi, sizeof mi);
    mi.cbSize = sizeof mi;
    if (l->n < l->max && GetMonitorInfoA(mon, &mi)) {
        const RECT& r = mi.rcMonitor;
        // The primary first.
        int at = l->n++;
        if (mi.dwFlags & MONITORINFOF_PRIMARY) {
            for (; at > 0; at--)
                l->out[at] = l->out[at - 1];
        }
        l->out[at] = {r.left, r.top, r.right, r.bottom};
    }
    return TRUE;
}

int DdMonitors(DdRect* out, int max)
{
    MonitorList l = {out, max, 0};
    if (max < 1)
        return 0;
    if (GetSystemMetrics(SM_CMONITORS) >= 2)
        EnumDisplayMonitors(nullptr, nullptr, AddMonitor, (LPARAM)&l);
    if (l.n == 0 || out[0].left != 0 || out[0].top != 0) {
        out[0] = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        l.n = 1;
    }
    return l.n;
}

int DdScreenDpi()
{
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}
