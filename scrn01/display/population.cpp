// Fish population: GetFish, SetFish and the speed and animation rules.
#include "scrn01/display/population.h"
#include "scrn01/display/frame.h"
#include "scrn01/display/fishdata.h"
#include "scrn01/display/tuning.h"
#include "scrn01/display/saverstate.h"
#include "scrn01/settings/fishtable.h"
#include "scrn01/settings/program.h"
#include "scrn01/settings/random.h"
#include "scrn01/settings/records.h"
#include "scrn01/store/regstore.h"

const int ListScan = LstSize;        // scan limit of the fish lists
const int BurstScan = 650;           // scan limit of the burst lists
static const char BurstFill[] = "1:200$2:100";            // during the initial fill
static const char BurstAll[] = "1:200$2:100$3:5$4:1";
const int EdgeBottom = 1, EdgeLeft = 2, EdgeTop = 3, EdgeRight = 4;

void FishSpeed(int j)
{
    int d = ffdno[j];
    if (d < 1 || d > HeadingMax)
        d = 1;
    if (faddb[j] <= SpeedHigh) {
        int div = m_nIda1 / nSpeed2 + 200;
        faddx[j] = fsx[d - 1] * faddb[j] * ffsiz[j] * (fidks[j] + 10) / div;
        faddy[j] = fsy[d - 1] * faddb[j] * ffsiz[j] * (fidks[j] + 10) / div;
    } else {
        faddx[j] = fsx[d - 1] * faddb[j] * ffsiz[j] / 100;
        faddy[j] = fsy[d - 1] * faddb[j] * ffsiz[j] / 100;
    }
}

int FrameTicks(int burst)
{
    if (burst == 3 || burst == 4)
        return 5 - burst;
    return m_nSp1 / nSpeed2 + 5 - burst;
}

int ArrivalEdge(int ax, int ay)
{
    if (ax == 0)    // straight down enters at the top, straight up at the bottom
        return ay >= 0 ? EdgeTop : EdgeBottom;
    if (ay == 0)
        return ax > 0 ? EdgeLeft : EdgeRight;
    if (ax > 0)
        return ay > 0 ? Rndm(1, 2) + 1 : Rndm(1, 2);
    if (ay > 0)
        return Rndm(1, 2) + 2;
    int e = Rndm(1, 2);
    return e == 2 ? EdgeRight : e;
}

// Pattern from Fistb into slot j; the slot stays empty when the list is.
static void TakePattern(int j)
{
    if (Fistb[0] == '\0') {
        ffshu[j] = 0;
        fffii[j] = 0;
        return;
    }
    int p = RndmX(Fistb, ListScan);
    if (p < 0 || p >= FTblMax)
        p = 0;
    ffshu[j] = m_nFno[p];
    fffii[j] = p;
    m_nFnh[p]++;
    if (m_nFrea[p] == 1 && m_nFnh[p] >= m_nFqua[p])
        FTSSet();
}

// The new-fish event: an unowned kind becomes owned.
static void NewKind(int j)
{
    int k = RndmX(Fisx1, ListScan);
    if (k >= 1 && k <= FishMax)
        m_nFss[k - 1] = 1;
    int r = Rndm(1, 5);
    if (r == 1)
        m_nSYS01 = Rndm(1, 15);
    else if (r <= 4)
        m_nSYS01 = Rndm(5, 10);
    else
        m_nSYS01 = Rndm(5, 20);
    if (RegSy2() != 0)
        FrameReport(9, "SYSTEM002 Registry Access Error", "");
    FTSSet();
    FTTSet();
    FGTSet();
    Pgaset();
    if (m_nPGType == 1)
        PgRset();
    TakePattern(j);
}

