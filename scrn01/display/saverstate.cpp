// Saver window state, band heights, the new-fish countdown and the guest catch.
#include "scrn01/display/saverstate.h"
#include "scrn01/display/aquascreen.h"
#include "scrn01/display/band.h"
#include "scrn01/display/ddcall.h"
#include "scrn01/display/fishdata.h"
#include "scrn01/display/frame.h"
#include "scrn01/settings/fishtable.h"
#include "scrn01/settings/program.h"
#include "scrn01/settings/random.h"
#include "scrn01/settings/records.h"
#include "scrn01/settings/scenestart.h"
#include "scrn01/settings/startvalues.h"
#include "scrn01/store/datafile.h"
#include "scrn01/store/msglog.h"
#include "scrn01/store/regstore.h"

const int DefaultPeriod = 500;   // timer period before the mode is known
const int DefaultGW = 1024, DefaultGH = 768;

int af1, af2, af3, af5, af6;
int nSpeed = DefaultPeriod;
int GW = DefaultGW, GH = DefaultGH;
int GHH, GHA, GHF;
int rightcrif;
int er1;

static const StartValues SaverStart(af1, af2, af3, af5, af6, nSpeed, GW, GH, GHH, GHA, GHF,
                                    rightcrif, er1);

void SaverStateReset()
{
    SaverStart.Restore();
    AquaScreenReset();
}

void SaverStartUp()
{
    RegUserSet();
    RegDirSet();
    FileRead1();
    TMRndm();
}

void SaverReadSettings()
{
    er1 = RegFlgRead();
    if (er1 >= 2 && er1 <= 4)
        MsgWrt1(27, Msg004, "", 0);
    else if (er1 > 4)
        MsgWrt1(28, Msg004, "", 0);
    if (uskgn2 == 0) {
        er1 = RegRead(0);
        if (er1 != 0)
            MsgWrt1(29, Msg004, "", 0);
    } else {
        RegNoRead();
    }
    DataRead(0);
    AquariumSetUp();
}

void AquariumTick()
{
    updateFrame();
    PgStep();
    NewFishCountdown();
}

void BandHeights()
{
    // A value the dialog cannot set (hand-edited registry) means "Midum", as there.
    if (m_nSHf < ShLow || m_nSHf > ShFull)
        m_nSHf = ShMidum;
    switch (m_nSHf) {
    case ShLow: GHH = GH / 3; break;
    case ShMidum: GHH = GH / 2; break;
    case ShHigh: GHH = GH * 2 / 3; break;
    default: GHH = GH; break;
    }
    GHA = GH - GHH;
    if (GHA > FullBandSlack) {
        GHF = 0;
    } else {
        GHF = 1;
        GHH = GH;
    }
    // A layout made smaller while the band drifted.
    if (GTP > GHA)
        GTP = GHA;
}

void Iniset()
{
    AquaScreenSet();
    BandHeights();
    for (int p = 0; p < FTblMax; p++)
        m_nFnh[p] = 0;
    m_nFnh[addfig] = 0;
}

void AquariumSetUp()
{
    Genset(0);
    BackCz();
    Watset(0);
    m_nBackCIdx = m_nBackC[m_nIdx];
    Iniset();
    m_nIdxBk = m_nIdx;
}

void NewFishCountdown()
{
    if (m_nSYS01 <= 0)
        return;
    // Compared before adding: a stored counter at the top of the range wraps to 0.
    if (m_nSYScnt >= m_nSYSrnd) {
        m_nSYScnt = 0;
        m_nSYSrnd = Rndm(SysRndLow, SysRndHigh);
        er1 = RegSy1();
        if (er1 != 0)
            MsgWrt1(31, Msg002, "", 0);
    } else {
        m_nSYScnt++;
        if (m_nSYScnt % SysSaveEvery == 0)
            SYScntW();
    }
}

void GuestCatch()
{
    if (addfigf != 1 || Rndm(1, CatchOdds) <= CatchAbove || rightcrif != 0)
        return;
    rightcrif = 1;
    if (addfigfi < 1 || addfigfi > FishMax || m_nFss[addfigfi - 1] != 0)
        return;
    m_nFss[addfigfi - 1] = 1;
    er1 = RegSy2();
    if (er1 != 0)
        MsgWrt1(30, Msg002, "", 0);
    FTSSet();
    FTTSet();
    FGTSet();
}
