// Set list, program and pattern-row edits of the configuration dialog, and its save.
#include "scrn01/dialog/dlgedit.h"
#include "scrn01/settings/program.h"
#include "scrn01/settings/records.h"
#include "scrn01/store/datafile.h"
#include "scrn01/store/msglog.h"
#include "scrn01/store/regstore.h"

#include <cstdio>

int FlagToggle(int v)
{
    return v == 0 ? 1 : 0;
}

void FlagChk(int& v)
{
    if (v != 0 && v != 1)
        v = 0;
}

bool SetAddOffered()
{
    return m_nIdx >= m_nPGMax && m_nPGMax < SetMax - 1;
}

void SetAdd()
{
    if (!SetAddOffered())
        return;
    Genwrt();
    Watwrt();
    m_nPGMax++;
    m_nIdx = m_nPGMax;
}

void SetStep(int d)
{
    int to = m_nIdx + d;
    if (to < 0 || to > m_nPGMax)
        return;
    Genwrt();
    Watwrt();
    m_nIdx = to;
}

void SetDelete()
{
    int idx = IdxChk();
    for (int i = idx; i < m_nPGMax; i++) {
        snprintf(m_nGen[i], sizeof m_nGen[i], "%s", m_nGen[i + 1]);
        snprintf(m_nWat[i], sizeof m_nWat[i], "%s", m_nWat[i + 1]);
    }
    snprintf(m_nGen[m_nPGMax], sizeof m_nGen[m_nPGMax], "%s%s", m_nGenini2, m_nGenini3);
    snprintf(m_nWat[m_nPGMax], sizeof m_nWat[m_nPGMax], "%s", m_nWatini);
    for (int& slot : m_nPg) {
        if (slot == idx + 1)
            slot = 0;
        if (slot > idx)
            slot--;
    }
    if (m_nPGMax > 0) {
        if (m_nIdx == m_nPGMax)
            m_nIdx--;
        m_nPGMax--;
    }
}

int& PgSlot(int k)
{
    int page = m_nPgpage < 1 || m_nPgpage > PgPageMax ? 1 : m_nPgpage;
    int slot = k < 0 || k >= PgPageSlots ? 0 : k;
    return m_nPg[(page - 1) * PgPageSlots + slot];
}

void PgSlotStep(int k, int d)
{
    int& v = PgSlot(k);
    if (d > 0 && v <= m_nPGMax)
        v++;
    else if (d < 0 && v > 0)
        v--;
}

void PgPageStep(int d)
{
    int to = m_nPgpage + d;
    if (to >= 1 && to <= PgPageMax)
        m_nPgpage = to;
}

void PgReset()
{
    for (int i = 0; i < PgMax; i++)
        m_nPg[i] = i <= m_nPGMax ? i + 1 : 0;
}

void FidxChk()
{
    if (m_nFidx < 0 || m_nFidx >= FTblMax)
        m_nFidx = 0;
}

// Removes the empty current row: the filled rows below it move up one.
static void FishRowCompact()
{
    int i = m_nFidx;
    int j = i + 1;
    while (j < FTblMax && m_nFno[j] != 0) {
        m_nFno[i] = m_nFno[j];
        m_nFrea[i] = m_nFrea[j];
        m_nFqua[i] = m_nFqua[j];
        m_nFsiz[i] = m_nFsiz[j];
        m_nFdis[i] = m_nFdis[j];
        i++;
        j++;
    }
    m_nFno[i] = 0;
    m_nFrea[i] = 0;
    m_nFqua[i] = 0;
    m_nFsiz[i] = EmptyRowSize;
    m_nFdis[i] = 0;
}

void FishRowStep(int d)
{
    FidxChk();
    bool empty = m_nFno[m_nFidx] == 0;
    if (d > 0 && m_nFidx >= FTblMax - 1)
        return;
    if (d < 0 && m_nFidx <= 0)
        return;
    if (empty)
        FishRowCompact();
    // After a compaction the current index already shows the following row.
    if (d < 0 || !empty)
        m_nFidx += d;
}

void FishKindStep(int d)
{
    FidxChk();
    m_nFno[m_nFidx] += d;
}

void BackSlotToggle(int k)
{
    if (k < 0 || k >= WatSlotMax)
        return;
    int& e = m_nBackCF[IdxChk()][k];
    e = e == 1 ? 0 : 1;
    BackCset();
}

void SaveSettings()
{
    if (RegWrite() != 0)
        MsgWrt1(22, Msg002, "", 0);
    DataWrite();
}
