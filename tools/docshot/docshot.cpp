// Pictures of the README (scripts/docs-shots.sh), from a sample installation
// with a few scenes of many fish of several kinds:
//   docshot OUTDIR          band.bmp and full.bmp (the aquarium in band and
//                           full-height mode), section.bmp and general.bmp
//                           (the two pages of the configuration dialog)
//   docshot OUTDIR dialog   the two dialog pages only (for looking at the
//                           layout at another DPI)
//   docshot OUTDIR monitors monitors.bmp: every monitor, the aquarium at full
//                           height on the main one and fitted into the others;
//                           span.bmp: one aquarium across them, in band mode
//   docshot OUTDIR uhd      uhd.bmp: the aquarium in band mode at 200 % display
//                           scaling (on a 3840 x 2160 screen: picture scale 2),
//                           and uhd-part.bmp, the quarter of it with most fish
//   docshot OUTDIR installer SETUP
//                           the installer's pages, taking every default:
//                           setup-welcome.bmp, setup-components.bmp,
//                           setup-files.bmp, setup-finish.bmp, then the
//                           uninstaller's first page, setup-uninstall.bmp
#include "tests/dialog/dialog_harness.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Kinds owned in the sample: all but the four rarest.
const char Owned[] = "11111111111111111111111111111110000";
const int ShMidum = 1, ShFull = 3;  // screen height values ("ISKJEUH")
const int FastestScroll = 1;        // "KISJUAK"
// Band mode: the band between these rows from the top leaves the logo whole
// above it and the caption below it.
const int BandTopLow = 150, BandTopHigh = 220;
const DWORD SwimInMs = 8000;  // for the fish to spread over the water
const DWORD BandWaitMs = 90000;
const DWORD StillMs = 300;  // a fish moves on within this time

// Scene 1: a mixed shoal in blue water; scene 2: a crowd in lighter blue, as
// many fish as the full height asks for; scene 3: large fish in changing colours.
std::string Scenes(bool programOn)
{
    return SetLine(1,
                   GenRecord(0, 0, 20, 22, 90, 0,
                             {{1, 0, 30, 100, 15},
                              {3, 0, 14, 100, 10},
                              {5, 0, 8, 90, 10},
                              {7, 0, 10, 100, 10},
                              {15, 0, 10, 100, 10},
                              {19, 0, 8, 100, 10},
                              {21, 0, 10, 110, 10},
                              {29, 0, 8, 100, 10}}),
                   WatRecord({{1, 20}}, 1, 0, 500)) +
           SetLine(2,
                   GenRecord(0, 0, 20, 50, 80, 0,
                             {{1, 0, 25, 100, 20},
                              {8, 0, 12, 100, 10},
                              {10, 0, 10, 100, 10},
                              {12, 0, 10, 100, 10},
                              {25, 0, 10, 100, 10},
                              {30, 0, 10, 100, 10},
                              {31, 0, 8, 100, 10},
                              {22, 0, 6, 100, 10}}),
                   WatRecord({{1, 22}}, 1, 0, 500)) +
           SetLine(3,
                   GenRecord(1, 1, 12, 12, 140, 0,
                             {{4, 0, 30, 100, 10}, {9, 0, 30, 110, 15}, {17, 1, 2, 150, 0}}),
                   WatRecord({{1, 20}, {1, 21}, {0, 12}, {1, 27}, {0, 0}, {0, 3}, {0, 31}, {1, 18}},
                             2, 1, 120)) +
           ProgramLine(1, programOn ? 1 : 0, 2, 1, {1, 2, 3, 0, 2, 1});
}

