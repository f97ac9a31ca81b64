// Fish motion and drawing, and the order of one frame.
#include "scrn01/display/frame.h"
#include "scrn01/display/aquascreen.h"
#include "scrn01/display/band.h"
#include "scrn01/display/fishdata.h"
#include "scrn01/display/population.h"
#include "scrn01/display/saverstate.h"
#include "scrn01/settings/fishtable.h"
#include "scrn01/settings/records.h"
#include "scrn01/settings/startvalues.h"
#include "scrn01/store/msglog.h"
#include "scrn01/store/regstore.h"

#include <cstdio>

const int FramePointMax = 64;
static bool Reported[FramePointMax];
static char mj1[DumpMax];

static const StartValues FrameStart(Reported);

void FrameReset()
{
    FrameStart.Restore();
}

void FrameReport(int point, const char* msg, const char* detail)
{
    // A fault that repeats every tick is told once, not 14 times a second.
    if (point >= 0 && point < FramePointMax) {
        if (Reported[point])
            return;
        Reported[point] = true;
    }
    MsgWrt1(point, msg, detail, 0);
}

// ---- Motion ----

static void TurnStep(int iz)
{
    if (ftrnc[iz] != 0) {
        ftrnc[iz]--;
        return;
    }
    if (ftrns[iz] > 0) {
        ftrns[iz]--;
        ffdno[iz] = ffdno[iz] <= 1 ? HeadingMax : ffdno[iz] - 1;
    } else {
        ftrns[iz]++;
        ffdno[iz] = ffdno[iz] >= HeadingMax ? 1 : ffdno[iz] + 1;
    }
    FishSpeed(iz);
    if (ftrns[iz] == 0)
        ftrnb[iz] = 0;
    ftrnc[iz] = ftrnb[iz];
}

static void Leave(int iz)
{
    int p = fffii[iz];
    if (p < 0 || p > addfig)
        p = 0;
    if (m_nFnh[p] > 0)
        m_nFnh[p]--;
    if (p == addfig)
        addfigf = 0;
    if (m_nFrea[p] == 1 && m_nFnh[p] + 1 == m_nFqua[p])
        FTSSet();
    ffshu[iz] = 0;
    if (iz < m_nFish)
        GetFish(iz);
}

void MoveFish()
{
    for (int iz = 0; iz < FishSlotMax; iz++) {
        if (ffshu[iz] == 0) {
            if (iz < m_nFish)
                GetFish(iz);
            continue;
        }
        if (ftrns[iz] != 0)
            TurnStep(iz);
        else if (fidks[iz] > 0)
            fidks[iz]--;
        else
            SetFish(iz);
        fposx[iz] += faddx[iz];
        fposy[iz] += faddy[iz];
        int x = fposx[iz] / 100, y = fposy[iz] / 100;
        if (!(x < GW && x > -ffsFW[iz] && y < GHH && y > -ffsFH[iz]))
            Leave(iz);
    }
}

// ---- Drawing ----

void AnimateFish(int iz)
{
    ffkn3[iz]++;
    if (ffkn3[iz] < ffkn2[iz])
        return;
    if (ffkno[iz] == 1) {
        if (ffknf[iz] == 1) {
            if (ffkng[iz] == 1) {
                ffkno[iz] = 2;
                ffkng[iz] = 2;
            } else {
                ffkno[iz] = 3;
                ffkng[iz] = 1;
            }
        } else {
            ffkno[iz] = ffknf[iz] == 2 ? 2 : 3;
        }
    } else {
        ffkno[iz] = 1;
    }
    ffkn3[iz] = 0;
}

// A cut of cut px of a fish drawn size px wide, in sprite pixels of a cell cell px wide.
static int SpriteCut(int cut, int cell, int size)
{
    if (cut == 0)
        return 0;
    int v = size == 0 ? cut * cell : cut * cell / size;
    if (v < 1)
        v = 1;
    if (v >= cell)
        v = cell - 1;
    return v;
}

// A rectangle of no width or height grows by one pixel, inward at the far edge.
static void Widen(int* lo, int* hi)
{
    if (*lo != *hi)
        return;
    if (*lo <= 0)
        ++*hi;
    else
        --*lo;
}

