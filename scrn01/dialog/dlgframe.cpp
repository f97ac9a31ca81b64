// Configuration dialog: the dialog procedure, the two tab pages, the slider
// family, loading every setting at the start and saving on OK.
#include "scrn01/dialog/dialog.h"
#include "scrn01/dialog/dlgedit.h"
#include "scrn01/settings/fishtable.h"
#include "scrn01/settings/program.h"
#include "scrn01/settings/random.h"
#include "scrn01/settings/records.h"
#include "scrn01/settings/scenestart.h"
#include "scrn01/store/datafile.h"
#include "scrn01/store/dlgtext.h"
#include "scrn01/store/msglog.h"
#include "scrn01/store/regstore.h"
#include "scrnsave/scrnsave.h"

#include <commctrl.h>
#include <cstdio>
#include <iterator>

int tabpg = 0;
const int PageCount = 2;  // tab items: Section, General

// The colour of the tab control's body, for the controls that lie on it.
static HBRUSH PageBrush;
static COLORREF PageColour;

// Slider notifications are taken only once every control shows its value.
static bool DlgReady = false;

// ---- Controls ----

void EnableIds(HWND hDlg, const int* ids, int n, bool on)
{
    for (int i = 0; i < n; i++)
        EnableWindow(GetDlgItem(hDlg, ids[i]), on);
}

void ShowIds(HWND hDlg, const int* ids, int n, bool on)
{
    for (int i = 0; i < n; i++)
        ShowWindow(GetDlgItem(hDlg, ids[i]), on ? SW_SHOW : SW_HIDE);
}

void SetCheck(HWND hDlg, int id, bool on)
{
    CheckDlgButton(hDlg, id, on ? BST_CHECKED : BST_UNCHECKED);
}

void SetRadio(HWND hDlg, int first, int last, int i)
{
    CheckRadioButton(hDlg, first, last, first + i);
}

void SetNumber(HWND hDlg, int id, int v)
{
    snprintf(bf1, sizeof bf1, "%d", v);
    SetDlgItemTextA(hDlg, id, bf1);
}

void ChangeTypeSet(HWND hDlg, int first, int& type)
{
    if (type < 1 || type > 3)
        type = 1;
    SetRadio(hDlg, first, first + 2, type - 1);
}

// ---- Slider family ----

struct SliderDef {
    int id;     // trackbar
    int numId;  // number display
    int lo, hi;
    int* field;   // the value, or the first of the pattern rows
    bool perRow;  // field is a pattern array, entry m_nFidx
};

static const SliderDef Sliders[SliderCount] = {
    {IDC_PGLBAR, IDC_PGLNO, 1, 30, &m_nPGL, false},
    {IDC_FISHBAR, IDC_FISHNO, 1, 100, &m_nFish, false},
    {IDC_FGSIZBAR, IDC_FGSIZNO, 50, 300, &m_nFGSiz, false},
    {IDC_FQUABAR, IDC_FQUANO, 0, 100, m_nFqua, true},
    {IDC_FSIZBAR, IDC_FSIZNO, 50, 500, m_nFsiz, true},
    {IDC_FDISBAR, IDC_FDISNO, 0, 50, m_nFdis, true},
    {IDC_BKSPEEDBAR, IDC_BKSPEEDNO, 1, 500, &m_nBackCS, false},
    {IDC_SSPEEDBAR, IDC_SSPEEDNO, 1, 50, &m_nSSpe, false},
};

static int& SliderField(const SliderDef& s)
{
    if (!s.perRow)
        return *s.field;
    FidxChk();
    return s.field[m_nFidx];
}

void SliderRange(HWND hDlg, int s)
{
    SendDlgItemMessageA(hDlg, Sliders[s].id, TBM_SETRANGE, TRUE,
                        MAKELPARAM(Sliders[s].lo, Sliders[s].hi));
}

void SliderNN(HWND hDlg, int s)
{
    SetNumber(hDlg, Sliders[s].numId, SliderField(Sliders[s]));
}

