// Weighted lists of patterns, new kinds and guest kinds.
#include "scrn01/settings/random.h"
#include "settings_util.h"

#include <gtest/gtest.h>

#include <string>

TEST(FishTables, PatternListHonoursOwnershipAndRealNumberCaps)
{
    ResetState(1);
    OwnOnly(2);
    m_nFss[4] = 1;                                  // kinds 2 and 5 owned
    INF01 = 1;
    m_nFno[0] = 2; m_nFqua[0] = 10;
    m_nFno[3] = 5; m_nFqua[3] = 40;
    m_nFno[4] = 3; m_nFqua[4] = 90;                 // unowned kind: never listed
    m_nFno[5] = 2; m_nFqua[5] = 0;                  // no quantity
    FTSet();
    EXPECT_STREQ(Fistb, "0:10$3:40");

    // Real Number pattern of 3: full at 3 fish, listed again at 2.
    m_nFrea[3] = 1; m_nFqua[3] = 3; m_nFnh[3] = 3;
    FTSSet();
    EXPECT_STREQ(Fistb, "0:10");
    m_nFnh[3] = 2;
    FTSSet();
    EXPECT_STREQ(Fistb, "0:10$3:3");
}

TEST(FishTables, InitialFillListsOneRealNumberPatternOnly)
{
    ResetState(1);
    INF01 = 0;
    m_nFno[0] = 1; m_nFrea[0] = 1; m_nFqua[0] = 4;
    m_nFno[1] = 1; m_nFrea[1] = 1; m_nFqua[1] = 6;
    FTSet();
    EXPECT_STREQ(Fistb, "0:4");
    EXPECT_EQ(m_nFTSflg, 1);

    m_nFTSflg = 0;
    m_nFrea[0] = 0;                                 // weight mode first
    FTSet();
    EXPECT_STREQ(Fistb, "0:4");
    EXPECT_EQ(m_nFTSflg, 1);

    m_nFTSflg = 0;
    INF01 = 1;                                      // after the fill both are offered
    FTSet();
    EXPECT_STREQ(Fistb, "0:4$1:6");
    EXPECT_EQ(m_nFTSflg, 0);
}

TEST(FishTables, KindsOutsideTheRangeAreInactive)
{
    ResetState(1);
    for (int k = 0; k < FishMax; k++)
        m_nFss[k] = 1;
    INF01 = 1;
    const int bad[] = {36, 99, -1, -99, 0};
    for (int p = 0; p < 5; p++) {
        m_nFno[p] = bad[p];
        m_nFqua[p] = 10;
    }
    m_nFno[7] = 35;
    m_nFqua[7] = 2;
    FTSet();
    EXPECT_STREQ(Fistb, "7:2");
    EXPECT_EQ(FishOwned(36), 0);
    EXPECT_EQ(FishOwned(0), 0);
    EXPECT_EQ(FishOwned(35), 1);
}

TEST(FishTables, NewFishAndGuestListsByRarity)
{
    ResetState(1);                                  // only kind 1 owned
    FTTSet();
    FGTSet();
    std::string x = Fisx1;
    EXPECT_EQ(x.rfind("2:500$3:500$4:500$5:500$6:500$7:500$8:100", 0), 0u);
    EXPECT_EQ(x.substr(x.size() - 5), "$28:5");
    EXPECT_EQ(Fixcnt, 27);
    EXPECT_NE(x.find("$15:20$"), std::string::npos);
    std::string g = FisG1;
    EXPECT_EQ(g.substr(g.size() - 5), "$35:1");
    EXPECT_NE(g.find("$28:5$29:1$"), std::string::npos);
    EXPECT_EQ(FiGcnt, 34);
    EXPECT_TRUE(GuestCheck());

    // Total weight of the new-fish list: 6*500 + 7*100 + 7*20 + 7*5.
    int total = 0;
    for (int i = 1; i <= Pamsu(Fisx1, "$", 500); i++) {
        Pam(Fisx1, i, "$", 500);
        Pam2(2, ":");
        total += Pam3();
    }
    EXPECT_EQ(total, 3875);

    // Replaced weights take effect on the next rebuild.
    FishLv0S = 9;
    FTTSet();
    EXPECT_EQ(std::string(Fisx1).rfind("2:9$3:9", 0), 0u);
    FishLv0S = 500;
}

TEST(FishTables, AllKindsOwnedEmptiesTheLists)
{
    ResetState(1);
    for (int k = 0; k < FishMax; k++)
        m_nFss[k] = 1;
    FTTSet();
    FGTSet();
    EXPECT_STREQ(Fisx1, "");
    EXPECT_STREQ(FisG1, "");
    EXPECT_EQ(Fixcnt, 0);
    EXPECT_EQ(FiGcnt, 0);
    EXPECT_FALSE(GuestCheck());
    EXPECT_EQ(RndmX(Fisx1, 500), 0);
    m_nFss[30] = 0;                                 // kind 31: guest only
    FTTSet();
    FGTSet();
    EXPECT_EQ(Fixcnt, 0);
    EXPECT_STREQ(FisG1, "31:1");
    EXPECT_TRUE(GuestCheck());
}
