// Starting a scene: fish limits, emptying, random length, screen height.
#include "scrn01/settings/random.h"
#include "scrn01/settings/scenestart.h"
#include "settings_util.h"

#include <gtest/gtest.h>

#include <set>

// Two Real Number patterns of kind 1 summing to 12, plus an unowned weight pattern.
static void RealOnlySet(int fish)
{
    ResetState(1);
    SetHead(0, 0, 0, 2, fish, 100);
    SetPat(0, 0, 1, 1, 5);
    SetPat(0, 1, 1, 1, 7);
    SetPat(0, 2, 4, 0, 50);
}

TEST(SceneStart, RealNumberPatternsLimitTheFishNumber)
{
    RealOnlySet(20);
    Genset(0);
    EXPECT_EQ(m_nFish, 12);
    RealOnlySet(8);
    Genset(0);
    EXPECT_EQ(m_nFish, 8);
    RealOnlySet(20);
    Genset(1);                        // the dialog keeps the stored number
    EXPECT_EQ(m_nFish, 20);

    // A weight-mode pattern lifts the limit.
    RealOnlySet(20);
    SetPat(0, 3, 1, 0, 1);
    Genset(0);
    EXPECT_EQ(m_nFish, 20);
}

TEST(SceneStart, NoActivePatternMeansNoFish)
{
    ResetState(1);
    SetHead(0, 0, 0, 1, 30, 100);
    SetPat(0, 0, 2, 0, 10);           // not owned
    SetPat(0, 1, 1, 0, 0);            // no quantity
    SetPat(0, 2, 40, 0, 10);          // no such kind
    SetPat(0, 3, -9, 1, 10);
    Genset(0);
    EXPECT_EQ(m_nFish, 0);
    EXPECT_STREQ(Fistb, "");
}

TEST(SceneStart, LoneRealFishInFullHeightWithProgramTurnsToWeightMode)
{
    ResetState(1);
    SetHead(0, 0, 0, 1, 5, 100);
    SetPat(0, 0, 1, 1, 1);
    m_nSHf = 3;
    m_nPgon = 1;
    Genset(0);
    EXPECT_EQ(m_nFrea[0], 0);
    EXPECT_EQ(m_nFish, 5);
    m_nPgon = 0;
    m_nSHf = 1;
    Genset(0);
    EXPECT_EQ(m_nFrea[0], 1);
    EXPECT_EQ(m_nFish, 1);
}

TEST(SceneStart, TablesAreRebuilt)
{
    ResetState(1);
    SetHead(0, 0, 0, 1, 5, 100);
    SetPat(0, 0, 1, 0, 10);
    SetPat(0, 3, 1, 0, 40);
    m_nFTSflg = 1;
    Genset(1);
    EXPECT_STREQ(Fistb, "0:10$3:40");
    EXPECT_EQ(m_nFTSflg, 0);
    EXPECT_EQ(Fixcnt, 27);
    EXPECT_EQ(FiGcnt, 34);
}

static void Populate()
{
    for (int j = 0; j < FishSlotMax; j++)
        ffshu[j] = 1 + j % 3;
    INF01 = 1;
    m_nFnh[0] = 4;
    m_nFnh[1] = 6;
    m_nFnh[addfig] = 1;
    m_nFno[addfig] = 30;
    m_nFqua[addfig] = 1;
    m_nFsiz[addfig] = 90;
    addfigf = 1;
}

static bool Empty()
{
    for (int j = 0; j < FishSlotMax; j++)
        if (ffshu[j] != 0)
            return false;
    return INF01 == 0 && addfigf == 0 && m_nFno[addfig] == 0 && m_nFqua[addfig] == 0 &&
           m_nFsiz[addfig] == 0 && m_nFnh[0] == 0 && m_nFnh[addfig] == 0;
}

TEST(SceneStart, ReplacementEmptiesTheAquarium)
{
    ResetState(2);
    SetHead(0, 0, 0, 1, 5, 100);      // Any
    SetPat(0, 0, 1, 1, 5);
    SetHead(1, 1, 0, 1, 5, 100);      // Lump
    SetPat(1, 0, 1, 1, 5);

    // Any to Any: nothing removed.
    m_nPGC = 0;
    Populate();
    m_nIdx = 0;
    Genset(0);
    EXPECT_FALSE(Empty());
    EXPECT_EQ(m_nFnh[0], 4);
    EXPECT_EQ(INF01, 1);

    // Any to Lump: emptied at the start of the new scene.
    Populate();
    m_nIdx = 1;
    Genset(0);
    EXPECT_TRUE(Empty());

    // Lump to Any: emptied, and no pattern still counts fish that are gone.
    Populate();
    m_nIdx = 0;
    Genset(0);
    EXPECT_TRUE(Empty());
    EXPECT_STREQ(Fistb, "0:5");

    // The dialog never touches the aquarium.
    m_nPGC = 1;
    Populate();
    m_nIdx = 1;
    Genset(1);
    EXPECT_EQ(ffshu[0], 1);
    EXPECT_EQ(addfigf, 1);
}

TEST(SceneStart, RandomLengthVariesOnlyTheRunningScene)
{
    ResetState(1);
    SetHead(0, 0, 1, 2, 5, 100);
    SetPat(0, 0, 1, 0, 5);
    std::set<int> got;
    for (int i = 0; i < 400; i++) {
        Genset(0);
        got.insert(m_nPGL);
    }
    EXPECT_EQ(got, (std::set<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Mid(m_nGen[0], 3, 2), 2);
    Genset(1);
    EXPECT_EQ(m_nPGL, 2);

    PutField(m_nGen[0], 3, 2, 30);
    got.clear();
    for (int i = 0; i < 400; i++) {
        Genset(0);
        got.insert(m_nPGL);
    }
    EXPECT_EQ(got, (std::set<int>{27, 28, 29, 30, 31, 32, 33}));

    PutField(m_nGen[0], 2, 1, 0);
    Genset(0);
    EXPECT_EQ(m_nPGL, 30);
}

TEST(SceneStart, FullHeightNeedsEnoughFishArea)
{
    ResetState(1);
    SetHead(0, 0, 0, 1, 3, 100);
    SetPat(0, 0, 1, 0, 5);            // 3 fish: small area
    m_nSHf = 3;
    m_nPgon = 0;
    Genset(1);
    EXPECT_EQ(m_nSHf, 3);             // the dialog keeps it
    Genset(0);
    EXPECT_EQ(m_nSHf, 2);

    m_nSHf = 3;
    m_nPgon = 1;                      // with the program on the program-wide test decides
    Genset(0);
    EXPECT_EQ(m_nSHf, 3);

    m_nPgon = 0;
    SetHead(0, 0, 0, 1, 60, 100);     // 60 fish of 9116 px
    Genset(0);
    EXPECT_EQ(m_nSHf, 3);
}
