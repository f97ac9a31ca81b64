// Scene start: parse the current general record and apply a starting scene's rules.
#include "scrn01/settings/scenestart.h"
#include "scrn01/settings/fishtable.h"
#include "scrn01/settings/program.h"
#include "scrn01/settings/random.h"
#include "scrn01/settings/records.h"
#include "scrn01/display/fishdata.h"
#include "scrn01/store/regstore.h"

// Remove every fish; the next frame fills the aquarium afresh.
static void EmptyTank()
{
    for (int j = 0; j < FishSlotMax; j++)
        ffshu[j] = 0;
    // No fish are left, so no pattern has any in the aquarium.
    for (int p = 0; p < FPatMax; p++)
        m_nFnh[p] = 0;
    INF01 = 0;
    m_nFno[addfig] = 0;
    m_nFqua[addfig] = 0;
    m_nFsiz[addfig] = 0;
    addfigf = 0;
}

void Genset(int af)
{
    const char* g = m_nGen[IdxChk()];
    if (af == 0 && m_nPGC == 1)
        EmptyTank();

    m_nPGC = Mid(g, GenPGC);
    m_nPGRnd = Mid(g, GenPGRnd);
    m_nPGL = Mid(g, GenPGL);
    m_nFish = Mid(g, GenFish);
    m_nFGSiz = Mid(g, GenFGSiz);
    m_nFidx = Mid(g, GenFidx);

    bool weighted = false;     // some active pattern is in weight mode
    int realSum = 0;           // fish the Real Number patterns can supply
    int realLast = -1;
    for (int p = 0; p < FTblMax; p++) {
        m_nFno[p] = Mid(g, PatField(p, PatFno));
        m_nFrea[p] = Mid(g, PatField(p, PatFrea));
        m_nFqua[p] = Mid(g, PatField(p, PatFqua));
        m_nFsiz[p] = Mid(g, PatField(p, PatFsiz));
        m_nFdis[p] = Mid(g, PatField(p, PatFdis));
        if (m_nPGC == 1)
            m_nFnh[p] = 0;
        if (m_nFqua[p] > 0 && FishOwned(m_nFno[p])) {
            if (m_nFrea[p] == 1) {
                realSum += m_nFqua[p];
                realLast = p;
            } else {
                weighted = true;
            }
        }
    }

    if (!weighted && af == 0 && m_nFish > realSum) {
        // Full height with the program on: a lone Real Number fish turns to weight mode.
        if (m_nSHf == 3 && realSum == 1 && m_nPgon == 1)
            m_nFrea[realLast] = 0;
        else
            m_nFish = realSum;
    }

    m_nFTSflg = 0;
    FTSet();
    FTTSet();
    FGTSet();
    if (af == 1)
        return;

    if (m_nPGC == 1)
        EmptyTank();
    if (m_nPGRnd == 1) {
        int lo = m_nPGL >= 4 ? m_nPGL - 3 : 1;
        m_nPGL = Rndm(lo, m_nPGL + 3);
    }
    // The program runs only when Program On is 1; any other digit is off.
    if (m_nSHf == 3 && m_nPgon != 1 && Pgachka(m_nIdx) == 0)
        m_nSHf = 2;
}
