// Field codec, record writers and parsers, colour-slot list.
#include "scrn01/settings/random.h"
#include "scrn01/settings/scenestart.h"
#include "settings_util.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>
#include <string>

TEST(Codec, MidReadsFieldsAndShortText)
{
    EXPECT_EQ(Mid("00010051000", 3, 2), 1);
    EXPECT_EQ(Mid("00010051000", 5, 3), 5);
    EXPECT_EQ(Mid("00010051000", 8, 3), 100);
    EXPECT_EQ(Mid("12345", 9, 3), 0);       // starts beyond the end
    EXPECT_EQ(Mid("12345", 4, 3), 45);      // cut by the end
    EXPECT_EQ(Mid("12345", 6, 1), 0);       // starts at the terminator
    EXPECT_EQ(Mid("12\n45", 2, 3), 2);      // a line feed ends the number
    EXPECT_EQ(Mid("1234567890123", 1, 20), 123456789);  // at most 9 digits
    EXPECT_EQ(Mid("123", 0, 2), 0);
    EXPECT_EQ(Mid("-5", 1, 2), -5);
}

TEST(Codec, MrjJustifiesInPlace)
{
    char b[20] = "7";
    Mrj(b, 3, 20);
    EXPECT_STREQ(b, "007");
    strcpy(b, "1234");
    Mrj(b, 3, 20);
    EXPECT_STREQ(b, "234");
    strcpy(b, "42");
    Mrj(b, 2, 20);
    EXPECT_STREQ(b, "42");
    strcpy(b, "5\n");
    Mrj(b, 3, 20);
    EXPECT_STREQ(b, "005\n");
    // A width beyond the buffer stays inside it.
    char s[6] = "9";
    Mrj(s, 40, 6);
    EXPECT_STREQ(s, "00009");
}

TEST(Records, DefaultsHaveTheirLengths)
{
    EXPECT_EQ(strlen(m_nGenini1) + strlen(m_nGenini3), (size_t)GenByte);
    EXPECT_EQ(strlen(m_nGenini2) + strlen(m_nGenini3), (size_t)GenByte);
    EXPECT_EQ(strlen(m_nWatini), (size_t)WatByte + 1);
    EXPECT_EQ(std::string(m_nGenini3).substr(11 * 48), "00000010000");
}

TEST(Records, DefaultFirstSetParsesAndWritesBackUnchanged)
{
    ResetState(1);
    snprintf(m_nGen[0], sizeof m_nGen[0], "%s%s\n", m_nGenini1, m_nGenini3);
    std::string before = m_nGen[0];
    Genset(1);
    EXPECT_EQ(m_nPGC, 0);
    EXPECT_EQ(m_nPGL, 1);
    EXPECT_EQ(m_nFish, 5);
    EXPECT_EQ(m_nFGSiz, 100);
    EXPECT_EQ(m_nFno[0], 1);
    EXPECT_EQ(m_nFqua[0], 10);
    EXPECT_EQ(m_nFsiz[1], 100);
    Genwrt();
    EXPECT_EQ(before, std::string(m_nGen[0]));

    Watset(1);
    EXPECT_EQ(m_nBackCF[0][0], 1);
    EXPECT_EQ(m_nBackCC[0], 20);
    EXPECT_EQ(m_nBackCX, 1);
    EXPECT_EQ(m_nBackCZ, 1);
    EXPECT_EQ(m_nBackCS, 500);
    Watwrt();
    EXPECT_STREQ(m_nWat[0], m_nWatini);
}

// Random records: every in-range field survives Genwrt then Genset(1), and the
// record keeps its length whatever the values.
TEST(Records, GeneralRecordRoundTripProperty)
{
    std::mt19937 gen(4711);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    for (int round = 0; round < 300; round++) {
        ResetState(50);
        OwnOnly(pick(1, 35));
        bool wild = round % 2 == 1;   // odd rounds put some fields out of range
        struct F { int* v; int lo, hi; bool in; };
        std::vector<F> f;
        auto field = [&](int* v, int lo, int hi) {
            bool in = !wild || pick(0, 4) > 0;
            *v = in ? pick(lo, hi) : pick(-9999, 99999);
            in = in || (*v >= lo && *v <= hi);
            f.push_back({v, lo, hi, in});
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
        std::vector<int> want;
        for (auto& x : f)
            want.push_back(*x.v);
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
            ASSERT_EQ(*f[i].v, want[i]) << "round " << round << " field " << i;
        }
    }
}