static void Guest(int j)
{
    int k = RndmX(FisG1, ListScan);
    ffshu[j] = k;
    addfigfi = k;
    fffii[j] = addfig;
    m_nFqua[addfig] = 1;
    m_nFrea[addfig] = 1;
    m_nFnh[addfig]++;
    m_nFsiz[addfig] = Rndm(70, 150);
    m_nFdis[addfig] = Rndm(0, 25);
    addfigf = 1;
}

void GetFish(int j)
{
    if (m_nSYS01 == 0 && Fixcnt > 0 && Rndm(1, m_nFish * Fistt) < m_nFish && INF01 != 0) {
        NewKind(j);
    } else if (m_nFgf == 1 && addfigf == 0 && FiGcnt > 0 && Rndm(1, FiGrt) >= FiGrt &&
               INF01 != 0) {
        Guest(j);
    } else {
        if (m_nFTSflg == 1 && INF01 == 1) {
            m_nFTSflg = 0;
            FTSSet();
        }
        TakePattern(j);
    }

    int p = fffii[j];
    if (m_nFGSif == 0) {
        ffsiz[j] = m_nFGSiz * m_nFsiz[p] * Rndm(100 - m_nFdis[p], 100 + m_nFdis[p]) / 10000;
        if (ffsiz[j] < FishSizeMin)
            ffsiz[j] = FishSizeMin;
    } else {
        ffsiz[j] = 100;
    }

    ffdno[j] = Rndm(1, HeadingMax);
    ffkno[j] = 1;
    ffsFW[j] = ffsiz[j] * FW / 100;
    ffsFH[j] = ffsiz[j] * FH / 100;
    ftrns[j] = 0;
    ftrnb[j] = 0;

    if (Rndm(1, nSp1) >= nSp1) {
        fidks[j] = DashBurst;
        ffkn3[j] = 0;
        ffkn2[j] = 0;
        faddb[j] = DashSpeed;
    } else {
        faddb[j] = Rndm(SpeedLow, SpeedHigh);
        fidks[j] = RndmX(INF01 == 0 ? BurstFill : BurstAll, BurstScan);
        ffkn3[j] = 0;
        ffkn2[j] = FrameTicks(fidks[j]);
    }
    FishSpeed(j);

    if (INF01 == 0) {
        fposx[j] = (Rndm(1, ffsFW[j] + GW - 1) - ffsFW[j]) * 100;
        fposy[j] = (Rndm(1, ffsFH[j] + GHH - 1) - ffsFH[j]) * 100;
    } else {
        switch (ArrivalEdge(faddx[j], faddy[j])) {
        case EdgeBottom:
            fposx[j] = (Rndm(2, GW) - 1) * 100;
            fposy[j] = (GHH - 1) * 100;
            break;
        case EdgeLeft:
            fposx[j] = -ffsFW[j] * 100;
            fposy[j] = Rndm(1, GHH - 1) * 100;
            break;
        case EdgeTop:
            fposx[j] = (Rndm(2, GW) - 1) * 100;
            fposy[j] = -ffsFH[j] * 100;
            break;
        default:
            fposx[j] = (GW - 1) * 100;
            fposy[j] = Rndm(1, GHH - 1) * 100;
            break;
        }
    }

    // Tail beat from the direction of travel; fixed for the fish's life.
    if (faddy[j] == 0 || faddx[j] == 0)
        ffknf[j] = 1;
    else if ((faddx[j] > 0) == (faddy[j] > 0))
        ffknf[j] = 2;
    else
        ffknf[j] = 3;
}

void SetFish(int j)
{
    ftrns[j] = Rndm(-10, 10);
    ftrnb[j] = Rndm(2, 5) * 2;
    ftrnc[j] = ftrnb[j];
    if (Rndm(1, 3) > 2 && faddb[j] <= SpeedHigh) {
        fidks[j] = RndmX(BurstAll, BurstScan);
        ffkn3[j] = 0;
        faddb[j] = Rndm(SpeedLow, SpeedHigh);
        ffkn2[j] = FrameTicks(fidks[j]);
        FishSpeed(j);
    }
}
