// Fish population: a new fish for an empty slot (with the new-fish event and
// the guest fish), new turns and bursts, and the speed and animation rules.
// The fish arrays themselves are in fishdata.h.
#pragma once

const int HeadingMax = 24;       // headings 1..24
const int DashSpeed = 30;        // faddb of a dashing fish
const int DashBurst = 11;        // fidks of a dashing fish
const int SpeedLow = 5, SpeedHigh = 15;   // faddb of an ordinary fish
// The smallest fish the dialog's sliders can make (50 % x 50 % at -50 %);
// a hand-edited size below it would leave a fish that never moves.
const int FishSizeMin = 12;

// Gives slot j (0..99) a new fish, or leaves it empty when no pattern can.
void GetFish(int j);
// A new turn for the fish in slot j and, one time in three, a new burst.
void SetFish(int j);
// faddx, faddy of slot j from its heading, speed, size and burst level.
void FishSpeed(int j);
// Ticks per animation frame at burst level fidks.
int FrameTicks(int fidks);
// Edge code of an arriving fish with steps (ax, ay): 1 bottom, 2 left, 3 top, 4 right.
int ArrivalEdge(int ax, int ay);
