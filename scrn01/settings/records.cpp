// Settings records: field codec, writers, water parser and colour-slot list.
#include "scrn01/settings/records.h"
#include "scrn01/settings/random.h"
#include "scrn01/settings/startvalues.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

char m_nGen[SetMax][GenRowSize];
char m_nWat[SetMax][WatRowSize];
int m_nIdx = 0;
int m_nPGMax = 0;

int m_nPGC = 0;
int m_nPGRnd = 0;
int m_nPGL = 1;
int m_nFish = 1;
int m_nFGSiz = 100;
int m_nFidx = 0;

int m_nFno[FPatMax], m_nFrea[FPatMax], m_nFqua[FPatMax], m_nFsiz[FPatMax], m_nFdis[FPatMax];

int m_nBackCF[SetMax][WatSlotCap];
int m_nBackCC[WatSlotCap];
int m_nBackC[SetMax];
char Wcrtb[LstSize];
int m_nBackCK = 1;
int m_nBackCX = 1;
int m_nBackCZ = 1;
int m_nBackCS = 500;

#define PAT0 "00000010000"
#define PAT7 PAT0 PAT0 PAT0 PAT0 PAT0 PAT0 PAT0
const char m_nGenini1[] = "00010051000001001010000";
const char m_nGenini2[] = "00030011000000000010000";
const char m_nGenini3[] = PAT7 PAT7 PAT7 PAT7 PAT7 PAT7 PAT7;
const char m_nWatini[] = "12000000000000000000000000000011500\n";
#undef PAT7
#undef PAT0

char bf1[20];
char bfx[GenRowSize];

static const StartValues RecordsStart(m_nGen, m_nWat, m_nIdx, m_nPGMax, m_nPGC, m_nPGRnd, m_nPGL,
                                      m_nFish, m_nFGSiz, m_nFidx, m_nFno, m_nFrea, m_nFqua, m_nFsiz,
                                      m_nFdis, m_nBackCF, m_nBackCC, m_nBackC, Wcrtb, m_nBackCK,
                                      m_nBackCX, m_nBackCZ, m_nBackCS, bf1, bfx);

void RecordsReset()
{
    RecordsStart.Restore();
}

int Mid(const char* MMj, int j1, int j2)
{
    if (!MMj || j1 < 1 || j2 < 1)
        return 0;
    int i = 0;
    while (i < j1 - 1 && MMj[i] != '\0')
        i++;
    if (i < j1 - 1)
        return 0;                   // the text ends before the field
    if (j2 > 9)
        j2 = 9;
    char b[10] = {0};
    for (int k = 0; k < j2 && MMj[i + k] != '\0'; k++)
        b[k] = MMj[i + k];
    return (int)strtol(b, nullptr, 10);
}

void Mrj(char* MMj, int j1, int sz)
{
    if (!MMj || sz < 1)
        return;
    int n = 0;
    while (n < sz && MMj[n] != '\0' && MMj[n] != '\n')
        n++;
    if (n == j1)
        return;
    bool lf = n < sz && MMj[n] == '\n';
    // The result and its terminator stay inside the sz characters.
    int room = sz - 1 - (lf ? 1 : 0);
    if (j1 > room)
        j1 = room;
    if (j1 < 0)
        j1 = 0;
    if (n < j1) {
        memmove(MMj + (j1 - n), MMj, (size_t)n);
        memset(MMj, '0', (size_t)(j1 - n));
    } else if (n > j1) {
        memmove(MMj, MMj + (n - j1), (size_t)j1);   // high-order digits dropped
    }
    int e = j1;
    if (lf)
        MMj[e++] = '\n';
    MMj[e] = '\0';
}

int IdxChk()
{
    if (m_nIdx < 0 || m_nIdx > m_nPGMax || m_nIdx >= SetMax)
        m_nIdx = 0;
    return m_nIdx;
}

// Append v justified to width w to bfx.
static void Put(int v, int w)
{
    snprintf(bf1, sizeof bf1, "%d", v);
    Mrj(bf1, w, (int)sizeof bf1);
    size_t len = strlen(bfx);
    size_t add = strlen(bf1);
    if (len + add < sizeof bfx)
        memcpy(bfx + len, bf1, add + 1);
}

// Copy bfx into a record row and end it with a line feed.
static void Store(char* row, size_t cap)
{
    size_t n = strlen(bfx);
    if (n > cap - 2)
        n = cap - 2;
    memcpy(row, bfx, n);
    row[n] = '\n';
    row[n + 1] = '\0';
}

void Genwrt()
{
    int s = IdxChk();
    bfx[0] = '\0';
    // Header flags are one digit; justified so the record keeps its length.
    Put(m_nPGC, GenPGC.width);
    Put(m_nPGRnd, GenPGRnd.width);
    Put(m_nPGL, GenPGL.width);
    Put(m_nFish, GenFish.width);
    Put(m_nFGSiz, GenFGSiz.width);
    Put(m_nFidx, GenFidx.width);
    for (int p = 0; p < FTblMax; p++) {
        Put(m_nFno[p], PatFno.width);
        Put(m_nFrea[p], PatFrea.width);
        Put(m_nFqua[p], PatFqua.width);
        Put(m_nFsiz[p], PatFsiz.width);
        Put(m_nFdis[p], PatFdis.width);
    }
    Store(m_nGen[s], sizeof m_nGen[s]);
}

void Watwrt()
{
    int s = IdxChk();
    bfx[0] = '\0';
    for (int e = 0; e < WatSlotMax; e++) {
        Put(m_nBackCF[s][e], WatCF(e).width);
        Put(m_nBackCC[e], WatCC(e).width);
    }
    Put(m_nBackCX, WatCX.width);
    Put(m_nBackCZ, WatCZ.width);
    Put(m_nBackCS, WatCS.width);
    Store(m_nWat[s], sizeof m_nWat[s]);
}

void BackCset()
{
    int s = IdxChk();
    int count = 0;
    Wcrtb[0] = '\0';
    for (int e = 0; e < WatSlotMax; e++) {
        if (m_nBackCF[s][e] == 1) {
            count++;
            LstAdd(Wcrtb, (int)sizeof Wcrtb, e, 100);
        }
    }
    m_nBackCK = count > 1 ? count : 1;
}

void Watset(int af)
{
    int s = IdxChk();
    const char* w = m_nWat[s];
    for (int e = 0; e < WatSlotMax; e++) {
        m_nBackCF[s][e] = Mid(w, WatCF(e));
        m_nBackCC[e] = Mid(w, WatCC(e));
    }
    m_nBackCX = Mid(w, WatCX);
    m_nBackCZ = Mid(w, WatCZ);
    m_nBackCS = Mid(w, WatCS);
    BackCset();
    if (af == 0 && (m_nBackCX == 1 || m_nBackCZ == 0))
        m_nBackC[s] = RndmX(Wcrtb, (int)sizeof Wcrtb);
}
