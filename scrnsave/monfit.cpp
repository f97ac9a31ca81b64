// Fitting a picture into a monitor.
#include "scrnsave/monfit.h"

MonRect FitPicture(int picW, int picH, const MonRect& mon)
{
    long long mw = (long long)mon.right - mon.left, mh = (long long)mon.bottom - mon.top;
    if (picW <= 0 || picH <= 0 || mw <= 0 || mh <= 0)
        return {0, 0, 0, 0};
    long long w = mw, h = mh;
    // The side that limits the scale fills the monitor; the other one is
    // rounded to the nearest pixel and centred between two bars.
    if (mw * picH <= mh * picW)
        h = (2 * mw * picH + picW) / (2LL * picW);
    else
        w = (2 * mh * picW + picH) / (2LL * picH);
    if (w < 1)
        w = 1;
    if (h < 1)
        h = 1;
    int x = (int)((mw - w) / 2), y = (int)((mh - h) / 2);
    return {x, y, x + (int)w, y + (int)h};
}
