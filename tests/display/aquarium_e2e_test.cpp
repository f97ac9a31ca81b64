// The real .scr with a scratch installation (install key, per-user values,
// data and settings files written here): what the aquarium shows, its life
// cycle around the password check and monitor power-down, and the
// collection game.
#include "../dialog/dialog_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

// Rows whose sampled pixels are mostly `water`: first row and count.
struct Band {
    int top = -1, rows = 0;
};
Band FindBand(const Shot& s, COLORREF water)
{
    Band b;
    for (int y = 0; y < s.h; y++) {
        int n = 0, total = 0;
        for (int x = 0; x < s.w; x += 4, total++)
            n += s.at(x, y) == water;
        if (n * 10 > total * 6) {
            if (b.top < 0)
                b.top = y;
            b.rows++;
        }
    }
    return b;
}

// Pixels of the band that are not water (the fish), by band row.
std::vector<bool> FishMask(const Shot& s, const Band& b, COLORREF water)
{
    std::vector<bool> m((size_t)s.w * b.rows);
    for (size_t i = 0; i < m.size(); i++)
        m[i] = s.at((int)(i % s.w), b.top + (int)(i / s.w)) != water;
    return m;
}

// Lower-row water colours of the background sheet used below.
const COLORREF Colour20 = RGB(0x19, 0x8D, 0xD7), Colour11 = RGB(0xD7, 0x00, 0x00);
const COLORREF Upper20 = RGB(0x41, 0xB5, 0xFF), Upper11 = RGB(0xFF, 0x00, 0x00);

class Aquarium : public ::testing::Test {
protected:
    Install in;

    void SetUp() override
    {
        in = MakeInstall("aquarium", 1, 0);
        User("ISKJEUH", 1);      // "Midum"
        User("KISJUAK", 1);      // fastest scroll
        User("RSGDBAM", 0);
        User("SOIEKMA", 0);
        User("OSIJDUA", 3);
        User("LOSKDIS", 0);
        User("NAUSJEN", 12000);
        RegPutString(HKEY_CURRENT_USER, UserKey, "OKSKKIS", "10000000000000000000000000000000000");
        Settings("");
        Data(0, 8, {1, 0, 10, 100, 0}, {{1, 20}}, 1, 500);
    }
    void TearDown() override { DropInstall(in); }
    void User(const char* name, DWORD v) { RegPutDword(HKEY_CURRENT_USER, UserKey, name, v); }
    std::string Owned() { return RegGetString(HKEY_CURRENT_USER, UserKey, "OKSKKIS"); }
    // Settings-file lines "KKKKKVVVV", e.g. "020040001".
    void Settings(const std::string& lines) { WriteFileBytes(in.dir + "PondelSet.ini", lines); }
    // One set of scene length 1 with one pattern; its water slots, change type and speed.
    void Data(int lump, int fish, Pattern pat, const std::vector<WaterSlot>& water, int type,
              int speed)
    {
        WriteFileBytes(SharedDataPath(in), SetLine(1, GenRecord(lump, 0, 1, fish, 100, 0, {pat}),
                                                   WatRecord(water, type, 1, speed)));
    }
    bool ErrorLogged() { return FileExists(in.dir + "PondelErr.log"); }

    Proc Start(const std::string& exe = "")
    {
        Proc p = StartSaver("/s", exe);
        EXPECT_TRUE(p.started);
        EXPECT_NE(FindSaverWindow(), nullptr);
        return p;
    }
    // Waits until the water shows; its band.
    Band WaitWater(COLORREF water, DWORD ms = 15000)
    {
        Band b;
        WaitUntil(
            [&] {
                b = FindBand(GrabScreen(), water);
                return b.rows > 0;
            },
            ms);
        return b;
    }
};

