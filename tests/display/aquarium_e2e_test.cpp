// The real .scr with a scratch installation (install key, per-user values,
// data and settings files written here): what the aquarium shows, its life
// cycle around the password check and monitor power-down, and the
// collection game.
#include "../dialog/dialog_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A colour as a 16-bit (5-6-5) display mode shows it.
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

TEST_F(Aquarium, PreviewShowsEitherHalfOfThePicture)
{
    HMODULE scr = LoadLibraryExA(ScrPath().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(scr, nullptr);
    HBITMAP pic = (HBITMAP)LoadImageA(scr, "DSP01", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    ASSERT_NE(pic, nullptr);
    HDC mem = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mem, pic);

    for (int jpf = 0; jpf < 2; jpf++) {
        SCOPED_TRACE(jpf);
        Settings(jpf ? "020040001\n" : "");
        HWND parent = MakeTestWindow(200, 200);
        SetClientSize(parent, 152, 112);
        Proc p = StartProc("/p " + std::to_string((unsigned)(UINT_PTR)parent));
        HWND child = WaitPreviewChild(parent);
        ASSERT_NE(child, nullptr);
        // Wine shows another process's drawing in a child only at the top level.
        PumpFor(500);
        SetParent(child, nullptr);
        ShowWindow(child, SW_SHOW);
        int ownY = jpf ? 1 : 112, otherY = jpf ? 112 : 1;
        int same = 0, other = 0, total = 0;
        WaitUntil(
            [&] {
                POINT o = {0, 0};
                ClientToScreen(child, &o);
                Shot s = GrabScreen();
                same = other = total = 0;
                for (int y = 0; y < 110; y += 5)
                    for (int x = 0; x < 150; x += 5, total++) {
                        COLORREF c = s.at(o.x + 1 + x, o.y + 1 + y);
                        same += c == GetPixel(mem, 1 + x, ownY + y);
                        other += c == GetPixel(mem, 1 + x, otherY + y);
                    }
                return same == total;
            },
            10000);
        EXPECT_EQ(same, total);
        EXPECT_LT(other, total / 2);
        PostMessageA(child, WM_CLOSE, 0, 0);
        EXPECT_EQ(Ended(p), 0u);
        DestroyWindow(parent);
    }
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(pic);
    FreeLibrary(scr);
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
