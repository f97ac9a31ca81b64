// Full-screen saving on two monitors (1024x768 and 1280x720 to its right):
// the other monitor shows the aquarium fitted into it, its part of one
// aquarium across both, or black, as the user asked; input over it closes the
// saver as on the main one, and its window never takes activation or focus
// from the saver.
#include "saver_harness.h"
#include "../dialog/dialog_harness.h"

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

// Pixels of a shot of the other monitor inside the picture's place (in) or
// outside it, with the colour c, with any other colour but black, and in all.
struct Tally {
    int c = 0, other = 0, all = 0;
};
Tally Count(const Shot& s, const RECT& pic, bool in, COLORREF c)
{
    Tally t;
    for (int y = 0; y < s.h; y += 2)
        for (int x = 0; x < s.w; x += 2) {
            POINT pt = {x, y};
            if ((PtInRect(&pic, pt) != FALSE) != in)
                continue;
            COLORREF v = s.at(x, y);
            t.all++;
            t.c += v == c;
            t.other += v != c && v != RGB(0, 0, 0);
        }
    return t;
}

int Differing(const Shot& a, const Shot& b)
{
    int n = 0;
    for (size_t i = 0; i < a.px.size() && i < b.px.size(); i++)
        n += a.px[i] != b.px[i];
    return n;
}

}  // namespace

