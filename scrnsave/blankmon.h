// Black windows over the monitors other than the main one while the saver runs
// full screen. They never take activation or the input focus; mouse input over
// them reaches the saver window as if it had happened there, so it closes the
// saver in the same way. Owned by the saver window, they go when it goes.
#pragma once
#include <windows.h>

// Covers every monitor except the primary one; returns the number of windows made.
int CoverOtherMonitors(HWND saver);
