// Configuration dialog: set number, Add and Delete, the scene values of the
// current set (length, random length, replacement) and the scene program.
#include "scrn01/dialog/dialog.h"
#include "scrn01/dialog/dlgedit.h"
#include "scrn01/settings/program.h"
#include "scrn01/settings/records.h"
#include "scrn01/store/dlgtext.h"

#include <cstring>
#include <iterator>

// Row labels of the program pages: page p shows rows 2(p-1) and 2(p-1)+1.
static const char DLG_PGNO[2 * PgPageMax][32] = {
    "  1      2      3      4      5", "  6      7      8      9     10",
    " 11     12     13     14     15", " 16     17     18     19     20",
    " 21     22     23     24     25", " 26     27     28     29     30",
    " 31     32     33     34     35", " 36     37     38     39     40",
    " 41     42     43     44     45", " 46     47     48     49     50",
};

void SetNoSet(HWND hDlg)
{
    SetNumber(hDlg, IDC_SETNO, m_nIdx + 1);
    static const int label[] = {IDC_SETLABEL, IDC_SETNO};
    EnableIds(hDlg, label, (int)std::size(label), true);
    EnableWindow(GetDlgItem(hDlg, IDC_SETPREV), m_nIdx > 0);
    // Add stays disabled once the store's fifty sets exist.
    bool last = m_nIdx >= m_nPGMax;
    EnableWindow(GetDlgItem(hDlg, IDC_SETNEXT), !last);
    EnableWindow(GetDlgItem(hDlg, IDC_SETADD), SetAddOffered());
}

void PGLRndFlgSet(HWND hDlg)
{
    FlagChk(m_nPGRnd);
    SetCheck(hDlg, IDC_PGLRND, m_nPGRnd == 1);
}

void PGCSet(HWND hDlg)
{
    if (m_nPGC != 0 && m_nPGC != 1)
        m_nPGC = 0;
    SetRadio(hDlg, IDC_REPANY, IDC_REPLUMP, m_nPGC);
}

void PgonFlgSet(HWND hDlg)
{
    FlagChk(m_nPgon);
    SetCheck(hDlg, IDC_PGON, m_nPgon == 1);
    EnableWindow(GetDlgItem(hDlg, IDC_PGON), TRUE);
    static const int ids[] = {
        IDC_REPANY,  IDC_REPLUMP,   IDC_PGLRND, IDC_PGLBAR,    IDC_PGLSHORT,
        IDC_PGLLONG, IDC_LENGTHBOX, IDC_REPBOX, IDC_SCENEBOX,  IDC_PGLNO,
        IDC_PGBOX,   IDC_PGROW0,    IDC_PGROW1, IDC_PGTYPEBOX, IDC_PGRANDOM,
        IDC_PGROUND, IDC_PGREPEAT,  IDC_PGPREV, IDC_PGNEXT,    IDC_PGRESET,
    };
    bool on = m_nPgon != 0;
    EnableIds(hDlg, ids, (int)std::size(ids), on);
    for (int k = 0; k < PgPageSlots; k++) {
        EnableWindow(GetDlgItem(hDlg, IDC_PGSLOT0 + k), on);
        EnableWindow(GetDlgItem(hDlg, IDC_PGUP0 + k), on);
        EnableWindow(GetDlgItem(hDlg, IDC_PGDOWN0 + k), on);
    }
}

void PGpageSet(HWND hDlg)
{
    if (m_nPgon == 0) {
        EnableWindow(GetDlgItem(hDlg, IDC_PGPREV), FALSE);
        EnableWindow(GetDlgItem(hDlg, IDC_PGNEXT), FALSE);
    } else {
        EnableWindow(GetDlgItem(hDlg, IDC_PGPREV), m_nPgpage > 1);
        EnableWindow(GetDlgItem(hDlg, IDC_PGNEXT), m_nPgpage < PgPageMax);
    }
    int page = m_nPgpage < 1 || m_nPgpage > PgPageMax ? 1 : m_nPgpage;
    SetDlgItemTextA(hDlg, IDC_PGROW0, DLG_PGNO[2 * (page - 1)]);
    SetDlgItemTextA(hDlg, IDC_PGROW1, DLG_PGNO[2 * (page - 1) + 1]);
    for (int k = 0; k < PgPageSlots; k++)
        PGpSet(hDlg, k);
}