TEST(TwoMonitors, TheOtherMonitorShowsTheAquariumFittedOrBlack)
{
    RECT other = OtherMonitor();
    ASSERT_EQ(g_monitors.size(), 2u) << "Wine reports one monitor";
    ASSERT_EQ(other.right - other.left, 1280);
    ASSERT_EQ(other.bottom - other.top, 720);
    // 1024 x 768 into 1280 x 720: 960 x 720, bars of 160 left and right.
    const RECT pic = {160, 0, 1120, 720};

    // Water over the whole height, so that all of the picture is water and fish.
    Install in = MakeInstall("multimon", 1, 0);
    RegPutDword(HKEY_CURRENT_USER, UserKey, "ISKJEUH", 3);
    RegPutDword(HKEY_CURRENT_USER, UserKey, "SOIEKMA", 0);
    WriteFileBytes(SharedDataPath(in),
                   SetLine(1, GenRecord(0, 0, 1, 50, 100, 0, {{1, 1, 50, 100, 0}}),
                           WatRecord({{1, 20}}, 1, 1, 500)));
    HWND shown = nullptr;
    Proc p = StartOnTwoMonitors(500, 400, &shown);
    ASSERT_NE(shown, nullptr);
    // The default, written as the others are.
    EXPECT_EQ(RegGetDword(HKEY_CURRENT_USER, UserKey, "OtherMonitors", 9), 1u);
    // Water of colour 20, as the main monitor's mode shows it.
    const COLORREF colour20 = RGB(0x19, 0x8D, 0xD7), water16 = Shown16(colour20);
    COLORREF water = CLR_INVALID;
    ASSERT_TRUE(WaitUntil(
        [&] {
            water = ScreenPixel(2, 760);
            return water == colour20 || water == water16;
        },
        15000))
        << "no water at the bottom of the main monitor";
    Shot s1;
    ASSERT_TRUE(WaitUntil(
        [&] {
            s1 = GrabScreen(other);
            return Count(s1, pic, true, water).c > 0;
        },
        5000))
        << "no water on the other monitor";
    Tally inside = Count(s1, pic, true, water), bars = Count(s1, pic, false, water);
    EXPECT_GT(inside.c * 10, inside.all * 7);  // mostly water,
    EXPECT_GT(inside.other, 500);              // with fish
    EXPECT_EQ(bars.c + bars.other, 0);         // the bars black
    EXPECT_GT(bars.all, 50000);

    // The fish swim there as on the main monitor.
    PumpFor(1000);
    Shot s2 = GrabScreen(other);
    EXPECT_GT(Differing(s1, s2), 500);
    EXPECT_EQ(Count(s2, pic, false, water).other, 0);

    // Its window closed by another program: the saver draws on; after a
    // display change the other monitor is covered again and follows.
    PostMessageA(shown, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(shown); }, 5000));
    EXPECT_EQ(WaitExit(p, 800), (DWORD)STILL_ACTIVE);
    PostMessageA(FindSaverWindow(), WM_DISPLAYCHANGE, 16, MAKELPARAM(1024, 768));
    EXPECT_TRUE(
        WaitUntil([&] { return WindowCovering(p.pi.dwProcessId, other) != nullptr; }, 5000));
    Shot s3;
    EXPECT_TRUE(WaitUntil(
        [&] {
            s3 = GrabScreen(other);
            return Differing(s2, s3) > 500 && Count(s3, pic, true, water).c * 10 > inside.all * 7;
        },
        5000));
    EXPECT_TRUE(SaverHasActivationAndFocus(p));
    EXPECT_EQ(CloseByKey(p), 0u);
    EXPECT_FALSE(FileExists(in.dir + "PondelErr.log"));

    // "OtherMonitors" 0: black as before, over a white window.
    RegPutDword(HKEY_CURRENT_USER, UserKey, "OtherMonitors", 0);
    HWND under = MakeTestWindow(200, 150);
    SetWindowPos(under, nullptr, other.left + 500, other.top + 50, 200, 150, SWP_NOZORDER);
    ASSERT_TRUE(WaitUntil(
        [&] { return ScreenPixel(other.left + 600, other.top + 120) == RGB(255, 255, 255); },
        5000));
    HWND blank = nullptr;
    p = StartOnTwoMonitors(500, 400, &blank);
    ASSERT_NE(blank, nullptr);
    EXPECT_TRUE(GetWindowLongPtrA(blank, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(WaitUntil(
        [&] { return ScreenPixel(other.left + 600, other.top + 120) == RGB(0, 0, 0); }, 5000));
    // No flash back to the desktop: the saver keeps running, active and focused.
    EXPECT_EQ(WaitExit(p, 1500), (DWORD)STILL_ACTIVE);
    EXPECT_TRUE(SaverHasActivationAndFocus(p));
    Tally dark = Count(GrabScreen(other), pic, true, water);
    EXPECT_EQ(dark.c + dark.other, 0);
    EXPECT_EQ(CloseByKey(p), 0u);
    EXPECT_EQ(CountSaverWindows(), 0);
    DestroyWindow(under);
    DropInstall(in);
}

TEST(TwoMonitors, StartedOverTheOtherMonitorRunsAndInputThereCloses)
{
    RECT other = OtherMonitor();
    ASSERT_EQ(g_monitors.size(), 2u);
    int x = other.left + 100, y = other.top + 100;

    // The cursor rests on the other monitor. The display mode keeps it on the
    // main one while the saver runs: that move alone does not close the
    // saver; moves count from where the cursor landed, 4 stay, 5 close.
    HWND blank = nullptr;
    Proc p = StartOnTwoMonitors(x, y, &blank);
    POINT at;
    GetCursorPos(&at);
    MouseTo(at.x, at.y);
    MouseMoveBy(-3, 1);  // away from the main monitor's edge
    EXPECT_EQ(WaitExit(p, 600), (DWORD)STILL_ACTIVE);
    EXPECT_TRUE(SaverHasActivationAndFocus(p));
    MouseMoveBy(0, 1);
    EXPECT_EQ(Ended(p), 0u);

    // A click on the other monitor's window closes (any button takes the same way).
    p = StartOnTwoMonitors(x, y, &blank);
    ASSERT_NE(blank, nullptr);
    EXPECT_EQ(WaitExit(p, 600), (DWORD)STILL_ACTIVE);
    PostMessageA(blank, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(200, 200));
    EXPECT_EQ(Ended(p), 0u);
}

// First row and number of rows between x0 and x1 (above y1) that are mostly water.
static std::pair<int, int> BandIn(const Shot& s, int x0, int x1, int y1, COLORREF water)
{
    int top = -1, rows = 0;
    for (int y = 0; y < y1; y++) {
        int n = 0, all = 0;
        for (int x = x0; x < x1; x += 4, all++)
            n += s.at(x, y) == water;
        if (n * 10 > all * 6) {
            top = top < 0 ? y : top;
            rows++;
        }
    }
    return {top, rows};
}

// Not water inside rows top..top+rows between x0 and x1: fish.
static int FishIn(const Shot& s, int x0, int x1, int top, int rows, COLORREF water)
{
    int n = 0;
    for (int y = top; y < top + rows; y += 2)
        for (int x = x0; x < x1; x += 2)
            n += s.at(x, y) != water;
    return n;
}

TEST(TwoMonitors, OneAquariumAcrossBoth)
{
    RECT other = OtherMonitor();
    ASSERT_EQ(g_monitors.size(), 2u);
    ASSERT_EQ(other.left, 1024);
    Install in = MakeInstall("span", 1, 0);
    RegPutDword(HKEY_CURRENT_USER, UserKey, "ISKJEUH", 1);  // "Midum": 384 rows of 768
    RegPutDword(HKEY_CURRENT_USER, UserKey, "KISJUAK", 1);
    RegPutDword(HKEY_CURRENT_USER, UserKey, "SOIEKMA", 0);
    RegPutDword(HKEY_CURRENT_USER, UserKey, "OtherMonitors", 2);
    WriteFileBytes(SharedDataPath(in),
                   SetLine(1, GenRecord(0, 0, 1, 60, 100, 0, {{1, 1, 60, 100, 0}}),
                           WatRecord({{1, 20}}, 1, 1, 500)));
    HWND blank = nullptr;
    Proc p = StartOnTwoMonitors(500, 400, &blank);
    struct EndOnExit {
        Proc& p;
        ~EndOnExit() { EndProc(p); }  // after a failed check too
    } end{p};
    ASSERT_NE(blank, nullptr);
    // Water of colour 20, as the main monitor's mode shows it.
    const COLORREF colour20 = RGB(0x19, 0x8D, 0xD7);
    COLORREF water = colour20;
    const RECT all = {0, 0, other.right, 768};
    Shot s1;
    std::pair<int, int> main1, side1;
    ASSERT_TRUE(WaitUntil(
        [&] {
            s1 = GrabScreen(all);
            for (COLORREF c : {colour20, Shown16(colour20)}) {
                water = c;
                main1 = BandIn(s1, 0, 1024, 768, water);
                side1 = BandIn(s1, 1024, other.right, 720, water);
                if (main1.second == 384 && side1.second > 0)
                    return true;
            }
            return false;
        },
        15000))
        << "no band on both monitors: " << main1.second << ", " << side1.second;
    // One band: the same rows on both (the other monitor ends at row 720).
    EXPECT_EQ(side1.first, main1.first);
    EXPECT_EQ(side1.second, std::min(384, 720 - main1.first));
    // Water where the same picture has its black bar, and fish on both.
    EXPECT_EQ(BandIn(s1, 1024, 1024 + 160, 720, water).first, main1.first);
    EXPECT_GT(FishIn(s1, 0, 1024, main1.first, main1.second, water), 500);
    EXPECT_GT(FishIn(s1, 1024, other.right, side1.first, side1.second, water), 500);
    PumpFor(1000);
    EXPECT_GT(Differing(s1, GrabScreen(all)), 500);
    // A click on the other monitor ends the saver.
    PostMessageA(blank, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(200, 200));
    EXPECT_EQ(Ended(p), 0u);
    EXPECT_FALSE(FileExists(in.dir + "PondelErr.log"));
    DropInstall(in);
}
