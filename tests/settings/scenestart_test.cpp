// Starting a scene: fish limits, emptying, random length, screen height.
#include "settings_util.h"

#include <gtest/gtest.h>

#include <set>

// Real Number patterns of kind 1 summing to 12, and an unowned weight pattern.
static void RealOnlySet(int fish)
{
    ResetState(1);
    SetHead(0, 0, 0, 2, fish, 100);
    SetPat(0, 0, 1, 1, 5);
    SetPat(0, 1, 1, 1, 7);
    SetPat(0, 2, 4, 0, 50);
}

TEST(SceneStart, FishNumberLimitedByRealNumberPatterns)
{
    RealOnlySet(20);
    Genset(0);
    EXPECT_EQ(m_nFish, 12);
    EXPECT_STREQ(Fistb, "0:5");          // tables rebuilt (initial fill)
    EXPECT_EQ(Fixcnt, 27);
    RealOnlySet(8);
    Genset(0);
    EXPECT_EQ(m_nFish, 8);
    RealOnlySet(20);
    Genset(1);                           // the dialog keeps the stored number
    EXPECT_EQ(m_nFish, 20);
    SetPat(0, 3, 1, 0, 1);               // a weight-mode pattern lifts the limit
    Genset(0);
    EXPECT_EQ(m_nFish, 20);

    ResetState(1);                       // nothing active: no fish
    SetHead(0, 0, 0, 1, 30, 100);
    SetPat(0, 0, 2, 0, 10);
    SetPat(0, 1, 40, 1, 10);
    Genset(0);
    EXPECT_EQ(m_nFish, 0);

    // A lone Real Number fish turns to weight mode only at Full height with
    // the program on, and only when the set asks for more fish.
    struct { int shf, pgon, fish, qua, rea, want; } lone[] = {
        {3, 1, 5, 1, 0, 5},
        {3, 1, 5, 2, 1, 2},              // two fish: lowered as usual
        {3, 0, 5, 1, 1, 1},              // program off
        {2, 1, 5, 1, 1, 1},              // High
        {3, 1, 1, 1, 1, 1},              // one fish asked for: nothing to do
    };
    for (auto& t : lone) {
        ResetState(1);
        SetHead(0, 0, 0, 1, t.fish, 100);
        SetPat(0, 0, 1, 1, t.qua);
        m_nSHf = t.shf;
        m_nPgon = t.pgon;
        Genset(0);
        EXPECT_EQ(m_nFrea[0], t.rea) << t.shf << t.pgon << t.fish << t.qua;
        EXPECT_EQ(m_nFish, t.want) << t.shf << t.pgon << t.fish << t.qua;
    }
}

static void Populate()
{
    for (int j = 0; j < FishSlotMax; j++)
        ffshu[j] = 1;
    INF01 = addfigf = 1;
    m_nFnh[0] = 4;
    m_nFno[addfig] = 30;
    m_nFqua[addfig] = m_nFnh[addfig] = 1;
}

static bool Emptied()
{
    int n = 0;
    for (int j = 0; j < FishSlotMax; j++)
        n += ffshu[j];
    return n == 0 && INF01 == 0 && addfigf == 0 && m_nFno[addfig] == 0 && m_nFqua[addfig] == 0 &&
           m_nFnh[0] == 0 && m_nFnh[addfig] == 0;
}

TEST(SceneStart, ReplacementEmptiesTheAquarium)
{
    ResetState(2);
    SetHead(0, 0, 0, 1, 5, 100);         // Any
    SetPat(0, 0, 1, 1, 5);
    SetHead(1, 1, 0, 1, 5, 100);         // Lump
    SetPat(1, 0, 1, 1, 5);
    Populate();
    Genset(0);                           // Any to Any
    EXPECT_FALSE(Emptied());
    EXPECT_EQ(m_nFnh[0], 4);
    m_nIdx = 1;
    Genset(0);                           // Any to Lump
    EXPECT_TRUE(Emptied());
    Populate();
    m_nIdx = 0;
    Genset(0);                           // Lump to Any: no pattern counts fish that are gone
    EXPECT_TRUE(Emptied());
    EXPECT_STREQ(Fistb, "0:5");
    m_nPGC = 1;
    Populate();
    m_nIdx = 1;
    Genset(1);                           // the dialog never touches the aquarium
    EXPECT_FALSE(Emptied());
}

TEST(SceneStart, RandomLengthVariesOnlyTheRunningScene)
{
    ResetState(1);
    // Stored length, then the shortest and longest drawn: never below 1.
    const int c[][3] = {{2, 1, 5}, {3, 1, 6}, {4, 1, 7}, {30, 27, 33}};
    for (auto& t : c) {
        SetHead(0, 0, 1, t[0], 5, 100);
        std::set<int> got;
        for (int i = 0; i < 400; i++) {
            Genset(0);
            got.insert(m_nPGL);
        }
        EXPECT_EQ(*got.begin(), t[1]) << t[0];
        EXPECT_EQ(*got.rbegin(), t[2]) << t[0];
        EXPECT_EQ(got.size(), (size_t)(t[2] - t[1] + 1)) << t[0];
        EXPECT_EQ(Mid(m_nGen[0], GenPGL), t[0]);
    }
    Genset(1);
    EXPECT_EQ(m_nPGL, 30);
}

TEST(SceneStart, FullHeightNeedsEnoughFishArea)
{
    ResetState(1);
    SetHead(0, 0, 0, 1, 3, 100);
    SetPat(0, 0, 1, 0, 5);
    m_nSHf = 3;
    Genset(1);
    EXPECT_EQ(m_nSHf, 3);                // the dialog keeps it
    m_nPgon = 1;
    Genset(0);
    EXPECT_EQ(m_nSHf, 3);                // with the program on, the loader decides
    m_nPgon = 0;
    Genset(0);
    EXPECT_EQ(m_nSHf, 2);
    m_nSHf = 3;
    // A stray digit: the program is off.
    m_nPgon = 2;
    Genset(0);
    EXPECT_EQ(m_nSHf, 2);
    m_nSHf = 3;
    SetHead(0, 0, 0, 1, 60, 100);        // 60 fish of 9116 px
    Genset(0);
    EXPECT_EQ(m_nSHf, 3);
}