// Mean difference per channel between colour c and the picture averaged
// over (x0, y0)..(x1, y1), pixels counting by the share of them covered.
double DiffFromArea(const Shot& pic, COLORREF c, double x0, double y0, double x1, double y1)
{
    double sum[3] = {0, 0, 0}, area = 0;
    for (int y = (int)std::floor(y0); y < y1; y++)
        for (int x = (int)std::floor(x0); x < x1; x++) {
            double part = (std::min(x1, x + 1.0) - std::max(x0, (double)x)) *
                          (std::min(y1, y + 1.0) - std::max(y0, (double)y));
            COLORREF p = pic.at(std::clamp(x, 0, pic.w - 1), std::clamp(y, 0, pic.h - 1));
            sum[0] += GetRValue(p) * part;
            sum[1] += GetGValue(p) * part;
            sum[2] += GetBValue(p) * part;
            area += part;
        }
    return (std::fabs(sum[0] / area - GetRValue(c)) + std::fabs(sum[1] / area - GetGValue(c)) +
            std::fabs(sum[2] / area - GetBValue(c))) /
           3;
}

}  // namespace

TEST_F(Aquarium, BandModePowerDownAndModeChange)
{
    // The 16-bit mode shows colour 20 a little off; the desktop's depth exactly.
    COLORREF water = Shown16(Colour20);
    ASSERT_NE(water, Colour20);
    Proc p = Start();
    Band b1 = WaitWater(water);
    ASSERT_GT(b1.rows, 0) << "no water of colour 20 as 16 bits show it";
    Shot s1 = GrabScreen();
    b1 = FindBand(s1, water);
    EXPECT_EQ(b1.rows, 384);
    // Black above the band (right of the title) and below it (left of the caption).
    int stray = 0;
    for (int y = 0; y < s1.h; y += 2)
        for (int x = 0; x < s1.w; x += 3) {
            bool inBand = y >= b1.top && y < b1.top + b1.rows;
            // (a fish that has just come in at the top shows one row above the band)
            bool title = y < b1.top && x < 180, sliver = y == b1.top - 1;
            bool caption = y >= b1.top + b1.rows && x >= s1.w - 190;
            if (!inBand && !title && !caption && !sliver)
                stray += s1.at(x, y) != RGB(0, 0, 0);
        }
    EXPECT_EQ(stray, 0);
    std::vector<bool> fish1 = FishMask(s1, b1, water);
    EXPECT_GT(std::count(fish1.begin(), fish1.end(), true), 2000);   // eight fish of natural size

    PumpFor(1000);
    Shot s2 = GrabScreen();
    Band b2 = FindBand(s2, water);
    EXPECT_EQ(b2.rows, 384);
    EXPECT_GT(b2.top, b1.top);               // drifting down, 4 px every 2 ticks
    std::vector<bool> fish2 = FishMask(s2, b2, water);
    int moved = 0;
    for (size_t i = 0; i < fish1.size(); i++)
        moved += fish1[i] != fish2[i];
    EXPECT_GT(moved, 500);
    EXPECT_FALSE(ErrorLogged());

    // Monitor power-down releases DirectDraw, which gives the display mode
    // back; the next mouse movement builds it again without setting the
    // mode, and the aquarium draws on at the desktop's depth.
    HWND w = FindSaverWindow();
    PostMessageA(w, WM_SYSCOMMAND, SC_MONITORPOWER, 2);
    PumpFor(1000);
    MouseMoveBy(2, 0);
    Band b3 = WaitWater(Colour20, 10000);
    EXPECT_EQ(b3.rows, 384);
    EXPECT_EQ(WaitExit(p, 0), (DWORD)STILL_ACTIVE);

    // Another program changes the display mode: the saver lives on.
    DEVMODEA dm = {};
    dm.dmSize = sizeof dm;
    dm.dmPelsWidth = 800;
    dm.dmPelsHeight = 600;
    dm.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    LONG changed = ChangeDisplaySettingsA(&dm, 0);
    PumpFor(1500);
    EXPECT_EQ(WaitExit(p, 0), (DWORD)STILL_ACTIVE) << changed;
    EXPECT_NE(FindSaverWindow(), nullptr);
    EXPECT_EQ(CloseByKey(p), 0u);
    ChangeDisplaySettingsA(nullptr, 0);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
}

