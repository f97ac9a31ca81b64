// Fish tables: weighted lists of patterns, new kinds and guest kinds.
#include "scrn01/settings/fishtable.h"
#include "scrn01/settings/random.h"
#include "scrn01/settings/records.h"
#include "scrn01/display/fishdata.h"
#include "scrn01/store/regstore.h"
#include "scrn01/settings/startvalues.h"

int FishLv0S = 500;
int FishLv1S = 100;
int FishLv2S = 20;
int FishLv3S = 5;
int FishMax2S = 1;
int FiGrt = 600;
int Fistt = 30;

char Fistb[LstSize];
char Fisx1[LstSize];
char FisG1[LstSize];
int Fixcnt = 0;
int FiGcnt = 0;
int m_nFTSflg = 0;

static const StartValues FishTableStart(FishLv0S, FishLv1S, FishLv2S, FishLv3S, FishMax2S, FiGrt,
                                        Fistt, Fistb, Fisx1, FisG1, Fixcnt, FiGcnt, m_nFTSflg);

void FishTableReset()
{
    FishTableStart.Restore();
}

int FishOwned(int kind)
{
    return kind >= 1 && kind <= FishMax && m_nFss[kind - 1] == 1;
}

void FTSet()
{
    Fistb[0] = '\0';
    int listed = 0;
    for (int p = 0; p < FTblMax; p++) {
        if (m_nFno[p] <= 0 || m_nFqua[p] <= 0 || !FishOwned(m_nFno[p]))
            continue;
        if (m_nFrea[p] == 1) {
            if (m_nFnh[p] >= m_nFqua[p])
                continue;                       // all its fish are out
            if (INF01 != 1 && listed > 0) {
                m_nFTSflg = 1;                  // offered once the initial fill is over
                continue;
            }
        }
        LstAdd(Fistb, (int)sizeof Fistb, p, m_nFqua[p]);
        listed++;
    }
}

void FTSSet()
{
    FTSet();
}

static int KindWeight(int k)
{
    if (k <= FishLv1)
        return FishLv0S;
    if (k <= FishLv2)
        return FishLv1S;
    if (k <= FishLv3)
        return FishLv2S;
    if (k <= FishMax2)
        return FishLv3S;
    return FishMax2S;
}

// Unowned kinds 1..last (flag 0) into list; returns their number.
// A flag other than 0 or 1 marks a kind neither owned nor offered.
static int Unowned(char* list, int cap, int last)
{
    int n = 0;
    list[0] = '\0';
    for (int k = 1; k <= last; k++) {
        if (m_nFss[k - 1] == 0) {
            LstAdd(list, cap, k, KindWeight(k));
            n++;
        }
    }
    return n;
}

void FTTSet()
{
    Fixcnt = Unowned(Fisx1, (int)sizeof Fisx1, FishMax2);
}

void FGTSet()
{
    FiGcnt = Unowned(FisG1, (int)sizeof FisG1, FishMax);
}

bool GuestCheck()
{
    for (int k = 0; k < FishMax; k++)
        if (m_nFss[k] == 0)
            return true;
    return false;
}
