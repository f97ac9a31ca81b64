// Configuration dialog: screen height, scroll speed, picture scale and the other monitors
// (General page), and the back-colour block of the current set (Section page).
#include "scrn01/dialog/dialog.h"
#include "scrn01/dialog/dlgedit.h"
#include "scrn01/settings/records.h"
#include "scrn01/store/regstore.h"

#include <commctrl.h>
#include <iterator>

// Screen heights: 0 Low, 1 Midum, 2 High, 3 Full, shown by the radios from IDC_HLOW on.
const int HeightMidum = 1;
const int HeightHigh = 2;
const int HeightFull = 3;

void ScreenHeightSet(HWND hDlg)
{
    if (m_nFullSCf == 0 && m_nSHf == HeightFull)
        m_nSHf = HeightHigh;
    int top = m_nFullSCf == 0 ? IDC_HHIGH : IDC_HFULL;
    if (m_nSHf < 0 || m_nSHf > top - IDC_HLOW)
        m_nSHf = HeightMidum;
    SetRadio(hDlg, IDC_HLOW, top, m_nSHf);
    static const int height[] = {IDC_HLOW,  IDC_HMIDUM,    IDC_HHIGH,
                                 IDC_HFULL, IDC_SCREENBOX, IDC_HEIGHTBOX};
    EnableIds(hDlg, height, (int)std::size(height), true);
    static const int speed[] = {IDC_SSPEEDBAR, IDC_SSFAST, IDC_SSSLOW, IDC_SSPEEDBOX, IDC_SSPEEDNO};
    EnableIds(hDlg, speed, (int)std::size(speed), m_nSHf != HeightFull);
    if (m_nFullSCf == 0) {
        EnableWindow(GetDlgItem(hDlg, IDC_HFULL), FALSE);
        ShowWindow(GetDlgItem(hDlg, IDC_HFULL), SW_HIDE);
    }
}

// The choices of a drop-down list, item i standing for value values[i].
struct Choices {
    int id;
    const char* const* texts;
    const int* values;
    int n;
};
static const char* const PicScaleTexts[] = {"Auto", "1", "2", "3", "4"};
static const int PicScaleValues[] = {0, 1, 2, 3, 4};  // 0 follows the display scaling
static const char* const OtherMonTexts[] = {"Same Picture", "One Aquarium", "Black"};
static const int OtherMonValues[] = {1, 2, 0};
static const Choices PicScaleList = {IDC_PICSCALE, PicScaleTexts, PicScaleValues,
                                     (int)std::size(PicScaleValues)};
static const Choices OtherMonList = {IDC_OTHERMON, OtherMonTexts, OtherMonValues,
                                     (int)std::size(OtherMonValues)};

static void ChoicesSetini(HWND hDlg, const Choices& c)
{
    for (int i = 0; i < c.n; i++)
        SendDlgItemMessageA(hDlg, c.id, CB_ADDSTRING, 0, (LPARAM)c.texts[i]);
}

// Shows value v; one the list does not offer becomes that of the first item.
static void ChoicesSet(HWND hDlg, const Choices& c, int& v)
{
    int i = 0;
    while (i < c.n && c.values[i] != v)
        i++;
    if (i == c.n)
        i = 0;
    v = c.values[i];
    SendDlgItemMessageA(hDlg, c.id, CB_SETCURSEL, (WPARAM)i, 0);
}

// Any notification: the list shows what is chosen, also after a cancel.
static void ChoicesRead(HWND hDlg, const Choices& c, int& v)
{
    LRESULT i = SendDlgItemMessageA(hDlg, c.id, CB_GETCURSEL, 0, 0);
    if (i >= 0 && i < c.n)
        v = c.values[i];
}

void OtherMonitorsSetini(HWND hDlg)
{
    ChoicesSetini(hDlg, OtherMonList);
}

void OtherMonitorsSet(HWND hDlg)
{
    ChoicesSet(hDlg, OtherMonList, m_nOtherMon);
}

void PictureScaleSetini(HWND hDlg)
{
    ChoicesSetini(hDlg, PicScaleList);
}

void PictureScaleSet(HWND hDlg)
{
    ChoicesSet(hDlg, PicScaleList, m_nPicScale);
}

