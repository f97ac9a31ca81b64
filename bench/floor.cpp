// The floor of the benchmark: the saver's DirectDraw set-up and, on the same
// timer, the draws of one aquarium frame and nothing else. No fish logic, no
// settings, no registry: what any program drawing this picture this way pays.
// Any key, a click or WM_CLOSE ends it.
//   phfloor.exe [/scale K] [/steps FILE]
// /scale K draws the frame at 1/K of the screen off screen and presents it as
// the saver does at picture scale K; /steps FILE writes at the end the mean
// milliseconds per frame spent in the draws, the present and the flip, as
// this thread sees them (with Wine's command stream off, all of the work).
#include "scrn01/display/aquascreen.h"
#include "scrn01/display/band.h"
#include "scrn01/display/ddsurf.h"
#include "scrn01/display/fishdata.h"
#include "scrn01/display/frame.h"
#include "scrn01/display/saverstate.h"
#include "scrn01/display/tuning.h"
#include "scrn01/store/regstore.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

const UINT_PTR FloorTimer = 10;
const int FloorFish = FishSlotMax;
const int SpreadX = 389, SpreadY = 151;  // primes that spread the fish over the band
const int DriftX = 3;                    // px per tick
const int WaterSwatch = 20;              // the default water colour

static int Tick;
static const char* StepsFile;
static LARGE_INTEGER Freq;
static double StepMs[3];  // draws, present, flip
static long StepFrames;

static double Now()
{
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart * 1000.0 / Freq.QuadPart;
}

static void WriteSteps()
{
    FILE* f = StepsFile && StepFrames ? fopen(StepsFile, "w") : nullptr;
    if (!f)
        return;
    fprintf(f, "frames=%ld draws_ms=%.3f present_ms=%.3f flip_ms=%.3f\n", StepFrames,
            StepMs[0] / StepFrames, StepMs[1] / StepFrames, StepMs[2] / StepFrames);
    fclose(f);
}

// One draw on the back buffer, issued again while the surface is busy.
static void Draw(const RECT& dst, IDirectDrawSurface* from, const RECT& src, DWORD flags)
{
    RECT d = dst, s = src;
    HRESULT hr;
    do
        hr = FrameTarget()->Blt(&d, from, &s, flags, nullptr);
    while (hr == DDERR_WASSTILLDRAWING);
    if (hr == DDERR_SURFACELOST)
        restoreAll();
}

// Fish i this frame: a cell of one of the 35 kinds, every heading and frame
// in turn. The cells drift through the band at spread places, and those at an
// edge are cut as the saver cuts its fish, so that on average the floor draws
// as many fish pixels as the saver's 100 fish.
static void DrawFloorFish(int i, int bandTop, int bandH)
{
    int kind = i % FishMax;  // 0..34
    int sheet = kind / SheetKinds;
    int block = kind % SheetKinds;
    int heading = (i * 5 + Tick) % (2 * SheetRows);
    int frame = (i + Tick) % SheetFrames;
    int half = heading / SheetRows;
    int sx = half * SheetFrames * FW + frame * FW;
    int sy = block * SheetRows * FH + (heading % SheetRows) * FH;
    // Top-left corner anywhere from which at least one pixel shows.
    int x = (i * SpreadX + Tick * DriftX) % (GW + FW - 1) - FW + 1;
    int y = (i * SpreadY + Tick) % (bandH + FH - 1) - FH + 1;
    int cutL = x < 0 ? -x : 0, cutT = y < 0 ? -y : 0;
    int cutR = x + FW > GW ? x + FW - GW : 0, cutB = y + FH > bandH ? y + FH - bandH : 0;
    Draw({x + cutL, bandTop + y + cutT, x + FW - cutR, bandTop + y + FH - cutB},
         SourceSurface(DdsKG01 + sheet), {sx + cutL, sy + cutT, sx + FW - cutR, sy + FH - cutB},
         DDBLT_KEYSRC);
}

static void FloorFrame()
{
    if (!lpDDSBack)
        return;
    double t0 = Now();
    IDirectDrawSurface* back = SourceSurface(DdsBackC);
    int bandH = GH / 2;
    int top = (GH - bandH) / 2;
    Draw({0, 0, GW, GH}, back, {BLKWL, BLKHT, BLKWR, BLKHB}, 0);
    int sw = SwatchW * WaterSwatch;
    Draw({0, top, GW, top + bandH}, back, {sw + 1, WATHT + 1, sw + SwatchW - 1, WATHB - 1}, 0);
    int cy = top + bandH + CaptionGap;
    Draw({GW - CaptionRight, cy, GW - CaptionRightEnd, cy + CaptionH}, back,
         {CPRWL, CPRHT, CPRWR, CPRHT + CaptionH}, 0);
    Draw({TitleX, top - TitleLift - TitleH, TitleX + CT2WR - CT2WL, top - TitleLift}, back,
         {CT2WL, CT2HT, CT2WR, CT2HT + TitleH}, 0);
    for (int i = 0; i < FloorFish; i++)
        DrawFloorFish(i, top, bandH);
    double t1 = Now();
    if (FrameOffScreen()) {
        const DdRect& p = MonParts[0].part;
        DdPresent(p, {0, 0, (p.right - p.left) * GK, (p.bottom - p.top) * GK});
    }
    double t2 = Now();
    HRESULT hr;
    do
        hr = lpDDSPrimary->Flip(nullptr, 0);
    while (hr == DDERR_WASSTILLDRAWING);
    if (hr == DDERR_SURFACELOST)
        restoreAll();
    double t3 = Now();
    StepMs[0] += t1 - t0;
    StepMs[1] += t2 - t1;
    StepMs[2] += t3 - t2;
    StepFrames++;
    Tick++;
}

static LRESULT WINAPI FloorProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_CREATE:
        if (!doinit(w))
            return -1;
        SetTimer(w, FloorTimer, nSpeed2, nullptr);
        return 0;
    case WM_TIMER:
        FloorFrame();
        return 0;
    case WM_SETCURSOR:
        SetCursor(nullptr);
        return TRUE;
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_CLOSE:
        DestroyWindow(w);
        return 0;
    case WM_DESTROY:
        WriteSteps();
        KillTimer(w, FloorTimer);
        finiObjects();
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(w, msg, wp, lp);
    }
}

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR cmd, int)
{
    QueryPerformanceFrequency(&Freq);
    m_nPicScale = 1;
    for (char* a = strtok(cmd, " "); a; a = strtok(nullptr, " ")) {
        if (strcmp(a, "/scale") == 0 && (a = strtok(nullptr, " ")))
            m_nPicScale = atoi(a);
        else if (strcmp(a, "/steps") == 0 && (a = strtok(nullptr, " ")))
            StepsFile = a;
    }
    m_nOtherMon = OmSame;
    AquaScreenSet();
    WNDCLASSA cls = {};
    cls.lpfnWndProc = FloorProc;
    cls.hInstance = inst;
    cls.hbrBackground = (HBRUSH)GetStockObject(BLACK_BRUSH);
    cls.lpszClassName = "PondelFloor";
    if (!RegisterClassA(&cls))
        return 1;
    HWND w = CreateWindowExA(WS_EX_TOPMOST, cls.lpszClassName, "Floor", WS_POPUP | WS_VISIBLE, 0, 0,
                             GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                             nullptr, inst, nullptr);
    if (!w)
        return 1;
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return (int)m.wParam;
}
