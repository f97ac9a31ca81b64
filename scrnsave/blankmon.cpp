// Black windows over the other monitors of a full-screen saver.
#include "scrnsave/blankmon.h"
#include "scrnsave/scrnsave.h"

static const char szBlankClass[] = "PondelHarborBlankClass";

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

struct CoverState {
    HWND saver;
    int made;
};

static BOOL CALLBACK CoverMonitor(HMONITOR mon, HDC, LPRECT, LPARAM lp)
{
    CoverState* st = (CoverState*)lp;
    MONITORINFO mi;
    ZeroMemory(&mi, sizeof mi);
    mi.cbSize = sizeof mi;
    if (!GetMonitorInfoA(mon, &mi) || (mi.dwFlags & MONITORINFOF_PRIMARY))
        return TRUE;
    const RECT& r = mi.rcMonitor;
    HWND w = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, szBlankClass, "",
                             WS_POPUP, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             st->saver, nullptr, hMainInstance, nullptr);
    if (w) {
        ShowWindow(w, SW_SHOWNOACTIVATE);
        st->made++;
    }
    return TRUE;
}

int CoverOtherMonitors(HWND saver)
{
    if (GetSystemMetrics(SM_CMONITORS) < 2)
        return 0;
    WNDCLASSA cls;
    ZeroMemory(&cls, sizeof cls);
    cls.lpfnWndProc = BlankProc;
    cls.hInstance = hMainInstance;
    cls.hbrBackground = (HBRUSH)GetStockObject(BLACK_BRUSH);
    cls.lpszClassName = szBlankClass;
    if (!RegisterClassA(&cls) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return 0;
    CoverState st = {saver, 0};
    EnumDisplayMonitors(nullptr, nullptr, CoverMonitor, (LPARAM)&st);
    return st.made;
}