TEST_F(Aquarium, FullHeightUpperRowAndFastColourChange)
{
    User("ISKJEUH", 3);
    RegPutDword(HKEY_CLASSES_ROOT, InstallKey, "BackColorsFlg", 1);
    // 50 fish of natural size cover enough to earn the full height.
    Data(0, 50, {1, 1, 50, 100, 0}, {{1, 20}, {1, 11}}, 2, 1);
    Proc p = Start();
    COLORREF c20 = Shown16(Upper20), c11 = Shown16(Upper11);
    bool saw20 = false, saw11 = false;
    WaitUntil(
        [&] {
            Shot s = GrabScreen();
            Band a = FindBand(s, c20), b = FindBand(s, c11);
            // Most rows are water from the top to the bottom of the screen.
            if (a.rows > 600 && a.top < 40)
                saw20 = true;
            if (b.rows > 600 && b.top < 40)
                saw11 = true;
            return saw20 && saw11;
        },
        20000);
    EXPECT_TRUE(saw20);
    EXPECT_TRUE(saw11);
    EXPECT_EQ(CloseByKey(p), 0u);
    EXPECT_FALSE(ErrorLogged());
}

TEST_F(Aquarium, PreviewOfAnySizeShowsTheChosenHalfFittedAndReadsNoUserValues)
{
    HMODULE scr = LoadLibraryExA(ScrPath().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(scr, nullptr);
    HBITMAP bmp = (HBITMAP)LoadImageA(scr, "DSP01", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    ASSERT_NE(bmp, nullptr);
    HDC mem = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mem, bmp);
    Shot pic;
    pic.w = 152;
    pic.h = 224;
    pic.px = Grab(mem, 0, 0, pic.w, pic.h);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(bmp);
    FreeLibrary(scr);
    // A preview takes nothing from the user's values, so it writes none back.
    RegDropKey(HKEY_CURRENT_USER, UserKey);

    // The display settings at 100 % (both halves), at 150 %, and two shapes
    // unlike the picture's: wider, and taller and smaller.
    const struct {
        int w, h, jpf;
    } runs[] = {{152, 112, 0}, {152, 112, 1}, {228, 168, 0}, {400, 150, 1}, {120, 200, 0}};
    for (const auto& run : runs) {
        SCOPED_TRACE(testing::Message() << run.w << " x " << run.h << ", upper half " << run.jpf);
        Settings(run.jpf ? "020040001\n" : "");
        HWND parent = MakeTestWindow(500, 300);
        SetClientSize(parent, run.w, run.h);
        Proc p = StartProc("/p " + std::to_string((unsigned)(UINT_PTR)parent));
        HWND child = WaitPreviewChild(parent);
        ASSERT_NE(child, nullptr);
        // Wine shows another process's drawing in a child only at the top level.
        PumpFor(500);
        SetParent(child, nullptr);
        ShowWindow(child, SW_SHOW);
        RECT rc;
        GetClientRect(child, &rc);
        const int w = rc.right, h = rc.bottom;
        EXPECT_EQ(w, run.w);
        EXPECT_EQ(h, run.h);

        // The 150 x 110 picture as large as fits inside a one-pixel margin, centred.
        double s = std::min((w - 2) / 150.0, (h - 2) / 110.0);
        double pw = 150 * s, ph = 110 * s;
        double px = 1 + (w - 2 - pw) / 2, py = 1 + (h - 2 - ph) / 2;
        int ownY = run.jpf ? 1 : 112, otherY = run.jpf ? 112 : 1;
        // Each pixel against the picture's area under it: unscaled the very
        // same pixel, scaled an average as good scaling gives; the outermost
        // pixels of a scaled picture are left out, as its place is rounded.
        int inset = s == 1 ? 0 : 1;
        double own = 0, other = 0;
        int bars = 0;
        WaitUntil(
            [&] {
                POINT o = {0, 0};
                ClientToScreen(child, &o);
                Shot shot = GrabScreen({o.x, o.y, o.x + w, o.y + h});
                int n = 0;
                own = other = bars = 0;
                for (int y = 0; y < h; y++)
                    for (int x = 0; x < w; x++) {
                        COLORREF c = shot.at(x, y);
                        if (x < px - 1 || x >= px + pw + 1 || y < py - 1 || y >= py + ph + 1) {
                            bars += c != RGB(0, 0, 0);
                            continue;
                        }
                        if (x < px + inset || x + 1 > px + pw - inset || y < py + inset ||
                            y + 1 > py + ph - inset)
                            continue;
                        double x0 = 1 + (x - px) / s, x1 = 1 + (x + 1 - px) / s;
                        double y0 = (y - py) / s, y1 = (y + 1 - py) / s;
                        own += DiffFromArea(pic, c, x0, ownY + y0, x1, ownY + y1);
                        other += DiffFromArea(pic, c, x0, otherY + y0, x1, otherY + y1);
                        n++;
                    }
                own /= std::max(n, 1);
                other /= std::max(n, 1);
                return n > 0 && bars == 0 && own < (s == 1 ? 0.001 : 9);
            },
            10000);
        if (s == 1)
            EXPECT_EQ(own, 0);
        else
            EXPECT_LT(own, 9);
        EXPECT_GT(other, 12);
        EXPECT_EQ(bars, 0);

        // Its parent goes away, and the preview with it.
        SetParent(child, parent);
        DestroyWindow(parent);
        EXPECT_EQ(Ended(p), 0u);
    }
    EXPECT_EQ(RegDump(HKEY_CURRENT_USER, UserKey), "");
    EXPECT_FALSE(ErrorLogged());
}

// The Windows 95 family with a password provider that refuses, so that the
// saver lives through close requests.
class AquariumWin95 : public Aquarium {
protected:
    std::string scr;
    void SetUp() override
    {
        Aquarium::SetUp();
        scr = InstallWin98Saver(in.dir + "bin");
        ASSERT_FALSE(scr.empty());
    }
    void TearDown() override
    {
        RemoveWin98Saver(in.dir + "bin");
        Aquarium::TearDown();
    }
    static int Ones(const std::string& s)
    {
        int n = 0;
        for (char c : s)
            n += c == '1';
        return n;
    }
};

TEST_F(AquariumWin95, RefusedPasswordResumesAndTheGuestIsCaught)
{
    // Odds of always: a new kind at the first arrival, then a guest at each.
    Settings("030010001\n030070001\n");
    User("OSIJDUA", 0);
    User("SOIEKMA", 1);
    Data(0, 20, {1, 0, 10, 100, 0}, {{1, 20}}, 1, 500);
    COLORREF water = Shown16(Colour20);
    Proc p = Start(scr);
    ASSERT_GT(WaitWater(water).rows, 0);

    // A new kind becomes owned and is stored with the wait before the next.
    ASSERT_TRUE(WaitUntil([&] { return Ones(Owned()) == 2; }, 20000)) << Owned();
    DWORD wait = RegGetDword(HKEY_CURRENT_USER, UserKey, "OSIJDUA", 99);
    EXPECT_GE(wait, 1u);
    EXPECT_LE(wait, 20u);

    // A refused password: the aquarium goes on drawing.
    KeyPress('A');
    ASSERT_TRUE(WaitUntil([&] { return PasswordCalls() == 1; }, 5000));
    PumpFor(500);
    Band b1 = WaitWater(water, 5000);
    PumpFor(1000);
    Band b2 = FindBand(GrabScreen(), water);
    EXPECT_EQ(b2.rows, 384);
    EXPECT_NE(b1.top, b2.top);
    // A move and a click at once: the second close request, asking for no
    // check so soon after one, leaves the aquarium drawing too.
    MouseMoveBy(10, 0);
    WaitUntil([&] { return PasswordCalls() == 2; }, 3000);
    MouseClick(0);
    PumpFor(300);
    Band b3 = FindBand(GrabScreen(), water);
    PumpFor(1000);
    EXPECT_NE(FindBand(GrabScreen(), water).top, b3.top);

    // Right clicks while the guest swims: one of them catches it.
    for (int click = 0; click < 25 && Ones(Owned()) == 2; click++) {
        MouseClick(1);
        WaitUntil([&] { return PasswordCalls() >= (DWORD)click + 2; }, 3000);
        PumpFor(300);
    }
    EXPECT_EQ(Ones(Owned()), 3) << Owned();
    EXPECT_EQ(WaitExit(p, 0), (DWORD)STILL_ACTIVE);

    SetPasswordAnswer(1, 0);
    PumpFor(300);
    EXPECT_EQ(CloseByKey(p), 0u);
    EXPECT_FALSE(ErrorLogged());
}

TEST_F(AquariumWin95, PowerPolicyEndsOnCloseWhateverThePassword)
{
    Settings("020090001\n");                 // end at once on a close request
    Proc p = Start(scr);
    ASSERT_GT(WaitWater(Shown16(Colour20)).rows, 0);
    EXPECT_EQ(CloseByKey(p), 0u);
    EXPECT_EQ(PasswordCalls(), 1u);                  // asked, refused, and ended all the same
}

// A 3840 x 2160 screen at 200 % display scaling (its own environment).
class Aquarium4K : public AquariumWin95 {
protected:
    // A saver a failed check leaves running is ended.
    struct Ender {
        Proc& p;
        ~Ender() { EndProc(p); }
    };
    // k x k blocks of the shot, from the top-left corner, that are not of one colour.
    static int MixedBlocks(const Shot& s, int k)
    {
        int n = 0;
        for (int y = 0; y + k <= s.h; y += k)
            for (int x = 0; x + k <= s.w; x += k)
                for (int i = 0; i < k * k; i++)
                    if (s.at(x + i % k, y + i / k) != s.at(x, y)) {
                        n++;
                        break;
                    }
        return n;
    }
    // The middle of what is not water in the band: the one fish there.
    static bool FishAt(const Shot& s, const Band& b, COLORREF water, POINT* at)
    {
        long sx = 0, sy = 0, n = 0;
        for (int y = b.top; y < b.top + b.rows; y += 2)
            for (int x = 0; x < s.w; x += 2)
                if (s.at(x, y) != water)
                    sx += x, sy += y, n++;
        if (n < 200)
            return false;
        *at = {(LONG)(sx / n), (LONG)(sy / n)};
        return true;
    }
};

TEST_F(Aquarium4K, TwiceTheScaleInWholeBlocksAGuestCaughtAndScaleOneAsBefore)
{
    ScopedDpi dpi(192);
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 3840);
    // One fish of an owned kind; every fish dashes, and each that comes in
    // after it is a guest: soon the only fish is a guest.
    Settings("020030001\n030010001\n");
    User("SOIEKMA", 1);
    User("ISKJEUH", 0);  // "Low"
    Data(0, 1, {1, 1, 1, 100, 0}, {{1, 20}}, 1, 500);
    COLORREF water = Shown16(Colour20);
    Proc p = Start(scr);
    Ender end{p};
    Band b = WaitWater(water);
    EXPECT_EQ(b.rows, 720);  // a third of 1080 logical lines, doubled
    EXPECT_EQ(RegGetDword(HKEY_CURRENT_USER, UserKey, "PictureScale", 9), 0u);
    Shot s;
    POINT fish;
    ASSERT_TRUE(WaitUntil(
        [&] {
            s = GrabScreen();
            b = FindBand(s, water);
            return FishAt(s, b, water, &fish);
        },
        15000))
        << "no fish in the water";
    EXPECT_EQ(MixedBlocks(s, 2), 0);
    EXPECT_GT(MixedBlocks(s, 4), 100);  // fish edges: the blocks are 2 px, not more

    // Right clicks on the one fish, found anew each time: once it is a
    // guest, one of them catches it.
    DWORD until = GetTickCount() + 60000;
    while (Ones(Owned()) == 1 && GetTickCount() < until) {
        s = GrabScreen();
        if (!FishAt(s, FindBand(s, water), water, &fish))
            continue;
        DWORD calls = PasswordCalls();
        MouseTo(fish.x, fish.y);
        MouseClick(1);
        WaitUntil([&] { return PasswordCalls() > calls; }, 3000);
        PumpFor(300);
    }
    EXPECT_EQ(Ones(Owned()), 2) << Owned();
    SetPasswordAnswer(1, 0);
    PumpFor(300);
    EXPECT_EQ(CloseByKey(p), 0u);
    EXPECT_FALSE(ErrorLogged());

    // A stored scale of 1: today's picture, fish edges on single pixels.
    User("PictureScale", 1);
    SetPasswordAnswer(0, 0);
    p = Start(scr);
    b = WaitWater(water);
    EXPECT_EQ(b.rows, 720);
    ASSERT_TRUE(WaitUntil(
        [&] {
            s = GrabScreen();
            return FishAt(s, FindBand(s, water), water, &fish);
        },
        15000));
    EXPECT_GT(MixedBlocks(s, 2), 20);
    SetPasswordAnswer(1, 0);
    EXPECT_EQ(CloseByKey(p), 0u);
    EXPECT_FALSE(ErrorLogged());
}
