// Where the preview picture goes in a preview window of any size: scaled to
// fit inside a one-pixel margin, its proportions kept, centred.
#pragma once

// A rectangle in pixels: left, top, width, height.
struct PicRect {
    int x, y, w, h;
};

// The part of a preview picture that is shown, and the margin around it.
const int PreviewShowW = 150, PreviewShowH = 110;
const int PreviewMargin = 1;

// A w x h picture scaled as large as the box allows with its proportions
// kept (to the nearest pixel), centred in the box. A box of no area, or a
// picture of none, gives a rectangle of no size.
PicRect FitPicture(int w, int h, const PicRect& box);

// The preview picture in a client area of clientW x clientH; the rest of
// the area is background. A 152 x 112 area shows it unscaled at (1, 1).
PicRect PreviewPlace(int clientW, int clientH);
