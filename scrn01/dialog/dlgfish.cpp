// Configuration dialog: the pattern rows of the current set, the fish
// quantity and general size, and the Direct Size and Guest Fish options.
#include "scrn01/dialog/dialog.h"
#include "scrn01/dialog/dlgedit.h"
#include "scrn01/settings/fishtable.h"
#include "scrn01/settings/records.h"
#include "scrn01/store/regstore.h"

#include <iterator>

void FishNoSet(HWND hDlg)
{
    SetNumber(hDlg, IDC_ROWNO, m_nFidx + 1);
}

void FishPattrnDOWNPSet(HWND hDlg)
{
    EnableWindow(GetDlgItem(hDlg, IDC_ROWPREV), m_nFidx > 0);
}

void FishPattrnUPSet(HWND hDlg)
{
    bool on;
    if (m_nFidx >= FTblMax - 1)
        on = false;
    else if (m_nFno[m_nFidx] != 0)
        on = true;
    else
        on = m_nFno[m_nFidx + 1] != 0;
    EnableWindow(GetDlgItem(hDlg, IDC_ROWNEXT), on);
}

void FDOWNSet(HWND hDlg)
{
    EnableWindow(GetDlgItem(hDlg, IDC_KINDDOWN), m_nFno[m_nFidx] > 0);
}

void FUPSet(HWND hDlg)
{
    EnableWindow(GetDlgItem(hDlg, IDC_KINDUP), m_nFno[m_nFidx] < FishMax);
}

void RealNumberCheckSet(HWND hDlg)
{
    FlagChk(m_nFrea[m_nFidx]);
    SetCheck(hDlg, IDC_FREA, m_nFrea[m_nFidx] == 1);
}

void FishSliderSet(HWND hDlg)
{
    SetDlgItemTextA(hDlg, IDC_FISHMAX, "(100)");
    SliderRange(hDlg, SlFish);
}

void GeneralSizeFlgSet(HWND hDlg)
{
    FlagChk(m_nFGSif);
    SetCheck(hDlg, IDC_DIRECTSIZE, m_nFGSif == 1);
    EnableWindow(GetDlgItem(hDlg, IDC_DIRECTSIZE), TRUE);
    static const int sizes[] = {
        IDC_FGSIZBAR,  IDC_FGSIZBOX,  IDC_FGSIZSMALL, IDC_FGSIZBIG, IDC_FGSIZNO,   IDC_FSIZBAR,
        IDC_FSIZLABEL, IDC_FSIZSMALL, IDC_FSIZBIG,    IDC_FDISBAR,  IDC_FDISLABEL, IDC_FDISSMALL,
        IDC_FDISBIG,   IDC_SIZEBOX,   IDC_FSIZNO,     IDC_FDISNO,
    };
    EnableIds(hDlg, sizes, (int)std::size(sizes), m_nFGSif != 1);
}

void GuestFishSet(HWND hDlg)
{
    FlagChk(m_nFgf);
    SetCheck(hDlg, IDC_GUESTFISH, m_nFgf == 1);
    EnableWindow(GetDlgItem(hDlg, IDC_GUESTFISH), GuestCheck());
}

// After a change of row: everything that shows the current row.
static void FishRowRefresh(HWND hDlg)
{
    FishNoSet(hDlg);
    FishMarkSet(hDlg);
    FishPattrnDOWNPSet(hDlg);
    FishPattrnUPSet(hDlg);
    FDOWNSet(hDlg);
    FUPSet(hDlg);
    RealNumberCheckSet(hDlg);
    QuantitySliderPos(hDlg);
    SizeSliderPos(hDlg);
    DispersionSliderPos(hDlg);
}

bool FishCommand(HWND hDlg, int id)
{
    switch (id) {
    case IDC_DIRECTSIZE:
        m_nFGSif = FlagToggle(m_nFGSif);
        GeneralSizeFlgSet(hDlg);
        return true;
    case IDC_ROWNEXT:
    case IDC_ROWPREV:
        FishRowStep(id == IDC_ROWNEXT ? 1 : -1);
        FishRowRefresh(hDlg);
        return true;
    case IDC_KINDDOWN:
    case IDC_KINDUP:
        FishKindStep(id == IDC_KINDUP ? 1 : -1);
        FishMarkSet(hDlg);
        FDOWNSet(hDlg);
        FUPSet(hDlg);
        FishPattrnUPSet(hDlg);
        return true;
    case IDC_FREA:
        m_nFrea[m_nFidx] = FlagToggle(m_nFrea[m_nFidx]);
        return true;
    case IDC_GUESTFISH:
        m_nFgf = FlagToggle(m_nFgf);
        return true;
    }
    return false;
}
