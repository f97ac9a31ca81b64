// Where the preview picture goes in a preview window of any size: scaled to
// fit inside a one-pixel margin, its proportions kept, centred.
#pragma once
#include "scrnsave/picfit.h"

// The part of a preview picture that is shown, and the margin around it.
const int PreviewShowW = 150, PreviewShowH = 110;
const int PreviewMargin = 1;

// The preview picture in a client area of clientW x clientH; the rest of
// the area is background. A 152 x 112 area shows it unscaled at (1, 1).
PicRect PreviewPlace(int clientW, int clientH);
