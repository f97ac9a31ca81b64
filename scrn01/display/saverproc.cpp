// The program's saver window procedure: settings at creation, the timer that
// drives the aquarium or paints the preview, suspension around the password
// dialog and monitor power-down, and the guest catch.
#include "scrnsave/scrnsave.h"
#include "scrn01/display/aquascreen.h"
#include "scrn01/display/ddsurf.h"
#include "scrn01/display/dispmode.h"
#include "scrn01/display/fishdata.h"
#include "scrn01/display/tuning.h"
#include "scrn01/display/frame.h"
#include "scrn01/display/preview.h"
#include "scrn01/display/saverstate.h"
#include "scrn01/settings/program.h"
#include "scrn01/settings/random.h"
#include "scrn01/store/datafile.h"
#include "scrn01/store/msglog.h"
#include "scrn01/store/regstore.h"

const UINT_PTR TimerId = 10;
const int PreviewUpperY = 1, PreviewLowerY = 112;  // the two halves of "DSP01"
const int DeleteTries = 500, ReleaseTries = 10000;

RECT rca;
HDC hdc, hdc_mem, hdc_mem2;
HBITMAP hBmp1, hBmp2;

static bool Building;   // doinit is running: no rebuild from inside it

static BOOL SetUp(HWND hWnd)
{
    Building = true;
    BOOL ok = doinit(hWnd);
    Building = false;
    return ok;
}

// Returns false when the set-up failed and the window is gone.
static bool Create(HWND hWnd)
{
    SaverStartUp();
    bool measured = GetClientRect(hWnd, &rca) != 0;
    // A preview window of any size shows the picture: at 125-200 % display
    // scaling it is larger than 152 x 112, and hosts may give any size.
    if (fChildPreview) {
        af1 = 1;
        af3 = 0;
        nSpeed = nSpeed1;
    } else if (measured) {
        SaverReadSettings();
        if (!SetUp(hWnd))
            return false;
        nSpeed = nSpeed2;
    }
    SetTimer(hWnd, TimerId, nSpeed, nullptr);
    af2 = 0;
    return true;
}

// Paints the window's background in the client area rc around the picture at `at`.
static void PaintBars(HDC dc, HWND hWnd, const RECT& rc, const PicRect& at)
{
    HBRUSH bg = (HBRUSH)GetClassLongPtrA(hWnd, GCLP_HBRBACKGROUND);
    if (!bg)
        return;
    const RECT bars[] = {{0, 0, rc.right, at.y},
                         {0, at.y + at.h, rc.right, rc.bottom},
                         {0, at.y, at.x, at.y + at.h},
                         {at.x + at.w, at.y, rc.right, at.y + at.h}};
    for (const RECT& r : bars)
        if (r.right > r.left && r.bottom > r.top)
            FillRect(dc, &r, bg);
}

static void PaintPreview(HWND hWnd)
{
    RECT rc = {0, 0, 0, 0};
    GetClientRect(hWnd, &rc);
    PicRect at = PreviewPlace(rc.right, rc.bottom);
    int srcY = m_nJPF == 1 ? PreviewUpperY : PreviewLowerY;
    hdc = GetDC(hWnd);
    hdc_mem = CreateCompatibleDC(hdc);
    HBITMAP pic = LoadBitmapA(hMainInstance, "DSP01");
    SelectObject(hdc_mem, pic);
    PaintBars(hdc, hWnd, rc, at);
    if (at.w == PreviewShowW && at.h == PreviewShowH) {
        BitBlt(hdc, at.x, at.y, at.w, at.h, hdc_mem, PreviewMargin, srcY, SRCCOPY);
    } else {
        // Averaged, so that thin lines and letters survive the scaling.
        int mode = SetStretchBltMode(hdc, HALFTONE);
        SetBrushOrgEx(hdc, 0, 0, nullptr);
        StretchBlt(hdc, at.x, at.y, at.w, at.h, hdc_mem, PreviewMargin, srcY, PreviewShowW,
                   PreviewShowH, SRCCOPY);
        SetStretchBltMode(hdc, mode);
    }
    int i = 0;
    while (i < DeleteTries && DeleteDC(hdc_mem))
        i++;
    if (i >= DeleteTries)
        MsgWrt1(32, Msg010, "", 0);
    i = 0;
    while (i < DeleteTries && DeleteObject(pic))
        i++;
    if (i >= DeleteTries)
        MsgWrt1(33, Msg009, "", 0);
    i = 0;
    while (i < ReleaseTries && ReleaseDC(hWnd, hdc))
        i++;
    af3 = 1;
}

static void Tick(HWND hWnd)
{
    if (af1 == 1) {
        if (af3 == 0)
            PaintPreview(hWnd);
        return;
    }
    if (af2 == 0)
        AquariumTick();
}

