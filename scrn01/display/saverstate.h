// State of the saver window shared by the display (flags, timer period,
// screen geometry) and the parts of the window procedure that need no
// Windows API: the band heights, the new-fish countdown and the guest catch.
#pragma once

// Screen-height settings (m_nSHf).
const int ShLow = 0, ShMidum = 1, ShHigh = 2, ShFull = 3;
const int FullBandSlack = 10;    // a rest of the height up to this goes to the band
const int SysSaveEvery = 397;    // ticks between stores of the new-fish counters
const int SysRndLow = 600, SysRndHigh = 12000;   // new-fish tick interval range
const int CatchOdds = 30, CatchAbove = 18;       // right-click catch: Rndm(1, 30) > 18

extern int af1;        // 1: preview
extern int af2;        // 1: primary released after a close request, animation paused
extern int af3;        // preview: 1 once the picture is painted
extern int af5;        // DirectDraw state: 0 never set up, 1 to be (re)built, 2 loaded
extern int af6;        // 1: a screen snapshot exists
extern int nSpeed;     // timer period in use, ms
extern int GW, GH;     // the aquarium's screen, logical px (aquascreen.h)
extern int GHH;        // band height, px
extern int GHA;        // height left above and below the band, px
extern int GHF;        // 1: the band fills the screen
extern int rightcrif;  // 1 once the guest catch was granted in this run
extern int er1;        // result of the last registry operation

// Window creation, both modes: the user name, the installation directory,
// the settings file and the random start-up.
void SaverStartUp();
// Window creation, full screen: the installation flags and the per-user
// values (reported at points 27 to 29), the data file, the first scene.
void SaverReadSettings();
// One tick of timer 10 in full screen: the frame, the scene program and the
// new-fish countdown.
void AquariumTick();
// The aquarium's screen (aquascreen.h) and the band heights from it and
// m_nSHf; clears the pattern counters.
void Iniset();
// Band height and scroll range from GH and m_nSHf.
void BandHeights();
// After the data file is read: the scene of set m_nIdx, the colour state of
// every set, the band heights.
void AquariumSetUp();
// One tick of the new-fish countdown and its stores.
void NewFishCountdown();
// A right click while a guest swims: maybe grants its kind.
void GuestCatch();
// Start values of the state above.
void SaverStateReset();
