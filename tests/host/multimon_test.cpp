// Full-screen saving on two monitors (1024x768 and 800x600 to its right): the
// other monitor goes black, input over it closes the saver as on the main
// one, and the black window never takes activation or focus from the saver.
#include "saver_harness.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<RECT> g_monitors;

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT r, LPARAM)
{
    g_monitors.push_back(*r);
    return TRUE;
}

// The monitor that is not the primary one.
RECT OtherMonitor()
{
    g_monitors.clear();
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, 0);
    for (const RECT& r : g_monitors)
        if (r.left != 0 || r.top != 0)
            return r;
    return RECT{0, 0, 0, 0};
}

struct WindowsOf {
    DWORD pid;
    std::vector<HWND> list;
};

BOOL CALLBACK AddVisible(HWND h, LPARAM lp)
{
    WindowsOf* w = (WindowsOf*)lp;
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    if (pid == w->pid && IsWindowVisible(h))
        w->list.push_back(h);
    return TRUE;
}

// The process's visible top-level window that covers exactly r, or null.
HWND WindowCovering(DWORD pid, const RECT& r)
{
    WindowsOf w{pid, {}};
    EnumWindows(AddVisible, (LPARAM)&w);
    for (HWND h : w.list) {
        RECT wr;
        GetWindowRect(h, &wr);
        if (EqualRect(&wr, &r))
            return h;
    }
    return nullptr;
}

// Starts the saver with the cursor at (x, y) and waits for the black window
// over the other monitor.
Proc StartOnTwoMonitors(int x, int y, HWND* blank)
{
    Proc p = StartSaver("/s", "", x, y);
    EXPECT_TRUE(p.started);
    EXPECT_NE(FindSaverWindow(), nullptr);
    RECT other = OtherMonitor();
    EXPECT_TRUE(WaitUntil(
        [&] { return (*blank = WindowCovering(p.pi.dwProcessId, other)) != nullptr; }, 10000));
    return p;
}

// Active and focus windows of the saver's thread.
bool SaverHasActivationAndFocus(const Proc& p)
{
    GUITHREADINFO gi;
    ZeroMemory(&gi, sizeof gi);
    gi.cbSize = sizeof gi;
    HWND saver = FindSaverWindow();
    return GetGUIThreadInfo(p.pi.dwThreadId, &gi) && saver && gi.hwndActive == saver &&
           gi.hwndFocus == saver && GetForegroundWindow() == saver;
}

}  // namespace

TEST(TwoMonitors, OtherMonitorIsBlackAndAKeyCloses)
{
    RECT other = OtherMonitor();
    ASSERT_EQ(g_monitors.size(), 2u) << "Wine reports one monitor";
    // A white window over the other monitor shows whether the saver covers it.
    HWND under = MakeTestWindow(200, 150);
    SetWindowPos(under, nullptr, other.left + 50, other.top + 50, 200, 150, SWP_NOZORDER);
    ASSERT_TRUE(WaitUntil([&] { return ScreenPixel(other.left + 150, other.top + 120) == RGB(255, 255, 255); },
                          5000));

    HWND blank = nullptr;
    Proc p = StartOnTwoMonitors(500, 400, &blank);
    ASSERT_NE(blank, nullptr);
    EXPECT_TRUE(GetWindowLongPtrA(blank, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(other.left + 150, other.top + 120) == RGB(0, 0, 0); },
                          5000));
    // No flash back to the desktop: the saver keeps running, active and focused.
    EXPECT_EQ(WaitExit(p, 800), (DWORD)STILL_ACTIVE);
    EXPECT_TRUE(SaverHasActivationAndFocus(p));
    EXPECT_EQ(CloseByKey(p), 0u);
    EXPECT_EQ(CountSaverWindows(), 0);
    DestroyWindow(under);
}

TEST(TwoMonitors, MouseOverTheOtherMonitorClosesAsOnTheMainOne)
{
    RECT other = OtherMonitor();
    ASSERT_EQ(g_monitors.size(), 2u);
    int x = other.left + 100, y = other.top + 100;

    // Moves add up to the threshold as on the main monitor: 4 stays, 5 closes.
    HWND blank = nullptr;
    Proc p = StartOnTwoMonitors(x, y, &blank);
    MouseMoveBy(3, 1);
    EXPECT_EQ(WaitExit(p, 600), (DWORD)STILL_ACTIVE);
    EXPECT_TRUE(SaverHasActivationAndFocus(p));
    MouseMoveBy(0, 1);
    EXPECT_EQ(Ended(p), 0u);

    // A click over it closes (any button takes the same way).
    p = StartOnTwoMonitors(x, y, &blank);
    MouseClick(1);
    EXPECT_EQ(Ended(p), 0u);
}