// Keeps what the screen shows, for painting while the display is given back.
static void Snapshot()
{
    af6 = 1;
    hdc_mem = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
    hdc_mem2 = CreateCompatibleDC(hdc_mem);
    hBmp1 = CreateCompatibleBitmap(hdc_mem, GSW, GSH);
    hBmp2 = (HBITMAP)SelectObject(hdc_mem2, hBmp1);
    BitBlt(hdc_mem2, 0, 0, GSW, GSH, hdc_mem, 0, 0, SRCCOPY);
    SelectObject(hdc_mem2, hBmp2);
    DeleteObject(hBmp2);
    DeleteDC(hdc_mem2);
    DeleteDC(hdc_mem);
}

static void PaintSnapshot(HWND hWnd)
{
    HDC dc = GetDC(hWnd);
    HDC mem = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(mem, hBmp1);
    BitBlt(dc, 0, 0, GSW, GSH, mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
    ReleaseDC(hWnd, dc);
}

static void Close(HWND hWnd)
{
    KillTimer(hWnd, TimerId);
    if (af1 == 1)
        return;
    if (pswf == 1) {
        PostMessageA(hWnd, WM_DESTROY, 0, 0);
        return;
    }
    if (af6 == 0)
        Snapshot();
    if (af2 == 0 && lpDD) {
        af2 = 1;
        // The display goes back to GDI, so that the password dialog shows.
        if (lpDDSPrimary) {
            lpDDSPrimary->Release();
            lpDDSPrimary = nullptr;
        }
        lpDDSBack = nullptr;
    }
}

// After a password check: the primary surface again and the timer; false
// when the set-up failed and the window is gone.
static bool Resume(HWND hWnd)
{
    af2 = 0;
    af6 = 0;
    DeleteObject(hBmp1);
    hBmp1 = nullptr;
    KillTimer(hWnd, TimerId);
    if (!SetUp(hWnd))
        return false;
    SetTimer(hWnd, TimerId, nSpeed, nullptr);
    return true;
}

static void EndNow(HWND hWnd)
{
    KillTimer(hWnd, TimerId);
    PostMessageA(hWnd, WM_DESTROY, 0, 0);
}

LRESULT WINAPI ScreenSaverProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    bool full = af1 == 0;
    switch (msg) {
    case WM_CREATE:
        if (!Create(hWnd))
            return 0;
        break;
    case WM_TIMER:
        if (wParam == TimerId)
            Tick(hWnd);
        break;
    case WM_CLOSE: {
        Close(hWnd);
        LRESULT r = DefScreenSaverProc(hWnd, msg, wParam, lParam);
        // A close request soon after a password check asks for none: the
        // window was never disabled, so no WM_ENABLE resumes the aquarium.
        if (full && af2 == 1 && IsWindow(hWnd) && IsWindowEnabled(hWnd) && !Resume(hWnd))
            return 0;
        return r;
    }
    case WM_PAINT:
    case WM_SETCURSOR:
        if (full && af6 == 1)
            PaintSnapshot(hWnd);
        break;
    case WM_ENABLE:
        if (wParam && full && af2 == 1 && !Resume(hWnd))
            return 0;
        break;
    case WM_ACTIVATEAPP:
        if (!wParam && full && af2 == 1 && (pswf == 1 || pssf == 1))
            EndNow(hWnd);
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MONITORPOWER && full && (lParam == 1 || lParam == 2)) {
            if (pswf == 1 || psmf == 1) {
                EndNow(hWnd);
            } else if (af5 == 2) {
                KillTimer(hWnd, TimerId);
                af5 = 1;
                finiObjects();
            }
        }
        break;
    case WM_NCHITTEST:
        if (full && af5 == 1 && !Building) {
            if (!SetUp(hWnd))
                return 0;
            updateFrame();
            SetTimer(hWnd, TimerId, nSpeed, nullptr);
        }
        break;
    case WM_NCPAINT:
        if (!full)
            af3 = 0;
        break;
    case WM_POWERBROADCAST:
        if (full) {
            if (pswf != 1 && pssf != 1)
                PostMessageA(hWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
            else if (wParam != PBT_APMQUERYSUSPEND)
                EndNow(hWnd);
        }
        break;
    case WM_RBUTTONDOWN:
        if (full)
            GuestCatch();
        break;
    case SAVER_MONITORS_CHANGED:
        // One aquarium over every monitor follows them while it draws.
        if (full && af5 == 2 && af2 == 0 && lpDD)
            FollowMonitors();
        return 0;
    case WM_DESTROY:
        if (full) {
            finiObjects();
            if (hBmp1) {
                DeleteObject(hBmp1);
                hBmp1 = nullptr;
            }
        }
        PostQuitMessage(0);
        break;
    default:
        break;
    }
    return DefScreenSaverProc(hWnd, msg, wParam, lParam);
}
