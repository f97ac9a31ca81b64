// The display mode of the full-screen aquarium, and the off-screen frame of a
// scaled or spanning one.
#pragma once

// Switches the w x h screen to DisplayBpp bits per pixel or, where the display
// offers no such mode, to the desktop's own depth (the pictures are converted
// on loading and the colour key matched per surface, so drawing is the same).
// False when neither mode can be set.
bool SetSaverMode(int w, int h);
// Once the primary surface exists: the surface the frame is drawn on when it
// is presented (aquascreen.h). Where it cannot be made, the aquarium gives up
// one aquarium over every monitor, then the picture scale, for the rest of
// the run, and says so once (points 35 and 36).
void SetUpFrame();
// After a display change: the aquarium's screen over the monitors there are
// now (aquascreen.h), its band and its frame surface.
void FollowMonitors();
