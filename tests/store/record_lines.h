// Lines of the data file as text, field by field: the general and water
// records of a set, a set line and the program line.
#pragma once
#include "scrn01/settings/program.h"
#include "scrn01/settings/records.h"

#include <cstdio>
#include <string>
#include <vector>

inline std::string Field(int v, int width)
{
    char b[16];
    snprintf(b, sizeof b, "%0*d", width, v);
    return b;
}

struct Pattern {
    int kind, real, quantity, size, dispersion;
};
struct WaterSlot {
    int on, colour;
};

// General record: header values, then the patterns given (the rest empty).
inline std::string GenRecord(int pgc, int rnd, int pgl, int fish, int fgsiz, int fidx,
                             const std::vector<Pattern>& rows)
{
    std::string g = Field(pgc, GenPGC.width) + Field(rnd, GenPGRnd.width) +
                    Field(pgl, GenPGL.width) + Field(fish, GenFish.width) +
                    Field(fgsiz, GenFGSiz.width) + Field(fidx, GenFidx.width);
    for (int p = 0; p < FTblMax; p++) {
        Pattern r = p < (int)rows.size() ? rows[p] : Pattern{0, 0, 0, 100, 0};
        g += Field(r.kind, PatFno.width) + Field(r.real, PatFrea.width) +
             Field(r.quantity, PatFqua.width) + Field(r.size, PatFsiz.width) +
             Field(r.dispersion, PatFdis.width);
    }
    return g;
}

// Water record: ten slots (missing ones off with colour 0), change type, From First, speed.
inline std::string WatRecord(const std::vector<WaterSlot>& slots, int cx, int cz, int cs)
{
    std::string w;
    for (int k = 0; k < WatSlotMax; k++) {
        WaterSlot s = k < (int)slots.size() ? slots[k] : WaterSlot{0, 0};
        w += Field(s.on, WatCF(k).width) + Field(s.colour, WatCC(k).width);
    }
    return w + Field(cx, WatCX.width) + Field(cz, WatCZ.width) + Field(cs, WatCS.width);
}

// One set line (the key n is the 1-based set number).
inline std::string SetLine(int n, const std::string& gen, const std::string& wat)
{
    return Field(n, 3) + gen + wat + "\n";
}

// The program line: page, on, type, From First, then the positions (the rest empty).
inline std::string ProgramLine(int page, int on, int type, int ff, const std::vector<int>& slots)
{
    std::string l = "100" + Field(page, 1) + Field(on, 1) + Field(type, 1) + Field(ff, 1);
    for (int i = 0; i < PgMax; i++)
        l += Field(i < (int)slots.size() ? slots[i] : 0, 2);
    return l + "\n";
}