// As a 24-bit BMP.
bool SaveBmp(const Shot& c, const std::string& path)
{
    DWORD stride = ((DWORD)c.w * 3 + 3) & ~3u;
    std::vector<BYTE> rows((size_t)stride * c.h);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++)
            memcpy(&rows[(size_t)(c.h - 1 - y) * stride + (size_t)x * 3], &c.px[(size_t)y * c.w + x], 3);
    BITMAPFILEHEADER fh;
    BITMAPINFOHEADER ih;
    ZeroMemory(&fh, sizeof fh);
    ZeroMemory(&ih, sizeof ih);
    ih.biSize = sizeof ih;
    ih.biWidth = c.w;
    ih.biHeight = c.h;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + (DWORD)rows.size();
    FILE* f = fopen(path.c_str(), "wb");
    if (!f)
        return false;
    fwrite(&fh, sizeof fh, 1, f);
    fwrite(&ih, sizeof ih, 1, f);
    fwrite(rows.data(), 1, rows.size(), f);
    return fclose(f) == 0;
}

// The w x h part of the picture with the most fish: pixels that are neither
// the water (the colour of the middle row's first pixel) nor black.
Shot FishiestPart(const Shot& c, int w, int h)
{
    DWORD water = c.px[(size_t)(c.h / 2) * c.w];
    int best = -1, bx = 0, by = 0;
    for (int y0 = 0; y0 + h <= c.h; y0 += h / 8)
        for (int x0 = 0; x0 + w <= c.w; x0 += w / 8) {
            int n = 0;
            for (int y = y0; y < y0 + h; y += 4)
                for (int x = x0; x < x0 + w; x += 4) {
                    DWORD v = c.px[(size_t)y * c.w + x];
                    n += v != water && v != 0;
                }
            if (n > best)
                best = n, bx = x0, by = y0;
        }
    Shot part;
    part.w = w;
    part.h = h;
    for (int y = 0; y < h; y++)
        part.px.insert(part.px.end(), &c.px[(size_t)(by + y) * c.w + bx],
                       &c.px[(size_t)(by + y) * c.w + bx + w]);
    return part;
}

// The client area of a window (a window without a window manager has no
// drawn frame).
bool SaveClient(HWND w, const std::string& path)
{
    RECT r;
    GetClientRect(w, &r);
    MapWindowPoints(w, nullptr, (POINT*)&r, 2);
    return SaveBmp(GrabScreen(r), path);
}

// First row of the band: the water and its fish fill most of a row, the logo
// and the caption beside it only a part.
int BandTop(const Shot& c)
{
    for (int y = 0; y < c.h; y++) {
        int lit = 0, seen = 0;
        for (int x = 0; x < c.w; x += 4, seen++)
            lit += c.px[(size_t)y * c.w + x] != 0;
        if (lit * 10 > seen * 6)
            return y;
    }
    return -1;
}

// True when the corner with the title is the same in both pictures: at full
// height no fish swims over it. (Fish cover half the screen there; a free
// title and caption at once are rare.)
bool TitleStill(const Shot& a, const Shot& b)
{
    const int CornerW = 190, CornerH = 45;
    for (int y = 0; y < CornerH; y++)
        for (int x = 0; x < CornerW; x++)
            if (a.px[(size_t)y * a.w + x] != b.px[(size_t)y * b.w + x])
                return false;
    return true;
}

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT r, LPARAM lp)
{
    ((std::vector<RECT>*)lp)->push_back(*r);
    return TRUE;
}

// Every monitor as it stands, left to right with a gap between them, on grey
// (what lies outside the monitors is nobody's picture).
Shot ShootMonitors()
{
    const int Gap = 16;
    const DWORD Grey = 0x808080;
    std::vector<RECT> mons;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, (LPARAM)&mons);
    std::sort(mons.begin(), mons.end(),
              [](const RECT& a, const RECT& b) { return a.left < b.left; });
    int x0 = GetSystemMetrics(SM_XVIRTUALSCREEN), y0 = GetSystemMetrics(SM_YVIRTUALSCREEN);
    Shot all;
    all.w = GetSystemMetrics(SM_CXVIRTUALSCREEN) + Gap * ((int)mons.size() - 1);
    all.h = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    all.px.assign((size_t)all.w * all.h, Grey);
    for (size_t i = 0; i < mons.size(); i++) {
        Shot m = GrabScreen(mons[i]);
        int left = mons[i].left - x0 + Gap * (int)i, top = mons[i].top - y0;
        for (int y = 0; y < m.h; y++)
            std::copy_n(&m.px[(size_t)y * m.w], m.w, &all.px[(size_t)(top + y) * all.w + left]);
    }
    return all;
}

