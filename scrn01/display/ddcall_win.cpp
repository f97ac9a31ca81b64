// Drawing seam on DirectDraw: the back buffer and sheets of ddsurf.cpp.
#include "scrn01/display/ddcall.h"
#include "scrn01/display/ddsurf.h"

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
