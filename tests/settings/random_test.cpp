// Uniform integers, the list scanner and weighted choice.
#include "scrn01/settings/random.h"
#include "settings_util.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <map>
#include <string>

TEST(Rndm, RangesAndDegenerateBounds)
{
    RndSeed(7);
    bool seen[21] = {};
    for (int i = 0; i < 2000; i++) {
        EXPECT_EQ(Rndm(1, 1), 1);
        EXPECT_EQ(Rndm(1, 0), 1);      // empty range gives the low bound
        int v = Rndm(-10, 10);
        ASSERT_GE(v, -10);
        ASSERT_LE(v, 10);
        seen[v + 10] = true;
    }
    for (bool s : seen)
        EXPECT_TRUE(s);
    // High below low - 1: results from low upward, |n| values.
    for (int i = 0; i < 500; i++) {
        int v = Rndm(10, 5);           // n = -4
        EXPECT_GE(v, 10);
        EXPECT_LE(v, 13);
    }
    // Extreme bounds do not overflow.
    for (int i = 0; i < 100; i++) {
        int v = Rndm(-2147483647 - 1, 2147483647);
        (void)v;
        int w = Rndm(2147483640, 2147483647);
        EXPECT_GE(w, 2147483640);
    }
}

TEST(Rndm, UsesOneDrawModuloTheRange)
{
    RndSeed(12345);
    RefRand ref(12345);
    for (int i = 0; i < 200; i++)
        EXPECT_EQ(Rndm(3, 9), 3 + ref.next() % 7);
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

TEST(ListScanner, CountsItemsAndExtractsFields)
{
    EXPECT_EQ(Pamsu("1:200$2:100$3:5$4:1", "$", 500), 4);
    EXPECT_EQ(Pamsu("", "$", 500), 1);
    EXPECT_EQ(Pamsu("$1:5", "$", 500), 1);       // leading separator not counted
    EXPECT_EQ(Pamsu("1:1$2:2\n$3:3", "$", 500), 2); // a line feed ends the list
    EXPECT_EQ(Pamsu("1:1$2:2$3:3", "$", 5), 2);  // scan limit

    Pam("12:300$5:100", 2, "$", 500);
    EXPECT_STREQ(RTMoji, "5:100");
    Pam2(1, ":");
    EXPECT_STREQ(RTMoji2, "5");
    EXPECT_EQ(Pam3(), 5);
    Pam2(2, ":");
    EXPECT_EQ(Pam3(), 100);
    Pam2(3, ":");
    EXPECT_STREQ(RTMoji2, "");
    EXPECT_EQ(Pam3(), 0);
    Pam("12:300$5:100", 3, "$", 500);            // beyond the last item
    EXPECT_STREQ(RTMoji, "");
}

TEST(ListScanner, LongItemsAreCutTo49Characters)
{
    std::string big(300, '7');
    std::string list = big + ":" + big + "$" + "3:" + big;
    Pam(list.c_str(), 1, "$", (int)list.size());
    EXPECT_EQ(strlen(RTMoji), 49u);
    Pam(list.c_str(), 2, "$", (int)list.size());
    EXPECT_EQ(strlen(RTMoji), 49u);
    Pam2(2, ":");
    EXPECT_EQ(strlen(RTMoji2), 47u);
    // Huge numbers wrap instead of overflowing; the choice still returns an item.
    RndSeed(1);
    int v = RndmX(list.c_str(), (int)list.size());
    (void)v;
}

TEST(RndmX, FixedOutcomes)
{
    RndSeed(3);
    for (int i = 0; i < 200; i++) {
        EXPECT_EQ(RndmX("7:0$8:0$9:0", 500), 9);  // all weights 0: the last item
        EXPECT_EQ(RndmX("7:5", 500), 7);
        EXPECT_EQ(RndmX("", 500), 0);
        EXPECT_EQ(RndmX("$1:5", 500), 0);
        EXPECT_EQ(RndmX("4$5:3", 500), 5);        // an item without ":" weighs 0
    }
}

TEST(RndmX, CumulativeWalkFollowsTheDraw)
{
    RndSeed(555);
    RefRand ref(555);
    for (int i = 0; i < 1000; i++) {
        int r = 1 + ref.next() % 400;
        EXPECT_EQ(RndmX("12:300$5:100", 500), r <= 300 ? 12 : 5) << "r=" << r;
    }
}

TEST(RndmX, FrequenciesFollowTheWeights)
{
    RndSeed(2024);
    const int draws = 61200;
    std::map<int, int> n;
    for (int i = 0; i < draws; i++)
        n[RndmX("1:200$2:100$3:5$4:1", 650)]++;
    EXPECT_EQ(n.size(), 4u);
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
    EXPECT_NEAR(h[3], 10000, 500);
}

TEST(RndmX, KeepsAtMostFiftyItems)
{
    std::string list;
    for (int i = 1; i <= 80; i++)
        list += (i > 1 ? "$" : "") + std::to_string(i) + ":1";
    RndSeed(11);
    int maxv = 0;
    for (int i = 0; i < 5000; i++) {
        int v = RndmX(list.c_str(), (int)list.size());
        ASSERT_GE(v, 1);
        maxv = v > maxv ? v : maxv;
    }
    EXPECT_EQ(maxv, 50);
}

TEST(RndmX, MalformedTextNeverFails)
{
    RndSeed(5);
    const char* odd[] = {":::", "$$$$", "a:b$c:d", "1:-5$2:3", "\n", "99999999999:99999999999$1:2147483647$2:2147483647",
                         "1:2147483647$2:2147483647$3:2147483647", ":$:$:"};
    for (const char* s : odd)
        for (int i = 0; i < 20; i++)
            RndmX(s, (int)strlen(s));
    // A negative weight counts as 0.
    for (int i = 0; i < 100; i++)
        EXPECT_EQ(RndmX("1:-5$2:3", 500), 2);
    // The scan never reads past the limit: the text need not be terminated.
    char raw[4] = {'1', ':', '9', '$'};
    EXPECT_EQ(RndmX(raw, 3), 1);
}

TEST(LstAdd, JoinsItemsAndDropsWhatDoesNotFit)
{
    char l[12] = "";
    LstAdd(l, sizeof l, 0, 10);
    LstAdd(l, sizeof l, 3, 40);
    EXPECT_STREQ(l, "0:10$3:40");
    LstAdd(l, sizeof l, 7, 100);                  // would need 15 characters
    EXPECT_STREQ(l, "0:10$3:40");
}
