#include "saver_harness.h"

#include <cstdlib>
#include <vector>

std::string WinPath(const char* unixPath)
{
    std::string s = "Z:";
    s += unixPath;
    for (char& c : s)
        if (c == '/')
            c = '\\';
    return s;
}

std::string ScrPath()
{
    const char* p = getenv("PH_SCR");
    return p ? WinPath(p) : std::string();
}

Proc StartProc(const std::string& args, const std::string& exe, bool rawCmdLine)
{
    Proc p;
    std::string path = exe.empty() ? ScrPath() : exe;
    std::string cmd = rawCmdLine ? args : "\"" + path + "\" " + args;
    std::vector<char> buf(cmd.begin(), cmd.end());
    buf.push_back('\0');
    STARTUPINFOA si;
    ZeroMemory(&si, sizeof si);
    si.cb = sizeof si;
    p.started = CreateProcessA(path.c_str(), buf.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &si, &p.pi) != 0;
    return p;
}

void PumpFor(DWORD ms)
{
    DWORD end = GetTickCount() + ms;
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        LONG left = (LONG)(end - GetTickCount());
        if (left <= 0)
            return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, (DWORD)(left < 20 ? left : 20), QS_ALLINPUT);
    }
}

bool WaitUntil(const std::function<bool()>& pred, DWORD ms)
{
    DWORD end = GetTickCount() + ms;
    for (;;) {
        if (pred())
            return true;
        if ((LONG)(end - GetTickCount()) <= 0)
            return pred();
        PumpFor(20);
    }
}

DWORD WaitExit(Proc& p, DWORD ms)
{
    if (!p.started)
        return (DWORD)-2;
    WaitUntil([&] { return WaitForSingleObject(p.pi.hProcess, 0) == WAIT_OBJECT_0; }, ms);
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(p.pi.hProcess, &code);
    return code;
}

