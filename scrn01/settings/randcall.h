// The runtime's random generator, behind one seam: randcall_win.cpp uses the
// C runtime of the Windows build (rand, srand); randcall_native.cpp is the same
// generator written out, so that both builds draw one sequence. The generator:
// state * 214013 + 2531011, result bits 16..30 of the new state, state
// starting at 1.
#pragma once

// One draw 0..32767.
int RndDraw();
// Restart the generator at a given state (srand). The program never seeds;
// tests use it to reproduce a sequence.
void RndSeed(unsigned seed);
