// Layout of both pages of the configuration dialog at 96, 144 and 192 DPI (the
// .scr with its manifest, as installed): the dialog scales with the DPI,
// every control lies inside it, every text fits its control, no two controls
// of a page overlap, and no control crosses the frame of a group box.
#include "dialog_harness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Ctl {
    HWND h;
    int id;
    RECT r;  // screen rectangle
    std::string cls, text;
    LONG style;
};

BOOL CALLBACK Collect(HWND h, LPARAM lp)
{
    if (!IsWindowVisible(h))
        return TRUE;
    Ctl c;
    c.h = h;
    c.id = GetDlgCtrlID(h);
    GetWindowRect(h, &c.r);
    char b[256] = "";
    GetClassNameA(h, b, sizeof b);
    c.cls = b;
    b[0] = '\0';
    GetWindowTextA(h, b, sizeof b);
    c.text = b;
    c.style = GetWindowLongA(h, GWL_STYLE);
    ((std::vector<Ctl>*)lp)->push_back(c);
    return TRUE;
}

bool IsGroupBox(const Ctl& c)
{
    return c.cls == "Button" && (c.style & BS_TYPEMASK) == BS_GROUPBOX;
}

// Controls that touch in dialog units may round into each other by a pixel.
const int Slack = 1;

bool Overlap(const RECT& a, const RECT& b)
{
    return a.left < b.right - Slack && b.left < a.right - Slack && a.top < b.bottom - Slack &&
           b.top < a.bottom - Slack;
}

bool Inside(const RECT& in, const RECT& out)
{
    return in.left >= out.left - Slack && in.right <= out.right + Slack &&
           in.top >= out.top - Slack && in.bottom <= out.bottom + Slack;
}

std::string Name(const Ctl& c)
{
    return std::to_string(c.id) + " \"" + c.text + "\"";
}

// Width the control needs for its text in the dialog font, or 0 when it shows no text.
int NeededWidth(HDC dc, const Ctl& c)
{
    SIZE sz = {0, 0};
    if (c.text.empty() && c.cls != "ComboBox")
        return 0;
    GetTextExtentPoint32A(dc, c.text.c_str(), (int)c.text.size(), &sz);
    int type = c.style & BS_TYPEMASK;
    if (c.cls == "Static")
        return (c.style & SS_TYPEMASK) == SS_OWNERDRAW ? 0 : sz.cx;
    if (c.cls == "ComboBox") {
        // The widest item beside the arrow button; each item is read as the
        // chosen one (its text crosses processes, a list text does not).
        int widest = 0, was = (int)SendMessageA(c.h, CB_GETCURSEL, 0, 0);
        int n = (int)SendMessageA(c.h, CB_GETCOUNT, 0, 0);
        for (int i = 0; i < n; i++) {
            char item[64] = "";
            SendMessageA(c.h, CB_SETCURSEL, i, 0);
            SendMessageA(c.h, WM_GETTEXT, sizeof item, (LPARAM)item);
            GetTextExtentPoint32A(dc, item, lstrlenA(item), &sz);
            widest = std::max(widest, (int)sz.cx);
        }
        SendMessageA(c.h, CB_SETCURSEL, was, 0);
        return n > 0 ? widest + GetSystemMetrics(SM_CXVSCROLL) + 4 : 0;
    }
    if (c.cls != "Button")
        return 0;
    if (type == BS_GROUPBOX)
        return sz.cx + 12;
    if (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON || type == BS_CHECKBOX ||
        type == BS_RADIOBUTTON)
        return sz.cx + 16;  // the box and its gap
    return sz.cx + 6;
}

// Checks the visible controls of a page, among them the one named must.
void CheckPage(const Dialog& d, HDC dc, const char* page, int must)
{
    SCOPED_TRACE(page);
    std::vector<Ctl> all;
    EnumChildWindows(d.dlg, Collect, (LPARAM)&all);
    ASSERT_GT(all.size(), 20u);
    EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const Ctl& c) { return c.id == must; }))
        << must << " not shown";
    RECT client;
    GetClientRect(d.dlg, &client);
    MapWindowPoints(d.dlg, nullptr, (POINT*)&client, 2);
    for (const Ctl& c : all) {
        EXPECT_TRUE(Inside(c.r, client)) << "cut by the dialog's edge: " << Name(c);
        if (c.id == IDC_TAB)
            continue;
        RECT cr;
        GetClientRect(c.h, &cr);
        EXPECT_LE(NeededWidth(dc, c), cr.right) << "text clipped: " << Name(c);
        for (const Ctl& o : all) {
            if (o.h == c.h || o.id == IDC_TAB || IsGroupBox(c))
                continue;
            if (IsGroupBox(o)) {
                EXPECT_TRUE(Inside(c.r, o.r) || !Overlap(c.r, o.r))
                    << Name(c) << " crosses the frame of " << Name(o);
            } else if (c.h < o.h) {
                EXPECT_FALSE(Overlap(c.r, o.r)) << Name(c) << " overlaps " << Name(o);
            }
        }
    }
}

// Checks both pages at dpi; the width of the dialog's client area, in pixels.
void CheckBothPages(int dpi, int* width)
{
    SCOPED_TRACE("dpi " + std::to_string(dpi));
    ScopedDpi scaled((DWORD)dpi);
    Install in = MakeInstall("layout");
    // Every kind owned but one, Full offered: every control of both pages shows.
    RegPutString(HKEY_CURRENT_USER, UserKey, "OKSKKIS", "11111111111111111111111111111111110");
    WriteFileBytes(SharedDataPath(in),
                   SetLine(1, GenRecord(0, 0, 10, 50, 100, 0, {{1, 0, 100, 500, 50}}),
                           WatRecord({{1, 0}, {1, 1}}, 2, 0, 500)) +
                       SetLine(2, GenRecord(0, 0, 10, 50, 100, 0, {}), WatRecord({}, 1, 0, 500)) +
                       ProgramLine(1, 1, 1, 0, {1, 2}));
    Dialog d;
    ASSERT_TRUE(d.Open());
    EXPECT_TRUE(d.reports.empty()) << d.reports[0];
    RECT client;
    GetClientRect(d.dlg, &client);
    *width = client.right;

    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontA(-MulDiv(9, dpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0,
                             0, 0, 0, "MS Shell Dlg");
    HGDIOBJ old = SelectObject(dc, font);
    CheckPage(d, dc, "Section", IDC_BKCHK0 + 9);
    d.Tab(1);
    CheckPage(d, dc, "General", IDC_OTHERMON);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);

    EXPECT_EQ(d.Cancel(), 0u);
    DropInstall(in);
}

TEST(DialogLayout, BothPagesFitAt96And144And192Dpi)
{
    int at96 = 0, at144 = 0, at192 = 0;
    CheckBothPages(96, &at96);
    CheckBothPages(144, &at144);
    CheckBothPages(192, &at192);
    // The DPI reached the dialog's process: it grew by about a half, then double.
    ASSERT_GT(at96, 0);
    EXPECT_GT(at144 * 10, at96 * 13);
    EXPECT_LT(at144 * 10, at96 * 17);
    EXPECT_GT(at192 * 10, at96 * 18);
    EXPECT_LT(at192 * 10, at96 * 22);
}

}  // namespace
