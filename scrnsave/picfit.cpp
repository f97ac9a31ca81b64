// Fitting a picture into a box.
#include "scrnsave/picfit.h"

// a * b / c to the nearest integer, for non-negative values.
static int MulDivRound(long long a, long long b, long long c)
{
    return (int)((2 * a * b + c) / (2 * c));
}

PicRect FitPicture(int w, int h, const PicRect& box)
{
    if (w <= 0 || h <= 0 || box.w <= 0 || box.h <= 0)
        return {box.x, box.y, 0, 0};
    int fw = box.w, fh = box.h;
    // The side that fills the box decides the scale.
    if ((long long)box.w * h <= (long long)box.h * w)
        fh = MulDivRound(box.w, h, w);
    else
        fw = MulDivRound(box.h, w, h);
    return {box.x + (box.w - fw) / 2, box.y + (box.h - fh) / 2, fw, fh};
}
