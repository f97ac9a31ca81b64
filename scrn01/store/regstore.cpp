// Registry operations of the store, on the system's registry through oscall.h.
#include "scrn01/store/regstore.h"
#include "scrn01/settings/fishtable.h"
#include "scrn01/settings/records.h"
#include "scrn01/store/datafile.h"
#include "scrn01/store/msglog.h"
#include "scrn01/store/oscall.h"

const int rgCreated = 1, rgOpened = 2;  // rgResult

OsRegKey rgMyKey = nullptr;
int rgResult = 0;
int rgintb = 0;
int rgaces = 0;

bool RegSetInt(const char* rgname, int rgdata)
{
    return OsRegSetInt(rgMyKey, rgname, rgdata);
}

bool RegSetStr(const char* rgname, const char* rgdata)
{
    return OsRegSetStr(rgMyKey, rgname, rgdata);
}

static bool QueryInt(const char* rgname)
{
    return OsRegGetInt(rgMyKey, rgname, &rgintb);
}

static bool QueryStr(const char* rgname)
{
    return OsRegGetStr(rgMyKey, rgname, buffer, BufSize);
}

int RegReadInt(const char* rgname, int rginit)
{
    if (rgResult == rgCreated && rgaces == 0) {
        rgintb = rginit;
        return RegSetInt(rgname, rginit) ? 0 : 2;
    }
    if (QueryInt(rgname))
        return 0;
    rgintb = rginit;
    if (rgaces == 1)
        return 1;
    return RegSetInt(rgname, rginit) ? 0 : 3;
}

int RegReadStr(const char* rgname, const char* rginit)
{
    if (rgResult == rgCreated && rgaces == 0) {
        StrCopyCut(buffer, BufSize, rginit);
        return RegSetStr(rgname, buffer) ? 0 : 2;
    }
    if (QueryStr(rgname))
        return 0;
    StrCopyCut(buffer, BufSize, rginit);
    if (rgaces == 1)
        return 1;
    return RegSetStr(rgname, buffer) ? 0 : 3;
}

static bool OpenInstallKey()
{
    rgResult = 0;
    return OsRegOpenRead(OsRegClassesRoot, regnameS, &rgMyKey);
}

static bool OpenUserKey()
{
    bool created = false;
    rgResult = 0;
    if (!OsRegCreate(OsRegCurrentUser, regname, &rgMyKey, &created))
        return false;
    rgResult = created ? rgCreated : rgOpened;
    return true;
}

static bool CloseKey()
{
    bool ok = OsRegClose(rgMyKey);
    rgMyKey = nullptr;
    rgaces = 0;
    return ok;
}

int RegDirSet()
{
    rgaces = 0;
    if (!OpenInstallKey()) {
        uskgn2 = 1;
        return 2;
    }
    rgaces = 1;
    int rc = RegReadStr("Directory", "") == 1 ? 1 : 0;
    StrCopyCut(DirName1, sizeof DirName1, buffer);
    if (!CloseKey())
        rc = 4;
    return rc;
}

int RegFlgRead()
{
    rgaces = 0;
    if (!OpenInstallKey())
        return 2;
    rgaces = 1;
    int rc = 0;
    if (RegReadInt(stname13, 0) == 1)
        rc = 1;
    m_nFullSCf = rgintb;
    if (RegReadInt(stname15, 0) == 1)
        rc = 1;
    m_nBackCRf = rgintb;
    if (!CloseKey())
        rc = 4;
    return rc;
}

// Reads one per-user value; false when the read must stop (a new key whose
// default cannot be written). The value is in rgintb / buffer either way.
static bool ReadIntStep(const char* name, int def)
{
    return RegReadInt(name, def) != 2;
}

