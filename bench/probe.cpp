// Counters of a running program for the benchmark, found by its file name:
//   phprobe NAME          prints "gdi=N user=N ws_kb=N peak_ws_kb=N private_kb=N"
//   phprobe --close NAME  asks its windows to close and waits up to 10 s for its end
//   phprobe --hold        keeps the Wine session's desktop up, as a logged-on
//                         session has it, until it is killed; prints "ready" once up
//   phprobe --clock       prints "offset=S": Linux uptime minus Wine's clock (the
//                         performance counter, which Wine's trace timestamps use), s
// Exit status 1 when no such process runs (or, with --close, it did not end).
// Where the system has no GetGuiResources (Wine answers "not implemented"),
// GDI objects are counted in the process's GDI handle table and USER objects
// as its windows.
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

const DWORD CloseWaitMs = 10000;
const SIZE_T GdiTableMax = 0x10000;  // handle slots of a GDI handle table
const SIZE_T PageSize = 4096;
const char UptimeFile[] = "Z:\\proc\\uptime";  // the Linux uptime, through Wine's Z: drive
const SIZE_T PebGdiTable = 0xF8;               // PEB field of the table's address (64-bit)
const SIZE_T GdiEntrySize = 24;                // object, owner, unique, type, flags, user pointer
const SIZE_T GdiEntryUnique = 12, GdiEntryType = 14;
const WORD GdiStockBit = 0x80;  // in the unique word: a stock object
static_assert(sizeof(void*) == 8, "the handle table layout is that of 64-bit processes");

static DWORD FindProcess(const char* name)
{
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE)
        return 0;
    PROCESSENTRY32 pe = {};
    pe.dwSize = sizeof pe;
    DWORD pid = 0;
    for (BOOL ok = Process32First(snap, &pe); ok && !pid; ok = Process32Next(snap, &pe))
        if (lstrcmpiA(pe.szExeFile, name) == 0)
            pid = pe.th32ProcessID;
    CloseHandle(snap);
    return pid;
}

struct WindowCount {
    DWORD pid;
    int n;
    std::vector<HWND> top;
};

static BOOL CALLBACK CountChild(HWND, LPARAM lp)
{
    ((WindowCount*)lp)->n++;
    return TRUE;
}

static BOOL CALLBACK CountTop(HWND w, LPARAM lp)
{
    WindowCount* c = (WindowCount*)lp;
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == c->pid) {
        c->n++;
        c->top.push_back(w);
        EnumChildWindows(w, CountChild, lp);
    }
    return TRUE;
}

static WindowCount Windows(DWORD pid)
{
    WindowCount c{pid, 0, {}};
    EnumWindows(CountTop, (LPARAM)&c);
    return c;
}

// Live, non-stock entries of the process's GDI handle table; -1 when unreadable.
// Handles are given out from the start of the table, so the table is read a
// page at a time up to the first page that was never written: reading the
// untouched rest would make it resident in the measured process.
static long GdiTableCount(HANDLE h)
{
    PROCESS_BASIC_INFORMATION pbi = {};
    if (NtQueryInformationProcess(h, ProcessBasicInformation, &pbi, sizeof pbi, nullptr) != 0)
        return -1;
    ULONG_PTR table = 0;
    if (!ReadProcessMemory(h, (BYTE*)pbi.PebBaseAddress + PebGdiTable, &table, sizeof table,
                           nullptr) ||
        !table)
        return -1;
    std::vector<BYTE> buf;
    for (SIZE_T at = 0; at < GdiTableMax * GdiEntrySize; at += PageSize) {
        BYTE page[PageSize];
        if (!ReadProcessMemory(h, (BYTE*)table + at, page, PageSize, nullptr))
            break;
        buf.insert(buf.end(), page, page + PageSize);
        if (std::all_of(page, page + PageSize, [](BYTE b) { return b == 0; }))
            break;
    }
    long n = 0;
    for (SIZE_T e = 0; e + GdiEntrySize <= buf.size(); e += GdiEntrySize) {
        WORD unique = (WORD)(buf[e + GdiEntryUnique] | buf[e + GdiEntryUnique + 1] << 8);
        if (buf[e + GdiEntryType] != 0 && !(unique & GdiStockBit))
            n++;
    }
    return n;
}

static long GuiCount(HANDLE h, DWORD pid, DWORD kind)
{
    SetLastError(0);
    DWORD n = GetGuiResources(h, kind);
    if (n != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED)
        return (long)n;
    return kind == GR_GDIOBJECTS ? GdiTableCount(h) : Windows(pid).n;
}

static int Report(DWORD pid)
{
    HANDLE h = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!h)
        return 1;
    PROCESS_MEMORY_COUNTERS_EX pm = {};
    pm.cb = sizeof pm;
    GetProcessMemoryInfo(h, (PROCESS_MEMORY_COUNTERS*)&pm, sizeof pm);
    // Private bytes are the commit charge, which Wine reports only as the page-file use.
    SIZE_T priv = pm.PrivateUsage ? pm.PrivateUsage : pm.PagefileUsage;
    printf("gdi=%ld user=%ld ws_kb=%zu peak_ws_kb=%zu private_kb=%zu\n",
           GuiCount(h, pid, GR_GDIOBJECTS), GuiCount(h, pid, GR_USEROBJECTS),
           pm.WorkingSetSize / 1024, pm.PeakWorkingSetSize / 1024, priv / 1024);
    CloseHandle(h);
    return 0;
}

static int Close(DWORD pid)
{
    HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, pid);
    for (HWND w : Windows(pid).top)
        PostMessageA(w, WM_CLOSE, 0, 0);
    bool ended = h && WaitForSingleObject(h, CloseWaitMs) == WAIT_OBJECT_0;
    if (h)
        CloseHandle(h);
    return ended ? 0 : 1;
}

// The two clocks read back to back; Wine's runs from the raw monotonic clock,
// which drifts from the uptime the kernel gives process start times in.
static int ClockOffset()
{
    FILE* fp = fopen(UptimeFile, "r");
    double up = 0;
    LARGE_INTEGER q, f;
    QueryPerformanceCounter(&q);
    QueryPerformanceFrequency(&f);
    bool ok = fp && fscanf(fp, "%lf", &up) == 1;
    if (fp)
        fclose(fp);
    if (!ok)
        return 1;
    printf("offset=%.3f\n", up - (double)q.QuadPart / (double)f.QuadPart);
    return 0;
}

int main(int argc, char** argv)
{
    if (argc == 2 && lstrcmpA(argv[1], "--clock") == 0)
        return ClockOffset();
    if (argc == 2 && lstrcmpA(argv[1], "--hold") == 0) {
        // Wine starts the desktop process for the first window of a session
        // and ends it with the session's last program.
        GetDesktopWindow();
        puts("ready");
        fflush(stdout);
        Sleep(INFINITE);
    }
    bool close = argc == 3 && lstrcmpA(argv[1], "--close") == 0;
    if (argc != 2 && !close) {
        fprintf(stderr, "usage: phprobe [--close] NAME | --hold | --clock\n");
        return 2;
    }
    DWORD pid = FindProcess(argv[argc - 1]);
    if (!pid)
        return 1;
    return close ? Close(pid) : Report(pid);
}
