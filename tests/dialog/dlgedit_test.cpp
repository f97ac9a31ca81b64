// Set list, program and pattern-row edits of the configuration dialog.
#include "scrn01/dialog/dlgedit.h"
#include "scrn01/settings/fishtable.h"
#include "scrn01/settings/program.h"
#include "scrn01/settings/records.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Set i gets scene length i + 1 and colour speed i + 1, so that every record
// can be told from the others after a move.
void LoadSets(int count, int current)
{
    RecordsReset();
    ProgramReset();
    m_nPGMax = SetMax - 1;  // every row may be written
    for (int i = 0; i < SetMax; i++) {
        m_nIdx = i;
        m_nPGL = i + 1;
        m_nBackCS = i + 1;
        Genwrt();
        Watwrt();
    }
    m_nPGMax = count - 1;
    m_nIdx = current;
}

int LengthOf(int set)
{
    return Mid(m_nGen[set], GenPGL.col, GenPGL.width);
}

int SpeedOf(int set)
{
    return Mid(m_nWat[set], WatCS.col, WatCS.width);
}

void LoadProgram(const std::vector<int>& slots)
{
    for (int i = 0; i < PgMax; i++)
        m_nPg[i] = i < (int)slots.size() ? slots[i] : 0;
    m_nPgpage = 1;
}

std::vector<int> Program(int n)
{
    return std::vector<int>(m_nPg, m_nPg + n);
}

std::string DefaultGen()
{
    return std::string(m_nGenini2) + m_nGenini3;
}

