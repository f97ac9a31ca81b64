// Run-time fish arrays and per-pattern counters.
#include "scrn01/display/fishdata.h"
#include "scrn01/settings/startvalues.h"

int ffshu[FishSlotMax];
int fffii[FishSlotMax];
int ffsiz[FishSlotMax];
int ffsFW[FishSlotMax];
int ffsFH[FishSlotMax];
int ffdno[FishSlotMax];
int fposx[FishSlotMax], fposy[FishSlotMax];
int faddx[FishSlotMax], faddy[FishSlotMax];
int faddb[FishSlotMax];
int fidks[FishSlotMax];
int ftrns[FishSlotMax];
int ftrnb[FishSlotMax];
int ftrnc[FishSlotMax];
int ffkno[FishSlotMax];
int ffknf[FishSlotMax];
int ffkng[FishSlotMax];
int ffkn2[FishSlotMax];
int ffkn3[FishSlotMax];

// Not quite symmetric: kept as tuned.
const int fsx[24] = {0, -4, -7, -11, -13, -15, -16, -15, -14, -11, -8, -4,
                     0, 4, 7, 11, 13, 15, 16, 15, 14, 11, 8, 4};
const int fsy[24] = {13, 12, 11, 9, 6, 4, 0, -3, -6, -9, -11, -12,
                     -13, -12, -11, -9, -6, -4, 0, 3, 6, 9, 11, 12};

int m_nFnh[FPatMax];
int addfigf = 0;
int addfigfi = 0;
int INF01 = 0;
int m_nSp1 = 100;
int m_nIda1 = 38000;

static const StartValues FishDataStart(ffshu, fffii, ffsiz, ffsFW, ffsFH, ffdno, fposx, fposy,
                                       faddx, faddy, faddb, fidks, ftrns, ftrnb, ftrnc, ffkno,
                                       ffknf, ffkng, ffkn2, ffkn3, m_nFnh, addfigf, addfigfi, INF01,
                                       m_nSp1, m_nIda1);

void FishDataReset()
{
    FishDataStart.Restore();
}