TEST(Records, WaterRecordRoundTripProperty)
{
    std::mt19937 gen(99);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    for (int round = 0; round < 200; round++) {
        ResetState(50);
        m_nIdx = pick(0, 49);
        int cf[10], cc[10];
        for (int e = 0; e < 10; e++) {
            m_nBackCF[m_nIdx][e] = cf[e] = pick(0, 1);
            m_nBackCC[e] = cc[e] = pick(0, 31);
        }
        int cx = m_nBackCX = pick(1, 3), cz = m_nBackCZ = pick(0, 1), cs = m_nBackCS = pick(1, 500);
        if (round % 3 == 0)
            m_nBackCX = 12;            // out of range: cut to its low digit
        Watwrt();
        ASSERT_EQ(strcspn(m_nWat[m_nIdx], "\n"), (size_t)WatByte);
        for (int e = 0; e < 10; e++)
            m_nBackCF[m_nIdx][e] = m_nBackCC[e] = -1;
        m_nBackCZ = m_nBackCS = -1;
        Watset(1);
        for (int e = 0; e < 10; e++) {
            EXPECT_EQ(m_nBackCF[m_nIdx][e], cf[e]);
            EXPECT_EQ(m_nBackCC[e], cc[e]);
        }
        EXPECT_EQ(m_nBackCX, round % 3 == 0 ? 2 : cx);
        EXPECT_EQ(m_nBackCZ, cz);
        EXPECT_EQ(m_nBackCS, cs);
    }
}

TEST(Records, ColourSlotListAndStartSlot)
{
    ResetState(2);
    m_nIdx = 1;
    strcpy(m_nWat[1], "00010100012000000000000010300011050\n");
    Watset(1);
    EXPECT_STREQ(Wcrtb, "1:100$3:100$8:100");
    EXPECT_EQ(m_nBackCK, 3);
    EXPECT_EQ(m_nBackCS, 50);

    // Random change type: the start slot is one of the slots in use.
    for (int i = 0; i < 100; i++) {
        m_nBackC[1] = -1;
        Watset(0);
        EXPECT_TRUE(m_nBackC[1] == 1 || m_nBackC[1] == 3 || m_nBackC[1] == 8);
    }
    // Round with From First: the start slot is left alone.
    m_nWat[1][30] = '2';
    m_nBackC[1] = 7;
    Watset(0);
    EXPECT_EQ(m_nBackC[1], 7);

    // No slot in use: empty list, one slot counted, slot 0 chosen.
    strcpy(m_nWat[1], "00000000000000000000000000000010500\n");
    m_nBackC[1] = 5;
    Watset(0);
    EXPECT_STREQ(Wcrtb, "");
    EXPECT_EQ(m_nBackCK, 1);
    EXPECT_EQ(m_nBackC[1], 0);
}

TEST(Records, SetIndexOutsideTheLoadedSetsBecomesZero)
{
    ResetState(3);
    SetHead(0, 0, 0, 7, 9, 100);
    SetHead(2, 0, 0, 4, 3, 100);
    for (int bad : {-1, -1000, 3, 49, 50, 1 << 30}) {
        m_nIdx = bad;
        Genset(1);
        EXPECT_EQ(m_nIdx, 0) << bad;
        EXPECT_EQ(m_nPGL, 7);
        m_nIdx = bad;
        Watset(0);
        EXPECT_EQ(m_nIdx, 0);
        m_nIdx = bad;
        Genwrt();
        Watwrt();
        EXPECT_EQ(m_nIdx, 0);
    }
    m_nIdx = 2;
    Genset(1);
    EXPECT_EQ(m_nIdx, 2);
    EXPECT_EQ(m_nFish, 3);
    // No set loaded at all: row 0 is used.
    m_nPGMax = -1;
    m_nIdx = 2;
    EXPECT_EQ(IdxChk(), 0);
}
