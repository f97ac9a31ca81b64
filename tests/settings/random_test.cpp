// Uniform integers, the list scanner and weighted choice.
#include "settings_util.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <map>
#include <set>
#include <string>

TEST(Rndm, OneDrawModuloTheRange)
{
    RndSeed(12345);
    RefRand ref(12345);
    for (int i = 0; i < 200; i++)
        EXPECT_EQ(Rndm(3, 9), 3 + ref.next() % 7);
    bool seen[21] = {};
    for (int i = 0; i < 2000; i++) {
        EXPECT_EQ(Rndm(1, 1), 1);
        EXPECT_EQ(Rndm(1, 0), 1);
        int v = Rndm(10, 5);                // high below low - 1: 10..13
        EXPECT_TRUE(v >= 10 && v <= 13);
        v = Rndm(-10, 10);
        ASSERT_TRUE(v >= -10 && v <= 10);
        seen[v + 10] = true;
        EXPECT_GE(Rndm(2147483640, 2147483647), 2147483640);  // no overflow
    }
    for (bool s : seen)
        EXPECT_TRUE(s);
}

TEST(Rndm, TMRndmDiscardsTimeModThousandDraws)
{
    RndSeed(99);
    long long before = (long long)time(nullptr);
    TMRndm();
    long long after = (long long)time(nullptr);
    int got = RndDraw();
    bool match = false;
    for (long long t = before; t <= after && !match; t++) {
        RefRand ref(99);
        for (int i = 0; i < t % 1000; i++)
            ref.next();
        match = ref.next() == got;
    }
    EXPECT_TRUE(match);
}

TEST(RndmX, OutcomesFollowTheCumulativeWeights)
{
    RndSeed(555);
    RefRand ref(555);
    for (int i = 0; i < 1000; i++) {
        int r = 1 + ref.next() % 400;
        ASSERT_EQ(RndmX("12:300$5:100", 500), r <= 300 ? 12 : 5) << "r=" << r;
    }
    for (int i = 0; i < 100; i++) {
        EXPECT_EQ(RndmX("7:0$8:0$9:0", 500), 9);   // all weights 0: the last item
        EXPECT_EQ(RndmX("7:5", 500), 7);
        EXPECT_EQ(RndmX("", 500), 0);
        EXPECT_EQ(RndmX("$1:5", 500), 0);           // leading "$": one empty item
        EXPECT_EQ(RndmX("4$5:3", 500), 5);          // no ":" means weight 0
        EXPECT_EQ(RndmX("1:0$2:2\n$3:9", 500), 2);  // a line feed ends the list
    }
}

TEST(RndmX, FrequenciesFollowTheWeights)
{
    RndSeed(2024);
    const int draws = 61200;
    std::map<int, int> n;
    for (int i = 0; i < draws; i++)
        n[RndmX("1:200$2:100$3:5$4:1", 650)]++;
    const double w[] = {200, 100, 5, 1};
    for (int v = 1; v <= 4; v++) {
        double expect = draws * w[v - 1] / 306.0;
        EXPECT_NEAR(n[v], expect, 5 * std::sqrt(expect) + 5) << "value " << v;
    }
    std::map<int, int> h;
    for (int i = 0; i < 20000; i++)
        h[RndmX("1:1$2:0$3:1", 500)]++;
    EXPECT_EQ(h[2], 0);
    EXPECT_NEAR(h[1], 10000, 500);
}

TEST(RndmX, OversizedAndMalformedListsStayInBounds)
{
    std::string list;
    for (int i = 1; i <= 80; i++)
        list += (i > 1 ? "$" : "") + std::to_string(i) + ":1";
    RndSeed(11);
    int maxv = 0;
    for (int i = 0; i < 5000; i++)
        maxv = std::max(maxv, RndmX(list.c_str(), (int)list.size()));
    EXPECT_EQ(maxv, 50);                            // only the first 50 items count

    std::string big(300, '7');
    std::string lng = big + ":" + big + "$3:" + big;
    Pam(lng.c_str(), 2, "$", (int)lng.size());
    EXPECT_EQ(strlen(RTMoji), 49u);
    Pam2(2, ":");
    EXPECT_EQ(strlen(RTMoji2), 47u);
    RndmX(lng.c_str(), (int)lng.size());

    const char* odd[] = {":::", "$$$$", "a:b$c:d", "\n", "99999999999:99999999999$1:2147483647$2:2147483647"};
    for (const char* s : odd)
        RndmX(s, (int)strlen(s));
    std::set<int> got;                              // a negative weight counts as 0
    for (int i = 0; i < 100; i++)
        got.insert(RndmX("1:-5$2:3$3:4", 500));
    EXPECT_EQ(got, (std::set<int>{2, 3}));
    char raw[4] = {'1', ':', '9', '$'};             // not terminated: the limit holds
    EXPECT_EQ(RndmX(raw, 3), 1);
}
