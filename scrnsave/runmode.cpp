// Run modes: the mode dispatcher and the modes that need no saver window.
#include "scrnsave/cmdline.h"
#include "scrnsave/hostframe.h"
#include "resources/resource.h"

#include <commctrl.h>

const char CommonControlsDll[] = "comctl32.dll";  // version 6, as the manifest asks
typedef BOOL(WINAPI* InitControlsFn)(const INITCOMMONCONTROLSEX*);

HINSTANCE hMainInstance;
BOOL fOnWin95;

static HWND UsableWindow(LPCSTR text)
{
    HWND h = (HWND)(UINT_PTR)atoui(text);
    return (h && IsWindow(h)) ? h : nullptr;
}

void HogMachine(BOOL value)
{
    if (!fOnWin95)
        return;
    UINT scratch;
    SystemParametersInfoA(SPI_SCREENSAVERRUNNING, value, &scratch, 0);
}

int DoSaverPreview(LPCSTR text)
{
    HWND parent = UsableWindow(text);
    if (!parent)
        return -1;
    return DoScreenSave(parent);
}

int DoConfigBox(HWND owner)
{
    // The dialog holds a tab control, trackbars and up-down controls. The
    // common controls library is loaded here, for the dialog alone: the saving
    // modes never map it nor hold the objects its start-up creates.
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    HMODULE controls = LoadLibraryA(CommonControlsDll);
    InitControlsFn init =
        controls ? (InitControlsFn)(void*)GetProcAddress(controls, "InitCommonControlsEx")
                 : nullptr;
    if (init)
        init(&icc);
    if (!RegisterDialogClasses(hMainInstance))
        return 0;
    return (int)DialogBoxParamA(hMainInstance, MAKEINTRESOURCEA(DLG_SCRNSAVECONFIGURE), owner,
                                ScreenSaverConfigureDialog, 0);
}

int DoChangePw(LPCSTR text)
{
    HWND owner = UsableWindow(text);
    if (!owner)
        owner = GetForegroundWindow();
    ScreenSaverChangePassword(owner);
    return 0;
}

// Exception guard. GCC has no __try/__except, so a fault escaping a mode is
// caught by a top-level filter installed for the dispatch: it asks the
// system's UnhandledExceptionFilter and, when that elects to run the handler,
// tells the Windows 95 family that no saver runs any more and ends the process
// with the guard's exit code (as WinMainN's return would).
const int GuardExitCode = 0x4B1D;

static LPTOP_LEVEL_EXCEPTION_FILTER PrevFilter;

static LONG WINAPI GuardFilter(EXCEPTION_POINTERS* ep)
{
    // UnhandledExceptionFilter calls the top-level filter itself: hand it the
    // previous one so that it does not come back here.
    SetUnhandledExceptionFilter(PrevFilter);
    LONG r = UnhandledExceptionFilter(ep);
    if (r == EXCEPTION_EXECUTE_HANDLER) {
        HogMachine(FALSE);
        ExitProcess(GuardExitCode);
    }
    return r;
}

static int Dispatch(LPSTR cmd)
{
    SwitchScan s = ScanSwitch(cmd);
    switch (s.mode) {
    case ModeConfigNoOwner:
        return DoConfigBox(nullptr);
    case ModeConfig: {
        HWND owner = s.hasColon ? UsableWindow(s.rest) : nullptr;
        if (!owner)
            owner = GetForegroundWindow();
        return DoConfigBox(owner);
    }
    case ModeSave:
        return DoScreenSave(nullptr);
    case ModePreview:
        return DoSaverPreview(s.rest);
    case ModeChangePw:
        if (!fOnWin95)
            return -1;
        return DoChangePw(s.rest);
    case ModeNone:
    default:
        return -1;
    }
}

int WinMainN(HINSTANCE hInst, HINSTANCE hPrev, LPSTR cmd, int nCmdShow)
{
    hMainInstance = hInst;
    OSVERSIONINFOA vi;
    ZeroMemory(&vi, sizeof vi);
    vi.dwOSVersionInfoSize = sizeof vi;  // 148
    fOnWin95 = GetVersionExA(&vi) && vi.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;

    PrevFilter = SetUnhandledExceptionFilter(GuardFilter);
    int r = Dispatch(cmd);
    SetUnhandledExceptionFilter(PrevFilter);
    return r;
}
