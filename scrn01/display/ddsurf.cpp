// DirectDraw objects: set-up, restore after loss, release.
#include "scrn01/display/ddsurf.h"
#include "scrn01/display/aquascreen.h"
#include "scrn01/display/ddcall.h"
#include "scrn01/display/dispmode.h"
#include "scrn01/display/saverstate.h"
#include "misc/ddutil.h"

IDirectDraw* lpDD;
IDirectDrawSurface* lpDDSPrimary;
IDirectDrawSurface* lpDDSBack;
IDirectDrawSurface* lpDDSBackC;
IDirectDrawSurface* lpDDSKG01;
IDirectDrawSurface* lpDDSKG02;
IDirectDrawSurface* lpDDSKG03;
IDirectDrawSurface* lpDDSKG04;
IDirectDrawSurface* lpDDSKG05;
IDirectDrawPalette* lpDDPal;
IDirectDrawSurface* lpDDSFrame;

char szBmBackC[] = "BACK01";
char szBmKG01[] = "KG01";
char szBmKG02[] = "KG02";
char szBmKG03[] = "KG03";
char szBmKG04[] = "KG04";
char szBmKG05[] = "KG05";
POINT ptLast;

// The six off-screen surfaces with their pictures, in loading order.
struct Sheet {
    IDirectDrawSurface** surf;
    const char* name;
};
static const Sheet Sheets[DdsSurfMax] = {
    {&lpDDSBackC, szBmBackC}, {&lpDDSKG01, szBmKG01}, {&lpDDSKG02, szBmKG02},
    {&lpDDSKG03, szBmKG03},   {&lpDDSKG04, szBmKG04}, {&lpDDSKG05, szBmKG05}};

IDirectDrawSurface* SourceSurface(int s)
{
    return s >= 0 && s < DdsSurfMax ? *Sheets[s].surf : nullptr;
}

template <class T> static void ReleaseOne(T** p)
{
    if (*p) {
        (*p)->Release();
        *p = nullptr;
    }
}

void finiObjects()
{
    if (!lpDD)
        return;
    ReleaseOne(&lpDDSPrimary);
    lpDDSBack = nullptr;
    for (const Sheet& s : Sheets)
        ReleaseOne(s.surf);
    ReleaseOne(&lpDDPal);
    ReleaseOne(&lpDDSFrame);
    ReleaseOne(&lpDD);
}

HRESULT MakeFrameSurface(int w, int h)
{
    if (w <= 0 || h <= 0) {
        ReleaseOne(&lpDDSFrame);
        return DD_OK;
    }
    if (!lpDD)
        return DDERR_GENERIC;
    DDSURFACEDESC ddsd;
    ZeroMemory(&ddsd, sizeof ddsd);
    ddsd.dwSize = sizeof ddsd;
    if (lpDDSFrame) {
        if (lpDDSFrame->GetSurfaceDesc(&ddsd) == DD_OK && (int)ddsd.dwWidth == w &&
            (int)ddsd.dwHeight == h)
            return DD_OK;
        ReleaseOne(&lpDDSFrame);
        ZeroMemory(&ddsd, sizeof ddsd);
        ddsd.dwSize = sizeof ddsd;
    }
    ddsd.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    ddsd.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    ddsd.dwWidth = (DWORD)w;
    ddsd.dwHeight = (DWORD)h;
    HRESULT hr = lpDD->CreateSurface(&ddsd, &lpDDSFrame, nullptr);
    if (hr != DD_OK)
        lpDDSFrame = nullptr;
    return hr;
}

IDirectDrawSurface* FrameTarget()
{
    return lpDDSFrame ? lpDDSFrame : lpDDSBack;
}

BOOL initFail(HWND window)
{
    finiObjects();
    DestroyWindow(window);
    return FALSE;
}

static bool CreateObject(HWND window)
{
    return DirectDrawCreate(nullptr, &lpDD, nullptr) == DD_OK &&
           lpDD->SetCooperativeLevel(window, DdCoopLevel) == DD_OK;
}

static bool CreatePrimary()
{
    DDSURFACEDESC ddsd;
    ZeroMemory(&ddsd, sizeof ddsd);
    ddsd.dwSize = sizeof ddsd;
    ddsd.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    ddsd.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    ddsd.dwBackBufferCount = 1;
    if (lpDD->CreateSurface(&ddsd, &lpDDSPrimary, nullptr) != DD_OK)
        return false;
    DDSCAPS caps;
    caps.dwCaps = DDSCAPS_BACKBUFFER;
    return lpDDSPrimary->GetAttachedSurface(&caps, &lpDDSBack) == DD_OK;
}

static bool LoadMaterial()
{
    lpDDPal = DDLoadPalette(lpDD, szBmBackC);
    if (lpDDPal)
        lpDDSPrimary->SetPalette(lpDDPal);
    for (const Sheet& s : Sheets) {
        *s.surf = DDLoadBitmap(lpDD, s.name, 0, 0);
        if (!*s.surf)
            return false;
        DDSetColorKey(*s.surf, KeyBlue);
    }
    return true;
}

BOOL doinit(HWND window)
{
    if (af5 == 0) {
        af5 = 1;
        GetCursorPos(&ptLast);
        ShowWindow(window, SaverShowCmd);
        UpdateWindow(window);
        // The primary monitor's own size, whatever the picture scale.
        if (!CreateObject(window) || !SetSaverMode(GSW, GSH))
            return initFail(window);
    } else if (af5 == 1) {
        if (!CreateObject(window))
            return initFail(window);
    }
    if (!CreatePrimary())
        return initFail(window);
    if (af5 == 1) {
        af5 = 2;
        if (!LoadMaterial())
            return initFail(window);
        SetUpFrame();
    }
    SetCursorPos(ptLast.x, ptLast.y);
    return TRUE;
}

HRESULT restoreAll()
{
    HRESULT hr = lpDDSPrimary ? lpDDSPrimary->Restore() : DDERR_SURFACELOST;
    if (hr != DD_OK)
        return hr;
    for (const Sheet& s : Sheets) {
        if (!*s.surf)
            continue;
        hr = (*s.surf)->Restore();
        if (hr == DD_OK)
            DDReLoadBitmap(*s.surf, s.name);
    }
    // The next frame draws all of it again.
    if (lpDDSFrame)
        lpDDSFrame->Restore();
    return hr;
}