int RegRead(int af)
{
    (void)af;
    rgaces = 0;
    if (!OpenUserKey())
        return 4;

    FiGrt = FiGrtW;
    FishLv0S = FishLv0SW;
    FishLv1S = FishLv1SW;
    FishLv2S = FishLv2SW;
    FishLv3S = FishLv3SW;
    FishMax2S = FishMax2SW;
    Fistt = FisttW;

    int rc = 3;
    do {
        if (!ReadIntStep(stnameS1, regdefS1))
            break;
        m_nSYS01 = rgintb;
        if (RegReadStr(stname2, regdef2) == 2)
            break;
        FssFromText(buffer);
        if (!ReadIntStep(stname3, 0))
            break;
        // The set index must name a row of the set store; the data file narrows it further.
        m_nIdx = (rgintb < 0 || rgintb >= SetMax) ? 0 : rgintb;
        if (!ReadIntStep(stname10, regdef10))
            break;
        m_nFGSif = rgintb;
        if (!ReadIntStep(stname11, regdef11))
            break;
        m_nSHf = rgintb;
        if (!ReadIntStep(stname12, regdef12))
            break;
        m_nSSpe = rgintb;

        if (!ReadIntStep(stname13, m_nFullSCf))
            break;
        m_nFullSCf = (rgintb == 0 || rgintb == 1) ? rgintb : 0;
        if (m_nFullSCf == 0 && m_nSHf == 3)
            m_nSHf = 2;

        if (!ReadIntStep(stname14, 0))
            break;
        m_nFgf = rgintb;

        if (!ReadIntStep(stname15, m_nBackCRf))
            break;
        m_nBackCRf = rgintb;
        if (m_nBackCRf == 0 || m_nBackCRf == 2) {
            WATHT = 11;
            WATHB = 20;
        } else if (m_nBackCRf == 1) {
            WATHT = 1;
            WATHB = 10;
        }

        if (!ReadIntStep(stname17, 0))
            break;
        m_nSYScnt = rgintb;
        if (!ReadIntStep(stname18, regdef18))
            break;
        m_nSYSrnd = rgintb;
        if ((long long)m_nSYSrnd - (long long)m_nSYScnt > 2000)
            m_nSYScnt = m_nSYScnt + 1800;

        if (!ReadIntStep(stname19, regdef19))
            break;
        m_nOtherMon = rgintb >= 0 && rgintb <= OtherMonMax ? rgintb : regdef19;
        if (!ReadIntStep(stname20, regdef20))
            break;
        m_nPicScale = rgintb >= 0 && rgintb <= PicScaleMax ? rgintb : regdef20;
        rc = 0;
    } while (false);

    if (!CloseKey() && rc == 0)
        rc = 2;
    return rc;
}

int RegWrite()
{
    rgaces = 0;
    OpenUserKey();
    int rc = 0;
    char digits[FishMax + 1];
    FssToText(digits);
    if (!RegSetStr(stname2, digits))
        rc = 1;
    if (!RegSetInt(stname3, m_nIdx))
        rc = 1;
    Genwrt();
    Watwrt();
    if (!RegSetInt(stname10, m_nFGSif))
        rc = 1;
    if (!RegSetInt(stname11, m_nSHf))
        rc = 1;
    if (!RegSetInt(stname12, m_nSSpe))
        rc = 1;
    if (!RegSetInt(stname14, m_nFgf))
        rc = 1;
    if (!RegSetInt(stname19, m_nOtherMon))
        rc = 1;
    if (!RegSetInt(stname20, m_nPicScale))
        rc = 1;
    if (!CloseKey())
        rc = 2;
    return rc;
}

int RegSy1()
{
    rgaces = 0;
    if (!OpenUserKey())
        return 1;
    int rc = 0;
    if (RegReadInt(stnameS1, regdefS1) == 2) {
        rc = 3;
    } else {
        m_nSYS01 = rgintb;
        if (m_nSYS01 > 0)
            m_nSYS01--;
        if (!RegSetInt(stnameS1, m_nSYS01))
            rc = 1;
        if (!RegSetInt(stname17, m_nSYScnt))
            rc = 1;
        if (!RegSetInt(stname18, m_nSYSrnd))
            rc = 1;
    }
    if (!CloseKey())
        rc = 2;
    return rc;
}

int RegSy2()
{
    rgaces = 0;
    if (!OpenUserKey())
        return 1;
    int rc = 0;
    if (!RegSetInt(stnameS1, m_nSYS01))
        rc = 1;
    char digits[FishMax + 1];
    FssToText(digits);
    if (!RegSetStr(stname2, digits))
        rc = 1;
    if (!CloseKey())
        rc = 2;
    return rc;
}

int SYScntW()
{
    rgaces = 0;
    if (!OpenUserKey())
        return 1;
    int rc = 0;
    if (!RegSetInt(stname17, m_nSYScnt))
        rc = 1;
    if (!RegSetInt(stname18, m_nSYSrnd))
        rc = 1;
    if (!CloseKey())
        rc = 2;
    return rc;
}
