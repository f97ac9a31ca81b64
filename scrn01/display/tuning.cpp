// Display tuning values and power flags.
#include "scrn01/display/tuning.h"
#include "scrn01/settings/startvalues.h"

int nSpeed1 = Speed1Default;
int nSpeed2 = Speed2Default;
int nSp1 = 499;
int m_nJPF = 0;
int aw1a = 1357, aw1b = 357;
int aw4a = 973, aw4b = 287;
int pswf = 0;
int psmf = 0;
int pssf = 0;

static const StartValues TuningStart(nSpeed1, nSpeed2, nSp1, m_nJPF, aw1a, aw1b, aw4a, aw4b, pswf,
                                     psmf, pssf);

void TuningReset()
{
    TuningStart.Restore();
}
