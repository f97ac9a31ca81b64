// Field codec, record writers and parsers, colour-slot list.
#include "settings_util.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

TEST(Codec, MidAndMrj)
{
    EXPECT_EQ(Mid("00010051000", 8, 3), 100);
    EXPECT_EQ(Mid("12345", 9, 3), 0);       // starts beyond the end
    EXPECT_EQ(Mid("12345", 4, 3), 45);      // cut by the end
    EXPECT_EQ(Mid("12\n45", 2, 3), 2);
    EXPECT_EQ(Mid("1234567890123", 1, 20), 123456789);
    EXPECT_EQ(Mid("123", 0, 2), 0);

    char b[20] = "7";
    Mrj(b, 3, 20);
    EXPECT_STREQ(b, "007");
    strcpy(b, "1234");
    Mrj(b, 3, 20);
    EXPECT_STREQ(b, "234");
    strcpy(b, "5\n");
    Mrj(b, 3, 20);
    EXPECT_STREQ(b, "005\n");
    char s[6] = "9";
    Mrj(s, 40, 6);                          // a width beyond the buffer stays inside it
    EXPECT_STREQ(s, "00009");
}

// Random records: every in-range field survives Genwrt then Genset(1), and the
// record keeps its 562 characters whatever the values.
TEST(Records, GeneralRecordRoundTrip)
{
    ResetState(1);
    snprintf(m_nGen[0], sizeof m_nGen[0], "%s%s\n", m_nGenini1, m_nGenini3);
    std::string dflt = m_nGen[0];
    Genset(1);
    EXPECT_EQ(m_nFish, 5);
    EXPECT_EQ(m_nFqua[0], 10);
    Genwrt();
    EXPECT_EQ(dflt, m_nGen[0]);

    std::mt19937 gen(4711);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    for (int round = 0; round < 300; round++) {
        ResetState(50);
        OwnOnly(pick(1, 35));
        struct F { int* v; int want; bool in; };
        std::vector<F> f;
        auto field = [&](int* v, int lo, int hi) {
            bool in = round % 2 == 0 || pick(0, 4) > 0;   // odd rounds: some out of range
            *v = in ? pick(lo, hi) : pick(-9999, 99999);
            f.push_back({v, *v, *v >= lo && *v <= hi});
        };
        field(&m_nPGC, 0, 1);
        field(&m_nPGRnd, 0, 1);
        field(&m_nPGL, 1, 30);
        field(&m_nFish, 1, 100);
        field(&m_nFGSiz, 50, 300);
        field(&m_nFidx, 0, 49);
        for (int p = 0; p < FTblMax; p++) {
            field(&m_nFno[p], 0, 35);
            field(&m_nFrea[p], 0, 1);
            field(&m_nFqua[p], 0, 100);
            field(&m_nFsiz[p], 50, 500);
            field(&m_nFdis[p], 0, 50);
        }
        m_nIdx = pick(0, 49);
        Genwrt();
        ASSERT_EQ(strcspn(m_nGen[m_nIdx], "\n"), (size_t)GenByte);
        ASSERT_EQ(strlen(m_nGen[m_nIdx]), (size_t)GenByte + 1);
        for (auto& x : f)
            *x.v = -1;
        Genset(1);
        for (size_t i = 0; i < f.size(); i++) {
            if (!f[i].in)
                continue;
            ASSERT_EQ(*f[i].v, f[i].want) << "round " << round << " field " << i;
        }
    }
}

TEST(Records, WaterRecordAndColourSlots)
{
    ResetState(2);
    m_nIdx = 1;
    const int cf[10] = {0, 1, 0, 1, 0, 0, 0, 0, 1, 0}, cc[10] = {3, 1, 9, 20, 0, 31, 5, 6, 3, 7};
    for (int e = 0; e < 10; e++) {
        m_nBackCF[1][e] = cf[e];
        m_nBackCC[e] = cc[e];
    }
    m_nBackCX = 12;                         // out of range: cut to its low digit
    m_nBackCZ = 0;
    m_nBackCS = 50;
    Watwrt();
    EXPECT_STREQ(m_nWat[1], "00310100912000003100500610300720050\n");
    memset(m_nBackCF[1], 0, sizeof m_nBackCF[1]);
    memset(m_nBackCC, 0, sizeof m_nBackCC);
    Watset(1);
    for (int e = 0; e < 10; e++) {
        EXPECT_EQ(m_nBackCF[1][e], cf[e]);
        EXPECT_EQ(m_nBackCC[e], cc[e]);
    }
    EXPECT_EQ(m_nBackCX, 2);
    EXPECT_EQ(m_nBackCS, 50);
    EXPECT_STREQ(Wcrtb, "1:100$3:100$8:100");
    EXPECT_EQ(m_nBackCK, 3);

    // From First off: the start slot is one in use; Round with From First leaves it.
    for (int i = 0; i < 50; i++) {
        Watset(0);
        EXPECT_TRUE(m_nBackC[1] == 1 || m_nBackC[1] == 3 || m_nBackC[1] == 8);
    }
    m_nWat[1][31] = '1';
    m_nBackC[1] = 7;
    Watset(0);
    EXPECT_EQ(m_nBackC[1], 7);

    // The default record: slot 0 of colour 20, Random, From First on, speed 500.
    // Random picks its start slot even with From First on.
    strcpy(m_nWat[1], m_nWatini);
    Watset(0);
    EXPECT_EQ(m_nBackCC[0], 20);
    EXPECT_EQ(m_nBackCC[1], 0);
    EXPECT_EQ(m_nBackCX, 1);
    EXPECT_EQ(m_nBackCZ, 1);
    EXPECT_EQ(m_nBackCS, 500);
    EXPECT_STREQ(Wcrtb, "0:100");
    EXPECT_EQ(m_nBackCK, 1);
    EXPECT_EQ(m_nBackC[1], 0);
    m_nWat[1][27] = '1';                    // slot 9 in use too
    Watset(1);
    EXPECT_STREQ(Wcrtb, "0:100$9:100");
    EXPECT_EQ(m_nBackCK, 2);

    // No slot in use: empty list, one slot counted, slot 0 chosen.
    strcpy(m_nWat[1], "00000000000000000000000000000010500\n");
    Watset(0);
    EXPECT_STREQ(Wcrtb, "");
    EXPECT_EQ(m_nBackCK, 1);
    EXPECT_EQ(m_nBackC[1], 0);
}

TEST(Records, SetIndexOutsideTheLoadedSetsBecomesZero)
{
    ResetState(3);
    SetHead(0, 0, 0, 7, 9, 100);
    for (int bad : {-1, -1000, 3, 50, 1 << 30}) {
        m_nIdx = bad;
        Genset(1);
        EXPECT_EQ(m_nIdx, 0) << bad;
        EXPECT_EQ(m_nPGL, 7);
        m_nIdx = bad;
        Watset(0);
        EXPECT_EQ(m_nIdx, 0);
        m_nIdx = bad;
        Genwrt();
        EXPECT_EQ(m_nIdx, 0);
    }
    m_nIdx = 2;
    EXPECT_EQ(IdxChk(), 2);
    m_nPGMax = -1;                          // no set loaded: row 0
    EXPECT_EQ(IdxChk(), 0);
}
