// Picture loading onto DirectDraw surfaces, and the set-up, resume, rebuild
// and release of the aquarium's DirectDraw objects, in this process.
#include "misc/ddutil.h"
#include "scrn01/display/ddsurf.h"
#include "scrn01/display/saverstate.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// A bitmap file of w x h pixels: 4 bits with a 16-colour table (colours-used
// 0), or 24 bits; every pixel gets colour index or RGB `fill`, pixel (0, 0) `first`.
void WriteBmp(const char* name, int w, int h, int bits, const std::vector<COLORREF>& table,
              COLORREF fill, COLORREF first)
{
    int stride = ((w * bits + 31) / 32) * 4;
    int colours = bits == 4 ? 16 : 0;
    BITMAPFILEHEADER bf = {};
    BITMAPINFOHEADER bi = {};
    bi.biSize = sizeof bi;
    bi.biWidth = w;
    bi.biHeight = h;
    bi.biPlanes = 1;
    bi.biBitCount = (WORD)bits;
    bf.bfType = 0x4D42;
    bf.bfOffBits = sizeof bf + sizeof bi + colours * 4;
    bf.bfSize = bf.bfOffBits + stride * h;
    std::vector<BYTE> px(stride * h, 0);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            COLORREF c = (x == 0 && y == h - 1) ? first : fill;   // rows stored bottom-up
            BYTE* row = &px[y * stride];
            if (bits == 4) {
                row[x / 2] |= (BYTE)(x % 2 ? c & 15 : (c & 15) << 4);
            } else {
                row[3 * x] = GetBValue(c);
                row[3 * x + 1] = GetGValue(c);
                row[3 * x + 2] = GetRValue(c);
            }
        }
    FILE* f = fopen(name, "wb");
    ASSERT_NE(f, nullptr);
    fwrite(&bf, sizeof bf, 1, f);
    fwrite(&bi, sizeof bi, 1, f);
    for (int i = 0; i < colours; i++) {
        COLORREF c = i < (int)table.size() ? table[i] : 0;
        BYTE q[4] = {GetBValue(c), GetGValue(c), GetRValue(c), 0};
        fwrite(q, 4, 1, f);
    }
    fwrite(px.data(), px.size(), 1, f);
    fclose(f);
}

COLORREF PixelOf(IDirectDrawSurface* s, int x, int y)
{
    HDC dc;
    if (s->GetDC(&dc) != DD_OK)
        return CLR_INVALID;
    COLORREF c = GetPixel(dc, x, y);
    s->ReleaseDC(dc);
    return c;
}

IDirectDrawSurface* MakeSurface(IDirectDraw* dd, int w, int h, bool rgb565)
{
    DDSURFACEDESC d = {};
    d.dwSize = sizeof d;
    d.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    d.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    d.dwWidth = w;
    d.dwHeight = h;
    if (rgb565) {
        d.dwFlags |= DDSD_PIXELFORMAT;
        d.ddpfPixelFormat.dwSize = sizeof d.ddpfPixelFormat;
        d.ddpfPixelFormat.dwFlags = DDPF_RGB;
        d.ddpfPixelFormat.dwRGBBitCount = 16;
        d.ddpfPixelFormat.dwRBitMask = 0xF800;
        d.ddpfPixelFormat.dwGBitMask = 0x07E0;
        d.ddpfPixelFormat.dwBBitMask = 0x001F;
    }
    IDirectDrawSurface* s = nullptr;
    return dd->CreateSurface(&d, &s, nullptr) == DD_OK ? s : nullptr;
}

HWND MakeWindow()
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA c = {};
        c.lpfnWndProc = DefWindowProcA;
        c.hInstance = GetModuleHandleA(nullptr);
        c.lpszClassName = "PhDdrawTest";
        RegisterClassA(&c);
        registered = true;
    }
    return CreateWindowExA(WS_EX_TOPMOST, "PhDdrawTest", "ddraw test", WS_POPUP | WS_VISIBLE, 0, 0,
                           GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

const COLORREF Red = RGB(255, 0, 0), Green = RGB(0, 255, 0), White = RGB(255, 255, 255);

class Loading : public ::testing::Test {
protected:
    IDirectDraw* dd = nullptr;
    HWND wnd = nullptr;
    void SetUp() override
    {
        wnd = MakeWindow();
        ASSERT_EQ(DirectDrawCreate(nullptr, &dd, nullptr), DD_OK);
        ASSERT_EQ(dd->SetCooperativeLevel(wnd, DDSCL_NORMAL), DD_OK);
    }
    void TearDown() override
    {
        if (dd)
            dd->Release();
        DestroyWindow(wnd);
    }
};

}  // namespace

