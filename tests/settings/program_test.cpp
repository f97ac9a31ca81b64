// Playable sets, fish-area test, first set and the scene change step.
#include "settings_util.h"

#include <gtest/gtest.h>

#include <set>

// n playable sets (kind 1, weight mode, set i has 10 + i fish), program 1..n.
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
    PgRset();
}

// Run the step until the scene changes; returns the ticks taken.
static int RunScene()
{
    int n = 0;
    m_nPGL = 1;
    do {
        n++;
        PgStep();
    } while (m_nPGcnt != 0 && n < 100000);
    return n;
}

TEST(Program, PlayableSetsAndPositions)
{
    ResetState(5);
    SetPat(0, 1, 1, 0, 5);               // first pattern empty: never playable
    SetPat(1, 0, 1, 0, 5);               // weight mode, quantity 5
    SetPat(2, 0, 2, 0, 5);               // kind 2 not owned
    SetPat(3, 0, 36, 0, 5);              // no such kind
    SetPat(4, 0, 1, 0, 0);               // owned kind, no quantity
    SetPat(4, 1, 2, 0, 5);
    SetPat(5, 0, 1, 0, 5);               // not loaded
    Pgaset();
    EXPECT_EQ(m_nPga[0] + m_nPga[2] + m_nPga[3] + m_nPga[4] + m_nPga[5], 0);
    EXPECT_EQ(m_nPga[1], 1);
    EXPECT_EQ(m_nPGf, 1);
    OwnOnly(2);                          // playability only grows
    Pgaset();
    EXPECT_EQ(m_nPga[1] + m_nPga[2] + m_nPga[4], 3);
    EXPECT_EQ(m_nPGf, 3);

    const int pg[] = {2, 3, 0, 1, 9, 75, -4};   // 9 not loaded, 75 and -4 outside the store
    for (int i = 0; i < 7; i++)
        m_nPg[i] = pg[i];
    PgRset();
    EXPECT_STREQ(Prgtb, "0:100$1:100");
    m_nPg[0] = m_nPg[1] = 0;
    PgRset();
    EXPECT_STREQ(Prgtb, "0:100");
    m_nPGMax = 200;                      // a count beyond the store stays inside it
    Pgaset();
    EXPECT_EQ(Pgachk(), 0);
}

TEST(Program, FishAreaTest)
{
    ResetState(2);
    struct { int fish, basic, rea, qua, siz, want; } c[] = {
        {1, 100, 1, 50, 100, 1},         // 50 x 9116 = 455800
        {1, 100, 1, 43, 100, 0},         // 391988
        {44, 100, 0, 7, 100, 1},         // weight mode: 9116 x 44
        {43, 100, 0, 7, 100, 0},
        {20, 100, 0, 1, 150, 1},         // 9116 x 2.25 = 20511, x 20
        {19, 100, 0, 1, 150, 0},
        {20, 161, 0, 1, 92, 0},          // 20000 x 20: exactly 400000 is not large
        {21, 161, 0, 1, 92, 1},
        {999, 0, 1, 999, 500, 0},        // basic size 0 counts nothing
        {999, 999, 0, 999, 999, 1},      // largest fields stay exact
    };
    for (auto& t : c) {
        SetHead(0, 0, 0, 1, t.fish, t.basic);
        SetPat(0, 0, 1, t.rea, t.qua, t.siz);
        EXPECT_EQ(Pgachka(0), t.want) << t.fish << " " << t.qua << " " << t.siz;
    }
    SetHead(0, 0, 0, 1, 11, 100);
    SetPat(0, 0, 1, 0, 7, 200);
    EXPECT_EQ(Pgachka(0), 1);
    m_nFGSif = 1;                        // Direct Size: every fish 9116
    EXPECT_EQ(Pgachka(0), 0);
    EXPECT_EQ(Pgachk(), 0);
    SetPat(1, 0, 1, 1, 50);              // the last loaded set counts too
    EXPECT_EQ(Pgachk(), 1);
    EXPECT_EQ(Pgachka(-1) + Pgachka(50), 0);
    m_nFGSif = 0;                        // Real Number fish of 64987 and 3 x 111671 px
    SetHead(0, 0, 0, 1, 1, 100);
    SetPat(0, 0, 1, 1, 1, 267);
    SetPat(0, 1, 1, 1, 3, 350);
    EXPECT_EQ(Pgachka(0), 0);            // exactly 400000
    SetPat(0, 1, 1, 1, 3, 351);
    EXPECT_EQ(Pgachka(0), 1);
}

