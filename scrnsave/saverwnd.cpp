// Saver window: creation, message loop, closing on input, password hooks.
#include "scrnsave/hostframe.h"
#include "scrnsave/blankmon.h"
#include "resources/resource.h"

#include <imm.h>
#include <cstdlib>

HWND hMainWindow;
BOOL fChildPreview;
BOOL fClosing;
BOOL fCheckingPassword;

typedef BOOL(WINAPI* VERIFYPWDPROC)(HWND);
typedef DWORD(WINAPI* PWDCHANGEPASSWORDPROC)(LPCSTR, HWND, DWORD, LPVOID);
typedef HIMC(WINAPI* IMMASSOCPROC)(HWND, HIMC);

static HINSTANCE hInstPwdDLL;
static VERIFYPWDPROC VerifyPassword;
static POINT ptMouse;
static const DWORD dwWakeThreshold = 4;
static DWORD lastcheck = 0xFFFFFFFF;
static UINT uShellAutoPlayQueryMessage;
static HMODULE hInstImm;
static IMMASSOCPROC ImmFnc;
static HIMC hPrevImc;

static const char szClassName[] = "WindowsScreenSaverClass";

DWORD GetElapsedTime(DWORD from, DWORD to)
{
    return to - from;
}

void InitRealScreenSave()
{
    LoadPwdDLL();
}

void LoadPwdDLL()
{
    if (!fOnWin95)
        return;
    if (hInstPwdDLL)
        UnloadPwdDLL();
    HKEY key;
    if (RegOpenKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", &key) != ERROR_SUCCESS)
        return;
    DWORD value = 0, size = sizeof value;
    if (RegQueryValueExA(key, "ScreenSaveUsePassword", nullptr, nullptr, (LPBYTE)&value, &size) ==
            ERROR_SUCCESS &&
        value) {
        hInstPwdDLL = LoadLibraryA("PASSWORD.CPL");
        if (hInstPwdDLL) {
            VerifyPassword = (VERIFYPWDPROC)(void*)GetProcAddress(hInstPwdDLL, "VerifyScreenSavePwd");
            if (VerifyPassword) {
                HogMachine(TRUE);
            } else {
                FreeLibrary(hInstPwdDLL);
                hInstPwdDLL = nullptr;
            }
        }
    }
    RegCloseKey(key);
}

void UnloadPwdDLL()
{
    if (!fOnWin95 || !hInstPwdDLL)
        return;
    FreeLibrary(hInstPwdDLL);
    hInstPwdDLL = nullptr;
    if (VerifyPassword) {
        VerifyPassword = nullptr;
        HogMachine(FALSE);
    }
}

void ScreenSaverChangePassword(HWND owner)
{
    HINSTANCE mpr = LoadLibraryA("MPR.DLL");
    if (!mpr)
        return;
    PWDCHANGEPASSWORDPROC change =
        (PWDCHANGEPASSWORDPROC)(void*)GetProcAddress(mpr, "PwdChangePasswordA");
    if (change)
        change("SCRSAVE", owner, 0, nullptr);
    FreeLibrary(mpr);
}

BOOL DoPasswordCheck(HWND hWnd)
{
    if (fCheckingPassword || fClosing)
        return FALSE;
    if (!VerifyPassword) {
        fClosing = TRUE;
        return TRUE;
    }
    DWORD now = GetTickCount();
    if (lastcheck != 0xFFFFFFFF && GetElapsedTime(lastcheck, now) < 200)
        return fClosing;
    fCheckingPassword = TRUE;
    MSG msg;
    PeekMessageA(&msg, hWnd, WM_TIMER, WM_TIMER, PM_REMOVE | PM_NOYIELD);
    PeekMessageA(&msg, hWnd, WM_TIMER, WM_TIMER, PM_REMOVE | PM_NOYIELD);
    fClosing = (BOOL)SendMessageA(hWnd, SAVER_VERIFY_PASSWORD, 0, 0);
    fCheckingPassword = FALSE;
    if (!fClosing)
        SetCursor(nullptr);
    lastcheck = GetTickCount();
    return fClosing;
}

LRESULT WINAPI DefScreenSaverProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!fChildPreview && !fClosing) {
        switch (msg) {
        case WM_CLOSE:
            if (fOnWin95 && !DoPasswordCheck(hWnd)) {
                GetCursorPos(&ptMouse);
                return 0;
            }
            break;
        case SAVER_VERIFY_PASSWORD:
            if (fOnWin95)
                return VerifyPassword ? VerifyPassword(hWnd) : TRUE;
            break;
        default:
            break;
        }
        if (!fCheckingPassword) {
            switch (msg) {
            case WM_SHOWWINDOW:
                if (wParam)
                    SetCursor(nullptr);
                break;
            case WM_ACTIVATEAPP:
                if (!wParam)
                    PostMessageA(hWnd, WM_CLOSE, 0, 0);
                break;
            case WM_SETCURSOR:
                SetCursor(nullptr);
                return TRUE;
            case WM_POWER:
                if (wParam == PWR_CRITICALRESUME)
                    PostMessageA(hWnd, WM_CLOSE, 0, 0);
                break;
            case WM_POWERBROADCAST:
                PostMessageA(hWnd, WM_CLOSE, 0, 0);
                break;
            case WM_MOUSEMOVE: {
                POINT pt;
                GetCursorPos(&pt);
                DWORD dist = (DWORD)(labs(pt.x - ptMouse.x) + labs(pt.y - ptMouse.y));
                if (dist > dwWakeThreshold) {
                    PostMessageA(hWnd, WM_CLOSE, 0, 0);
                    ptMouse = pt;
                }
                break;
            }
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN:
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
                PostMessageA(hWnd, WM_CLOSE, 0, 0);
                break;
            default:
                break;
            }
        }
    }
    if (uShellAutoPlayQueryMessage && msg == uShellAutoPlayQueryMessage) {
        PostMessageA(hWnd, WM_CLOSE, 0, 0);
        return hInstPwdDLL ? TRUE : FALSE;
    }
    return DefWindowProcA(hWnd, msg, wParam, lParam);
}

