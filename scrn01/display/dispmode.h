// The display mode of the full-screen aquarium.
#pragma once

// Switches the w x h screen to DisplayBpp bits per pixel or, where the display
// offers no such mode, to the desktop's own depth (the pictures are converted
// on loading and the colour key matched per surface, so drawing is the same).
// False when neither mode can be set.
bool SetSaverMode(int w, int h);
