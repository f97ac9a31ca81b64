// A day of ticks of the whole aquarium: 100 fish, the program stepping
// through "Any" and "Lump" scenes, guests and new kinds.
#include "display_util.h"

#include <gtest/gtest.h>

const long DayTicks = 24L * 3600 * 1000 / 70;   // about 1.23 million at 70 ms

static void ThreeScenes()
{
    ResetDisplay(3);
    SetHead(0, 0, 0, 30, 100, 100);      // Any, 9000 ticks
    SetPat(0, 0, 1, 0, 50, 100);
    SetPat(0, 1, 2, 1, 10, 150);         // Real Number, 10 at most
    SetPat(0, 2, 9, 0, 20, 60);          // not owned at start
    PutField(m_nGen[0], PatField(0, PatFdis), 40);      // dispersion of pattern 0
    SetHead(1, 1, 1, 10, 60, 120);       // Lump, random length
    SetPat(1, 0, 3, 1, 30, 80);
    SetPat(1, 1, 1, 0, 10, 200);
    SetHead(2, 0, 0, 20, 100, 80);       // Any
    SetPat(2, 0, 2, 0, 10, 50);
    SetPat(2, 1, 3, 1, 5, 300);
    for (int k = 1; k <= 3; k++)
        m_nFss[k - 1] = 1;
    for (int i = 0; i < 3; i++)
        m_nPg[i] = i + 1;
    m_nPgon = 1;
    m_nPGType = 2;
    m_nPGFL = 1;
    m_nFgf = 1;
    m_nSYS01 = 1;
    NativeRegPutInt(NativeUserKey(), "OSIJDUA", 1);  // RegSy1 counts down the stored value
    m_nSYScnt = 0;
    m_nSYSrnd = 2000;
    Pgaset();
    Pgtset();
    AquariumSetUp();
    DdLogOn = false;
    RndSeed(2024);
}

TEST(LongRun, ADayOfTicksKeepsTheCountsAndMovesEveryFishOut)
{
    ThreeScenes();
    int ox[FishSlotMax], oy[FishSlotMax];
    long born[FishSlotMax];
    for (int j = 0; j < FishSlotMax; j++)
        born[j] = 0;
    long oldest = 0, guests = 0, lumps = 0, turnover = 0;
    int lastIdx = m_nIdx, seenNewKinds = 0;
    for (long t = 1; t <= DayTicks; t++) {
        for (int j = 0; j < FishSlotMax; j++) {
            ox[j] = fposx[j];
            oy[j] = fposy[j];
        }
        bool guestBefore = addfigf == 1;
        updateFrame();
        PgStep();
        NewFishCountdown();
        if (t % 50000 == 0)
            GuestCatch();
        if (m_nIdx != lastIdx) {
            lumps += m_nPGC == 1;
            lastIdx = m_nIdx;
        }
        guests += !guestBefore && addfigf == 1;

        int count[FPatMax] = {0};
        int guestSlots = 0;
        for (int j = 0; j < FishSlotMax; j++) {
            if (ffshu[j] == 0) {
                born[j] = t;
                continue;
            }
            count[fffii[j]]++;
            guestSlots += fffii[j] == addfig;
            // A fish that moved by its own step is the one that was there.
            if (fposx[j] != ox[j] + faddx[j] || fposy[j] != oy[j] + faddy[j]) {
                born[j] = t;
                turnover++;
            }
            if (t - born[j] > oldest)
                oldest = t - born[j];
        }
        for (int p = 0; p < FPatMax; p++)
            ASSERT_EQ(count[p], m_nFnh[p]) << "pattern " << p << " tick " << t;
        ASSERT_LE(guestSlots, 1);
        ASSERT_EQ(guestSlots, addfigf) << t;
    }
    for (int k = 4; k <= FishMax; k++)
        seenNewKinds += m_nFss[k - 1];
    EXPECT_GT(lumps, 10);
    EXPECT_GT(guests, 10);
    EXPECT_GT(seenNewKinds, 3);
    EXPECT_GT(turnover, 100000);
    // No fish stays for ever: the oldest left within an hour and a half.
    EXPECT_LT(oldest, 90L * 60 * 1000 / 70) << oldest;
    EXPECT_EQ(DdBadCalls, 0);
    EXPECT_TRUE(Reports().empty());
    printf("oldest fish: %ld ticks, guests %ld, lump scenes %ld, new kinds %d, arrivals %ld\n",
           oldest, guests, lumps, seenNewKinds, turnover);
}
