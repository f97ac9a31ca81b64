// Playable sets, fish-area test, first set and the scene change step.
#include "scrn01/settings/random.h"
#include "scrn01/settings/scenestart.h"
#include "settings_util.h"

#include <gtest/gtest.h>

#include <set>

// n playable sets (kind 1, weight mode), program naming sets 1..n in order.
static void PlayableProgram(int n, int type)
{
    ResetState(n);
    for (int i = 0; i < n; i++) {
        SetHead(i, 0, 0, 1, 10 + i, 100);
        SetPat(i, 0, 1, 0, 5);
        m_nPg[i] = i + 1;
    }
    m_nPgon = 1;
    m_nPGType = type;
    Pgaset();
}

// Run the step until the scene changes; returns the ticks taken.
static int RunScene()
{
    int n = 0;
    do {
        n++;
        PgStep();
    } while (m_nPGcnt != 0 && n < 100000);
    return n;
}

TEST(Program, PlayableSets)
{
    ResetState(4);
    SetPat(0, 0, 0, 0, 5);
    SetPat(0, 1, 1, 0, 5);             // first pattern empty: never playable
    SetPat(1, 0, 1, 0, 5);             // weight mode, quantity 5
    SetPat(2, 0, 2, 0, 5);             // kind 2 not owned
    SetPat(3, 0, 2, 0, 5);
    SetPat(3, 1, 1, 1, 0);             // owned but no quantity
    SetPat(4, 0, 1, 0, 5);             // beyond the loaded sets
    Pgaset();
    EXPECT_EQ(m_nPga[0], 0);
    EXPECT_EQ(m_nPga[1], 1);
    EXPECT_EQ(m_nPga[2], 0);
    EXPECT_EQ(m_nPga[3], 0);
    EXPECT_EQ(m_nPga[4], 0);
    EXPECT_EQ(m_nPGf, 1);

    // Playability only grows: owning kind 2 adds set 2 and keeps set 1.
    m_nFss[1] = 1;
    m_nFss[0] = 0;
    Pgaset();
    EXPECT_EQ(m_nPga[1], 1);
    EXPECT_EQ(m_nPga[2], 1);
    EXPECT_EQ(m_nPGf, 3);

    // Kinds outside 1..35 do not make a set playable.
    ResetState(1);
    SetPat(0, 0, 36, 0, 5);
    SetPat(0, 1, 99, 1, 5);
    Pgaset();
    EXPECT_EQ(m_nPga[0], 0);
    // A set count beyond the store is kept inside it.
    m_nPGMax = 200;
    Pgaset();
    EXPECT_EQ(Pgachk(), 0);
}

TEST(Program, FishAreaTest)
{
    ResetState(2);
    SetHead(0, 0, 0, 1, 1, 100);
    SetPat(0, 0, 1, 1, 50, 100);      // 50 real fish of 9116 px: 455800
    EXPECT_EQ(Pgachka(0), 1);
    SetPat(0, 0, 1, 1, 43, 100);      // 391988
    EXPECT_EQ(Pgachka(0), 0);
    // Weight mode: average area times the fish number.
    SetHead(0, 0, 0, 1, 44, 100);
    SetPat(0, 0, 1, 0, 7, 100);
    EXPECT_EQ(Pgachka(0), 1);         // 9116 * 44 = 401104
    SetHead(0, 0, 0, 1, 43, 100);
    EXPECT_EQ(Pgachka(0), 0);
    // Sizes scale the area by their square: size 200 at basic 100 is four times.
    SetHead(0, 0, 0, 1, 11, 100);
    SetPat(0, 0, 1, 0, 7, 200);
    EXPECT_EQ(Pgachka(0), 1);         // 36464 * 11
    SetHead(0, 0, 0, 1, 20, 100);
    SetPat(0, 0, 1, 0, 1, 150);       // 9116 * 2.25 = 20511, times 20 = 410220
    EXPECT_EQ(Pgachka(0), 1);
    SetHead(0, 0, 0, 1, 19, 100);     // 389709
    EXPECT_EQ(Pgachka(0), 0);
    SetHead(0, 0, 0, 1, 11, 100);
    SetPat(0, 0, 1, 0, 7, 200);
    m_nFGSif = 1;                     // Direct Size: every fish 9116
    EXPECT_EQ(Pgachka(0), 0);
    m_nFGSif = 0;
    // Unowned kinds and kinds out of range do not count; basic size 0 counts nothing.
    SetPat(0, 0, 40, 1, 999, 500);
    EXPECT_EQ(Pgachka(0), 0);
    SetHead(0, 0, 0, 1, 999, 0);
    SetPat(0, 0, 1, 1, 999, 500);
    EXPECT_EQ(Pgachka(0), 0);
    // Largest fields stay exact.
    SetHead(0, 0, 0, 1, 999, 999);
    SetPat(0, 0, 1, 0, 999, 999);
    EXPECT_EQ(Pgachka(0), 1);
    EXPECT_EQ(Pgachka(-1), 0);
    EXPECT_EQ(Pgachka(50), 0);

    EXPECT_EQ(Pgachk(), 1);
    SetPat(0, 0, 1, 0, 0, 999);
    EXPECT_EQ(Pgachk(), 0);
    SetHead(1, 0, 0, 1, 1, 100);
    SetPat(1, 0, 1, 1, 50, 100);      // the last loaded set counts too
    EXPECT_EQ(Pgachk(), 1);
}

TEST(Program, PlayablePositionList)
{
    PlayableProgram(3, 1);
    m_nPg[7] = 2;
    m_nPg[8] = 9;                     // not a loaded set
    m_nPg[9] = 75;                    // outside the store
    m_nPg[10] = -4;
    PgRset();
    EXPECT_STREQ(Prgtb, "0:100$1:100$2:100$7:100");
    for (int i = 0; i < 50; i++)
        m_nPg[i] = 0;
    PgRset();
    EXPECT_STREQ(Prgtb, "0:100");
}

