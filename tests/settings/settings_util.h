// Helpers for the settings tests: records built by column, a clean state.
#pragma once
#include "scrn01/display/fishdata.h"
#include "scrn01/settings/fishtable.h"
#include "scrn01/settings/program.h"
#include "scrn01/settings/random.h"
#include "scrn01/settings/records.h"
#include "scrn01/settings/scenestart.h"
#include "scrn01/store/regstore.h"

#include <cstdio>
#include <cstring>

// Write v as a w-digit field at 1-based column col of a record.
inline void PutField(char* row, int col, int w, int v)
{
    char b[16];
    snprintf(b, sizeof b, "%0*d", w, v);
    memcpy(row + col - 1, b, (size_t)w);
}

inline void PutField(char* row, RecField f, int v)
{
    PutField(row, f.col, f.width, v);
}

inline void SetHead(int i, int pgc, int rnd, int pgl, int fish, int basic)
{
    PutField(m_nGen[i], GenPGC, pgc);
    PutField(m_nGen[i], GenPGRnd, rnd);
    PutField(m_nGen[i], GenPGL, pgl);
    PutField(m_nGen[i], GenFish, fish);
    PutField(m_nGen[i], GenFGSiz, basic);
}

inline void SetPat(int i, int p, int kind, int rea, int qua, int siz = 100)
{
    PutField(m_nGen[i], PatField(p, PatFno), kind);
    PutField(m_nGen[i], PatField(p, PatFrea), rea);
    PutField(m_nGen[i], PatField(p, PatFqua), qua);
    PutField(m_nGen[i], PatField(p, PatFsiz), siz);
}

inline void OwnOnly(int kind)
{
    for (int k = 0; k < FishMax; k++)
        m_nFss[k] = (k + 1 == kind);
}

// `sets` loaded empty sets, only kind 1 owned, an empty aquarium, program off
// (change type Random), sizes not direct.
inline void ResetState(int sets)
{
    RecordsReset();
    ProgramReset();
    FishTableReset();
    FishDataReset();
    RegValuesReset();
    m_nPGMax = sets - 1;
    for (int i = 0; i < SetMax; i++) {
        snprintf(m_nGen[i], sizeof m_nGen[i], "%s%s\n", m_nGenini2, m_nGenini3);
        snprintf(m_nWat[i], sizeof m_nWat[i], "%s", m_nWatini);
    }
    m_nFGSif = 0;
    m_nPGType = 1;
}

// Independent model of the runtime generator, for predicting draws.
struct RefRand {
    unsigned s;
    explicit RefRand(unsigned seed) : s(seed) {}
    int next()
    {
        s = s * 214013u + 2531011u;
        return (int)((s >> 16) & 0x7fff);
    }
};
