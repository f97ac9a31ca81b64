// Configuration dialog: run-time texts, button marks, fish-kind marks and
// back-colour pictures. Every picture is a bitmap resource of the program.
#include "scrn01/dialog/dialog.h"
#include "scrn01/dialog/dlgedit.h"
#include "scrn01/settings/fishtable.h"
#include "scrn01/settings/records.h"
#include "scrn01/store/dlgtext.h"
#include "scrn01/store/msglog.h"
#include "scrn01/store/regstore.h"
#include "scrnsave/scrnsave.h"

#include <cstdio>
#include <iterator>

HBITMAP hbb0, hbb1, hbb2, hbb3, hbb4, hbb5;
HBITMAP hbm[FishMarks];
HBITMAP hcb[BackMarks];
char ic01[10];

// ic01 = prefix + n as two digits + suffix.
static void MarkName(const char* prefix, int n, const char* suffix)
{
    snprintf(bf1, sizeof bf1, "%d", n);
    Mrj(bf1, 2, (int)sizeof bf1);
    snprintf(ic01, sizeof ic01, "%s%s%s", prefix, bf1, suffix);
}

static HBITMAP LoadMark(const char* name)
{
    return (HBITMAP)LoadImageA(hMainInstance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
}

// A button mark as an icon whose face (the colour of its top left pixel) is
// transparent: the arrow lies on the button's own face, whatever colour the
// system or its visual style gives that face, and a disabled button greys
// the arrow alone. The colour image is made in the screen's format, where
// raster operations work on colours rather than on palette entries.
static HICON MarkIcon(HBITMAP mark)
{
    BITMAP info;
    if (!mark || !GetObjectA(mark, sizeof info, &info))
        return nullptr;
    int w = info.bmWidth, h = info.bmHeight;
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateCompatibleBitmap(screen, w, h);
    ReleaseDC(nullptr, screen);
    HBITMAP mask = CreateBitmap(w, h, 1, 1, nullptr);
    HDC src = CreateCompatibleDC(nullptr);
    HDC cdc = CreateCompatibleDC(nullptr);
    HDC mdc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldSrc = SelectObject(src, mark);
    HGDIOBJ oldColour = SelectObject(cdc, colour);
    HGDIOBJ oldMask = SelectObject(mdc, mask);
    // Colour to monochrome: the face colour becomes 1, the arrow 0.
    SetBkColor(src, GetPixel(src, 0, 0));
    BitBlt(mdc, 0, 0, w, h, src, 0, 0, SRCCOPY);
    // The face black in the colour image: monochrome 1 gives white, 0 black,
    // and the image keeps what is not white there.
    BitBlt(cdc, 0, 0, w, h, src, 0, 0, SRCCOPY);
    SetBkColor(cdc, RGB(255, 255, 255));
    SetTextColor(cdc, RGB(0, 0, 0));
    const DWORD AndNotSource = 0x00220326;  // DSna
    BitBlt(cdc, 0, 0, w, h, mdc, 0, 0, AndNotSource);
    SelectObject(mdc, oldMask);
    SelectObject(cdc, oldColour);
    SelectObject(src, oldSrc);
    DeleteDC(mdc);
    DeleteDC(cdc);
    DeleteDC(src);
    ICONINFO ii = {TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&ii);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

void ButtonMarkSetini(HWND hDlg)
{
    HBITMAP* marks[ButtonMarks] = {&hbb0, &hbb1, &hbb2, &hbb3, &hbb4, &hbb5};
    HICON icons[ButtonMarks];
    for (int i = 0; i < ButtonMarks; i++) {
        MarkName("B", i + 1, "");
        *marks[i] = LoadMark(ic01);
        if (!*marks[i])
            MsgWrt1(11 + i, Msg005, ic01, 0);
        icons[i] = MarkIcon(*marks[i]);
    }
    struct Use {
        int mark;  // 0..5: "B01".."B06"
        int id;
        int count;
    };
    // Ranges of ten are the program slots.
    // clang-format off
    const Use uses[] = {
        {0, IDC_KINDUP, 1},   {1, IDC_KINDDOWN, 1},
        {2, IDC_SETNEXT, 1},  {2, IDC_ROWNEXT, 1}, {2, IDC_PGUP0, PgPageSlots},
        {3, IDC_SETPREV, 1},  {3, IDC_ROWPREV, 1}, {3, IDC_PGDOWN0, PgPageSlots},
        {4, IDC_PGPREV, 1},   {5, IDC_PGNEXT, 1},
    };
    // clang-format on
    for (const Use& u : uses)
        for (int k = 0; k < u.count; k++)
            SendDlgItemMessageA(hDlg, u.id + k, BM_SETIMAGE, IMAGE_ICON, (LPARAM)icons[u.mark]);
}

void FishMarkSetini()
{
    for (int i = 0; i < FishMarks; i++) {
        if (i == 0)
            snprintf(ic01, sizeof ic01, "FM00N");
        else if (i <= FishMax)
            MarkName("FM", i, m_nFss[i - 1] == 0 ? "N" : "");
        else
            snprintf(ic01, sizeof ic01, "FMERR");
        hbm[i] = LoadMark(ic01);
        if (!hbm[i])
            MsgWrt1(17, Msg006, ic01, 0);
    }
}

void BackColorSetini()
{
    for (int i = 0; i < BackMax; i++) {
        MarkName("WC", i + 1, m_nBackCRf == 0 ? "B" : "");
        hcb[i] = LoadMark(ic01);
        if (!hcb[i])
            MsgWrt1(18, Msg007, ic01, 0);
    }
    hcb[BackMax] = LoadMark("WCER");
}

void DlgTextSetini(HWND hDlg)
{
    SetWindowTextA(hDlg, DLT_DLG);
    // clang-format off
    static const struct { int id; const char* text; } texts[] = {
        {IDC_DIRECTSIZE, DLT_DirectSize}, {IDC_GUESTFISH, DLT_GuestFish},
        {IDC_FGSIZBOX, DLT_FishSize},     {IDC_FGSIZSMALL, DLT_FS_Small},
        {IDC_FGSIZBIG, DLT_FS_Big},       {IDC_SCREENBOX, DLT_Screen},
        {IDC_HEIGHTBOX, DLT_Height},      {IDC_HLOW, DLT_Low},
        {IDC_HMIDUM, DLT_Midum},          {IDC_HHIGH, DLT_High},
        {IDC_HFULL, DLT_Full},            {IDC_SSPEEDBOX, DLT_ScrollSpeed},
        {IDC_SSFAST, DLT_SS_Fast},        {IDC_SSSLOW, DLT_SS_Slow},
        {IDC_PGON, DLT_ProgramOn},        {IDC_PGBOX, DLT_Program},
        {IDC_PGTYPEBOX, DLT_PG_CHGType},  {IDC_PGRANDOM, DLT_PG_Random},
        {IDC_PGROUND, DLT_PG_Round},      {IDC_PGREPEAT, DLT_PG_Repeat},
        {IDOK, DLT_OK},                   {IDCANCEL, DLT_Cancel},
        {IDC_SETLABEL, DLT_SetNo},        {IDC_LENGTHBOX, DLT_SceneLength},
        {IDC_REPBOX, DLT_SC_REP},         {IDC_SCENEBOX, DLT_Scene},
        {IDC_REPANY, DLT_RepAny},         {IDC_REPLUMP, DLT_RepLump},
        {IDC_PGLRND, DLT_SL_Random},      {IDC_PGLSHORT, DLT_SL_Short},
        {IDC_PGLLONG, DLT_SL_Long},       {IDC_FISHBOX, DLT_Quantity},
        {IDC_FISHSMALL, DLT_Qt_Small},    {IDC_FISHMANY, DLT_Qt_Many},
        {IDC_FCBOX, DLT_FishClass},       {IDC_FQUABOX, DLT_FC_Quantity},
        {IDC_FREA, DLT_FCQ_RealNum},      {IDC_FQUASMALL, DLT_FCQ_Small},
        {IDC_FQUAMANY, DLT_FCQ_Many},     {IDC_SIZEBOX, DLT_Size},
        {IDC_FSIZLABEL, DLT_SZ_BSize},    {IDC_FSIZSMALL, DLT_BS_Small},
        {IDC_FSIZBIG, DLT_BS_Big},        {IDC_FDISLABEL, DLT_SZ_Disp},
        {IDC_FDISSMALL, DLT_DS_Small},    {IDC_FDISBIG, DLT_DS_Big},
        {IDC_BKBOX, DLT_BackColor},       {IDC_BKSPEEDBOX, DLT_ChangeSpeed},
        {IDC_BKFAST, DLT_BC_Fast},        {IDC_BKSLOW, DLT_BC_Slow},
        {IDC_BKTYPEBOX, DLT_BC_CHGType},  {IDC_BKRANDOM, DLT_BC_Random},
        {IDC_BKROUND, DLT_BC_Round},      {IDC_BKREPEAT, DLT_BC_Repeat},
        {IDC_SETADD, DLT_SetADD},         {IDC_SETDEL, DLT_SetDLT},
        {IDC_PGRESET, DLT_PgReset},       {IDC_BKFF, DLT_BC_FF},
        {IDC_PGFF, DLT_PgFF},
    };
    // clang-format on
    for (const auto& t : texts)
        SetDlgItemTextA(hDlg, t.id, t.text);
}

void FishMarkSet(HWND hDlg)
{
    FidxChk();
    int i = m_nFno[m_nFidx];
    if (i > FishMax)
        i = FishMax + 1;
    if (i < 0)
        i = 0;
    SendDlgItemMessageA(hDlg, IDC_FISHMARK, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hbm[i]);
}

void BackColorPicSet(HWND hDlg, int k)
{
    int i = m_nBackCC[k];
    if (i < 0 || i >= BackMax)
        i = BackMax;
    SendDlgItemMessageA(hDlg, IDC_BKPIC0 + k, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hcb[i]);
}
