// The aquarium's screen: picture scale, logical size and the monitors' parts.
#include "scrn01/display/aquascreen.h"
#include "scrn01/display/saverstate.h"
#include "scrn01/settings/startvalues.h"
#include "scrn01/store/regstore.h"

#include <algorithm>

int GK = 1;
int GSW = 1024, GSH = 768;
int GSpan;
int GOX, GOY;
int GParts = 1;
MonPart MonParts[MonitorMax] = {{{0, 0, 1024, 768}, {0, 0, 1024, 768}}};

// What the layout was made from, for a fall-back; what this run gave up.
static DdRect Mons[MonitorMax] = {{0, 0, 1024, 768}};
static int MonCount = 1, Stored, Dpi = ScaleDpi, Span;
static int NoSpan, NoScale;

static const StartValues AquaStart(GK, GSW, GSH, GSpan, GOX, GOY, GParts, MonParts, Mons, MonCount,
                                   Stored, Dpi, Span, NoSpan, NoScale);

void AquaScreenReset()
{
    AquaStart.Restore();
}

int PictureScaleFor(int stored, int dpi, int screenW, int screenH)
{
    int k = stored;
    if (k < 1 || k > ScaleMax) {
        dpi = std::clamp(dpi, 0, ScaleMax * ScaleDpi);
        k = std::clamp((dpi + ScaleDpi / 2) / ScaleDpi, 1, ScaleMax);
    }
    while (k > 1 && (screenH / k < ScaleMinLines || screenW / k < ScaleMinColumns))
        k--;
    return k;
}

static bool HasArea(const DdRect& r)
{
    return r.right > r.left && r.bottom > r.top;
}

void AquaLayOut(const DdRect* mons, int n, int stored, int dpi, int span)
{
    // Monitors without area take no part; without a primary, one of the start size.
    MonCount = 0;
    for (int i = 0; i < n && MonCount < MonitorMax && HasArea(mons[0]); i++)
        if (HasArea(mons[i]))
            Mons[MonCount++] = mons[i];
    if (MonCount == 0) {
        Mons[0] = {0, 0, 1024, 768};
        MonCount = 1;
    }
    Stored = stored;
    Dpi = dpi;
    Span = span;

    const DdRect& p = Mons[0];
    GSW = p.right - p.left;
    GSH = p.bottom - p.top;
    GK = PictureScaleFor(stored, dpi, GSW, GSH);
    GSpan = span && MonCount > 1 ? 1 : 0;
    DdRect all = p;
    for (int i = 1; GSpan && i < MonCount; i++) {
        all.left = std::min(all.left, Mons[i].left);
        all.top = std::min(all.top, Mons[i].top);
        all.right = std::max(all.right, Mons[i].right);
        all.bottom = std::max(all.bottom, Mons[i].bottom);
    }
    GOX = all.left;
    GOY = all.top;
    GW = (all.right - all.left) / GK;
    GH = (all.bottom - all.top) / GK;
    GParts = GSpan ? MonCount : 1;
    for (int i = 0; i < GParts; i++) {
        const DdRect& m = Mons[i];
        MonParts[i].mon = m;
        MonParts[i].part = {(m.left - GOX) / GK, (m.top - GOY) / GK, (m.right - GOX) / GK,
                            (m.bottom - GOY) / GK};
    }
}

void AquaScreenSet()
{
    DdRect mons[MonitorMax];
    int n = DdMonitors(mons, MonitorMax);
    AquaLayOut(mons, n, NoScale ? 1 : m_nPicScale, DdScreenDpi(), !NoSpan && m_nOtherMon == OmSpan);
}

bool AquaFallBack()
{
    DdRect mons[MonitorMax];
    std::copy(Mons, Mons + MonCount, mons);
    if (GSpan)
        NoSpan = 1;
    else if (GK > 1)
        NoScale = 1;
    else
        return false;
    AquaLayOut(mons, MonCount, NoScale ? 1 : Stored, Dpi, 0);
    return true;
}

bool AquaScreenFollow()
{
    int w = GW, h = GH, k = GK, span = GSpan, sw = GSW, sh = GSH;
    AquaScreenSet();
    bool same = GW == w && GH == h && GK == k && GSpan == span;
    // The primary keeps the display mode the aquarium set up on it.
    if (GSW != sw || GSH != sh) {
        DdRect mons[MonitorMax];
        std::copy(Mons, Mons + MonCount, mons);
        mons[0] = {0, 0, sw, sh};
        AquaLayOut(mons, MonCount, Stored, Dpi, Span);
        same = GW == w && GH == h && GK == k && GSpan == span;
    }
    return !same;
}

bool FrameOffScreen()
{
    return GK > 1 || GSpan;
}
