// Background steps of the frame, colour slot orders, band scroll and blinking.
#include "scrn01/display/band.h"
#include "scrn01/display/ddcall.h"
#include "scrn01/display/fishdata.h"
#include "scrn01/display/tuning.h"
#include "scrn01/display/saverstate.h"
#include "scrn01/settings/program.h"
#include "scrn01/settings/random.h"
#include "scrn01/settings/startvalues.h"
#include "scrn01/store/regstore.h"

const int CornerGap = 5;           // full height: the title's distance from the top-left corner
const int BlinkUp = 20, BlinkLeft = 30;   // random offset ranges of the blinking pictures
const int FastScroll = 5;          // speeds below this move several px per step

int GTP, GTPF, SRLCT;
int WATCHC1;
int WATCHC2[SetMax];
int m_nBackCIdx;
int aw1, awf1, aw2, aw3;
int aw4, awf2, aw5, aw6;

static const StartValues BandStart(GTP, GTPF, SRLCT, WATCHC1, WATCHC2, m_nBackCIdx, aw1, awf1, aw2,
                                   aw3, aw4, awf2, aw5, aw6);

void BandReset()
{
    BandStart.Restore();
}

void BackCz()
{
    for (int i = 0; i < SetMax; i++) {
        m_nBackC[i] = 0;
        bool found = false;
        for (int k = 0; k < WatSlotMax; k++) {
            m_nBackCF[i][k] = Mid(m_nWat[i], WatCF(k));
            if (!found && m_nBackCF[i][k] == 1) {
                m_nBackC[i] = k;
                found = true;
            }
        }
        WATCHC2[i] = 0;
    }
}

// First enabled slot of set i from `from` stepping by dir, inside 0..9; -1 if none.
static int Enabled(int i, int from, int dir)
{
    for (int k = from; k >= 0 && k < WatSlotMax; k += dir)
        if (m_nBackCF[i][k] == 1)
            return k;
    return -1;
}

void NextColour()
{
    int i = IdxChk();
    int s = m_nBackC[i];
    // No slot enabled: nothing to step to, the colour stays.
    if (Enabled(i, 0, 1) < 0)
        return;
    switch (m_nBackCX) {
    case ChRandom:
        s = RndmX(Wcrtb, (int)sizeof Wcrtb);
        break;
    case ChRound:
        do
            s = s >= WatSlotMax - 1 ? 0 : s + 1;
        while (m_nBackCF[i][s] != 1);
        break;
    case ChRepeat: {
        int dir = WATCHC2[i] == 1 ? -1 : 1;
        int k = Enabled(i, s + dir, dir);
        if (k < 0) {
            WATCHC2[i] = dir > 0 ? 1 : 0;
            k = Enabled(i, s - dir, -dir);
        }
        s = k < 0 ? 0 : k;
        break;
    }
    default:
        break;
    }
    if (s < 0 || s >= WatSlotMax)
        s = 0;
    m_nBackC[i] = s;
}

int SwatchOf(int k)
{
    int n = (k >= 0 && k < WatSlotMax) ? m_nBackCC[k] : 0;
    return (n >= 0 && n < BackMax) ? n : 0;
}

// One background draw, issued again while the surface is busy. A lost
// surface is restored; any failure ends the frame.
static bool Draw(const DdRect& dst, const DdRect& src, bool keyed)
{
    DdResult r;
    do
        r = DdBlt(dst, DdsBackC, src, keyed);
    while (r == DdStillDrawing);
    if (r == DdSurfaceLost)
        DdRestoreAll();
    return r == DdOk;
}

static void TitleRegion(int* l, int* r, int* t, int* b)
{
    if (m_nJPF == 1) {
        *l = CT1WL; *r = CT1WR; *t = CT1HT; *b = CT1HB;
    } else {
        *l = CT2WL; *r = CT2WR; *t = CT2HT; *b = CT2HB;
    }
}

static void ColourSteps()
{
    if (m_nPGC == 1 && wtchgf == 1) {
        wtchgf = 0;
        Watset(0);
        WATCHC1 = m_nBackCS * 20 + 10;
    }
    if (wtchgf == 1) {
        wtchgf = 2;
        m_nBackCS = Mid(m_nWat[IdxChk()], WatCS);
    }
    if (WATCHC1 > m_nBackCS * 20) {
        if (wtchgf != 0) {
            wtchgf = 0;
            Watset(0);
        }
        WATCHC1 = 0;
        NextColour();
        m_nBackCIdx = m_nBackC[IdxChk()];
    } else {
        WATCHC1++;
    }
}

