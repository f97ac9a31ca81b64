// Fitting a picture into a window or a monitor: as large as it fits with its
// proportions kept, centred; the rest is background (the preview window's) or
// black (the other monitors'). No Windows API here.
#pragma once

// A rectangle in pixels: left, top, width, height.
struct PicRect {
    int x, y, w, h;
};

// A w x h picture scaled as large as the box allows with its proportions
// kept (to the nearest pixel), centred in the box. The box may lie anywhere,
// at negative coordinates too. A box of no area, or a picture of none, gives
// a rectangle of no size.
PicRect FitPicture(int w, int h, const PicRect& box);
