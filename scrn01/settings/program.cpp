// Scene program: playable sets, fish-area test, first set and scene change step.
#include "scrn01/settings/program.h"
#include "scrn01/settings/fishtable.h"
#include "scrn01/settings/random.h"
#include "scrn01/settings/records.h"
#include "scrn01/settings/scenestart.h"
#include "scrn01/store/regstore.h"
#include "scrn01/settings/startvalues.h"

int m_nPg[PgMax];
int m_nPgon = 0;
int m_nPGType = 0;
int m_nPGFL = 0;
int m_nPgpage = 1;

int m_nPga[SetMax];
int m_nPGf = 0;
char Prgtb[LstSize];
int m_nPGidx = 0;
int m_nPGidx1 = 0;
int m_nPgtr = 0;
int m_nPGcnt = 0;
int m_nIdxBk = 0;
int wtchgf = 0;

static const StartValues ProgramStart(m_nPg, m_nPgon, m_nPGType, m_nPGFL, m_nPgpage, m_nPga, m_nPGf,
                                      Prgtb, m_nPGidx, m_nPGidx1, m_nPgtr, m_nPGcnt, m_nIdxBk,
                                      wtchgf);

void ProgramReset()
{
    ProgramStart.Restore();
}

// Index of the last loaded set, kept inside the set store.
static int LastSet()
{
    return m_nPGMax < SetMax ? m_nPGMax : SetMax - 1;
}

// A position takes part when it names a loaded, playable set.
static bool Eligible(int j)
{
    if (j < 0 || j >= PgMax)
        return false;
    int v = m_nPg[j];
    return v >= 1 && v - 1 <= LastSet() && m_nPga[v - 1] == 1;
}

// m_nIdx from the set named at position j (at least 0, and a loaded set).
static void IdxFromPos(int j)
{
    m_nIdx = (j >= 0 && j < PgMax) ? m_nPg[j] - 1 : 0;
    if (m_nIdx < 0)
        m_nIdx = 0;
    IdxChk();
}

void Pgaset()
{
    m_nPGf = 0;
    for (int i = 0; i <= LastSet(); i++) {
        if (m_nPga[i] != 1) {
            const char* g = m_nGen[i];
            for (int p = 0; p < FTblMax; p++) {
                int k = Mid(g, PatField(p, PatFno));
                if (k == 0)
                    break;
                if (FishOwned(k) && Mid(g, PatField(p, PatFqua)) > 0) {
                    m_nPga[i] = 1;
                    break;
                }
            }
        }
        if (m_nPga[i] == 1)
            m_nPGf++;
    }
}

int Pgachka(int i1)
{
    if (i1 < 0 || i1 >= SetMax)
        return 0;
    const char* g = m_nGen[i1];
    long long F = Mid(g, GenFish);
    long long B = Mid(g, GenFGSiz);
    long long Qw = 0, Aw = 0, Ar = 0;
    for (int p = 0; p < FTblMax; p++) {
        int k = Mid(g, PatField(p, PatFno));
        if (k == 0)
            break;
        long long q = Mid(g, PatField(p, PatFqua));
        if (!FishOwned(k) || q <= 0 || B <= 0)
            continue;
        // q fish of 9116 px each, scaled by (size x basic / 10000) squared.
        long long a;
        if (m_nFGSif != 0) {
            a = q * 9116;
        } else {
            long long sb = Mid(g, PatField(p, PatFsiz)) * B;
            a = q * 9116 * sb * sb / 100000000;   // fields of 3 digits: fits 64 bits
        }
        if (Mid(g, PatField(p, PatFrea)) == 1) {
            Ar += a;
        } else {
            Qw += q;
            Aw += a;
        }
    }
    return (Qw > 0 && Aw / Qw * F > 400000) || Ar > 400000 ? 1 : 0;
}

int Pgachk()
{
    for (int i = 0; i <= LastSet(); i++)
        if (Pgachka(i) == 1)
            return 1;
    return 0;
}

void PgRset()
{
    // Every playable position with equal weight; none names position 0.
    Prgtb[0] = '\0';
    for (int i = 0; i < PgMax; i++)
        if (Eligible(i))
            LstAdd(Prgtb, (int)sizeof Prgtb, i, 100);
    if (Prgtb[0] == '\0')
        LstAdd(Prgtb, (int)sizeof Prgtb, 0, 100);
}

void Pgtset()
{
    if (m_nPgon != 1)
        return;
    PgRset();
    if (m_nPGType < 1 || m_nPGType > 3) {
        m_nPGType = 1;
        PgRset();
    }
    if (m_nPGType == 1) {
        IdxFromPos(RndmX(Prgtb, (int)sizeof Prgtb));
    } else if (m_nPGFL == 0) {
        int pos = RndmX(Prgtb, (int)sizeof Prgtb);
        IdxFromPos(pos);
        m_nPGidx = pos;
        m_nPgtr = Rndm(0, 1);
    } else {
        for (int i = 0; i < PgMax; i++) {
            if (Eligible(i)) {
                IdxFromPos(i);
                m_nPGidx = i;
                break;
            }
        }
    }
    IdxChk();
    m_nIdxBk = m_nIdx;
}

// First eligible position from `from` stepping by `dir` while inside 0..49; -1 if none.
static int Search(int from, int dir)
{
    for (m_nPGidx1 = from; m_nPGidx1 >= 0 && m_nPGidx1 < PgMax; m_nPGidx1 += dir)
        if (Eligible(m_nPGidx1))
            return m_nPGidx1;
    return -1;
}

void PgStep()
{
    if (m_nPgon != 1 || m_nPGf <= 1)
        return;
    if ((long long)m_nPGcnt <= (long long)m_nPGL * 300) {
        m_nPGcnt++;
        return;
    }
    m_nPGcnt = 0;
    if (m_nPGidx < 0 || m_nPGidx >= PgMax)
        m_nPGidx = 0;

    switch (m_nPGType) {
    case 1:
        IdxFromPos(RndmX(Prgtb, (int)sizeof Prgtb));
        break;
    case 2:
        // Cyclic; coming back to the current position keeps it.
        for (m_nPGidx1 = (m_nPGidx + 1) % PgMax; m_nPGidx1 != m_nPGidx;
             m_nPGidx1 = (m_nPGidx1 + 1) % PgMax)
            if (Eligible(m_nPGidx1))
                break;
        m_nPGidx = m_nPGidx1;
        IdxFromPos(m_nPGidx);
        break;
    case 3: {
        // Back and forth: turn at the last eligible position in either direction.
        int dir = m_nPgtr == 1 ? -1 : 1;
        int j = Search(m_nPGidx + dir, dir);
        if (j < 0) {
            m_nPgtr = dir > 0 ? 1 : 0;
            j = Search(m_nPGidx - dir, -dir);
            if (j < 0)
                m_nPgtr = dir > 0 ? 0 : 1;
        }
        if (j >= 0)
            m_nPGidx = j;
        IdxFromPos(m_nPGidx);
        break;
    }
    default:
        break;
    }

    if (m_nIdx != m_nIdxBk) {
        m_nIdxBk = m_nIdx;
        wtchgf = 1;
        Genset(0);
    }
}
