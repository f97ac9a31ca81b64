// Windows only: the DirectDraw objects of the aquarium, their set-up,
// restore and tear-down. The frame draws on them through ddcall.h.
#pragma once
#include <windows.h>
#include <ddraw.h>

extern IDirectDraw* lpDD;
extern IDirectDrawSurface* lpDDSPrimary;   // flipping chain with one back buffer
extern IDirectDrawSurface* lpDDSBack;      // its back buffer (not released on its own)
extern IDirectDrawSurface* lpDDSBackC;     // "BACK01"
extern IDirectDrawSurface* lpDDSKG01;      // "KG01" .. "KG05"
extern IDirectDrawSurface* lpDDSKG02;
extern IDirectDrawSurface* lpDDSKG03;
extern IDirectDrawSurface* lpDDSKG04;
extern IDirectDrawSurface* lpDDSKG05;
extern IDirectDrawPalette* lpDDPal;        // from the colour table of "BACK01"
extern IDirectDrawSurface* lpDDSFrame;     // the frame of a scaled or spanning aquarium, or null

extern char szBmBackC[];                   // "BACK01"
extern char szBmKG01[], szBmKG02[], szBmKG03[], szBmKG04[], szBmKG05[];
extern POINT ptLast;                       // cursor at the first set-up

const DWORD DdCoopLevel = DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE | DDSCL_ALLOWMODEX;
const COLORREF KeyBlue = RGB(0, 0, 255);   // transparent colour of every picture
const int SaverShowCmd = SW_SHOW;          // the window stays visible and keeps its input

// Creates what drawing needs by the state af5; FALSE after initFail.
BOOL doinit(HWND window);
// Releases everything, destroys the window, FALSE.
BOOL initFail(HWND window);
// Restores the lost surfaces and reloads their pictures.
HRESULT restoreAll();
// Releases every object; safe when nothing exists.
void finiObjects();
// Source surface s of ddcall.h (DdsBackC, DdsKG01 + sheet).
IDirectDrawSurface* SourceSurface(int s);
// lpDDSFrame at w x h px (kept when it has that size already).
HRESULT MakeFrameSurface(int w, int h);
// The surface the frame draws on: lpDDSFrame, else the back buffer.
IDirectDrawSurface* FrameTarget();