void SliderPos(HWND hDlg, int s)
{
    SendDlgItemMessageA(hDlg, Sliders[s].id, TBM_SETPOS, TRUE, SliderField(Sliders[s]));
    SliderNN(hDlg, s);
}

// Any notification of a slider re-reads it. A stored value outside the range
// is kept while the thumb rests where it was put (the range end nearest to
// it); it changes once the user moves the thumb.
static bool SliderNotify(HWND hDlg, int id)
{
    for (int s = 0; s < SliderCount; s++) {
        const SliderDef& d = Sliders[s];
        if (d.id != id)
            continue;
        int pos = (int)SendDlgItemMessageA(hDlg, id, TBM_GETPOS, 0, 0);
        int& v = SliderField(d);
        int shown = v < d.lo ? d.lo : v > d.hi ? d.hi : v;
        if (pos != shown)
            v = pos;
        SliderNN(hDlg, s);
        return true;
    }
    return false;
}

// clang-format off
void PGLSliderPos(HWND hDlg) { SliderPos(hDlg, SlPGL); }
void PGLSliderNN(HWND hDlg) { SliderNN(hDlg, SlPGL); }
void FishSliderPos(HWND hDlg) { SliderPos(hDlg, SlFish); }
void FishSliderNN(HWND hDlg) { SliderNN(hDlg, SlFish); }
void GeneralSizeSliderPos(HWND hDlg) { SliderPos(hDlg, SlFGSiz); }
void GeneralSizeSliderNN(HWND hDlg) { SliderNN(hDlg, SlFGSiz); }
void QuantitySliderPos(HWND hDlg) { SliderPos(hDlg, SlFqua); }
void QuantitySliderNN(HWND hDlg) { SliderNN(hDlg, SlFqua); }
void SizeSliderPos(HWND hDlg) { SliderPos(hDlg, SlFsiz); }
void SizeSliderNN(HWND hDlg) { SliderNN(hDlg, SlFsiz); }
void DispersionSliderPos(HWND hDlg) { SliderPos(hDlg, SlFdis); }
void DispersionSliderNN(HWND hDlg) { SliderNN(hDlg, SlFdis); }
void BackColorSliderPos(HWND hDlg) { SliderPos(hDlg, SlBackCS); }
void BackColorSliderNN(HWND hDlg) { SliderNN(hDlg, SlBackCS); }
void ScrollChangeSpeedPos(HWND hDlg) { SliderPos(hDlg, SlSSpe); }
void ScrollChangeSpeedNN(HWND hDlg) { SliderNN(hDlg, SlSSpe); }
// clang-format on

void SliderSet(HWND hDlg)
{
    for (int s = 0; s < SliderCount; s++) {
        if (s == SlFish)
            FishSliderSet(hDlg);
        else
            SliderRange(hDlg, s);
    }
    for (int k = 0; k < WatSlotMax; k++)
        BackColorSpinRange(hDlg, k);
}

// ---- Pages ----

static const int SectionSet[] = {
    IDC_SETLABEL,   IDC_SETNO,     IDC_SETNEXT,    IDC_SETPREV,   IDC_SCENEBOX,  IDC_LENGTHBOX,
    IDC_REPBOX,     IDC_PGLRND,    IDC_PGLNO,      IDC_PGLSHORT,  IDC_PGLLONG,   IDC_PGLBAR,
    IDC_REPANY,     IDC_REPLUMP,   IDC_FCBOX,      IDC_ROWLABEL,  IDC_ROWNO,     IDC_ROWNEXT,
    IDC_ROWPREV,    IDC_FISHMARK,  IDC_KINDDOWN,   IDC_KINDUP,    IDC_FQUABOX,   IDC_FREA,
    IDC_FQUANO,     IDC_FQUASMALL, IDC_FQUAMANY,   IDC_FQUABAR,   IDC_SIZEBOX,   IDC_FSIZLABEL,
    IDC_FSIZNO,     IDC_FSIZSMALL, IDC_FSIZBIG,    IDC_FSIZBAR,   IDC_FDISLABEL, IDC_FDISNO,
    IDC_FDISSMALL,  IDC_FDISBIG,   IDC_FDISBAR,    IDC_FISHBOX,   IDC_FISHNO,    IDC_FISHSMALL,
    IDC_FISHMANY,   IDC_FISHBAR,   IDC_FISHMAX,    IDC_FGSIZBOX,  IDC_FGSIZNO,   IDC_FGSIZSMALL,
    IDC_FGSIZBIG,   IDC_FGSIZBAR,  IDC_BKBOX,      IDC_BKTYPEBOX, IDC_BKRANDOM,  IDC_BKROUND,
    IDC_BKREPEAT,   IDC_BKFF,      IDC_BKSPEEDBOX, IDC_BKSPEEDNO, IDC_BKFAST,    IDC_BKSLOW,
    IDC_BKSPEEDBAR,
};

