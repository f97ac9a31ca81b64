// Per-user and installation values of the registry store, their defaults and
// the owned-kind digit codec. No registry access here (see regstore.cpp).
#include "scrn01/store/regstore.h"
#include "scrn01/settings/records.h"
#include "scrn01/settings/startvalues.h"

#include <cstring>

int m_nSYS01 = regdefS1;
int m_nFss[FishMax] = {1};
int m_nFGSif = regdef10;
int m_nSHf = regdef11;
int m_nSSpe = regdef12;
int m_nFgf = 0;
int m_nSYScnt = 0;
int m_nSYSrnd = regdef18;
int m_nOtherMon = regdef19;
int m_nPicScale = regdef20;
int m_nFullSCf = 0;
int m_nBackCRf = 0;
int uskgn2 = 0;
int WATHT = 11;
int WATHB = 20;

char buffer[BufSize];

static const StartValues RegValuesStart(m_nSYS01, m_nFss, m_nFGSif, m_nSHf, m_nSSpe, m_nFgf,
                                        m_nSYScnt, m_nSYSrnd, m_nOtherMon, m_nPicScale, m_nFullSCf,
                                        m_nBackCRf, uskgn2, WATHT, WATHB, buffer);

void RegValuesReset()
{
    RegValuesStart.Restore();
}

const char regnameS[] = "Software\\PondelHarbor";
const char regname[] = "Control Panel\\Screen Saver.PondelHarbor";
const char stnameS1[] = "OSIJDUA";
const char stname2[] = "OKSKKIS";
const char stname3[] = "AWYEHDB";
const char stname10[] = "RSGDBAM";
const char stname11[] = "ISKJEUH";
const char stname12[] = "KISJUAK";
const char stname13[] = "FullScreenFlg";
const char stname14[] = "SOIEKMA";
const char stname15[] = "BackColorsFlg";
const char stname17[] = "LOSKDIS";
const char stname18[] = "NAUSJEN";
const char stname19[] = "OtherMonitors";
const char stname20[] = "PictureScale";
const char regdef2[] = "10000000000000000000000000000000000";

void FssFromText(const char* text)
{
    // One digit per kind; the text may be shorter than 35 (the rest are not owned).
    size_t n = strnlen(text, FishMax);
    for (int k = 1; k <= FishMax; k++)
        m_nFss[k - 1] = (size_t)k <= n ? Mid(text, k, 1) : 0;
}

void FssToText(char* out)
{
    // Each flag as one decimal digit; a value outside 0..9 keeps its low digit.
    for (int k = 0; k < FishMax; k++) {
        int v = m_nFss[k] % 10;
        out[k] = (char)('0' + (v < 0 ? -v : v));
    }
    out[FishMax] = '\0';
}

void RegNoRead()
{
    m_nSYS01 = regdefS1;
    FssFromText(regdef2);
    m_nIdx = 0;
    m_nFGSif = regdef10;
    m_nSHf = regdef11;
    m_nSSpe = regdef12;
    m_nFullSCf = 0;
    m_nBackCRf = 0;
    WATHT = 11;
    WATHB = 20;
    m_nSYScnt = 0;
    m_nSYSrnd = regdef18;
    m_nFgf = 1;
    m_nOtherMon = regdef19;
    m_nPicScale = regdef20;
}
