// The real .scr with a scratch installation (install key, per-user values,
// data and settings files written here): what the aquarium shows, its life
// cycle around the password check and monitor power-down, and the
// collection game.
#include "../host/saver_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const char InstallKey[] = "Software\\PondelHarbor";
const char UserKey[] = "Control Panel\\Screen Saver.PondelHarbor";

// The whole screen, read once, as 0x00RRGGBB.
struct Shot {
    int w = 0, h = 0;
    std::vector<DWORD> px;
    COLORREF at(int x, int y) const
    {
        DWORD v = px[(size_t)y * w + x];
        return RGB((v >> 16) & 255, (v >> 8) & 255, v & 255);
    }
};

Shot TakeShot()
{
    Shot s;
    s.w = GetSystemMetrics(SM_CXSCREEN);
    s.h = GetSystemMetrics(SM_CYSCREEN);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = s.w;
    bi.bmiHeader.biHeight = -s.h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP dib = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, s.w, s.h, screen, 0, 0, SRCCOPY);
    GdiFlush();
    s.px.assign((DWORD*)bits, (DWORD*)bits + (size_t)s.w * s.h);
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return s;
}

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

// A general record of 562 digits: header, then patterns {kind, real, quantity, size}.
struct Pat {
    int kind, real, qty, size;
};
std::string GenRecord(int lump, int length, int fish, int basic, std::vector<Pat> pats)
{
    char b[600];
    snprintf(b, sizeof b, "%d0%02d%03d%03d00", lump, length, fish, basic);
    std::string g = b;
    for (int p = 0; p < 50; p++) {
        Pat q = p < (int)pats.size() ? pats[p] : Pat{0, 0, 0, 100};
        snprintf(b, sizeof b, "%02d%d%03d%03d00", q.kind, q.real, q.qty, q.size);
        g += b;
    }
    return g;
}

// A water record: slots {colour} enabled in order, change type, speed.
std::string WatRecord(std::vector<int> colours, int type, int speed)
{
    std::string w;
    char b[16];
    for (int k = 0; k < 10; k++) {
        snprintf(b, sizeof b, "%d%02d", k < (int)colours.size() ? 1 : 0,
                 k < (int)colours.size() ? colours[k] : 0);
        w += b;
    }
    snprintf(b, sizeof b, "%d1%03d", type, speed);
    return w + b;
}

// Lower-row water colours of the background sheet used below.
const COLORREF Colour20 = RGB(0x19, 0x8D, 0xD7), Colour11 = RGB(0xD7, 0x00, 0x00);
const COLORREF Upper20 = RGB(0x41, 0xB5, 0xFF), Upper11 = RGB(0xFF, 0x00, 0x00);

class Aquarium : public ::testing::Test {
protected:
    std::string dir;   // installation directory, with its separator

