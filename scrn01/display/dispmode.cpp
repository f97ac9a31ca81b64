// The display mode of the full-screen aquarium, set through the drawing seam.
#include "scrn01/display/dispmode.h"
#include "scrn01/display/ddcall.h"

bool SetSaverMode(int w, int h)
{
    if (DdSetMode(w, h, DisplayBpp) == DdOk)
        return true;
    int desktop = DdDesktopBpp();
    return desktop != DisplayBpp && DdSetMode(w, h, desktop) == DdOk;
}