bool LocateFish(int iz, SpriteCell* c)
{
    int k = ffshu[iz], d = ffdno[iz], f = ffkno[iz];
    if (k < 1 || k > FishMax || d < 1 || d > HeadingMax || f < 1 || f > SheetFrames)
        return false;
    c->izf1 = (k - 1) / SheetKinds;
    c->iz3 = k - SheetKinds * c->izf1;
    int half = d <= SheetRows ? 0 : 1;
    c->iz4 = half * SheetFrames * FW;
    c->iz2 = (c->iz3 - 1) * FH * SheetRows + (d - 1 - half * SheetRows) * FH;
    c->su1 = (f - 1) * FW + c->iz4;

    int x = fposx[iz] / 100, y = fposy[iz] / 100;
    c->sux = x;
    c->suy = y;
    c->su2 = 0;
    if (fposx[iz] < 0) {
        c->su2 = -x;
        c->sux = 0;
    }
    c->su3 = x + ffsFW[iz] - GW > 0 ? x + ffsFW[iz] - GW : 0;
    c->su4 = 0;
    if (fposy[iz] < 0) {
        c->su4 = -y;
        c->suy = 0;
    }
    c->su5 = y + ffsFH[iz] - GHH > 0 ? y + ffsFH[iz] - GHH : 0;

    c->su2i = SpriteCut(c->su2, FW, ffsFW[iz]);
    c->su3i = SpriteCut(c->su3, FW, ffsFW[iz]);
    c->su4i = SpriteCut(c->su4, FH, ffsFH[iz]);
    c->su5i = SpriteCut(c->su5, FH, ffsFH[iz]);
    c->rcRect = {c->su1 + c->su2i, c->iz2 + c->su4i, c->su1 + FW - c->su3i, c->iz2 + FH - c->su5i};

    int top = c->suy + GTP;
    c->destRect = {c->sux, top, c->sux + ffsFW[iz] - c->su3 - c->su2,
                   top + ffsFH[iz] - c->su4 - c->su5};
    Widen(&c->destRect.left, &c->destRect.right);
    Widen(&c->destRect.top, &c->destRect.bottom);
    return true;
}

static void Dump(int iz, const SpriteCell& c)
{
    const DdRect& s = c.rcRect;
    const DdRect& d = c.destRect;
    snprintf(mj1, sizeof mj1,
             "iz:%d,iz2:%d,addx:%d,addy:%d,ffshu:%d,ffdno:%d,su1:%d,su2:%d,su3:%d,su4:%d,su5:%d,"
             "fposx:%d,fposy:%d,sux:%d,suy:%d,rcRect left:%d,top:%d,right:%d,bottom:%d,"
             "destRect left:%d,top:%d,right:%d,bottom:%d,ffsFW:%d,ffsFH:%d,ffsiz:%d",
             iz, c.iz2, faddx[iz], faddy[iz], ffshu[iz], ffdno[iz], c.su1, c.su2, c.su3, c.su4,
             c.su5, fposx[iz], fposy[iz], c.sux, c.suy, s.left, s.top, s.right, s.bottom, d.left,
             d.top, d.right, d.bottom, ffsFW[iz], ffsFH[iz], ffsiz[iz]);
}

bool DrawFish()
{
    SpriteCell c;
    for (int iz = 0; iz < FishSlotMax; iz++) {
        if (ffshu[iz] <= 0)
            continue;
        bool drawable = LocateFish(iz, &c);
        AnimateFish(iz);
        if (!drawable)
            continue;
        DdResult r;
        do {
            if (m_nFGSif == 0)
                r = DdBlt(c.destRect, DdsKG01 + c.izf1, c.rcRect, true);
            else
                r = DdBltFast(c.sux, c.suy + GTP, DdsKG01 + c.izf1, c.rcRect);
        } while (r == DdStillDrawing);
        if (r == DdOk)
            continue;
        if (r == DdSurfaceLost && DdRestoreAll() != DdOk)
            return false;
        if (!Reported[10]) {
            Dump(iz, c);
            FrameReport(10, "Serface Write Error !", mj1);
        }
        return false;
    }
    return true;
}

// The finished picture to the other monitors. Busy or lost, they keep the
// last one for a frame; the primary's frame goes on whatever happens.
static void ShowOthers()
{
    if (DdShowOthers() == DdFailed)
        FrameReport(34, "Other Monitors Write Error !", "");
}

// A frame drawn off screen goes onto the back buffer: the primary monitor's
// part, each pixel a GK x GK block. Busy or lost, the flip shows the last one.
static void Present()
{
    if (!FrameOffScreen())
        return;
    const DdRect& s = MonParts[0].part;
    DdRect d = {0, 0, (s.right - s.left) * GK, (s.bottom - s.top) * GK};
    DdResult r;
    do
        r = DdPresent(s, d);
    while (r == DdStillDrawing);
    if (r == DdSurfaceLost)
        DdRestoreAll();
    else if (r != DdOk)
        FrameReport(37, "Frame Present Error !", "");
}

void updateFrame()
{
    MoveFish();
    if (!DrawBack())
        return;
    if (!DrawFish())
        return;
    ShowOthers();
    Present();
    FlipAndScroll();
    INF01 = 1;
}
