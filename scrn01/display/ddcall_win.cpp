// Drawing seam on DirectDraw: the back buffer and sheets of ddsurf.cpp.
#include "scrn01/display/ddcall.h"
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
    return Result(lpDDSBack->Blt(&d, from, &r, keyed ? DDBLT_KEYSRC : 0, nullptr));
}

DdResult DdBltFast(int x, int y, int s, const DdRect& src)
{
    IDirectDrawSurface* from = SourceSurface(s);
    if (!lpDDSBack || !from)
        return DdFailed;
    RECT r = Rect(src);
    return Result(lpDDSBack->BltFast(x, y, from, &r, DDBLTFAST_SRCCOLORKEY));
}

// One DC on the back buffer, one stretch per monitor: the copy stays in the
// display driver (or Wine's DIB engine) and needs no surface of its own.
DdResult DdShowOthers()
{
    if (m_nOtherMon == 0 || OtherMonitorCount() == 0)
        return DdOk;
    if (!lpDDSBack)
        return DdFailed;
    HDC dc = nullptr;
    HRESULT hr = lpDDSBack->GetDC(&dc);
    if (hr != DD_OK)
        return Result(hr);
    bool ok = ShowOnOtherMonitors(dc, GW, GH);
    lpDDSBack->ReleaseDC(dc);
    return ok ? DdOk : DdFailed;
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

void DdScreenSize(int* w, int* h)
{
    *w = GetSystemMetrics(SM_CXSCREEN);
    *h = GetSystemMetrics(SM_CYSCREEN);
}
