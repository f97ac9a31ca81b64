// Start and stop endurance of the saver (PH_SCR), driven as a host would:
//   phendure preview N   one parent window of the display settings' preview
//                        size starts "/p <parent>" N times and ends it, by
//                        turns with a close request to the preview window and
//                        by terminating the process; the parent's objects are
//                        read from outside (phprobe) after the first run,
//                        every 50 runs and at the end
//   phendure saver N     "/s" N times, ended each time by input (a key, each
//                        mouse button, a move), with the display mode, the
//                        windows and processes left and the error log checked
//                        after each
// Prints a line per fault and a summary; exit status 1 when anything failed.
#include "tests/host/saver_harness.h"

#include <cstdio>
#include <cstdlib>
#include <string>

const DWORD PreviewShowMs = 300;  // a few preview ticks before the end
const DWORD EndWaitMs = 10000;
const int ProbeEvery = 50;  // preview runs between readings of the parent
const UINT TerminatedCode = 77;
const int PreviewW = 152, PreviewH = 112;  // the display settings' preview area
const int WakeMove = 10;                   // px, beyond the close threshold
const char ScrName[] = "PondelHarbor.scr";
const char InstallKey[] = "Software\\PondelHarbor";  // of HKEY_CLASSES_ROOT
const char ErrLogName[] = "PondelErr.log";

static int Faults;

static void Fault(int run, const std::string& what)
{
    Faults++;
    printf("run %d: %s\n", run, what.c_str());
    fflush(stdout);
}

