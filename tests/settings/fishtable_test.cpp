// Weighted lists of patterns, new kinds and guest kinds.
#include "settings_util.h"

#include <gtest/gtest.h>

#include <string>

static void Pat(int p, int kind, int rea, int qua)
{
    m_nFno[p] = kind;
    m_nFrea[p] = rea;
    m_nFqua[p] = qua;
}

TEST(FishTables, PatternList)
{
    ResetState(1);
    OwnOnly(2);
    m_nFss[4] = 1;                       // kinds 2 and 5 owned
    INF01 = 1;
    Pat(0, 2, 0, 10);
    Pat(3, 5, 0, 40);
    Pat(4, 3, 0, 90);                    // not owned
    Pat(5, 2, 0, 0);                     // no quantity
    Pat(6, 36, 0, 9);                    // kinds outside 1..35 are inactive
    Pat(7, -1, 0, 9);
    FTSet();
    EXPECT_STREQ(Fistb, "0:10$3:40");

    Pat(3, 5, 1, 3);                     // Real Number of 3: full at 3, back at 2
    m_nFnh[3] = 3;
    FTSSet();
    EXPECT_STREQ(Fistb, "0:10");
    m_nFnh[3] = 2;
    FTSSet();
    EXPECT_STREQ(Fistb, "0:10$3:3");

    // Initial fill: a Real Number pattern only while nothing is listed yet.
    INF01 = 0;
    m_nFTSflg = 0;
    FTSet();
    EXPECT_STREQ(Fistb, "0:10");
    EXPECT_EQ(m_nFTSflg, 1);
    Pat(0, 2, 1, 10);
    m_nFTSflg = 0;
    FTSet();
    EXPECT_STREQ(Fistb, "0:10");
    EXPECT_EQ(m_nFTSflg, 1);
}

TEST(FishTables, RarityLists)
{
    ResetState(1);                       // only kind 1 owned
    FTTSet();
    FGTSet();
    std::string x = Fisx1, g = FisG1;
    EXPECT_EQ(x, "2:500$3:500$4:500$5:500$6:500$7:500$"
                 "8:100$9:100$10:100$11:100$12:100$13:100$14:100$"
                 "15:20$16:20$17:20$18:20$19:20$20:20$21:20$"
                 "22:5$23:5$24:5$25:5$26:5$27:5$28:5");
    EXPECT_EQ(Fixcnt, 27);
    EXPECT_EQ(g, x + "$29:1$30:1$31:1$32:1$33:1$34:1$35:1");
    EXPECT_EQ(FiGcnt, 34);
    EXPECT_TRUE(GuestCheck());

    for (int k = 0; k < FishMax; k++)
        m_nFss[k] = 1;
    m_nFss[3] = 2;                       // odd registry digit: neither owned nor offered
    m_nFss[33] = 7;
    FTTSet();
    FGTSet();
    EXPECT_STREQ(Fisx1, "");
    EXPECT_EQ(Fixcnt + FiGcnt, 0);
    EXPECT_FALSE(GuestCheck());
    m_nFss[30] = 0;                      // kind 31 is a guest only
    FTTSet();
    FGTSet();
    EXPECT_EQ(Fixcnt, 0);
    EXPECT_STREQ(FisG1, "31:1");
    EXPECT_TRUE(GuestCheck());
    m_nFss[30] = 1;
    m_nFss[34] = 0;                      // the last kind alone
    FGTSet();
    EXPECT_STREQ(FisG1, "35:1");
    EXPECT_TRUE(GuestCheck());
}
