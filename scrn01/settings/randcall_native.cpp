// Native side of the random generator: the Windows runtime's generator.
#include "scrn01/settings/randcall.h"

static unsigned RndState = 1;

int RndDraw()
{
    RndState = RndState * 214013u + 2531011u;
    return (int)((RndState >> 16) & 0x7fff);
}

void RndSeed(unsigned seed)
{
    RndState = seed;
}