TEST_F(Loading, ResourceFirstThenFileOfThatName)
{
    // WC21 is a resource of this program (a light blue swatch); a red file
    // of the same name loses to it.
    WriteBmp("WC21", 4, 4, 24, {}, Red, Red);
    IDirectDrawSurface* s = DDLoadBitmap(dd, "WC21", 0, 0);
    ASSERT_NE(s, nullptr);
    DDSURFACEDESC d = {};
    d.dwSize = sizeof d;
    s->GetSurfaceDesc(&d);
    EXPECT_EQ(d.dwWidth, 20u);
    EXPECT_EQ(d.dwHeight, 24u);
    EXPECT_EQ(PixelOf(s, 10, 10), RGB(0x41, 0xB5, 0xFF));
    s->Release();

    WriteBmp("PHFILE", 6, 3, 24, {}, Green, Red);
    s = DDLoadBitmap(dd, "PHFILE", 0, 0);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(PixelOf(s, 0, 0), Red);
    EXPECT_EQ(PixelOf(s, 5, 2), Green);

    // Reloading a name that is neither leaves the surface as it was.
    EXPECT_EQ(DDReLoadBitmap(s, "PHNONE"), E_FAIL);
    EXPECT_EQ(PixelOf(s, 5, 2), Green);
    WriteBmp("PHFILE2", 6, 3, 24, {}, White, White);
    EXPECT_EQ(DDReLoadBitmap(s, "PHFILE2"), DD_OK);
    EXPECT_EQ(PixelOf(s, 5, 2), White);
    s->Release();
    EXPECT_EQ(DDLoadBitmap(dd, "PHNONE", 0, 0), nullptr);
    DeleteFileA("WC21");
    DeleteFileA("PHFILE");
    DeleteFileA("PHFILE2");
}

TEST_F(Loading, ColourMatchOnSixteenBitsAndTheKey)
{
    IDirectDrawSurface* s = MakeSurface(dd, 4, 4, true);
    ASSERT_NE(s, nullptr);
    HDC dc;
    ASSERT_EQ(s->GetDC(&dc), DD_OK);
    SetPixel(dc, 0, 0, Green);
    s->ReleaseDC(dc);
    EXPECT_EQ(DDColorMatch(s, RGB(0, 0, 255)), 0x001Fu);
    EXPECT_EQ(DDColorMatch(s, White), 0xFFFFu);
    EXPECT_EQ(DDColorMatch(s, Red), 0xF800u);
    EXPECT_EQ(PixelOf(s, 0, 0), Green);       // put back as it was
    EXPECT_EQ(DDColorMatch(s, CLR_INVALID), 0x07E0u);
    EXPECT_EQ(DDSetColorKey(s, RGB(0, 0, 255)), DD_OK);
    DDCOLORKEY key = {};
    ASSERT_EQ(s->GetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
    EXPECT_EQ(key.dwColorSpaceLowValue, 0x001Fu);
    EXPECT_EQ(key.dwColorSpaceHighValue, 0x001Fu);
    s->Release();
}

TEST_F(Loading, PaletteFromTheColourTable)
{
    PALETTEENTRY pe[256];
    auto entries = [&](const char* name) {
        IDirectDrawPalette* p = DDLoadPalette(dd, name);
        EXPECT_NE(p, nullptr) << name;
        if (p) {
            p->GetEntries(0, 0, 256, pe);
            p->Release();
        }
    };
    auto cube = [](int i) {
        return RGB(((i >> 5) & 7) * 255 / 7, ((i >> 2) & 7) * 255 / 7, (i & 3) * 255 / 3);
    };
    auto rgbOf = [&](int i) { return RGB(pe[i].peRed, pe[i].peGreen, pe[i].peBlue); };

    WriteBmp("PH24", 2, 2, 24, {}, Red, Red);  // no colour table: the 3-3-2 cube
    entries("PH24");
    for (int i = 0; i < 256; i++)
        ASSERT_EQ(rgbOf(i), cube(i)) << i;

    std::vector<COLORREF> table;
    for (int i = 0; i < 16; i++)
        table.push_back(RGB(i * 16, 255 - i, 7));
    WriteBmp("PH4", 2, 2, 4, table, 1, 2);     // 16 colours replace the first 16
    entries("PH4");
    // Entries 0 and 255 of a palette without DDPCAPS_ALLOW256 stay black and white.
    for (int i = 1; i < 16; i++)
        EXPECT_EQ(rgbOf(i), table[i]) << i;
    for (int i = 16; i < 255; i++)
        ASSERT_EQ(rgbOf(i), cube(i)) << i;

    entries("WC21");                           // the resource's table holds its colour
    bool found = false;
    for (int i = 0; i < 256; i++)
        found = found || rgbOf(i) == RGB(0x41, 0xB5, 0xFF);
    EXPECT_TRUE(found);
    DeleteFileA("PH24");
    DeleteFileA("PH4");
}

// ---- The aquarium's objects ----

class Objects : public ::testing::Test {
protected:
    HWND wnd = nullptr;
    void SetUp() override
    {
        // Small stand-ins for the six pictures, as files of their names.
        const char* names[] = {"BACK01", "KG01", "KG02", "KG03", "KG04", "KG05"};
        for (const char* n : names)
            WriteBmp(n, 8, 8, 24, {}, RGB(0, 0, 255), Red);
        wnd = MakeWindow();
        af5 = 0;
        SetCursorPos(321, 123);
    }
    void TearDown() override
    {
        finiObjects();
        if (IsWindow(wnd))
            DestroyWindow(wnd);
        for (const char* n : {"BACK01", "KG01", "KG02", "KG03", "KG04", "KG05"})
            DeleteFileA(n);
    }
    static int DesktopBits()
    {
        DEVMODEA dm = {};
        dm.dmSize = sizeof dm;
        EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &dm);
        return (int)dm.dmBitsPerPel;
    }
};