static const int GeneralSet[] = {
    IDC_PGON,      IDC_DIRECTSIZE,  IDC_GUESTFISH, IDC_PGBOX,       IDC_PGPREV,   IDC_PGNEXT,
    IDC_PGRESET,   IDC_PGROW0,      IDC_PGROW1,    IDC_PGTYPEBOX,   IDC_PGRANDOM, IDC_PGROUND,
    IDC_PGREPEAT,  IDC_PGFF,        IDC_SCREENBOX, IDC_HEIGHTBOX,   IDC_HLOW,     IDC_HMIDUM,
    IDC_HHIGH,     IDC_HFULL,       IDC_SSPEEDBOX, IDC_SSPEEDNO,    IDC_SSFAST,   IDC_SSSLOW,
    IDC_SSPEEDBAR, IDC_PICSCALEBOX, IDC_PICSCALE,  IDC_OTHERMONBOX, IDC_OTHERMON,
};

// The ten-of-a-kind controls of each page.
static void ShowSlots(HWND hDlg, const int* firsts, int n, bool on)
{
    for (int k = 0; k < WatSlotMax; k++)
        for (int i = 0; i < n; i++)
            ShowWindow(GetDlgItem(hDlg, firsts[i] + k), on ? SW_SHOW : SW_HIDE);
}

// A disabled control passes the focus on, as Tab would.
static void FocusOn(HWND hDlg, int id)
{
    HWND h = GetDlgItem(hDlg, id);
    if (!IsWindowEnabled(h))
        h = GetNextDlgTabItem(hDlg, h, FALSE);
    SendMessageA(hDlg, WM_NEXTDLGCTL, (WPARAM)h, TRUE);
}

void DlgTabini(HWND hTab)
{
    TCITEMA item;
    ZeroMemory(&item, sizeof item);
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.iImage = -1;
    item.pszText = DLT_EachScene;
    SendMessageA(hTab, TCM_INSERTITEMA, 0, (LPARAM)&item);
    item.pszText = DLT_General;
    SendMessageA(hTab, TCM_INSERTITEMA, 1, (LPARAM)&item);
}