void PGpSet(HWND hDlg, int k)
{
    int v = PgSlot(k);
    if (v == 0)
        SetDlgItemTextA(hDlg, IDC_PGSLOT0 + k, DLT_Off);
    else
        SetNumber(hDlg, IDC_PGSLOT0 + k, v);
    HWND value = GetDlgItem(hDlg, IDC_PGSLOT0 + k);
    HWND up = GetDlgItem(hDlg, IDC_PGUP0 + k);
    HWND down = GetDlgItem(hDlg, IDC_PGDOWN0 + k);
    if (m_nPgon == 0) {
        EnableWindow(value, FALSE);
        EnableWindow(up, FALSE);
        EnableWindow(down, FALSE);
        return;
    }
    EnableWindow(value, TRUE);
    EnableWindow(up, v <= m_nPGMax);
    EnableWindow(down, v > 0);
}

void ProgramChangeTypeSet(HWND hDlg)
{
    ChangeTypeSet(hDlg, IDC_PGRANDOM, m_nPGType);
}

void ProgramFFCheckSet(HWND hDlg)
{
    SetCheck(hDlg, IDC_PGFF, m_nPGFL != 0);
    EnableWindow(GetDlgItem(hDlg, IDC_PGFF), m_nPGType != 1 && m_nPgon != 0);
}

void PgRowDraw(HWND hDlg, const DRAWITEMSTRUCT* di)
{
    if (di->CtlID != IDC_PGROW0 && di->CtlID != IDC_PGROW1)
        return;
    int first = di->CtlID == IDC_PGROW0 ? 0 : PgPageSlots / 2;
    char text[sizeof DLG_PGNO[0]];
    GetWindowTextA(di->hwndItem, text, (int)sizeof text);

    HDC dc = di->hDC;
    // The background every label of the page gets.
    HBRUSH back = (HBRUSH)SendMessageA(hDlg, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)di->hwndItem);
    FillRect(dc, &di->rcItem, back ? back : GetSysColorBrush(COLOR_3DFACE));
    HGDIOBJ oldFont = SelectObject(dc, (HFONT)SendMessageA(hDlg, WM_GETFONT, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor((di->itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    RECT label;
    GetWindowRect(di->hwndItem, &label);
    // Each number centred over the value of its slot.
    char* save = nullptr;
    int k = first;
    for (char* n = strtok_r(text, " ", &save); n && k < first + PgPageSlots / 2;
         n = strtok_r(nullptr, " ", &save), k++) {
        RECT slot;
        GetWindowRect(GetDlgItem(hDlg, IDC_PGSLOT0 + k), &slot);
        RECT r = di->rcItem;
        r.left = slot.left - label.left;
        r.right = slot.right - label.left;
        DrawTextA(dc, n, -1, &r, DT_CENTER | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    SelectObject(dc, oldFont);
}

bool SetsCommand(HWND hDlg, int id)
{
    if (id >= IDC_PGUP0 && id < IDC_PGUP0 + PgPageSlots) {
        PgSlotStep(id - IDC_PGUP0, 1);
        PGpSet(hDlg, id - IDC_PGUP0);
        return true;
    }
    if (id >= IDC_PGDOWN0 && id < IDC_PGDOWN0 + PgPageSlots) {
        PgSlotStep(id - IDC_PGDOWN0, -1);
        PGpSet(hDlg, id - IDC_PGDOWN0);
        return true;
    }
    switch (id) {
    case IDC_PGLRND:
        m_nPGRnd = FlagToggle(m_nPGRnd);
        return true;
    case IDC_REPANY:
    case IDC_REPLUMP:
        m_nPGC = id - IDC_REPANY;
        PGCSet(hDlg);
        return true;
    case IDC_PGON:
        m_nPgon = FlagToggle(m_nPgon);
        PgonFlgSet(hDlg);
        ProgramFFCheckSet(hDlg);
        PGpageSet(hDlg);
        return true;
    case IDC_PGFF:
        m_nPGFL = FlagToggle(m_nPGFL);
        ProgramFFCheckSet(hDlg);
        return true;
    case IDC_PGRANDOM:
    case IDC_PGROUND:
    case IDC_PGREPEAT:
        m_nPGType = id - IDC_PGRANDOM + 1;
        ProgramChangeTypeSet(hDlg);
        ProgramFFCheckSet(hDlg);
        return true;
    case IDC_SETNEXT:
    case IDC_SETPREV:
        SetStep(id == IDC_SETNEXT ? 1 : -1);
        SetRefresh(hDlg);
        return true;
    case IDC_PGPREV:
    case IDC_PGNEXT:
        PgPageStep(id == IDC_PGNEXT ? 1 : -1);
        PGpageSet(hDlg);
        return true;
    case IDC_PGRESET:
        PgReset();
        PGpageSet(hDlg);
        return true;
    case IDC_SETADD:
    case IDC_SETDEL:
        if (id == IDC_SETADD)
            SetAdd();
        else
            SetDelete();
        PGpageSet(hDlg);
        SetRefresh(hDlg);
        return true;
    }
    return false;
}
