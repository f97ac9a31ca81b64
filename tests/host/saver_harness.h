// Helpers for end-to-end tests that run the real .scr as a separate process
// under Wine and drive it with real input.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>

// Windows path of a Unix path (Wine maps / to Z:\).
std::string WinPath(const char* unixPath);
// The .scr under test, from the environment variable PH_SCR.
std::string ScrPath();

struct Proc {
    PROCESS_INFORMATION pi{};
    bool started = false;
};

// Starts exe (default: the .scr) with the given argument text. The command
// line is the quoted program path, a blank and args, unless rawCmdLine is set.
Proc StartProc(const std::string& args, const std::string& exe = "", bool rawCmdLine = false);
// Waits up to ms (pumping this thread's messages); the exit code, or STILL_ACTIVE.
DWORD WaitExit(Proc& p, DWORD ms);
// Terminates a process still running and closes its handles.
void EndProc(Proc& p);
// Full-screen saving: the cursor put at (x, y), then exe (default: the .scr)
// started with args; waits up to 10 s for the saver window and up to 10 s
// more for the end of its set-up, after which moves count from (x, y).
// Whether it came up: p.started and FindSaverWindow().
Proc StartSaver(const std::string& args = "/s", const std::string& exe = "", int x = 500,
                int y = 400);
// Waits up to 10 s for p to end and closes its handles; the exit code
// (STILL_ACTIVE when it ran on).
DWORD Ended(Proc& p);
// A key press, then Ended.
DWORD CloseByKey(Proc& p);
// The preview child of parent ("WindowsScreenSaverClass" / "Preview"),
// waiting up to 10 s; null if none shows.
HWND WaitPreviewChild(HWND parent);

// Pumps this thread's messages for ms milliseconds.
void PumpFor(DWORD ms);
// Polls (pumping) until pred holds or ms pass; returns the last value.
bool WaitUntil(const std::function<bool()>& pred, DWORD ms);

// Top-level windows of a process (visible or not).
int CountProcessWindows(DWORD pid);
HWND FindSaverWindow();   // "WindowsScreenSaverClass" / "Screen Saver"
int CountSaverWindows();
// The saver window covers exactly the primary screen.
bool CoversScreen(HWND w);
// Waits up to 5 s for the aquarium to show: at (x, y) neither white (a test
// window) nor black (water or a fish), black in the bottom-right corner
// (below the band).
bool WaitAquariumAt(int x, int y);
// The visible dialog of a process, waiting up to 10 s; null if none shows.
// Error reports it shows first (message boxes titled "PondelHarbor", for
// example a missing data file) are closed on the way.
HWND WaitDialogOf(DWORD pid);
// A pixel of the screen.
COLORREF ScreenPixel(int x, int y);
// A colour as a 16-bit (5-6-5) display mode shows it.
COLORREF Shown16(COLORREF c);
// Pixels of a rectangle of a device context (GetDC(nullptr): the screen) as
// 0x00RRGGBB, w per row, the top row first.
std::vector<DWORD> Grab(HDC src, int x, int y, int w, int h);
// A rectangle of the screen, read once.
struct Shot {
    int w = 0, h = 0;
    std::vector<DWORD> px;  // 0x00RRGGBB, the top row first
    COLORREF at(int x, int y) const;
};
Shot GrabScreen(const RECT& r);
Shot GrabScreen();  // the whole primary screen

// Real input: the system cursor for moves, SendInput for buttons and keys.
void MouseTo(int x, int y);
void MouseMoveBy(int dx, int dy);
void MouseClick(int button);  // 0 left, 1 right, 2 middle
void KeyPress(WORD vk);

// A top-level test window of this process, pumped by PumpFor/WaitExit.
HWND MakeTestWindow(int w, int h);
// Resizes a window so that its client area is w x h.
void SetClientSize(HWND hw, int w, int h);

// Registry helpers for test settings; each returns success.
bool RegPutDword(HKEY root, const char* path, const char* name, DWORD value);
bool RegPutString(HKEY root, const char* path, const char* name, const char* value);
DWORD RegGetDword(HKEY root, const char* path, const char* name, DWORD dflt);
// A string value, or "<none>" when the key or value is missing or no string.
std::string RegGetString(HKEY root, const char* path, const char* name);
void RegDropValue(HKEY root, const char* path, const char* name);
void RegDropKey(HKEY root, const char* path);

bool FileExists(const std::string& path);

extern const char DesktopKey[];  // "Control Panel\\Desktop" of HKEY_CURRENT_USER
// Sets the screen DPI that processes started from now on take; the value
// before comes back at the end of the scope.
class ScopedDpi {
public:
    explicit ScopedDpi(DWORD dpi);
    ~ScopedDpi();
    ScopedDpi(const ScopedDpi&) = delete;
    ScopedDpi& operator=(const ScopedDpi&) = delete;

private:
    DWORD had_;
};

// A copy of the .scr (PH_SCR) with the test password provider (PH_PWDCPL)
// beside it in dir (made here), run as the Windows 95 family with the
// password setting on; the provider refuses until told otherwise. Returns the
// copy's path, or an empty text when a file could not be copied.
std::string InstallWin98Saver(const std::string& dir);
void RemoveWin98Saver(const std::string& dir);  // and dir
// The test provider: its answer (nonzero accepts), whether it posts a close
// request during the check, and how often it was asked.
void SetPasswordAnswer(DWORD accept, DWORD repost);
DWORD PasswordCalls();
