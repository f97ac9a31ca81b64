// Screenshots of both pages of the configuration dialog, for looking at the
// layout (scripts/dialog-shots.sh): dlgshot OUTDIR writes section.bmp and
// general.bmp of the dialog window, filled from a sample installation.
#include "dialog_harness.h"

#include <cstdio>

static bool SaveWindow(HWND w, const std::string& path)
{
    RECT r;
    GetWindowRect(w, &r);
    int cw = r.right - r.left, ch = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    BITMAPINFO bi;
    ZeroMemory(&bi, sizeof bi);
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = cw;
    bi.bmiHeader.biHeight = ch;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, dib);
    BitBlt(dc, 0, 0, cw, ch, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    DWORD stride = ((DWORD)cw * 3 + 3) & ~3u;
    BITMAPFILEHEADER fh;
    ZeroMemory(&fh, sizeof fh);
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + stride * ch;
    FILE* f = fopen(path.c_str(), "wb");
    bool ok = f != nullptr;
    if (f) {
        fwrite(&fh, sizeof fh, 1, f);
        fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f);
        fwrite(bits, stride, ch, f);
        fclose(f);
    }
    SelectObject(dc, old);
    DeleteObject(dib);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return ok;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: dlgshot OUTDIR\n");
        return 2;
    }
    std::string out = argv[1];
    Install in = MakeInstall("shot");
    RegPutString(HKEY_CURRENT_USER, UserKey, "OKSKKIS", "11111110100000000000000000000000000");
    std::string data =
        SetLine(1,
                GenRecord(0, 1, 12, 40, 120, 1,
                          {{1, 0, 60, 100, 10}, {9, 0, 30, 150, 20}, {3, 1, 5, 200, 0}}),
                WatRecord({{1, 2},
                           {1, 7},
                           {0, 12},
                           {1, 20},
                           {0, 0},
                           {0, 3},
                           {0, 31},
                           {0, 9},
                           {1, 15},
                           {0, 25}},
                          2, 1, 120)) +
        SetLine(2, GenRecord(1, 0, 5, 20, 100, 0, {{2, 0, 100, 100, 0}}),
                WatRecord({{1, 4}}, 1, 0, 500)) +
        SetLine(3, GenRecord(0, 0, 30, 100, 300, 0, {{7, 0, 50, 300, 50}}),
                WatRecord({{1, 30}}, 1, 0, 1)) +
        ProgramLine(1, 1, 2, 1, {1, 2, 3, 0, 2, 1});
    WriteFileBytes(SharedDataPath(in), data);
    Dialog d;
    int rc = 0;
    if (!d.Open()) {
        fprintf(stderr, "no dialog\n");
        rc = 1;
    } else {
        PumpFor(800);
        SaveWindow(d.dlg, out + "\\section.bmp");
        d.Tab(1);
        PumpFor(800);
        SaveWindow(d.dlg, out + "\\general.bmp");
        for (auto& r : d.reports)
            fprintf(stderr, "report: %s\n", r.c_str());
        d.Cancel();
    }
    DropInstall(in);
    return rc;
}