LRESULT WINAPI RealScreenSaverProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
        hInstImm = GetModuleHandleA("IMM32.DLL");
        if (hInstImm) {
            ImmFnc = (IMMASSOCPROC)(void*)GetProcAddress(hInstImm, "ImmAssociateContext");
            if (ImmFnc)
                hPrevImc = ImmFnc(hWnd, (HIMC) nullptr);
        }
        if (!fChildPreview)
            SetCursor(nullptr);
        {
            LRESULT r = ScreenSaverProc(hWnd, msg, wParam, lParam);
            // Moves count from where the cursor is once the set-up has ended:
            // a display mode may have confined it to the main monitor.
            GetCursorPos(&ptMouse);
            return r;
        }
    case WM_DESTROY:
        if (hInstImm && ImmFnc && hPrevImc)
            ImmFnc(hWnd, hPrevImc);
        PostQuitMessage(0);
        break;
    case WM_SETTEXT:
        return 0;
    case WM_PAINT:
        if (fClosing)
            return DefWindowProcA(hWnd, msg, wParam, lParam);
        if (!fChildPreview)
            SetCursor(nullptr);
        break;
    case WM_HELP:
    case WM_CONTEXTMENU:
        if (fChildPreview) {
            HWND parent = GetParent(hWnd);
            if (parent && IsWindow(parent))
                PostMessageA(parent, msg, (WPARAM)parent, lParam);
            return TRUE;
        }
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (fClosing)
            return DefWindowProcA(hWnd, msg, wParam, lParam);
        break;
    case WM_SYSCOMMAND:
        if (!fChildPreview &&
            (wParam == SC_NEXTWINDOW || wParam == SC_PREVWINDOW || wParam == SC_SCREENSAVE))
            return FALSE;
        break;
    case WM_TIMER:
        if (fClosing)
            return 0;
        Sleep(0);
        break;
    case WM_DISPLAYCHANGE:
        // A monitor may have come or gone; the change may arrive while the
        // saver sets its own mode up, so the windows follow a little later.
        if (!fChildPreview)
            PostMessageA(hWnd, SAVER_MONITORS_CHANGED, 0, 0);
        break;
    case SAVER_MONITORS_CHANGED:
        if (fChildPreview)
            return 0;
        // The windows first, then the program lays its picture out anew.
        CoverOtherMonitors(hWnd);
        break;
    default:
        break;
    }
    return ScreenSaverProc(hWnd, msg, wParam, lParam);
}

int DoScreenSave(HWND parent)
{
    WNDCLASSA cls;
    ZeroMemory(&cls, sizeof cls);
    cls.style = CS_OWNDC | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    cls.lpfnWndProc = RealScreenSaverProc;
    cls.hInstance = hMainInstance;
    cls.hIcon = LoadIconA(hMainInstance, MAKEINTRESOURCEA(ID_APP));
    cls.hCursor = nullptr;
    cls.hbrBackground = (HBRUSH)GetStockObject(BLACK_BRUSH);
    cls.lpszClassName = szClassName;

    int x, y, cx, cy;
    DWORD style, exStyle;
    LPCSTR title;
    if (parent) {
        RECT rc;
        GetClientRect(parent, &rc);
        x = y = 0;
        cx = rc.right;
        cy = rc.bottom;
        fChildPreview = TRUE;
        style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
        exStyle = 0;
        title = "Preview";
    } else {
        HDC hdc = GetDC(nullptr);
        RECT rc;
        GetClipBox(hdc, &rc);
        ReleaseDC(nullptr, hdc);
        x = rc.left;
        y = rc.top;
        cx = rc.right - rc.left;
        cy = rc.bottom - rc.top;
        style = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        exStyle = WS_EX_TOPMOST;
        title = "Screen Saver";
        HWND other = FindWindowA(szClassName, title);
        if (other && IsWindow(other)) {
            SetForegroundWindow(other);
            return 0;
        }
        InitRealScreenSave();
    }
    uShellAutoPlayQueryMessage = fOnWin95 ? RegisterWindowMessageA("QueryCancelAutoPlay") : 0;

    int result = 0;
    if (RegisterClassA(&cls)) {
        hMainWindow = CreateWindowExA(exStyle, szClassName, title, style, x, y, cx, cy, parent,
                                      nullptr, hMainInstance, nullptr);
    }
    if (hMainWindow) {
        if (!fChildPreview) {
            CoverOtherMonitors(hMainWindow);
            SetForegroundWindow(hMainWindow);
        }
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        result = (int)msg.wParam;
    } else {
        result = -1;
    }
    UnloadPwdDLL();
    return result;
}
