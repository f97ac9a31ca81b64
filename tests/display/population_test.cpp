// Fish population: speed and animation rules, new fish, the new-fish event,
// the guest fish, and the countdown and catch of the collection game.
#include "display_util.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

TEST(Population, SpeedAndFrameIntervalRules)
{
    ResetDisplay();
    PlaceFish(0, 1, 0, 0, 19);
    fidks[0] = 1;
    struct {
        int heading, speed, period, x, y;
    } steps[] = {
        {19, 10, 70, 237, 0},            // 16 x 10 x 100 x 11 / 742
        {7, 10, 70, -237, 0},            // left: truncated toward zero
        {4, 10, 70, -163, 133},
        {19, DashSpeed, 70, 480, 0},     // a dash ignores the burst level and the period
        {19, 10, 20, 83, 0},             // 38000 / 20 + 200 = 2100
    };
    for (auto& t : steps) {
        ffdno[0] = t.heading;
        faddb[0] = t.speed;
        nSpeed2 = t.period;
        FishSpeed(0);
        EXPECT_EQ(faddx[0], t.x) << t.heading << " " << t.speed << " " << t.period;
        EXPECT_EQ(faddy[0], t.y) << t.heading << " " << t.speed << " " << t.period;
    }
    // Turns keep a dash at its speed; an ordinary fish sometimes changes pace.
    std::set<int> paces;
    for (int t = 0; t < 200; t++) {
        faddb[0] = DashSpeed;
        SetFish(0);
        EXPECT_EQ(faddb[0], DashSpeed);
        faddb[0] = SpeedLow;
        SetFish(0);
        paces.insert(faddb[0]);
    }
    EXPECT_GT(paces.size(), 1u);
    // Ticks per animation frame at burst levels 1..4.
    for (auto& f : {std::vector<int>{70, 5, 4, 2, 1}, std::vector<int>{20, 9, 8, 2, 1}}) {
        nSpeed2 = f[0];
        for (int burst = 1; burst <= 4; burst++)
            EXPECT_EQ(FrameTicks(burst), f[burst]) << nSpeed2 << " " << burst;
    }
}

// Fish of one weight pattern of kind 1 at basic size `size`.
static void OnePattern(int size = 100, int dispersion = 0)
{
    ResetDisplay();
    SetHead(0, 0, 0, 1, 100, 100);
    SetPat(0, 0, 1, 0, 10, size);
    PutField(m_nGen[0], PatField(0, PatFdis), dispersion);
    Genset(0);
    m_nFish = 100;
}

TEST(Population, InitialFillShowsEveryFishAndArrivalsComeFromBehind)
{
    OnePattern(150, 40);
    RndSeed(7);
    for (int j = 0; j < FishSlotMax; j++) {
        GetFish(j);
        int x = fposx[j] / 100, y = fposy[j] / 100;
        EXPECT_TRUE(x > -ffsFW[j] && x < GW && y > -ffsFH[j] && y < GHH) << j;
        EXPECT_TRUE(fidks[j] == 1 || fidks[j] == 2 || fidks[j] == DashBurst) << fidks[j];
        EXPECT_EQ(ffkno[j], 1);
        EXPECT_EQ(ftrns[j], 0);
        EXPECT_EQ(ffkn3[j], 0);
        EXPECT_EQ(ffsFW[j], ffsiz[j] * 106 / 100);
        EXPECT_EQ(ffsFH[j], ffsiz[j] * 86 / 100);
    }
    EXPECT_EQ(m_nFnh[0], 100);

    INF01 = 1;
    std::set<int> edges, straight;
    for (int n = 0; n < 3000; n++) {
        int j = n % FishSlotMax;
        GetFish(j);
        int ax = faddx[j], ay = faddy[j];
        // The left and top places are the only negative ones; a fish at the
        // right or bottom place swims away from that edge.
        int edge = fposx[j] == -ffsFW[j] * 100   ? 2
                   : fposy[j] == -ffsFH[j] * 100 ? 3
                   : fposx[j] == (GW - 1) * 100 && ax < 0  ? 4
                   : fposy[j] == (GHH - 1) * 100 && ay < 0 ? 1
                                                           : 0;
        ASSERT_NE(edge, 0) << n;
        EXPECT_TRUE(edge != 2 || ax > 0);
        EXPECT_TRUE(edge != 3 || ay > 0);
        edges.insert(edge);
        // On its first tick it is inside across the edge it came through.
        int x = (fposx[j] + ax) / 100, y = (fposy[j] + ay) / 100;
        if (edge == 2 || edge == 4)
            EXPECT_TRUE(x > -ffsFW[j] && x < GW) << n;
        else
            EXPECT_TRUE(y > -ffsFH[j] && y < GHH) << n;
        int beat = (ax == 0 || ay == 0) ? 1 : (ax > 0) == (ay > 0) ? 2 : 3;
        EXPECT_EQ(ffknf[j], beat);
        if (ffdno[j] == 1 || ffdno[j] == 13) {
            straight.insert(ffdno[j]);
            EXPECT_EQ(edge, ffdno[j] == 1 ? 3 : 1);
        }
    }
    EXPECT_EQ(edges.size(), 4u);
    EXPECT_EQ(straight.size(), 2u);

    m_nFGSif = 1;                        // Direct Size: every fish at its natural size
    GetFish(0);
    EXPECT_EQ(ffsiz[0], 100);
    EXPECT_EQ(ffsFW[0], 106);
    EXPECT_EQ(ffsFH[0], 86);
}

