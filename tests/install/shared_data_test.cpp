// The installer's shared data file (installer/scenes.sh), read and written
// back by the program's own data-file code, as a new user's first run would.
#include "scrn01/settings/program.h"
#include "scrn01/settings/records.h"
#include "scrn01/settings/scenestart.h"
#include "scrn01/store/datafile.h"
#include "scrn01/store/regstore.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

std::string ReadAll(FILE* fp)
{
    std::string s;
    char buf[4096];
    size_t n;
    rewind(fp);
    while ((n = fread(buf, 1, sizeof buf, fp)) > 0)
        s.append(buf, n);
    return s;
}

::testing::AssertionResult InRange(const char* what, int v, int lo, int hi)
{
    if (v >= lo && v <= hi)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << what << " = " << v << ", not in " << lo << ".." << hi;
}

void ExpectSetInRange(int i)
{
    SCOPED_TRACE("set " + std::to_string(i + 1));
    m_nIdx = i;
    Genset(1);
    Watset(1);
    EXPECT_TRUE(InRange("replacement", m_nPGC, 0, 1));
    EXPECT_TRUE(InRange("random length", m_nPGRnd, 0, 1));
    EXPECT_TRUE(InRange("length", m_nPGL, 1, 30));
    EXPECT_TRUE(InRange("fish", m_nFish, 1, 100));
    EXPECT_TRUE(InRange("basic size", m_nFGSiz, 50, 300));
    for (int p = 0; p < FTblMax; p++) {
        SCOPED_TRACE("pattern " + std::to_string(p));
        EXPECT_TRUE(InRange("kind", m_nFno[p], 0, FishMax));
        EXPECT_TRUE(InRange("real number", m_nFrea[p], 0, 1));
        EXPECT_TRUE(InRange("quantity", m_nFqua[p], 0, 100));
        EXPECT_TRUE(InRange("size", m_nFsiz[p], 50, 500));
        EXPECT_TRUE(InRange("dispersion", m_nFdis[p], 0, 50));
    }
    int inUse = 0;
    for (int e = 0; e < WatSlotMax; e++) {
        EXPECT_TRUE(InRange("slot in use", m_nBackCF[i][e], 0, 1));
        EXPECT_TRUE(InRange("colour", m_nBackCC[e], 0, BackMax - 1));
        inUse += m_nBackCF[i][e];
    }
    EXPECT_GE(inUse, 1) << "no water colour";
    EXPECT_TRUE(InRange("change type", m_nBackCX, 1, 3));
    EXPECT_TRUE(InRange("from first", m_nBackCZ, 0, 1));
    EXPECT_TRUE(InRange("change speed", m_nBackCS, 1, 500));
}

}  // namespace

TEST(SharedData, EverySetIsValidPlaysForANewUserAndSavesBackUnchanged)
{
    FILE* fp = fopen(PH_SCENES_FILE, "rb");
    ASSERT_NE(fp, nullptr) << PH_SCENES_FILE;
    // A new user: no registry values yet, only kind 1 owned.
    RegNoRead();
    m_nIdx = 0;
    bool pgseen = false;
    int sets = DataReadLines(fp, &pgseen);
    DataReadFinish(0, sets, pgseen, PH_SCENES_FILE);

    ASSERT_GE(sets, 2) << "a few scene sets";
    EXPECT_TRUE(pgseen);
    EXPECT_EQ(m_nPGMax, sets - 1);
    // Every set can be shown before any fish kind is won.
    EXPECT_EQ(m_nPGf, sets);
    EXPECT_EQ(m_nPgon, 1);
    EXPECT_GE(m_nPGType, 1);
    EXPECT_LE(m_nPGType, 3);
    std::set<int> listed;
    for (int i = 0; i < PgMax; i++) {
        if (m_nPg[i] == 0)
            continue;
        EXPECT_TRUE(listed.insert(m_nPg[i]).second) << "set " << m_nPg[i] << " twice";
    }
    EXPECT_EQ(listed.size(), (size_t)sets);
    EXPECT_EQ(*listed.rbegin(), sets);

    for (int i = 0; i < sets; i++)
        ExpectSetInRange(i);

    // The program writes the same file back: every field has its width.
    FILE* out = tmpfile();
    ASSERT_NE(out, nullptr);
    rewind(fp);
    ASSERT_TRUE(DataWriteLines(fp, out));
    fflush(out);
    EXPECT_EQ(ReadAll(out), ReadAll(fp));
    fclose(out);
    fclose(fp);
}
