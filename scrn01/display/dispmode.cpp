// The display mode of the full-screen aquarium and its off-screen frame, set
// through the drawing seam.
#include "scrn01/display/dispmode.h"
#include "scrn01/display/aquascreen.h"
#include "scrn01/display/ddcall.h"
#include "scrn01/display/frame.h"
#include "scrn01/display/saverstate.h"

#include <cstdio>

bool SetSaverMode(int w, int h)
{
    if (DdSetMode(w, h, DisplayBpp) == DdOk)
        return true;
    int desktop = DdDesktopBpp();
    return desktop != DisplayBpp && DdSetMode(w, h, desktop) == DdOk;
}

static bool FrameMade;  // a frame surface was asked for and made

void SetUpFrame()
{
    while (FrameOffScreen() && !(FrameMade = DdMakeFrame(GW, GH) == DdOk)) {
        char detail[80];
        snprintf(detail, sizeof detail, "%dx%d px at scale %d", GW, GH, GK);
        if (GSpan)
            FrameReport(36, "One Aquarium Surface Error !", detail);
        else
            FrameReport(35, "Picture Scale Surface Error !", detail);
        AquaFallBack();
        BandHeights();
    }
    // Drawn on the back buffer again: no frame surface in the way.
    if (!FrameOffScreen() && FrameMade) {
        DdMakeFrame(0, 0);
        FrameMade = false;
    }
}

void FollowMonitors()
{
    if (!AquaScreenFollow())
        return;
    BandHeights();
    SetUpFrame();
}
