// Windows over the other monitors of a full-screen saver, and the picture in
// them: the main monitor's fitted, or their parts of one spanning all.
#include "scrnsave/blankmon.h"
#include "scrnsave/picfit.h"
#include "scrnsave/scrnsave.h"

#include <vector>

static const char szBlankClass[] = "PondelHarborBlankClass";

// One window per monitor other than the primary.
struct OtherMon {
    HWND w;
    HDC dc;       // the window's own DC, stretching with COLORONCOLOR
    RECT mon;     // the monitor, screen coordinates
    PicRect pic;  // where the picture is shown, window coordinates; empty before the first
};
static std::vector<OtherMon> Others;

static OtherMon* Find(HWND w)
{
    for (OtherMon& m : Others)
        if (m.w == w)
            return &m;
    return nullptr;
}

// Black around the picture (everywhere before the first one).
static void PaintBars(HDC dc, const OtherMon& m)
{
    int w = m.mon.right - m.mon.left, h = m.mon.bottom - m.mon.top;
    const PicRect& p = m.pic;
    const RECT bars[] = {{0, 0, w, p.y},
                         {0, p.y + p.h, w, h},
                         {0, p.y, p.x, p.y + p.h},
                         {p.x + p.w, p.y, w, p.y + p.h}};
    for (const RECT& r : bars)
        FillRect(dc, &r, (HBRUSH)GetStockObject(BLACK_BRUSH));
}

static LRESULT WINAPI BlankProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_MOUSEACTIVATE:
        // A click must not pull activation away from the saver window:
        // losing it would close the saver at once.
        return MA_NOACTIVATE;
    case WM_SETCURSOR:
        SetCursor(nullptr);
        return TRUE;
    case WM_ERASEBKGND:
        // The picture stays while the main monitor pauses; only the bars are
        // painted again.
        if (const OtherMon* m = Find(hWnd)) {
            PaintBars((HDC)wParam, *m);
            return TRUE;
        }
        break;
    case WM_NCDESTROY:
        for (size_t i = 0; i < Others.size(); i++)
            if (Others[i].w == hWnd) {
                Others.erase(Others.begin() + (long)i);
                break;
            }
        break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        HWND saver = GetWindow(hWnd, GW_OWNER);
        if (!saver)
            break;
        POINT pt = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
        MapWindowPoints(hWnd, saver, &pt, 1);
        return SendMessageA(saver, msg, wParam, MAKELPARAM(pt.x, pt.y));
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        // Keys go to the focused saver window; should one arrive here all the same.
        HWND saver = GetWindow(hWnd, GW_OWNER);
        if (saver)
            return SendMessageA(saver, msg, wParam, lParam);
        break;
    }
    default:
        break;
    }
    return DefWindowProcA(hWnd, msg, wParam, lParam);
}

static BOOL CALLBACK AddMonitor(HMONITOR mon, HDC, LPRECT, LPARAM lp)
{
    MONITORINFO mi;
    ZeroMemory(&mi, sizeof mi);
    mi.cbSize = sizeof mi;
    if (GetMonitorInfoA(mon, &mi) && !(mi.dwFlags & MONITORINFOF_PRIMARY))
        ((std::vector<RECT>*)lp)->push_back(mi.rcMonitor);
    return TRUE;
}

static bool SameMonitors(const std::vector<RECT>& now)
{
    if (now.size() != Others.size())
        return false;
    for (size_t i = 0; i < now.size(); i++)
        if (!EqualRect(&now[i], &Others[i].mon))
            return false;
    return true;
}

int CoverOtherMonitors(HWND saver)
{
    std::vector<RECT> now;
    if (GetSystemMetrics(SM_CMONITORS) >= 2)
        EnumDisplayMonitors(nullptr, nullptr, AddMonitor, (LPARAM)&now);
    if (SameMonitors(now))
        return (int)Others.size();
    // Another set of monitors: new windows for all of them.
    std::vector<OtherMon> gone;
    gone.swap(Others);
    for (const OtherMon& m : gone)
        DestroyWindow(m.w);
    if (now.empty())
        return 0;
    WNDCLASSA cls;
    ZeroMemory(&cls, sizeof cls);
    cls.style = CS_OWNDC;
    cls.lpfnWndProc = BlankProc;
    cls.hInstance = hMainInstance;
    cls.hbrBackground = (HBRUSH)GetStockObject(BLACK_BRUSH);
    cls.lpszClassName = szBlankClass;
    if (!RegisterClassA(&cls) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return 0;
    for (const RECT& r : now) {
        HWND w = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, szBlankClass,
                                 "", WS_POPUP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                 saver, nullptr, hMainInstance, nullptr);
        if (!w)
            continue;
        HDC dc = GetDC(w);
        SetStretchBltMode(dc, COLORONCOLOR);
        Others.push_back({w, dc, r, {0, 0, 0, 0}});
        ShowWindow(w, SW_SHOWNOACTIVATE);
    }
    return (int)Others.size();
}

int OtherMonitorCount()
{
    return (int)Others.size();
}

// The picture goes to `at` in the window from now on; the bars follow.
static void Place(OtherMon& m, const PicRect& at)
{
    if (at.x != m.pic.x || at.y != m.pic.y || at.w != m.pic.w || at.h != m.pic.h) {
        m.pic = at;
        PaintBars(m.dc, m);
    }
}

bool ShowOnOtherMonitors(HDC src, int w, int h)
{
    bool ok = true;
    for (OtherMon& m : Others) {
        PicRect fit = FitPicture(w, h, {0, 0, m.mon.right - m.mon.left, m.mon.bottom - m.mon.top});
        Place(m, fit);
        if (fit.w > 0 && fit.h > 0 &&
            !StretchBlt(m.dc, fit.x, fit.y, fit.w, fit.h, src, 0, 0, w, h, SRCCOPY))
            ok = false;
    }
    return ok;
}

bool ShowPartsOnOtherMonitors(HDC src, const MonitorPart* parts, int n, int k)
{
    bool ok = true;
    for (OtherMon& m : Others) {
        const MonitorPart* p = parts;
        while (p < parts + n && !EqualRect(&p->mon, &m.mon))
            p++;
        if (p == parts + n) {
            Place(m, {0, 0, 0, 0});  // a monitor the picture does not know: black
            continue;
        }
        int w = p->part.right - p->part.left, h = p->part.bottom - p->part.top;
        Place(m, {0, 0, w * k, h * k});
        if (w <= 0 || h <= 0)
            continue;
        BOOL drawn = k == 1 ? BitBlt(m.dc, 0, 0, w, h, src, p->part.left, p->part.top, SRCCOPY)
                            : StretchBlt(m.dc, 0, 0, w * k, h * k, src, p->part.left, p->part.top,
                                         w, h, SRCCOPY);
        if (!drawn)
            ok = false;
    }
    return ok;
}