TEST_F(Objects, SetUpResumeRebuildAndRelease)
{
    int desktop = DesktopBits();
    ASSERT_TRUE(doinit(wnd));
    EXPECT_EQ(af5, 2);
    EXPECT_EQ(DesktopBits(), 16);
    IDirectDrawSurface* sheets[] = {lpDDSBackC, lpDDSKG01, lpDDSKG02, lpDDSKG03, lpDDSKG04, lpDDSKG05};
    for (IDirectDrawSurface* s : sheets) {
        ASSERT_NE(s, nullptr);
        DDCOLORKEY key = {};
        EXPECT_EQ(s->GetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
        EXPECT_EQ(PixelOf(s, 0, 0), Red);
    }
    ASSERT_NE(lpDDSBack, nullptr);
    POINT pt;
    GetCursorPos(&pt);
    EXPECT_EQ(pt.x, 321);
    EXPECT_EQ(pt.y, 123);
    EXPECT_EQ(restoreAll(), DD_OK);

    // A refused password: only the primary chain is made again.
    lpDDSPrimary->Release();
    lpDDSPrimary = nullptr;
    SetCursorPos(400, 300);
    ASSERT_TRUE(doinit(wnd));
    EXPECT_NE(lpDDSPrimary, nullptr);
    EXPECT_EQ(lpDDSBackC, sheets[0]);
    EXPECT_EQ(lpDDSKG05, sheets[5]);
    GetCursorPos(&pt);
    EXPECT_EQ(pt.x, 321);                      // back where the saver started

    // Monitor power-down: all released and the display mode given back;
    // the rebuild loads and keys every picture again.
    af5 = 1;
    finiObjects();
    EXPECT_EQ(lpDD, nullptr);
    EXPECT_EQ(lpDDSBackC, nullptr);
    EXPECT_EQ(DesktopBits(), desktop);
    WriteBmp("KG02", 8, 8, 24, {}, Green, Green);
    ASSERT_TRUE(doinit(wnd));
    EXPECT_EQ(af5, 2);
    ASSERT_NE(lpDDSKG02, nullptr);
    EXPECT_EQ(PixelOf(lpDDSKG02, 3, 3), Green);
    DDCOLORKEY key = {};
    EXPECT_EQ(lpDDSKG02->GetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
    finiObjects();
    EXPECT_TRUE(IsWindow(wnd));
}

TEST_F(Objects, MissingPictureReleasesEverythingAndEndsTheWindow)
{
    int desktop = DesktopBits();
    DeleteFileA("KG03");
    EXPECT_FALSE(doinit(wnd));
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(lpDD, nullptr);
    EXPECT_EQ(lpDDSPrimary, nullptr);
    EXPECT_EQ(lpDDSBackC, nullptr);
    EXPECT_EQ(lpDDSKG01, nullptr);
    EXPECT_EQ(lpDDSKG02, nullptr);
    EXPECT_EQ(lpDDPal, nullptr);
    EXPECT_EQ(DesktopBits(), desktop);
}