TEST(SetEdits, DeleteMovesLaterSetsUpAndKeepsTheProgramOnTheirScenes)
{
    struct {
        const char* what;
        int count, current;
        std::vector<int> program;
        int max, idx;
        std::vector<int> left;  // scene lengths of the sets left, in order
        std::vector<int> after;
    } cases[] = {
        {"set 3 of 5", 5, 2, {3, 4, 5, 1, 3, 0, 2}, 3, 2, {1, 2, 4, 5}, {0, 3, 4, 1, 0, 0, 2, 0}},
        {"the last: the one before it is current", 3, 2, {3, 1, 2, 3}, 1, 1, {1, 2}, {0, 1, 2, 0}},
        {"the only set: reset to the defaults", 1, 0, {1, 1}, 0, 0, {}, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        LoadSets(c.count, c.current);
        LoadProgram(c.program);
        SetDelete();
        EXPECT_EQ(m_nPGMax, c.max);
        EXPECT_EQ(m_nIdx, c.idx);
        for (int i = 0; i < (int)c.left.size(); i++) {
            EXPECT_EQ(LengthOf(i), c.left[i]) << i;
            EXPECT_EQ(SpeedOf(i), c.left[i]) << i;
        }
        for (int i = (int)c.left.size(); i < c.count; i++) {
            EXPECT_EQ(m_nGen[i], DefaultGen()) << i;
            EXPECT_STREQ(m_nWat[i], m_nWatini) << i;
        }
        EXPECT_EQ(Program((int)c.after.size()), c.after);
    }
}

TEST(SetEdits, NextReachesTheLastSetAddOnlyFromThereNeverPastFifty)
{
    LoadSets(3, 1);
    EXPECT_FALSE(SetAddOffered());
    SetAdd();
    EXPECT_EQ(m_nPGMax, 2);
    EXPECT_EQ(m_nIdx, 1);
    SetStep(1);
    EXPECT_EQ(m_nIdx, 2);
    SetStep(1);
    EXPECT_EQ(m_nIdx, 2);

    // Add stores the set it leaves; the new set is the record slot after it.
    m_nIdx = 2;
    m_nPGL = 17;
    ASSERT_TRUE(SetAddOffered());
    SetAdd();
    EXPECT_EQ(m_nPGMax, 3);
    EXPECT_EQ(m_nIdx, 3);
    EXPECT_EQ(LengthOf(2), 17);

    LoadSets(SetMax, SetMax - 1);
    EXPECT_FALSE(SetAddOffered());
    SetAdd();
    EXPECT_EQ(m_nPGMax, SetMax - 1);
    EXPECT_EQ(m_nIdx, SetMax - 1);
}

TEST(ProgramEdits, ResetSlotsPagesAndSteps)
{
    LoadSets(3, 0);
    LoadProgram({9, 9, 9, 9, 9});
    PgReset();
    std::vector<int> expect(PgMax, 0);
    expect[0] = 1;
    expect[1] = 2;
    expect[2] = 3;
    EXPECT_EQ(Program(PgMax), expect);

    // A slot steps from Off through the three sets and no further.
    m_nPgpage = 2;
    for (int i = 0; i < 6; i++)
        PgSlotStep(3, 1);
    EXPECT_EQ(m_nPg[13], 3);
    EXPECT_EQ(PgSlot(3), 3);
    for (int i = 0; i < 6; i++)
        PgSlotStep(3, -1);
    EXPECT_EQ(m_nPg[13], 0);

    // A slot naming a set that does not exist only steps down.
    m_nPg[14] = 40;
    PgSlotStep(4, 1);
    EXPECT_EQ(m_nPg[14], 40);
    PgSlotStep(4, -1);
    EXPECT_EQ(m_nPg[14], 39);

    for (int i = 0; i < 6; i++)
        PgPageStep(1);
    EXPECT_EQ(m_nPgpage, PgPageMax);
    for (int i = 0; i < 6; i++)
        PgPageStep(-1);
    EXPECT_EQ(m_nPgpage, 1);
}

// Rows 0.. get the kinds given; the rest are empty.
void LoadRows(const std::vector<int>& kinds, int current)
{
    for (int p = 0; p < FPatMax; p++) {
        int k = p < (int)kinds.size() ? kinds[p] : 0;
        m_nFno[p] = k;
        m_nFrea[p] = k ? 1 : 0;
        m_nFqua[p] = k ? k * 10 : 0;
        m_nFsiz[p] = k ? 200 + k : 100;
        m_nFdis[p] = k ? k : 0;
    }
    m_nFidx = current;
}

std::vector<int> Kinds(int n)
{
    return std::vector<int>(m_nFno, m_nFno + n);
}

TEST(RowEdits, LeavingAnEmptiedRowRemovesIt)
{
    // Row 2 of four emptied, then next: the number stays, later rows move up.
    LoadRows({5, 6, 7, 8}, 1);
    m_nFno[1] = 0;
    FishRowStep(1);
    EXPECT_EQ(m_nFidx, 1);
    EXPECT_EQ(Kinds(5), (std::vector<int>{5, 7, 8, 0, 0}));
    EXPECT_EQ(m_nFqua[1], 70);
    EXPECT_EQ(m_nFsiz[2], 208);
    EXPECT_EQ(m_nFrea[3], 0);
    EXPECT_EQ(m_nFqua[3], 0);
    EXPECT_EQ(m_nFsiz[3], EmptyRowSize);
    EXPECT_EQ(m_nFdis[3], 0);

    // Emptied, then previous: the row before it shows.
    LoadRows({5, 6, 7, 8}, 2);
    m_nFno[2] = 0;
    FishRowStep(-1);
    EXPECT_EQ(m_nFidx, 1);
    EXPECT_EQ(Kinds(5), (std::vector<int>{5, 6, 8, 0, 0}));

    // Filled rows are only walked; the ends stop.
    LoadRows({5, 6}, 0);
    FishRowStep(-1);
    EXPECT_EQ(m_nFidx, 0);
    FishRowStep(1);
    EXPECT_EQ(m_nFidx, 1);
    EXPECT_EQ(Kinds(3), (std::vector<int>{5, 6, 0}));

    // A full table: emptying row 10 moves the 39 rows below it up.
    std::vector<int> full(FTblMax);
    for (int p = 0; p < FTblMax; p++)
        full[p] = p % FishMax + 1;
    LoadRows(full, FTblMax - 1);
    FishRowStep(1);
    EXPECT_EQ(m_nFidx, FTblMax - 1);
    m_nFidx = 10;
    m_nFno[10] = 0;
    FishRowStep(1);
    EXPECT_EQ(m_nFidx, 10);
    EXPECT_EQ(m_nFno[10], full[11]);
    EXPECT_EQ(m_nFno[FTblMax - 2], full[FTblMax - 1]);
    EXPECT_EQ(m_nFno[FTblMax - 1], 0);
    EXPECT_EQ(m_nFsiz[FTblMax - 1], EmptyRowSize);
}

TEST(RowEdits, RowOutsideTheTableIsTakenAsRowZero)
{
    for (int bad : {FTblMax, 55, 99, -1}) {
        LoadRows({4, 5}, bad);
        FidxChk();
        EXPECT_EQ(m_nFidx, 0) << bad;
        m_nFidx = bad;
        FishKindStep(1);
        EXPECT_EQ(m_nFno[0], 5) << bad;
        EXPECT_EQ(m_nFno[FTblMax], 0) << bad;  // the guest row
    }
}

TEST(SmallEdits, BackColourSlotToggle)
{
    LoadSets(2, 1);
    for (int k = 0; k < WatSlotMax; k++)
        m_nBackCF[1][k] = 0;
    m_nBackCF[1][4] = 7;
    BackSlotToggle(4);  // any value but 1 turns on
    EXPECT_EQ(m_nBackCF[1][4], 1);
    BackSlotToggle(9);
    EXPECT_EQ(m_nBackCK, 2);
    BackSlotToggle(4);
    BackSlotToggle(9);
    EXPECT_EQ(m_nBackCF[1][9], 0);
    EXPECT_EQ(m_nBackCK, 1);  // never below one
}

}  // namespace