// Runs the saver full screen at the given height and saves the screen (with
// every monitor: all of them): in band mode once the band has drifted to
// where the title shows whole, at full height once no fish covers the title.
// At picture scale k the band's rows are k times as many.
bool ShootAquarium(int height, int set, const std::string& path, bool everyMonitor = false,
                   int k = 1, const std::string& partPath = "")
{
    RegPutDword(HKEY_CURRENT_USER, UserKey, "ISKJEUH", (DWORD)height);
    RegPutDword(HKEY_CURRENT_USER, UserKey, "AWYEHDB", (DWORD)(set - 1));
    RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    Proc p = StartSaver("/s", "", screen.right / 2, screen.bottom / 2);
    bool ok = p.started && FindSaverWindow() != nullptr;
    PumpFor(SwimInMs);
    Shot shot;
    ok = ok && WaitUntil(
                   [&] {
                       Shot before = GrabScreen(screen);
                       PumpFor(StillMs);
                       shot = GrabScreen(screen);
                       int top = BandTop(shot);
                       return height == ShFull ? top == 0 && TitleStill(before, shot)
                                               : top >= BandTopLow * k && top <= BandTopHigh * k;
                   },
                   BandWaitMs);
    if (ok && everyMonitor)
        shot = ShootMonitors();
    ok = ok && SaveBmp(shot, path);
    if (ok && !partPath.empty())
        ok = SaveBmp(FishiestPart(shot, shot.w / 4, shot.h / 4), partPath);
    CloseByKey(p);
    if (!ok)
        fprintf(stderr, "no picture of the aquarium for %s\n", path.c_str());
    return ok;
}

bool ShootDialog(const std::string& out)
{
    Dialog d;
    if (!d.Open()) {
        fprintf(stderr, "no dialog\n");
        return false;
    }
    PumpFor(800);
    bool ok = SaveClient(d.dlg, out + "\\section.bmp");
    d.Tab(1);
    PumpFor(800);
    ok = SaveClient(d.dlg, out + "\\general.bmp") && ok;
    for (auto& r : d.reports)
        fprintf(stderr, "report: %s\n", r.c_str());
    d.Cancel();
    return ok && d.reports.empty();
}

std::string TextOf(HWND w)
{
    char text[256] = "";
    GetWindowTextA(w, text, sizeof text);
    return text;
}

// Waits for the Next button (IDOK) of an installer window to show `label`,
// enabled, for a moment (the files page shows it enabled for an instant
// before the copying starts), and saves the page.
bool ShootPage(HWND w, const char* label, const std::string& path)
{
    HWND next = GetDlgItem(w, IDOK);
    auto shows = [&] { return TextOf(next) == label && IsWindowEnabled(next); };
    bool ok = WaitUntil(
        [&] {
            if (!shows())
                return false;
            PumpFor(700);
            return shows();
        },
        120000);
    ok = ok && SaveClient(w, path);
    if (!ok)
        fprintf(stderr, "no installer page with %s\n", label);
    return ok;
}

