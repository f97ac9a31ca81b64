// Windows only: bitmap, palette and colour-key loading for DirectDraw
// surfaces. A picture is looked up as a bitmap resource of the program first,
// then as a bitmap file of that name, and drawn through GDI into the surface.
#pragma once
#include <windows.h>
#include <ddraw.h>

// New off-screen surface holding the picture loaded at dx x dy (0: its own
// size); null when it cannot be loaded. The caller releases it.
IDirectDrawSurface* DDLoadBitmap(IDirectDraw* pdd, LPCSTR szBitmap, int dx, int dy);
// Draws the picture again into an existing surface; E_FAIL when not found.
HRESULT DDReLoadBitmap(IDirectDrawSurface* pdds, LPCSTR szBitmap);
// Stretches (x, y, dx, dy) of hbm over the whole surface; 0 size = whole bitmap.
HRESULT DDCopyBitmap(IDirectDrawSurface* pdds, HBITMAP hbm, int x, int y, int dx, int dy);
// 256-entry palette from the bitmap's colour table over a 3-3-2 cube; null on failure.
IDirectDrawPalette* DDLoadPalette(IDirectDraw* pdd, LPCSTR szBitmap);
// Pixel value of rgb on the surface (CLR_INVALID: pixel (0, 0) as it is).
DWORD DDColorMatch(IDirectDrawSurface* pdds, COLORREF rgb);
// Source colour key of the surface set to rgb.
HRESULT DDSetColorKey(IDirectDrawSurface* pdds, COLORREF rgb);
