// Windows over the monitors other than the main one while the saver runs
// full screen: black until the program shows its picture in them (see
// ShowOnOtherMonitors in scrnsave.h). They never take activation or the input
// focus; mouse input over them reaches the saver window as if it had happened
// there, so it closes the saver in the same way. Owned by the saver window,
// they go when it goes.
#pragma once
#include <windows.h>

// Covers every monitor except the primary one, or, called again, makes the
// windows fit the monitors there are now; returns the number of windows.
int CoverOtherMonitors(HWND saver);