void EndProc(Proc& p)
{
    if (!p.started)
        return;
    if (WaitForSingleObject(p.pi.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(p.pi.hProcess, 99);
        WaitForSingleObject(p.pi.hProcess, 5000);
    }
    CloseHandle(p.pi.hThread);
    CloseHandle(p.pi.hProcess);
    p.started = false;
}

Proc StartSaver(const std::string& args, const std::string& exe, int x, int y)
{
    MouseTo(x, y);
    PumpFor(100);
    Proc p = StartProc(args, exe);
    // The window shows early in its creation, before the DirectDraw set-up,
    // at whose end the saver puts the cursor back where it was when the set-up
    // began: a move sent before then is undone. Creation has ended when the
    // saver first waits for input. This process keeps pumping meanwhile: a
    // saver on two monitors ends at once when it does not.
    auto shown = [] {
        HWND w = FindSaverWindow();
        return w && IsWindowVisible(w);
    };
    if (p.started && WaitUntil(shown, 10000)) {
        WaitUntil([&] { return WaitForInputIdle(p.pi.hProcess, 0) != WAIT_TIMEOUT; }, 10000);
        PumpFor(100);
    }
    return p;
}

DWORD Ended(Proc& p)
{
    DWORD code = WaitExit(p, 10000);
    EndProc(p);
    return code;
}

DWORD CloseByKey(Proc& p)
{
    KeyPress(VK_SPACE);
    return Ended(p);
}

HWND WaitPreviewChild(HWND parent)
{
    HWND child = nullptr;
    WaitUntil(
        [&] {
            child = FindWindowExA(parent, nullptr, "WindowsScreenSaverClass", "Preview");
            return child != nullptr;
        },
        10000);
    return child;
}

struct CountArg {
    DWORD pid;
    int n;
};

static BOOL CALLBACK CountProc(HWND h, LPARAM lp)
{
    CountArg* a = (CountArg*)lp;
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    if (pid == a->pid) {
        char cls[64];
        GetClassNameA(h, cls, sizeof cls);
        // Wine's per-process helper windows are not the program's.
        if (lstrcmpA(cls, "IME") != 0 && lstrcmpA(cls, "__wine_clipboard_manager") != 0)
            a->n++;
    }
    return TRUE;
}

int CountProcessWindows(DWORD pid)
{
    CountArg a{pid, 0};
    EnumWindows(CountProc, (LPARAM)&a);
    return a.n;
}

HWND FindSaverWindow()
{
    return FindWindowA("WindowsScreenSaverClass", "Screen Saver");
}

static BOOL CALLBACK CountSaverProc(HWND h, LPARAM lp)
{
    char cls[64];
    GetClassNameA(h, cls, sizeof cls);
    if (lstrcmpA(cls, "WindowsScreenSaverClass") == 0)
        ++*(int*)lp;
    return TRUE;
}

int CountSaverWindows()
{
    int n = 0;
    EnumWindows(CountSaverProc, (LPARAM)&n);
    return n;
}

bool CoversScreen(HWND w)
{
    RECT rc, screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return GetWindowRect(w, &rc) && EqualRect(&rc, &screen);
}

bool WaitAquariumAt(int x, int y)
{
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    return WaitUntil(
        [&] {
            COLORREF c = ScreenPixel(x, y);
            return c != RGB(255, 255, 255) && c != RGB(0, 0, 0) &&
                   ScreenPixel(cx - 1, cy - 1) == RGB(0, 0, 0);
        },
        5000);
}

HWND WaitDialogOf(DWORD pid)
{
    HWND found = nullptr;
    WaitUntil(
        [&] {
            HWND h = nullptr;
            while ((h = FindWindowExA(nullptr, h, "#32770", nullptr)) != nullptr) {
                DWORD owner = 0;
                GetWindowThreadProcessId(h, &owner);
                if (owner != pid || !IsWindowVisible(h))
                    continue;
                char title[64] = "";
                GetWindowTextA(h, title, sizeof title);
                if (lstrcmpA(title, "PondelHarbor") == 0) {
                    PostMessageA(h, WM_COMMAND, IDOK, 0);   // an error report: close it
                    continue;
                }
                found = h;
                return true;
            }
            return false;
        },
        10000);
    return found;
}

COLORREF ScreenPixel(int x, int y)
{
    HDC dc = GetDC(nullptr);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(nullptr, dc);
    return c;
}

COLORREF Shown16(COLORREF c)
{
    BITMAPV4HEADER h = {};
    h.bV4Size = sizeof h;
    h.bV4Width = 1;
    h.bV4Height = 1;
    h.bV4Planes = 1;
    h.bV4BitCount = 16;
    h.bV4V4Compression = BI_BITFIELDS;
    h.bV4RedMask = 0xF800;
    h.bV4GreenMask = 0x07E0;
    h.bV4BlueMask = 0x001F;
    void* bits = nullptr;
    HDC mem = CreateCompatibleDC(nullptr);
    HBITMAP dib = CreateDIBSection(mem, (BITMAPINFO*)&h, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    SetPixel(mem, 0, 0, c);
    COLORREF shown = GetPixel(mem, 0, 0);
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    return shown;
}

std::vector<DWORD> Grab(HDC src, int x, int y, int w, int h)
{
    std::vector<DWORD> px((size_t)w * h);
    HDC dc = CreateCompatibleDC(src);
    BITMAPINFO bi;
    ZeroMemory(&bi, sizeof bi);
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, dib);
    BitBlt(dc, 0, 0, w, h, src, x, y, SRCCOPY);
    GdiFlush();
    for (size_t i = 0; i < px.size(); i++)
        px[i] = ((DWORD*)bits)[i] & 0xFFFFFF;
    SelectObject(dc, old);
    DeleteObject(dib);
    DeleteDC(dc);
    return px;
}

COLORREF Shot::at(int x, int y) const
{
    DWORD v = px[(size_t)y * w + x];
    return RGB((v >> 16) & 255, (v >> 8) & 255, v & 255);
}

Shot GrabScreen(const RECT& r)
{
    Shot s;
    s.w = r.right - r.left;
    s.h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    s.px = Grab(screen, r.left, r.top, s.w, s.h);
    ReleaseDC(nullptr, screen);
    return s;
}

Shot GrabScreen()
{
    return GrabScreen({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
}

// Where the harness last put the cursor. While another program holds an
// exclusive DirectDraw mode, Wine applies SendInput moves late or not at all,
// and a cursor position set here may not reach the X server at once, so moves
// set the system cursor from the position the harness keeps, until this
// process reads it back.
static POINT mousePos;
static bool mouseKnown;

void MouseTo(int x, int y)
{
    mousePos = {x, y};
    mouseKnown = true;
    for (int tries = 0; tries < 20; tries++) {
        SetCursorPos(x, y);
        PumpFor(20);
        POINT pt;
        if (GetCursorPos(&pt) && pt.x == x && pt.y == y)
            return;
    }
}

void MouseMoveBy(int dx, int dy)
{
    if (!mouseKnown) {
        GetCursorPos(&mousePos);
        mouseKnown = true;
    }
    MouseTo(mousePos.x + dx, mousePos.y + dy);
}

void MouseClick(int button)
{
    static const DWORD down[] = {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_MIDDLEDOWN};
    static const DWORD up[] = {MOUSEEVENTF_LEFTUP, MOUSEEVENTF_RIGHTUP, MOUSEEVENTF_MIDDLEUP};
    INPUT in[2];
    ZeroMemory(in, sizeof in);
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = down[button];
    in[1].mi.dwFlags = up[button];
    SendInput(2, in, sizeof in[0]);
}

void KeyPress(WORD vk)
{
    INPUT in[2];
    ZeroMemory(in, sizeof in);
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof in[0]);
}

static LRESULT CALLBACK TestWndProc(HWND h, UINT m, WPARAM w, LPARAM l)
{
    return DefWindowProcA(h, m, w, l);
}

HWND MakeTestWindow(int w, int h)
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA c;
        ZeroMemory(&c, sizeof c);
        c.lpfnWndProc = TestWndProc;
        c.hInstance = GetModuleHandleA(nullptr);
        c.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
        c.lpszClassName = "PhTestWindow";
        RegisterClassA(&c);
        registered = true;
    }
    HWND hw = CreateWindowExA(0, "PhTestWindow", "test owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10,
                              10, w, h, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    PumpFor(50);
    return hw;
}

void SetClientSize(HWND hw, int w, int h)
{
    RECT rc = {0, 0, w, h};
    AdjustWindowRectEx(&rc, (DWORD)GetWindowLongPtrA(hw, GWL_STYLE), FALSE,
                       (DWORD)GetWindowLongPtrA(hw, GWL_EXSTYLE));
    SetWindowPos(hw, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    PumpFor(50);
}

bool RegPutDword(HKEY root, const char* path, const char* name, DWORD value)
{
    HKEY k;
    if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr))
        return false;
    bool ok = RegSetValueExA(k, name, 0, REG_DWORD, (const BYTE*)&value, sizeof value) == 0;
    RegCloseKey(k);
    return ok;
}

