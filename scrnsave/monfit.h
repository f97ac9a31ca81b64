// Fitting the aquarium's picture into another monitor: as large as it fits
// with its proportions kept, centred; the rest of the monitor stays black.
// No Windows API here; the monitor windows of blankmon.cpp use it.
#pragma once

// Left, top, right, bottom in pixels; right and bottom exclusive.
struct MonRect {
    int left, top, right, bottom;
};

// Where a picture of picW x picH pixels goes on a monitor given in screen
// coordinates (its origin anywhere, negative too): the rectangle relative to
// the monitor's top-left corner. Empty (all 0) when either has no area.
MonRect FitPicture(int picW, int picH, const MonRect& mon);