void BackColorCheckSet(HWND hDlg, int k)
{
    int& on = m_nBackCF[IdxChk()][k];
    FlagChk(on);
    SetCheck(hDlg, IDC_BKCHK0 + k, on == 1);
}

void BackColorCheckSetini(HWND hDlg)
{
    for (int k = 0; k < WatSlotMax; k++)
        BackColorCheckSet(hDlg, k);
}

void BackColorPicSetini(HWND hDlg)
{
    for (int k = 0; k < WatSlotMax; k++)
        BackColorPicSet(hDlg, k);
}

// Upper end 0, lower end 31: the upper arrow steps toward picture 0.
void BackColorSpinRange(HWND hDlg, int k)
{
    SendDlgItemMessageA(hDlg, IDC_BKSPIN0 + k, UDM_SETRANGE, 0, MAKELPARAM(0, BackMax - 1));
}

void BackColorSpinPos(HWND hDlg, int k)
{
    SendDlgItemMessageA(hDlg, IDC_BKSPIN0 + k, UDM_SETPOS, 0, MAKELPARAM(m_nBackCC[k], 0));
}

void BackColorSpinSet(HWND hDlg)
{
    for (int k = 0; k < WatSlotMax; k++)
        BackColorSpinPos(hDlg, k);
}

void BackColorSpinRead(HWND hDlg, int k)
{
    if (k < 0 || k >= WatSlotMax)
        return;
    LRESULT pos = SendDlgItemMessageA(hDlg, IDC_BKSPIN0 + k, UDM_GETPOS, 0, 0);
    m_nBackCC[k] = (short)LOWORD(pos);
    BackColorPicSet(hDlg, k);
}

void BackColorSpinNotify(HWND hDlg, int k, UINT code)
{
    // The step announced by UDN_DELTAPOS is made after this returns.
    if (code == UDN_DELTAPOS)
        PostMessageA(hDlg, WM_SPINREAD, (WPARAM)k, 0);
    else
        BackColorSpinRead(hDlg, k);
}

void BackColorChangeSet(HWND hDlg)
{
    ChangeTypeSet(hDlg, IDC_BKRANDOM, m_nBackCX);
}

void BackColorFFCheckSet(HWND hDlg)
{
    SetCheck(hDlg, IDC_BKFF, m_nBackCZ != 0);
    EnableWindow(GetDlgItem(hDlg, IDC_BKFF), m_nBackCK > 1 && m_nBackCX != 1);
}

void BackCKSet(HWND hDlg)
{
    static const int ids[] = {IDC_BKSPEEDNO, IDC_BKSPEEDBAR, IDC_BKFAST,
                              IDC_BKSLOW,    IDC_BKRANDOM,   IDC_BKROUND,
                              IDC_BKREPEAT,  IDC_BKTYPEBOX,  IDC_BKSPEEDBOX};
    EnableIds(hDlg, ids, (int)std::size(ids), m_nBackCK > 1);
}

bool ScreenCommand(HWND hDlg, int id)
{
    if (id >= IDC_BKCHK0 && id < IDC_BKCHK0 + WatSlotMax) {
        int k = id - IDC_BKCHK0;
        BackSlotToggle(k);
        BackCKSet(hDlg);
        BackColorFFCheckSet(hDlg);
        BackColorCheckSet(hDlg, k);
        return true;
    }
    if (id >= IDC_HLOW && id <= IDC_HFULL) {
        m_nSHf = id - IDC_HLOW;
        ScreenHeightSet(hDlg);
        return true;
    }
    switch (id) {
    case IDC_BKRANDOM:
    case IDC_BKROUND:
    case IDC_BKREPEAT:
        m_nBackCX = id - IDC_BKRANDOM + 1;
        BackColorChangeSet(hDlg);
        BackColorFFCheckSet(hDlg);
        return true;
    case IDC_BKFF:
        m_nBackCZ = FlagToggle(m_nBackCZ);
        BackColorFFCheckSet(hDlg);
        return true;
    case IDC_OTHERMON:
        ChoicesRead(hDlg, OtherMonList, m_nOtherMon);
        return true;
    case IDC_PICSCALE:
        ChoicesRead(hDlg, PicScaleList, m_nPicScale);
        return true;
    }
    return false;
}