TEST(Population, SizeZeroFromTheFileStillSwims)
{
    OnePattern(0);
    for (int j = 0; j < FishSlotMax; j++) {
        GetFish(j);
        EXPECT_EQ(ffsiz[j], FishSizeMin);
        for (int d = 1; d <= HeadingMax; d++) {
            ffdno[j] = d;
            faddb[j] = SpeedLow;
            fidks[j] = 0;
            FishSpeed(j);
            EXPECT_TRUE(faddx[j] != 0 || faddy[j] != 0) << d;
        }
    }
}

TEST(Population, RealNumberPatternLeavesAtItsCapAndComesBack)
{
    ResetDisplay();
    SetHead(0, 0, 0, 1, 3, 100);
    SetPat(0, 0, 1, 1, 3);
    Genset(0);
    INF01 = 1;
    FTSSet();
    m_nFish = 4;
    for (int j = 0; j < 3; j++) {
        EXPECT_STREQ(Fistb, "0:3");
        GetFish(j);
        EXPECT_EQ(ffshu[j], 1);
    }
    EXPECT_EQ(m_nFnh[0], 3);
    EXPECT_STREQ(Fistb, "");
    GetFish(3);                          // nothing to offer: the slot stays empty
    EXPECT_EQ(ffshu[3], 0);

    fposx[1] = -200 * 100;               // one swims out; its slot is refilled at once
    faddx[1] = faddy[1] = 0;
    ftrns[1] = 0;
    fidks[1] = 100;
    MoveFish();
    EXPECT_EQ(ffshu[1], 1);
    EXPECT_EQ(m_nFnh[0], 3);
    EXPECT_STREQ(Fistb, "");
}

TEST(Population, NewKindEventOwnsAKindAndStoresIt)
{
    OnePattern();
    INF01 = 1;
    Fistt = 1;                           // Rndm(1, 100) < 100: almost always
    m_nSYS01 = 0;
    RndSeed(11);
    int before = Fixcnt;
    GetFish(0);
    int owned = 0;
    for (int k = 2; k <= FishMax; k++)
        owned += m_nFss[k - 1];
    EXPECT_EQ(owned, 1);
    EXPECT_EQ(Fixcnt, before - 1);
    EXPECT_GE(m_nSYS01, 1);
    EXPECT_LE(m_nSYS01, 20);
    EXPECT_EQ(Reg().opens, 1);
    EXPECT_EQ(UserInt("OSIJDUA"), m_nSYS01);
    char digits[FishMax + 1];
    FssToText(digits);
    EXPECT_EQ(UserText("OKSKKIS"), digits);
    EXPECT_EQ(ffshu[0], 1);              // the slot still takes a pattern's fish

    // A failed store is reported once however often it happens.
    Reg().fail = true;
    for (int n = 0; n < 3; n++) {
        m_nSYS01 = 0;
        GetFish(1);
    }
    EXPECT_EQ(Reg().opens, 4);
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0], "Error Point009 SYSTEM002 Registry Access Error");

    // With one wanted fish the odds are Rndm(1, 1) < 1: never.
    OnePattern();
    INF01 = 1;
    m_nFish = 1;
    Fistt = 1;
    for (int n = 0; n < 500; n++) {
        m_nSYS01 = 0;
        GetFish(0);
    }
    EXPECT_EQ(Reg().opens, 0);
}