bool ShootInstaller(const std::string& setup, const std::string& out)
{
    Proc p = StartProc("", setup);
    HWND w = p.started ? WaitDialogOf(p.pi.dwProcessId) : nullptr;
    if (!w) {
        fprintf(stderr, "no installer window\n");
        return false;
    }
    const struct {
        const char* label;
        const char* name;
    } pages[] = {{"&Next >", "welcome"},
                 {"&Install", "components"},
                 {"&Next >", "files"},
                 {"&Finish", "finish"}};
    bool ok = true;
    for (const auto& page : pages) {
        ok = ShootPage(w, page.label, out + "\\setup-" + page.name + ".bmp") && ok;
        PostMessageA(w, WM_COMMAND, IDOK, 0);
    }
    ok = WaitExit(p, 30000) == 0 && ok;
    EndProc(p);

    // The uninstaller runs on from a copy of itself: find its window by title.
    char programs[MAX_PATH] = "";
    GetEnvironmentVariableA("ProgramW6432", programs, MAX_PATH);
    Proc u = StartProc("", std::string(programs) + "\\PondelHarbor\\Uninstall.exe");
    HWND uw = nullptr;
    WaitUntil(
        [&] {
            while ((uw = FindWindowExA(nullptr, uw, "#32770", nullptr)) != nullptr)
                if (TextOf(uw).rfind("PondelHarbor", 0) == 0 &&
                    TextOf(uw).find("Uninstall") != std::string::npos)
                    return true;
            return false;
        },
        30000);
    ok = uw && ShootPage(uw, "&Next >", out + "\\setup-uninstall.bmp") && ok;
    if (uw)
        PostMessageA(uw, WM_COMMAND, IDCANCEL, 0);
    EndProc(u);
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && strcmp(argv[2], "installer") == 0)
        return ShootInstaller(WinPath(argv[3]), argv[1]) ? 0 : 1;
    bool monitors = argc > 2 && strcmp(argv[2], "monitors") == 0;
    bool uhd = argc > 2 && strcmp(argv[2], "uhd") == 0;
    if (argc < 2 || (argc > 2 && strcmp(argv[2], "dialog") != 0 && !monitors && !uhd)) {
        fprintf(stderr, "usage: docshot OUTDIR [dialog | monitors | uhd | installer SETUP]\n");
        return 2;
    }
    std::string out = argv[1];
    bool all = argc == 2;
    Install in = MakeInstall("shot");
    RegPutString(HKEY_CURRENT_USER, UserKey, "OKSKKIS", Owned);
    RegPutDword(HKEY_CURRENT_USER, UserKey, "KISJUAK", FastestScroll);
    RegPutDword(HKEY_CURRENT_USER, UserKey, "SOIEKMA", 0);
    bool ok = true;
    if (monitors) {
        WriteFileBytes(SharedDataPath(in), Scenes(false));
        ok = ShootAquarium(ShFull, 2, out + "\\monitors.bmp", true);
        RegPutDword(HKEY_CURRENT_USER, UserKey, "OtherMonitors", 2);
        ok = ShootAquarium(ShMidum, 1, out + "\\span.bmp", true) && ok;
        DropInstall(in);
        return ok ? 0 : 1;
    }
    if (uhd) {
        ScopedDpi dpi(192);
        WriteFileBytes(SharedDataPath(in), Scenes(false));
        ok = ShootAquarium(ShMidum, 1, out + "\\uhd.bmp", false, 2, out + "\\uhd-part.bmp");
        DropInstall(in);
        return ok ? 0 : 1;
    }
    if (all) {
        // The program off, so that the saver shows the set named in the registry.
        WriteFileBytes(SharedDataPath(in), Scenes(false));
        ok = ShootAquarium(ShMidum, 1, out + "\\band.bmp");
        ok = ShootAquarium(ShFull, 2, out + "\\full.bmp") && ok;
        RegPutDword(HKEY_CURRENT_USER, UserKey, "ISKJEUH", ShMidum);
    }
    // The dialog on scene 3, whose water has several colours.
    RegPutDword(HKEY_CURRENT_USER, UserKey, "AWYEHDB", 2);
    WriteFileBytes(SharedDataPath(in), Scenes(true));
    ok = ShootDialog(out) && ok;
    DropInstall(in);
    return ok ? 0 : 1;
}