TEST(Program, RoundAndRepeatOrder)
{
    PlayableProgram(3, 2);
    m_nPGidx = m_nIdx = m_nIdxBk = 2;
    EXPECT_EQ(RunScene(), 302);          // length x 300 + 2 ticks
    EXPECT_EQ(m_nPGidx, 0);
    EXPECT_EQ(m_nIdx, 0);
    EXPECT_EQ(wtchgf, 1);
    EXPECT_EQ(m_nFish, 10);              // the new set was started
    RunScene();
    EXPECT_EQ(m_nPGidx, 1);
    EXPECT_EQ(m_nFish, 11);

    PlayableProgram(3, 3);
    m_nPGidx = 2;
    const int want[][2] = {{1, 1}, {0, 1}, {1, 0}, {2, 0}, {1, 1}};
    for (auto& w : want) {
        RunScene();
        EXPECT_EQ(m_nPGidx, w[0]);
        EXPECT_EQ(m_nPgtr, w[1]);
        EXPECT_EQ(m_nIdx, w[0]);
    }
}

TEST(Program, StaysWhenNothingElseIsEligible)
{
    for (int type : {2, 3}) {
        PlayableProgram(3, type);
        m_nPg[0] = m_nPg[1] = 0;         // only position 2 left, three sets playable
        m_nPGidx = m_nIdx = m_nIdxBk = 2;
        m_nPgtr = 1;
        m_nFish = 77;
        RunScene();
        EXPECT_EQ(m_nPGidx, 2);
        EXPECT_EQ(m_nIdx, 2);
        EXPECT_EQ(m_nPgtr, 1);
        EXPECT_EQ(wtchgf, 0);
        EXPECT_EQ(m_nFish, 77);          // Genset not called
    }
    // One playable set, or the program off: the count never runs.
    PlayableProgram(3, 2);
    m_nPGf = 1;
    for (int i = 0; i < 1000; i++)
        PgStep();
    EXPECT_EQ(m_nPGcnt, 0);
    PlayableProgram(3, 2);
    m_nPgon = 0;
    for (int i = 0; i < 1000; i++)
        PgStep();
    EXPECT_EQ(m_nPGcnt, 0);
}

TEST(Program, RandomChoosesOnlyEligibleSets)
{
    PlayableProgram(4, 1);
    m_nPg[1] = 0;
    m_nPg[5] = 30;                       // set 30 is not loaded
    PgRset();
    std::set<int> seen;
    for (int i = 0; i < 60; i++) {
        RunScene();
        seen.insert(m_nIdx);
        EXPECT_EQ(m_nIdxBk, m_nIdx);
    }
    EXPECT_EQ(seen, (std::set<int>{0, 2, 3}));
}

TEST(Program, FirstSetOfARun)
{
    PlayableProgram(3, 2);               // From First with Round: the lowest eligible
    m_nPg[0] = 0;
    m_nPGFL = 1;
    Pgtset();
    EXPECT_EQ(m_nPGidx, 1);
    EXPECT_EQ(m_nIdx, 1);
    EXPECT_EQ(m_nIdxBk, 1);

    std::set<int> seen, dir;
    for (int i = 0; i < 100; i++) {
        PlayableProgram(3, 3);
        m_nPg[0] = 0;
        m_nPgtr = 5;
        Pgtset();
        seen.insert(m_nIdx);
        dir.insert(m_nPgtr);
        EXPECT_EQ(m_nPGidx, m_nIdx);
    }
    EXPECT_EQ(seen, (std::set<int>{1, 2}));
    EXPECT_EQ(dir, (std::set<int>{0, 1}));

    PlayableProgram(2, 7);               // unknown change type becomes Random
    Pgtset();
    EXPECT_EQ(m_nPGType, 1);

    ResetState(2);                       // nothing playable; position 0 names set 40
    m_nPgon = 1;
    m_nPg[0] = 40;
    m_nIdx = 1;
    Pgtset();
    EXPECT_EQ(m_nIdx, 0);
}