void DlgTagDsp(HWND hDlg, int Tg1)
{
    bool dspf2 = Tg1 == PageSection;  // Add and Delete
    bool dspf3 = Tg1 == PageSection;  // Section page
    bool dspf4 = Tg1 == PageGeneral;  // General page
    static const int addDel[] = {IDC_SETADD, IDC_SETDEL};
    static const int sectionSlots[] = {IDC_BKLABEL0, IDC_BKCHK0, IDC_BKPIC0, IDC_BKSPIN0};
    static const int generalSlots[] = {IDC_PGSLOT0, IDC_PGUP0, IDC_PGDOWN0};

    ShowIds(hDlg, addDel, (int)std::size(addDel), dspf2);
    ShowIds(hDlg, SectionSet, (int)std::size(SectionSet), dspf3);
    ShowSlots(hDlg, sectionSlots, (int)std::size(sectionSlots), dspf3);
    ShowIds(hDlg, GeneralSet, (int)std::size(GeneralSet), dspf4);
    ShowSlots(hDlg, generalSlots, (int)std::size(generalSlots), dspf4);
    if (!GuestCheck())
        ShowWindow(GetDlgItem(hDlg, IDC_GUESTFISH), SW_HIDE);
    if (m_nFullSCf == 0)
        ShowWindow(GetDlgItem(hDlg, IDC_HFULL), SW_HIDE);
    // Group frames do not hide what lies beneath them: paint the page afresh
    // so that the tab control's body never covers a frame.
    RedrawWindow(hDlg, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    // The focus moves once the page is up, so that it never rests on a hidden control.
    if (dspf2)
        FocusOn(hDlg, IDC_PGLBAR);
    if (dspf4)
        FocusOn(hDlg, IDC_DIRECTSIZE);
}

static void TabNotify(HWND hDlg)
{
    int item = (int)SendDlgItemMessageA(hDlg, IDC_TAB, TCM_GETCURFOCUS, 0, 0);
    if (item == tabpg)
        return;
    tabpg = item;
    if (item == 0)
        DlgTagDsp(hDlg, PageSection);
    else if (item == 1)
        DlgTagDsp(hDlg, PageGeneral);
}

// ---- Keyboard ----

// The dialog's modal loop hands each message to this thread's message filter
// before the dialog manager sees it. Ctrl+Tab and Ctrl+Shift+Tab turn the
// page; the up and down keys go to a focused spin, which has no buddy and so
// does not ask the dialog manager for them.
static HWND KeyDlg;
static HHOOK KeyHook;

static void PageTurn(HWND hDlg, int d)
{
    int item = ((tabpg + d) % PageCount + PageCount) % PageCount;
    SendDlgItemMessageA(hDlg, IDC_TAB, TCM_SETCURFOCUS, (WPARAM)item, 0);
    TabNotify(hDlg);
}

static LRESULT CALLBACK DlgKeys(int code, WPARAM wParam, LPARAM lParam)
{
    MSG* m = (MSG*)lParam;
    if (code == MSGF_DIALOGBOX && m->message == WM_KEYDOWN && KeyDlg &&
        (m->hwnd == KeyDlg || IsChild(KeyDlg, m->hwnd))) {
        if (m->wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
            PageTurn(KeyDlg, GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
            return 1;
        }
        int id = GetDlgCtrlID(m->hwnd);
        if ((m->wParam == VK_UP || m->wParam == VK_DOWN) && id >= IDC_BKSPIN0 &&
            id < IDC_BKSPIN0 + WatSlotMax) {
            DispatchMessageA(m);
            return 1;
        }
    }
    return CallNextHookEx(KeyHook, code, wParam, lParam);
}

static void KeysOn(HWND hDlg)
{
    KeyDlg = hDlg;
    if (!KeyHook)
        KeyHook = SetWindowsHookExA(WH_MSGFILTER, DlgKeys, nullptr, GetCurrentThreadId());
}

static void KeysOff()
{
    if (KeyHook)
        UnhookWindowsHookEx(KeyHook);
    KeyHook = nullptr;
    KeyDlg = nullptr;
}

// A button its own command disables (the last set, the end of a slot's
// range) drops the focus; it goes on to the next control, as Tab would take it.
static void FocusKeep(HWND hDlg, HWND from)
{
    // The control's own style: the dialog is still hidden while it opens.
    HWND f = GetFocus();
    if (f && IsWindowEnabled(f) && (GetWindowLongA(f, GWL_STYLE) & WS_VISIBLE))
        return;
    HWND next = from ? GetNextDlgTabItem(hDlg, from, FALSE) : nullptr;
    if (next)
        SendMessageA(hDlg, WM_NEXTDLGCTL, (WPARAM)next, TRUE);
}

// The dialog, its labels, checks and sliders paint their background in the
// colour of the tab control's body, as it draws itself (plain or themed), so
// that the pages read as one surface.
static void PageColourSet(HWND hDlg)
{
    HWND tab = GetDlgItem(hDlg, IDC_TAB);
    RECT r;
    GetClientRect(tab, &r);
    RECT body = r;
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, (LPARAM)&body);
    PageColour = GetSysColor(COLOR_3DFACE);
    HDC wdc = GetDC(tab);
    HDC mem = CreateCompatibleDC(wdc);
    HBITMAP bm = CreateCompatibleBitmap(wdc, r.right, r.bottom);
    HGDIOBJ old = SelectObject(mem, bm);
    FillRect(mem, &r, GetSysColorBrush(COLOR_3DFACE));
    SendMessageA(tab, WM_PRINTCLIENT, (WPARAM)mem, PRF_CLIENT | PRF_ERASEBKGND);
    COLORREF c = GetPixel(mem, (body.left + body.right) / 2, (body.top + body.bottom) / 2);
    if (c != CLR_INVALID)
        PageColour = c;
    SelectObject(mem, old);
    DeleteObject(bm);
    DeleteDC(mem);
    ReleaseDC(tab, wdc);
    if (PageBrush)
        DeleteObject(PageBrush);
    PageBrush = CreateSolidBrush(PageColour);
}

// ---- Set refresh ----

void SetRefresh(HWND hDlg)
{
    Genset(1);
    FidxChk();
    Watset(1);
    SetNoSet(hDlg);
    PGCSet(hDlg);
    PGLRndFlgSet(hDlg);
    PGLSliderPos(hDlg);
    FishSliderPos(hDlg);
    GeneralSizeSliderPos(hDlg);
    FishNoSet(hDlg);
    FishMarkSet(hDlg);
    RealNumberCheckSet(hDlg);
    QuantitySliderPos(hDlg);
    SizeSliderPos(hDlg);
    DispersionSliderPos(hDlg);
    FishPattrnDOWNPSet(hDlg);
    FishPattrnUPSet(hDlg);
    FDOWNSet(hDlg);
    FUPSet(hDlg);
    BackColorChangeSet(hDlg);
    BackColorCheckSetini(hDlg);
    BackColorPicSetini(hDlg);
    BackColorSliderPos(hDlg);
    BackCKSet(hDlg);
    BackColorFFCheckSet(hDlg);
    BackColorSpinSet(hDlg);
}

// ---- Opening ----

static void LoadSettings()
{
    RegUserSet();
    m_nMsgon = 1;
    TMRndm();

    int r = RegDirSet();
    if (r == 1)
        MsgWrt1(19, Msg004, "(No Directory)", 0);
    else if (r > 2)
        MsgWrt1(19, Msg004, "", 0);

    FileRead1();

    r = RegFlgRead();
    if (r == 3 || r == 4)
        MsgWrt1(20, Msg004, "", 0);
    else if (r > 4)
        MsgWrt1(21, Msg004, "", 0);

    if (uskgn2 == 0) {
        r = RegRead(1);
        if (r >= 1 && r <= 4)
            MsgWrt1(24, Msg004, "", 0);
        else if (r != 0)
            MsgWrt1(25, Msg004, "", 0);
    } else {
        RegNoRead();
    }

    DataRead(1);
    Genset(1);
    // A hand-edited record may name a row past the table.
    FidxChk();
    Watset(1);
}

static void ShowAll(HWND hDlg)
{
    SetNoSet(hDlg);
    FishPattrnDOWNPSet(hDlg);
    FishPattrnUPSet(hDlg);
    PGLSliderPos(hDlg);
    PGLRndFlgSet(hDlg);
    PGCSet(hDlg);
    FishSliderPos(hDlg);
    FishMarkSet(hDlg);
    FishNoSet(hDlg);
    RealNumberCheckSet(hDlg);
    QuantitySliderPos(hDlg);
    SizeSliderPos(hDlg);
    DispersionSliderPos(hDlg);
    BackColorCheckSetini(hDlg);
    BackColorPicSetini(hDlg);
    BackColorSpinSet(hDlg);
    BackColorChangeSet(hDlg);
    BackColorFFCheckSet(hDlg);
    BackColorSliderPos(hDlg);
    BackCKSet(hDlg);
    GeneralSizeFlgSet(hDlg);
    GeneralSizeSliderPos(hDlg);
    GuestFishSet(hDlg);
    ScreenHeightSet(hDlg);
    ScrollChangeSpeedPos(hDlg);
    OtherMonitorsSet(hDlg);
    PictureScaleSet(hDlg);
    PgonFlgSet(hDlg);
    ProgramChangeTypeSet(hDlg);
    ProgramFFCheckSet(hDlg);
    PGpageSet(hDlg);
    FDOWNSet(hDlg);
    FUPSet(hDlg);
}

static void InitDialog(HWND hDlg)
{
    DlgReady = false;
    LoadSettings();
    ButtonMarkSetini(hDlg);
    FishMarkSetini();
    BackColorSetini();
    DlgTextSetini(hDlg);
    PictureScaleSetini(hDlg);
    OtherMonitorsSetini(hDlg);
    SliderSet(hDlg);
    HWND hTab = GetDlgItem(hDlg, IDC_TAB);
    DlgTabini(hTab);
    PageColourSet(hDlg);
    tabpg = 0;
    DlgTagDsp(hDlg, PageSection);
    EnableWindow(hTab, TRUE);
    ShowAll(hDlg);
    // With the program off the scene length, which took the focus, is disabled.
    FocusKeep(hDlg, GetDlgItem(hDlg, IDC_PGLBAR));
    if (uskgn2)
        EnableWindow(GetDlgItem(hDlg, IDOK), FALSE);
    KeysOn(hDlg);
    DlgReady = true;
}

// ---- Hooks ----

BOOL WINAPI RegisterDialogClasses(HANDLE)
{
    return TRUE;
}

static void Command(HWND hDlg, int id)
{
    switch (id) {
    case IDOK:
        if (uskgn2)
            return;  // not installed: nothing can be saved
        SaveSettings();
        EndDialog(hDlg, 0);
        return;
    case IDCANCEL:
        EndDialog(hDlg, 0);
        return;
    default:
        if (!SetsCommand(hDlg, id) && !FishCommand(hDlg, id))
            ScreenCommand(hDlg, id);
        FocusKeep(hDlg, GetDlgItem(hDlg, id));
        return;
    }
}

static void Notify(HWND hDlg, int id, const NMHDR* nm)
{
    if (id == IDC_TAB) {
        TabNotify(hDlg);
        return;
    }
    if (!DlgReady)
        return;
    if (id >= IDC_BKSPIN0 && id < IDC_BKSPIN0 + WatSlotMax) {
        BackColorSpinNotify(hDlg, id - IDC_BKSPIN0, nm ? nm->code : 0);
        return;
    }
    SliderNotify(hDlg, id);
}

// A trackbar or spin reports its move at once, before the repaint that
// notifies: a key stroke followed at once by Enter saves what it shows.
static void Scrolled(HWND hDlg, HWND ctl)
{
    if (!DlgReady || !ctl)
        return;
    int id = GetDlgCtrlID(ctl);
    if (id >= IDC_BKSPIN0 && id < IDC_BKSPIN0 + WatSlotMax)
        BackColorSpinRead(hDlg, id - IDC_BKSPIN0);
    else
        SliderNotify(hDlg, id);
}

INT_PTR WINAPI ScreenSaverConfigureDialog(HWND hDlg, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        InitDialog(hDlg);
        return FALSE;
    case WM_COMMAND:
        Command(hDlg, LOWORD(wParam));
        return FALSE;
    case WM_NOTIFY:
        Notify(hDlg, (int)wParam, (const NMHDR*)lParam);
        return FALSE;
    case WM_HSCROLL:
    case WM_VSCROLL:
        Scrolled(hDlg, (HWND)lParam);
        return TRUE;
    case WM_SPINREAD:
        if (DlgReady)
            BackColorSpinRead(hDlg, (int)wParam);
        return TRUE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (!PageBrush)
            return FALSE;
        SetBkColor((HDC)wParam, PageColour);
        return (INT_PTR)PageBrush;
    case WM_DRAWITEM:
        PgRowDraw(hDlg, (const DRAWITEMSTRUCT*)lParam);
        return TRUE;
    case WM_CLOSE:
        EndDialog(hDlg, 0);
        return FALSE;
    case WM_DESTROY:
        KeysOff();
        return FALSE;
    }
    return FALSE;
}