// Output and exit status of phprobe (beside this program) with the given arguments.
static int Probe(const std::string& args, std::string* out)
{
    char self[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string exe(self, n);
    exe = exe.substr(0, exe.find_last_of("\\/") + 1) + "phprobe.exe";
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, TRUE};
    HANDLE rd, wr;
    if (!CreatePipe(&rd, &wr, &sa, 0))
        return -1;
    SetHandleInformation(rd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = wr;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::string cmd = "\"" + exe + "\" " + args;
    PROCESS_INFORMATION pi;
    BOOL ok =
        CreateProcessA(exe.c_str(), &cmd[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    CloseHandle(wr);
    if (!ok) {
        CloseHandle(rd);
        return -1;
    }
    char buf[256];
    DWORD got;
    while (ReadFile(rd, buf, sizeof buf, &got, nullptr) && got)
        if (out)
            out->append(buf, got);
    CloseHandle(rd);
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (out)
        while (!out->empty() && (out->back() == '\n' || out->back() == '\r'))
            out->pop_back();
    return (int)code;
}

// Counters of this process as phprobe reads them from outside.
static std::string SelfCounters()
{
    char self[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string name(self, n);
    name = name.substr(name.find_last_of("\\/") + 1);
    std::string out;
    return Probe(name, &out) == 0 ? out : "unreadable";
}

// The value of "key=N" in a probe line; -1 when missing.
static long Counter(const std::string& line, const char* key)
{
    std::string k = std::string(key) + "=";
    size_t at = line.find(k);
    if (at == std::string::npos || (at > 0 && line[at - 1] != ' '))
        return -1;
    return strtol(line.c_str() + at + k.size(), nullptr, 10);
}

static bool NoSaverProcess()
{
    return Probe(ScrName, nullptr) == 1;
}

static int Preview(int runs)
{
    HWND parent = MakeTestWindow(PreviewW, PreviewH);
    SetClientSize(parent, PreviewW, PreviewH);
    std::string args = "/p " + std::to_string((unsigned long long)(UINT_PTR)parent);
    std::string first, last;
    int closed = 0, terminated = 0;
    for (int run = 1; run <= runs; run++) {
        Proc p = StartProc(args);
        if (!p.started) {
            Fault(run, "not started, error " + std::to_string(GetLastError()));
            continue;
        }
        HWND child = WaitPreviewChild(parent);
        if (!child)
            Fault(run, "no preview window");
        PumpFor(PreviewShowMs);
        bool byClose = run % 2 == 1;
        if (child && byClose)
            PostMessageA(child, WM_CLOSE, 0, 0);
        else
            TerminateProcess(p.pi.hProcess, TerminatedCode);
        DWORD code = WaitExit(p, EndWaitMs);
        DWORD want = child && byClose ? 0 : TerminatedCode;
        if (code == STILL_ACTIVE)
            Fault(run, "still running");
        else if (code != want)
            Fault(run, "exit code " + std::to_string(code));
        else if (child && byClose)
            closed++;
        else
            terminated++;
        EndProc(p);
        if (FindWindowExA(parent, nullptr, nullptr, nullptr))
            Fault(run, "a window left in the parent");
        if (run == 1 || run % ProbeEvery == 0) {
            last = SelfCounters();
            printf("parent after run %d: %s\n", run, last.c_str());
            fflush(stdout);
            if (run == 1)
                first = last;
        }
    }
    if (runs % ProbeEvery != 0) {
        last = SelfCounters();
        printf("parent after run %d: %s\n", runs, last.c_str());
    }
    if (!NoSaverProcess())
        Fault(runs, "a saver process left");
    printf("preview: %d runs, %d ended by a close request, %d terminated\n", runs, closed,
           terminated);
    for (const char* k : {"gdi", "user"}) {
        long a = Counter(first, k), b = Counter(last, k);
        if (a < 0 || b < 0 || b > a)
            Fault(runs, std::string("the parent's ") + k + " objects grew");
    }
    DestroyWindow(parent);
    return Faults ? 1 : 0;
}

struct Mode {
    DWORD w, h, bpp;
    bool operator==(const Mode& o) const { return w == o.w && h == o.h && bpp == o.bpp; }
};

static std::string ModeText(const Mode& m)
{
    return std::to_string(m.w) + "x" + std::to_string(m.h) + "x" + std::to_string(m.bpp);
}

static Mode CurrentMode()
{
    DEVMODEA dm = {};
    dm.dmSize = sizeof dm;
    if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &dm))
        return {0, 0, 0};
    return {dm.dmPelsWidth, dm.dmPelsHeight, dm.dmBitsPerPel};
}

// The error log of the installation and the profile entry that stands in for it.
static std::string ErrorLog()
{
    std::string dir = RegGetString(HKEY_CLASSES_ROOT, InstallKey, "Directory");
    std::string text = "[log] ";
    HANDLE f = dir == "<none>" ? INVALID_HANDLE_VALUE
                               : CreateFileA((dir + ErrLogName).c_str(), GENERIC_READ,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_EXISTING, 0, nullptr);
    if (f != INVALID_HANDLE_VALUE) {
        char buf[4096];
        DWORD got;
        while (ReadFile(f, buf, sizeof buf, &got, nullptr) && got)
            text.append(buf, got);
        CloseHandle(f);
    }
    char entry[512] = "";
    GetProfileStringA("PondelHarbor", "MsgError", "", entry, sizeof entry);
    return text + " [profile] " + entry;
}

// Input that ends a full-screen run, by turns.
static const char* EndByInput(int run)
{
    switch (run % 5) {
    case 0:
        KeyPress(VK_SPACE);
        return "key";
    case 1:
        MouseClick(0);
        return "left button";
    case 2:
        MouseClick(1);
        return "right button";
    case 3:
        MouseClick(2);
        return "middle button";
    default:
        MouseMoveBy(WakeMove, 0);
        return "move";
    }
}

static int Saver(int runs)
{
    Mode desktop = CurrentMode();
    std::string log = ErrorLog();
    Mode running = {0, 0, 0};
    int ended = 0;
    for (int run = 1; run <= runs; run++) {
        Proc p = StartSaver("/s");
        if (!p.started) {
            Fault(run, "not started, error " + std::to_string(GetLastError()));
            continue;
        }
        if (!FindSaverWindow())
            Fault(run, "no saver window");
        running = CurrentMode();
        DWORD pid = p.pi.dwProcessId;
        const char* how = EndByInput(run);
        DWORD code = Ended(p);
        if (code == STILL_ACTIVE)
            printf("run %d: not ended by the %s\n", run, how);
        if (code != 0)
            Fault(run, "exit code " + std::to_string(code));
        else
            ended++;
        Mode now = CurrentMode();
        if (!(now == desktop))
            Fault(run, "display mode not given back: " + ModeText(now));
        if (CountSaverWindows() != 0 || CountProcessWindows(pid) != 0)
            Fault(run, "a window left");
        if (!NoSaverProcess())
            Fault(run, "a saver process left");
        if (ErrorLog() != log)
            Fault(run, "the error log changed");
    }
    printf(
        "full screen: %d runs, %d ended by input with exit code 0; desktop %s, while saving %s\n",
        runs, ended, ModeText(desktop).c_str(), ModeText(running).c_str());
    if (ErrorLog() != log)
        printf("error log now: %s\n", ErrorLog().c_str());
    return Faults ? 1 : 0;
}

int main(int argc, char** argv)
{
    int runs = argc == 3 ? atoi(argv[2]) : 0;
    if (runs <= 0 || ScrPath().empty()) {
        fprintf(stderr, "usage: PH_SCR=saver phendure preview|saver RUNS\n");
        return 2;
    }
    std::string mode = argv[1];
    int r = mode == "preview" ? Preview(runs) : mode == "saver" ? Saver(runs) : 2;
    printf("%d faults\n", Faults);
    return r;
}
