// Windows side of the random generator: the C runtime's own.
#include "scrn01/settings/randcall.h"

#include <cstdlib>

int RndDraw()
{
    return rand();
}

void RndSeed(unsigned seed)
{
    srand(seed);
}
