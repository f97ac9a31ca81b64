// Background of the aquarium: the water band, its scroll and colour steps,
// the credit caption and title logo, and the flip that shows a frame.
// Regions of the background sheet BACK01 are rectangles, right and bottom exclusive.
#pragma once
#include "scrn01/settings/records.h"

const int BLKWL = 1, BLKHT = 20, BLKWR = 10, BLKHB = 30;   // black region
const int CPRWL = 1, CPRWR = 170, CPRHT = 43, CPRHB = 71;  // credit caption on black / blue
const int CT1WL = 247, CT1WR = 390, CT1HT = 28, CT1HB = 63;   // title, Japanese script
const int CT2WL = 416, CT2WR = 581, CT2HT = 29, CT2HB = 64;   // title, Latin script
const int CaptionGap = 5;          // px between the band and the caption or title
const int CaptionH = 20, CaptionBlueH = 19, TitleH = 32;
const int CaptionRight = 185, CaptionRightEnd = 10;   // caption x from GW - 185 to GW - 10
const int TitleX = 5, TitleShow = 36, TitleLift = 4;
const int SwatchW = 10;       // swatch cell width; cell n starts at x = 10n
const int SpeedMax = 50;      // slowest scroll speed
const int ChRandom = 1, ChRound = 2, ChRepeat = 3;   // colour change types

extern int GTP;               // top of the band on the screen, px
extern int GTPF;              // scroll direction: 0 down, 1 up
extern int SRLCT;             // ticks since the last scroll step
extern int WATCHC1;           // ticks since the last colour change
extern int WATCHC2[SetMax];   // Repeat direction of each set: 0 forward, 1 backward
extern int m_nBackCIdx;       // colour slot shown
// Full-height blinking: caption counter, hidden flag, offsets up and left;
// then the title's counter, hidden flag, offsets down and right.
extern int aw1, awf1, aw2, aw3;
extern int aw4, awf2, aw5, aw6;

// Colour state of every set at start.
void BackCz();
// Next colour slot of the current set (m_nBackC[m_nIdx]).
void NextColour();
// Swatch number to show for slot k: 0 for a number outside 0..31.
int SwatchOf(int k);
// Background steps of a frame; false when a draw failed and the frame ends.
bool DrawBack();
// Flip, then the band scroll.
void FlipAndScroll();
// Band position of one scroll step.
void ScrollStep();
// Start values of the band, colour timer and blink state.
void BandReset();