TEST(Population, OneGuestAtATimeOfAnUnownedKind)
{
    std::set<int> sizes;
    for (int seed = 1; seed <= 300; seed++) {
        OnePattern();
        INF01 = 1;
        m_nFgf = 1;
        FiGrt = 1;
        RndSeed(seed);
        GetFish(0);
        ASSERT_EQ(fffii[0], addfig);
        EXPECT_EQ(addfigf, 1);
        EXPECT_EQ(addfigfi, ffshu[0]);
        EXPECT_FALSE(FishOwned(ffshu[0]));
        EXPECT_EQ(m_nFnh[addfig], 1);
        sizes.insert(ffsiz[0]);
        GetFish(1);                      // a second one is an ordinary fish
        EXPECT_EQ(fffii[1], 0);
        EXPECT_EQ(m_nFnh[addfig], 1);
    }
    EXPECT_GE(*sizes.begin(), 52);
    EXPECT_LE(*sizes.rbegin(), 187);
    EXPECT_GT(sizes.size(), 50u);

    // When the guest leaves, another may come.
    fposx[0] = -300 * 100;
    faddx[0] = 0;
    fidks[0] = 100;
    m_nFish = 1;
    MoveFish();
    EXPECT_EQ(addfigf, 1);               // its slot got the next guest at once
    EXPECT_EQ(m_nFnh[addfig], 1);
}

TEST(CollectionGame, CountdownStoresAndDecrements)
{
    ResetDisplay();
    m_nSYS01 = 2;
    NativeRegPutInt(NativeUserKey(), "OSIJDUA", 2);
    m_nSYScnt = 0;
    m_nSYSrnd = 1000;
    for (int t = 0; t < 1000; t++)
        NewFishCountdown();
    EXPECT_EQ(m_nSYScnt, 1000);
    EXPECT_EQ(Reg().opens, 2);  // the counters stored at 397 and 794
    EXPECT_EQ(UserInt("LOSKDIS"), 794);
    EXPECT_EQ(UserInt("OSIJDUA"), 2);
    NewFishCountdown();
    EXPECT_EQ(Reg().opens, 3);
    EXPECT_EQ(m_nSYS01, 1);
    EXPECT_EQ(UserInt("OSIJDUA"), 1);
    EXPECT_EQ(UserInt("LOSKDIS"), 0);
    EXPECT_EQ(m_nSYScnt, 0);
    EXPECT_GE(m_nSYSrnd, 600);
    EXPECT_LE(m_nSYSrnd, 12000);
    EXPECT_EQ(UserInt("NAUSJEN"), m_nSYSrnd);
    EXPECT_TRUE(Reports().empty());

    Reg().fail = true;
    m_nSYScnt = INT_MAX;                 // a stored counter at the top does not overflow
    NewFishCountdown();
    EXPECT_EQ(m_nSYScnt, 0);
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0], "Error Point031 SYSTEM002 Registry Access Error");

    m_nSYS01 = 0;                        // nothing to count down
    NewFishCountdown();
    EXPECT_EQ(m_nSYScnt, 0);
}

TEST(CollectionGame, RightClickCatchesTheGuestOnce)
{
    ResetDisplay();
    addfigf = 1;
    addfigfi = 20;
    FGTSet();
    int unowned = FiGcnt;
    RndSeed(5);
    RefRand ref(5);
    int grantedAt = -1;
    for (int click = 0; click < 40; click++) {
        bool wins = ref.next() % 30 + 1 > 18;
        GuestCatch();
        if (wins && grantedAt < 0)
            grantedAt = click;
        if (grantedAt < 0)
            EXPECT_EQ(m_nFss[19], 0) << click;
        else
            break;
    }
    ASSERT_GE(grantedAt, 0);
    EXPECT_EQ(m_nFss[19], 1);
    EXPECT_EQ(rightcrif, 1);
    EXPECT_EQ(FiGcnt, unowned - 1);
    EXPECT_EQ(Reg().opens, 1);
    EXPECT_EQ(UserText("OKSKKIS")[19], '1');
    // Granted once per run.
    addfigfi = 21;
    for (int click = 0; click < 40; click++)
        GuestCatch();
    EXPECT_EQ(m_nFss[20], 0);
    EXPECT_EQ(Reg().opens, 1);
}
