// Process entry: skips the program's own name and runs one mode.
#include "scrnsave/cmdline.h"
#include "scrnsave/hostframe.h"

static int DummyEntry()
{
    LPSTR p = (LPSTR)SkipProgramName(GetCommandLineA());
    STARTUPINFOA si;
    ZeroMemory(&si, sizeof si);
    si.cb = sizeof si;
    si.dwFlags = 0;
    GetStartupInfoA(&si);
    int show = (si.dwFlags & STARTF_USESHOWWINDOW) ? si.wShowWindow : SW_SHOWDEFAULT;
    ExitProcess((UINT)WinMainN(GetModuleHandleA(nullptr), nullptr, p, show));
    return 0;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    DummyEntry();
    return 0;
}

int main(int, char**)
{
    return DummyEntry();
}