    void SetUp() override
    {
        char tmp[MAX_PATH];
        GetTempPathA(MAX_PATH, tmp);
        dir = std::string(tmp) + "ph-aquarium\\";
        CreateDirectoryA(dir.c_str(), nullptr);
        RegDropKey(HKEY_CURRENT_USER, UserKey);
        ASSERT_TRUE(RegPutString(HKEY_CLASSES_ROOT, InstallKey, "Directory", dir.c_str()));
        RegPutDword(HKEY_CLASSES_ROOT, InstallKey, "FullScreenFlg", 1);
        RegPutDword(HKEY_CLASSES_ROOT, InstallKey, "BackColorsFlg", 0);
        User("ISKJEUH", 1);      // "Midum"
        User("KISJUAK", 1);      // fastest scroll
        User("RSGDBAM", 0);
        User("SOIEKMA", 0);
        User("OSIJDUA", 3);
        User("LOSKDIS", 0);
        User("NAUSJEN", 12000);
        RegPutString(HKEY_CURRENT_USER, UserKey, "OKSKKIS", "10000000000000000000000000000000000");
        Settings("");
        Data({GenRecord(0, 1, 8, 100, {{1, 0, 10, 100}})}, {WatRecord({20}, 1, 500)});
        DeleteFileA((dir + "PondelErr.log").c_str());
    }
    void TearDown() override
    {
        RegDropKey(HKEY_CURRENT_USER, UserKey);
        RegDropKey(HKEY_CLASSES_ROOT, InstallKey);
        for (const char* f : {"PondelData.ini", "PondelSet.ini", "PondelErr.log"})
            DeleteFileA((dir + f).c_str());
        RemoveDirectoryA(dir.c_str());
    }
    void User(const char* name, DWORD v) { RegPutDword(HKEY_CURRENT_USER, UserKey, name, v); }
    std::string Owned() { return RegString(UserKey, "OKSKKIS"); }
    static std::string RegString(const char* path, const char* name)
    {
        HKEY k;
        char b[128] = {0};
        DWORD size = sizeof b - 1;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &k) == 0) {
            RegQueryValueExA(k, name, nullptr, nullptr, (LPBYTE)b, &size);
            RegCloseKey(k);
        }
        return b;
    }
    void WriteFile(const char* name, const std::string& text)
    {
        FILE* f = fopen((dir + name).c_str(), "w");
        ASSERT_NE(f, nullptr);
        fputs(text.c_str(), f);
        fclose(f);
    }
    // Settings-file lines "KKKKKVVVV", e.g. "020040001".
    void Settings(const std::string& lines) { WriteFile("PondelSet.ini", lines); }
    void Data(const std::vector<std::string>& gens, const std::vector<std::string>& wats)
    {
        std::string text;
        char key[8];
        for (size_t i = 0; i < gens.size(); i++) {
            snprintf(key, sizeof key, "%03d", (int)i + 1);
            text += key + gens[i] + wats[i] + "\n";
        }
        WriteFile("PondelData.ini", text);
    }
    bool ErrorLogged()
    {
        return GetFileAttributesA((dir + "PondelErr.log").c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    Proc Start(const std::string& exe = "")
    {
        MouseTo(500, 400);
        PumpFor(100);
        Proc p = StartProc("/s", exe);
        EXPECT_TRUE(p.started);
        EXPECT_TRUE(WaitUntil([] { return FindSaverWindow() != nullptr; }, 10000));
        return p;
    }
    // Waits until the water shows; its band.
    Band WaitWater(COLORREF water, DWORD ms = 15000)
    {
        Band b;
        WaitUntil(
            [&] {
                b = FindBand(TakeShot(), water);
                return b.rows > 0;
            },
            ms);
        return b;
    }
    // Ends the saver with a key.
    void End(Proc& p)
    {
        KeyPress(VK_SPACE);
        EXPECT_EQ(WaitExit(p, 10000), 0u);
        EndProc(p);
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
    Shot s1 = TakeShot();
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
    Shot s2 = TakeShot();
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
    End(p);
    ChangeDisplaySettingsA(nullptr, 0);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
}

TEST_F(Aquarium, FullHeightUpperRowAndFastColourChange)
{
    User("ISKJEUH", 3);
    RegPutDword(HKEY_CLASSES_ROOT, InstallKey, "BackColorsFlg", 1);
    // 50 fish of natural size cover enough to earn the full height.
    Data({GenRecord(0, 1, 50, 100, {{1, 1, 50, 100}})}, {WatRecord({20, 11}, 2, 1)});
    Proc p = Start();
    COLORREF c20 = Shown16(Upper20), c11 = Shown16(Upper11);
    bool saw20 = false, saw11 = false;
    WaitUntil(
        [&] {
            Shot s = TakeShot();
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
    End(p);
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
        HWND child = nullptr;
        ASSERT_TRUE(WaitUntil(
            [&] { return (child = FindWindowExA(parent, nullptr, "WindowsScreenSaverClass",
                                                "Preview")) != nullptr; },
            10000));
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
                Shot s = TakeShot();
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
        EXPECT_EQ(WaitExit(p, 10000), 0u);
        EndProc(p);
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
    std::string exeDir, scr;
    void SetUp() override
    {
        Aquarium::SetUp();
        exeDir = dir + "bin";
        CreateDirectoryA(exeDir.c_str(), nullptr);
        scr = InstallWin98Saver(exeDir);
        ASSERT_FALSE(scr.empty());
    }
    void TearDown() override
    {
        RemoveWin98Saver(exeDir);
        RemoveDirectoryA(exeDir.c_str());
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
    Data({GenRecord(0, 1, 20, 100, {{1, 0, 10, 100}})}, {WatRecord({20}, 1, 500)});
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
    Band b2 = FindBand(TakeShot(), water);
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
    End(p);
    EXPECT_FALSE(ErrorLogged());
}

TEST_F(AquariumWin95, PowerPolicyEndsOnCloseWhateverThePassword)
{
    Settings("020090001\n");                 // end at once on a close request
    Proc p = Start(scr);
    ASSERT_GT(WaitWater(Shown16(Colour20)).rows, 0);
    KeyPress('A');
    EXPECT_EQ(WaitExit(p, 10000), 0u);
    EndProc(p);
    EXPECT_EQ(PasswordCalls(), 1u);                  // asked, refused, and ended all the same
}