static bool BandPictures()
{
    int l, r, t, b;
    TitleRegion(&l, &r, &t, &b);
    if (GTP < GHA - CaptionGap) {
        int h = GHA - GTP > CaptionH + CaptionGap ? CaptionH : GHA - GTP - CaptionGap;
        int y = GTP + GHH + CaptionGap;
        if (!Draw({GW - CaptionRight, y, GW - CaptionRightEnd, y + h},
                  {CPRWL, CPRHT, CPRWR, CPRHT + h}, false))
            return false;
    }
    if (GTP > CaptionGap) {
        int top = t + TitleShow - GTP;
        if (top < t)
            top = t;
        int bottom = t + TitleH;
        int h = bottom - top;
        if (!Draw({TitleX, GTP - TitleLift - h, TitleX + r - l, GTP - TitleLift}, {l, top, r, bottom},
                  false))
            return false;
    }
    return true;
}

// A blink counter past its threshold toggles the picture and moves it.
static void Blink(int* count, int showFor, int hiddenFrom, int* hidden, int* off1, int range1,
                  int* off2, int range2)
{
    if (*count <= showFor)
        return;
    *off1 = Rndm(0, range1);
    *off2 = Rndm(0, range2);
    if (*hidden == 0) {
        *hidden = 1;
        *count = hiddenFrom;
    } else {
        *hidden = 0;
        *count = 0;
    }
}

static bool CornerPictures()
{
    int l, r, t, b;
    TitleRegion(&l, &r, &t, &b);
    Blink(&aw1, aw1a, aw1b, &awf1, &aw2, BlinkUp, &aw3, BlinkLeft);
    if (awf1 == 0 &&
        !Draw({GW - CaptionRight - aw3, GH - CaptionBlueH - CaptionGap - aw2,
               GW - CaptionRightEnd - aw3, GH - CaptionGap - aw2},
              {CPRWL, CPRHB, CPRWR, CPRHB + CaptionBlueH}, true))
        return false;
    Blink(&aw4, aw4a, aw4b, &awf2, &aw5, BlinkUp, &aw6, BlinkLeft);
    if (awf2 == 0 &&
        !Draw({aw6 + CornerGap, aw5 + CornerGap, r - l + CornerGap + aw6, aw5 + CornerGap + TitleH},
              {l, b, r, b + TitleH}, true))
        return false;
    aw1++;
    aw4++;
    return true;
}

bool DrawBack()
{
    if (GHF == 0 && !Draw({0, 0, GW, GH}, {BLKWL, BLKHT, BLKWR, BLKHB}, false))
        return false;
    ColourSteps();
    int n = SwatchOf(m_nBackCIdx);
    DdRect swatch = {SwatchW * n + 1, WATHT + 1, SwatchW * n + SwatchW - 1, WATHB - 1};
    DdRect water = GHF == 0 ? DdRect{0, GTP, GW, GTP + GHH} : DdRect{0, 0, GW, GH};
    if (!Draw(water, swatch, false))
        return false;
    return GHF == 0 ? BandPictures() : CornerPictures();
}

void ScrollStep()
{
    if (GHF != 0) {
        GTP = 0;
        return;
    }
    // Outside the dialog's range 1..50 (hand-edited registry) the nearest end holds.
    int spe = m_nSSpe < 1 ? 1 : m_nSSpe > SpeedMax ? SpeedMax : m_nSSpe;
    if (SRLCT <= spe) {
        SRLCT++;
        return;
    }
    int step = spe < FastScroll ? FastScroll - spe : 1;
    GTP += GTPF == 0 ? step : -step;
    if (GTP >= GHA) {
        GTPF = 1;
        GTP = GHA;
    }
    if (GTP <= 0) {
        GTPF = 0;
        GTP = 0;
    }
    SRLCT = 1;
}

void FlipAndScroll()
{
    DdResult r;
    do
        r = DdFlip();
    while (r == DdStillDrawing);
    if (r == DdSurfaceLost)
        DdRestoreAll();
    ScrollStep();
}