bool RegPutString(HKEY root, const char* path, const char* name, const char* value)
{
    HKEY k;
    if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr))
        return false;
    bool ok = RegSetValueExA(k, name, 0, REG_SZ, (const BYTE*)value, lstrlenA(value) + 1) == 0;
    RegCloseKey(k);
    return ok;
}

DWORD RegGetDword(HKEY root, const char* path, const char* name, DWORD dflt)
{
    HKEY k;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &k))
        return dflt;
    DWORD v = dflt, size = sizeof v, type = 0;
    if (RegQueryValueExA(k, name, nullptr, &type, (LPBYTE)&v, &size) || type != REG_DWORD)
        v = dflt;
    RegCloseKey(k);
    return v;
}

std::string RegGetString(HKEY root, const char* path, const char* name)
{
    char buf[1024] = "";
    DWORD size = sizeof buf - 1, type = 0;
    HKEY k;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &k))
        return "<none>";
    LONG r = RegQueryValueExA(k, name, nullptr, &type, (LPBYTE)buf, &size);
    RegCloseKey(k);
    return (r || type != REG_SZ) ? "<none>" : std::string(buf);
}

void RegDropValue(HKEY root, const char* path, const char* name)
{
    HKEY k;
    if (RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS, &k))
        return;
    RegDeleteValueA(k, name);
    RegCloseKey(k);
}

void RegDropKey(HKEY root, const char* path)
{
    RegDeleteKeyA(root, path);
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

const char DesktopKey[] = "Control Panel\\Desktop";

ScopedDpi::ScopedDpi(DWORD dpi)
{
    had_ = RegGetDword(HKEY_CURRENT_USER, DesktopKey, "LogPixels", 0);
    RegPutDword(HKEY_CURRENT_USER, DesktopKey, "LogPixels", dpi);
}

ScopedDpi::~ScopedDpi()
{
    if (had_)
        RegPutDword(HKEY_CURRENT_USER, DesktopKey, "LogPixels", had_);
    else
        RegDropValue(HKEY_CURRENT_USER, DesktopKey, "LogPixels");
}

static const char PwdTestKey[] = "Software\\PondelHarborTest";
static const char Win98Key[] = "Software\\Wine\\AppDefaults\\PondelHarbor.scr";

std::string InstallWin98Saver(const std::string& dir)
{
    std::string scr = dir + "\\PondelHarbor.scr";
    CreateDirectoryA(dir.c_str(), nullptr);
    const char* cpl = getenv("PH_PWDCPL");
    if (!cpl || !CopyFileA(ScrPath().c_str(), scr.c_str(), FALSE) ||
        !CopyFileA(WinPath(cpl).c_str(), (dir + "\\PASSWORD.CPL").c_str(), FALSE))
        return std::string();
    RegPutString(HKEY_CURRENT_USER, Win98Key, "Version", "win98");
    RegPutDword(HKEY_CURRENT_USER, DesktopKey, "ScreenSaveUsePassword", 1);
    SetPasswordAnswer(0, 0);
    RegPutDword(HKEY_CURRENT_USER, PwdTestKey, "Calls", 0);
    return scr;
}

void RemoveWin98Saver(const std::string& dir)
{
    RegDropKey(HKEY_CURRENT_USER, Win98Key);
    RegDropValue(HKEY_CURRENT_USER, DesktopKey, "ScreenSaveUsePassword");
    RegDropKey(HKEY_CURRENT_USER, PwdTestKey);
    DeleteFileA((dir + "\\PondelHarbor.scr").c_str());
    DeleteFileA((dir + "\\PASSWORD.CPL").c_str());
    RemoveDirectoryA(dir.c_str());
}

void SetPasswordAnswer(DWORD accept, DWORD repost)
{
    RegPutDword(HKEY_CURRENT_USER, PwdTestKey, "Answer", accept);
    RegPutDword(HKEY_CURRENT_USER, PwdTestKey, "Repost", repost);
}

DWORD PasswordCalls()
{
    return RegGetDword(HKEY_CURRENT_USER, PwdTestKey, "Calls", 0);
}