TEST(Program, RoundCyclesThroughEligiblePositions)
{
    PlayableProgram(3, 2);
    m_nPGidx = 2;
    m_nIdx = m_nIdxBk = 2;
    m_nPGL = 1;
    int steps = RunScene();
    EXPECT_EQ(steps, 302);            // length x 300 + 2 ticks
    EXPECT_EQ(m_nPGidx, 0);
    EXPECT_EQ(m_nIdx, 0);
    EXPECT_EQ(wtchgf, 1);
    EXPECT_EQ(m_nFish, 10);           // the new set was started
    m_nPGL = 1;
    RunScene();
    EXPECT_EQ(m_nPGidx, 1);
    EXPECT_EQ(m_nIdx, 1);
    EXPECT_EQ(m_nFish, 11);
}

TEST(Program, RoundWithOneEligiblePositionKeepsTheSet)
{
    PlayableProgram(3, 2);
    m_nPg[0] = 0;
    m_nPg[1] = 0;                     // only position 2 (set 3) left
    m_nPGidx = 2;
    m_nIdx = m_nIdxBk = 2;
    m_nPGL = 1;
    m_nFish = 77;
    wtchgf = 0;
    RunScene();
    EXPECT_EQ(m_nPGidx, 2);
    EXPECT_EQ(m_nIdx, 2);
    EXPECT_EQ(wtchgf, 0);
    EXPECT_EQ(m_nFish, 77);           // Genset not called
}

TEST(Program, RepeatSwingsBackAndForth)
{
    PlayableProgram(3, 3);
    m_nPGidx = 2;
    m_nPgtr = 0;
    m_nPGL = 1;
    int want[][2] = {{1, 1}, {0, 1}, {1, 0}, {2, 0}, {1, 1}};
    for (auto& w : want) {
        m_nPGL = 1;
        RunScene();
        EXPECT_EQ(m_nPGidx, w[0]);
        EXPECT_EQ(m_nPgtr, w[1]);
        EXPECT_EQ(m_nIdx, w[0]);
    }
    // Nothing eligible either way: stay, direction unchanged.
    PlayableProgram(3, 3);
    m_nPg[0] = m_nPg[1] = 0;
    m_nPGidx = 2;
    m_nPgtr = 1;
    m_nPGL = 1;
    RunScene();
    EXPECT_EQ(m_nPGidx, 2);
    EXPECT_EQ(m_nPgtr, 1);
}

TEST(Program, NoChangeWithoutTwoPlayableSets)
{
    PlayableProgram(3, 2);
    SetPat(1, 0, 0, 0, 0);
    SetPat(2, 0, 0, 0, 0);
    for (int i = 0; i < 50; i++)
        m_nPga[i] = 0;
    Pgaset();
    ASSERT_EQ(m_nPGf, 1);
    m_nPGL = 1;
    for (int i = 0; i < 1000; i++)
        PgStep();
    EXPECT_EQ(m_nPGcnt, 0);
    EXPECT_EQ(m_nIdx, 0);
    m_nPgon = 0;
    PlayableProgram(3, 2);
    m_nPgon = 0;
    for (int i = 0; i < 1000; i++)
        PgStep();
    EXPECT_EQ(m_nPGcnt, 0);
}

TEST(Program, RandomChoosesOnlyEligibleSets)
{
    PlayableProgram(4, 1);
    m_nPg[1] = 0;                     // set 2 not in the program
    m_nPg[5] = 30;                    // set 30 is not loaded
    PgRset();
    std::set<int> seen;
    m_nIdx = m_nIdxBk = 0;
    for (int i = 0; i < 60; i++) {
        m_nPGL = 1;
        RunScene();
        seen.insert(m_nIdx);
        EXPECT_EQ(m_nIdxBk, m_nIdx);
    }
    EXPECT_EQ(seen, (std::set<int>{0, 2, 3}));
}

TEST(Program, FirstSetOfARun)
{
    // From First with Round: the lowest eligible position.
    PlayableProgram(3, 2);
    m_nPg[0] = 0;
    m_nPg[4] = 3;
    m_nPGFL = 1;
    m_nIdx = 0;
    Pgtset();
    EXPECT_EQ(m_nPGidx, 1);
    EXPECT_EQ(m_nIdx, 1);
    EXPECT_EQ(m_nIdxBk, 1);

    // Random start: always an eligible set, position remembered for Round.
    std::set<int> seen;
    for (int i = 0; i < 100; i++) {
        PlayableProgram(3, 3);
        m_nPg[0] = 0;
        Pgtset();
        seen.insert(m_nIdx);
        EXPECT_EQ(m_nPGidx, m_nIdx);
        EXPECT_TRUE(m_nPgtr == 0 || m_nPgtr == 1);
    }
    EXPECT_EQ(seen, (std::set<int>{1, 2}));

    // Unknown change type becomes Random.
    PlayableProgram(2, 7);
    Pgtset();
    EXPECT_EQ(m_nPGType, 1);

    // Program off: nothing is chosen.
    PlayableProgram(3, 1);
    m_nPgon = 0;
    m_nIdx = 2;
    m_nIdxBk = 9;
    Pgtset();
    EXPECT_EQ(m_nIdx, 2);
    EXPECT_EQ(m_nIdxBk, 9);

    // Nothing playable: position 0 names an unloaded set, the index falls to 0.
    ResetState(2);
    m_nPgon = 1;
    m_nPGType = 1;
    m_nPg[0] = 40;
    m_nIdx = 1;
    Pgtset();
    EXPECT_EQ(m_nIdx, 0);
}
