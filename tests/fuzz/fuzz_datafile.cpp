// Data-file reader: any file gives at least one set, indexes inside the loaded
// sets, and a file that writes back and reads again to the same sets and program.
#include "scrn01/settings/program.h"
#include "scrn01/settings/records.h"
#include "scrn01/store/datafile.h"
#include "scrn01/store/msglog.h"
#include "scrn01/store/oscall.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static void Check(bool ok)
{
    if (!ok)
        abort();
}

static int NoBox(const char*, const char*, unsigned) { return 1; }

struct Snapshot {
    int max, page, on, type, fl, pg[PgMax];
    char gen[SetMax][GenByte], wat[SetMax][WatByte];
};

static void Take(Snapshot& s)
{
    s.max = m_nPGMax;
    s.page = m_nPgpage;
    s.on = m_nPgon;
    s.type = m_nPGType;
    s.fl = m_nPGFL;
    memcpy(s.pg, m_nPg, sizeof s.pg);
    for (int i = 0; i < SetMax; i++) {
        memcpy(s.gen[i], m_nGen[i], GenByte);
        memcpy(s.wat[i], m_nWat[i], WatByte);
    }
}

static void Load(FILE* fp, int af)
{
    bool pgseen = false;
    int sets = DataReadLines(fp, &pgseen);
    DataReadFinish(af, sets, pgseen, "fuzz");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    m_nMsgon = 1;
    MsgBoxHook = NoBox;
    m_nIdx = size % 60 - 5;
    FILE* fp = fmemopen((void*)data, size, "r");
    if (!fp)
        return 0;
    Load(fp, (int)(size & 1));
    fclose(fp);

    Check(m_nPGMax >= 0 && m_nPGMax < SetMax);
    Check(m_nIdx >= 0 && m_nIdx <= m_nPGMax);
    Check(m_nPgpage >= 1 && m_nPgpage <= 5);
    for (int i = 0; i < PgMax; i++)
        Check(m_nPg[i] >= 0 && m_nPg[i] <= SetMax);
    for (int i = 0; i < SetMax; i++) {
        Check(strnlen(m_nGen[i], sizeof m_nGen[i]) >= (size_t)GenByte);
        Check(strnlen(m_nWat[i], sizeof m_nWat[i]) >= (size_t)WatByte);
    }

    Snapshot before;
    Take(before);
    char* out = nullptr;
    size_t outsize = 0;
    FILE* work = open_memstream(&out, &outsize);
    Check(work && DataWriteLines(nullptr, work));
    fclose(work);
    FILE* back = fmemopen(out, outsize, "r");
    Check(back != nullptr);
    Load(back, 1);
    fclose(back);
    free(out);

    static Snapshot after;
    Take(after);
    Check(after.max == before.max && after.page == before.page && after.on == before.on &&
          after.type == before.type && after.fl == before.fl);
    Check(memcmp(after.pg, before.pg, sizeof before.pg) == 0);
    for (int i = 0; i <= before.max; i++) {
        Check(memcmp(after.gen[i], before.gen[i], GenByte) == 0);
        Check(memcmp(after.wat[i], before.wat[i], WatByte) == 0);
    }
    return 0;
}
