// Band heights, scroll, colour orders and timer, and the blinking pictures.
#include "display_util.h"

#include <gtest/gtest.h>

TEST(Band, HeightsFromTheScreenHeightSetting)
{
    ResetDisplay();
    const int want[4] = {256, 384, 512, 768};
    for (int sh = 0; sh < 4; sh++) {
        m_nSHf = sh;
        Iniset();
        EXPECT_EQ(GHH, want[sh]);
        EXPECT_EQ(GHA, 768 - want[sh]);
        EXPECT_EQ(GHF, sh == 3 ? 1 : 0);
    }
    NativeScreenH = 30;                  // a rest of 10 px goes to the band
    m_nSHf = ShHigh;
    Iniset();
    EXPECT_EQ(GHH, 30);
    EXPECT_EQ(GHF, 1);
    NativeScreenH = 768;
    for (int bad : {-1, 4, 77}) {        // hand-edited registry: "Midum"
        m_nSHf = bad;
        m_nFnh[3] = m_nFnh[addfig] = 5;
        Iniset();
        EXPECT_EQ(GHH, 384) << bad;
        EXPECT_EQ(m_nFnh[3] + m_nFnh[addfig], 0);
    }
}

// Ticks between band moves and the size of a move at scroll speed s.
static void ScrollPace(int s, int* every, int* by)
{
    ResetDisplay();
    m_nSSpe = s;
    GTP = 100;
    int last = 0, prev = GTP;
    *every = *by = 0;
    for (int t = 1; t <= 200 && *every == 0; t++) {
        ScrollStep();
        if (GTP != prev) {
            if (last > 0)
                *every = t - last;
            *by = GTP - prev;
            last = t;
            prev = GTP;
        }
    }
}

TEST(Band, ScrollStepsPerSpeedAndBounce)
{
    struct {
        int speed, every, by;
    } cases[] = {{1, 2, 4}, {2, 3, 3}, {3, 4, 2}, {4, 5, 1}, {5, 6, 1}, {10, 11, 1},
                 {50, 51, 1}, {0, 2, 4}, {-7, 2, 4}, {99, 51, 1}};
    for (auto& k : cases) {
        int every, by;
        ScrollPace(k.speed, &every, &by);
        EXPECT_EQ(every, k.every) << k.speed;
        EXPECT_EQ(by, k.by) << k.speed;
    }

    ResetDisplay();                      // 768 px, Low: the band travels 0..512 and back
    m_nSHf = ShLow;
    Iniset();
    m_nSSpe = 1;
    int lo = 1000, hi = 0;
    bool turnedUp = false;
    for (int t = 0; t < 1000; t++) {
        ScrollStep();
        hi = GTP > hi ? GTP : hi;
        turnedUp = turnedUp || GTPF == 1;
        if (turnedUp)
            lo = GTP < lo ? GTP : lo;
    }
    EXPECT_EQ(hi, 512);
    EXPECT_EQ(lo, 0);
    m_nSHf = ShFull;                     // full height: the band stays at the top
    Iniset();
    ScrollStep();
    EXPECT_EQ(GTP, 0);
}

// Slots shown by n colour changes of set 0 with the given enabled slots.
static std::vector<int> Colours(int type, std::initializer_list<int> slots, int start, int n)
{
    ResetDisplay();
    for (int k = 0; k < WatSlotMax; k++)
        m_nBackCF[0][k] = 0;
    for (int k : slots)
        m_nBackCF[0][k] = 1;
    m_nBackCX = type;
    m_nBackC[0] = start;
    std::vector<int> seen = {start};
    for (int i = 1; i < n; i++) {
        NextColour();
        seen.push_back(m_nBackC[0]);
    }
    return seen;
}

TEST(Band, ColourSlotOrders)
{
    EXPECT_EQ(Colours(ChRepeat, {2, 5, 7}, 2, 8), (std::vector<int>{2, 5, 7, 5, 2, 5, 7, 5}));
    EXPECT_EQ(Colours(ChRound, {3, 8}, 3, 5), (std::vector<int>{3, 8, 3, 8, 3}));
    EXPECT_EQ(Colours(ChRound, {0, 9}, 0, 4), (std::vector<int>{0, 9, 0, 9}));   // the tenth slot
    EXPECT_EQ(Colours(ChRepeat, {6}, 6, 5), (std::vector<int>{6, 0, 6, 0, 6}));
    EXPECT_EQ(Colours(ChRound, {}, 4, 3), (std::vector<int>{4, 4, 4}));     // none enabled
    EXPECT_EQ(Colours(ChRandom, {}, 4, 3), (std::vector<int>{4, 4, 4}));
    EXPECT_EQ(Colours(7, {1, 2}, 1, 3), (std::vector<int>{1, 1, 1}));       // unknown type
}

// Water record: slots (enable, colour), change type, From First, speed.
static void Water(int set, std::initializer_list<std::pair<int, int>> slots, int type, int speed)
{
    char w[64] = {0};
    int k = 0;
    for (auto s : slots)
        snprintf(w + 3 * k++, 4, "%d%02d", s.first, s.second);
    for (; k < WatSlotMax; k++)
        memcpy(w + 3 * k, "000", 3);
    snprintf(w + 30, 8, "%d1%03d\n", type, speed);
    snprintf(m_nWat[set], sizeof m_nWat[set], "%s", w);
}

// Left edge of the swatch the water is drawn from.
static int WaterX()
{
    for (const DdCallRec& c : DdLog)
        if (c.op == DdOpBlt && c.dst.top == GTP && c.dst.bottom == GTP + GHH)
            return c.src.left;
    return -1;
}

// The scene program moved to set idx with the replacement "Any" (0) or
// "Lump" (1); one frame of background.
static void NewSet(int idx, int lump)
{
    m_nIdx = idx;
    wtchgf = 1;
    m_nPGC = lump;
    WATCHC1 = 0;
    DdNativeReset();
    DrawBack();
}

TEST(Band, ColourTimerAndSceneChanges)
{
    ResetDisplay(2);
    Water(0, {{1, 3}, {1, 8}}, ChRound, 1);
    Water(1, {{1, 30}, {0, 0}}, ChRound, 2);
    BackCz();
    Watset(0);
    m_nBackCIdx = m_nBackC[0];
    std::vector<int> changes;
    int x = -2;
    for (int t = 1; t <= 70; t++) {
        DdNativeReset();
        DrawBack();
        if (WaterX() != x) {
            changes.push_back(t);
            x = WaterX();
        }
    }
    // Speed 1: a change every 1 x 20 + 2 ticks.
    EXPECT_EQ(changes, (std::vector<int>{1, 22, 44, 66}));

    // "Any": the new set's speed at once, its colours at the next change.
    NewSet(1, 0);
    EXPECT_EQ(m_nBackCS, 2);
    EXPECT_EQ(wtchgf, 2);
    EXPECT_NE(WaterX(), 301);
    for (int t = 0; t < 41; t++) {
        DdNativeReset();
        DrawBack();
    }
    EXPECT_EQ(WaterX(), 301);
    EXPECT_EQ(wtchgf, 0);

    // "Lump": the new set's colours in the same frame.
    NewSet(0, 1);
    EXPECT_EQ(wtchgf, 0);
    EXPECT_EQ(WaterX() / 10 == 3 || WaterX() / 10 == 8, true);

    WATHT = 1;                           // "BackColorsFlg": the upper swatch row
    WATHB = 10;
    DdNativeReset();
    DrawBack();
    ASSERT_GE(DdLog.size(), 2u);
    EXPECT_EQ(DdLog[1].src.top, 2);
    EXPECT_EQ(DdLog[1].src.bottom, 9);
}

TEST(Band, CaptionAndTitleFollowTheBand)
{
    ResetDisplay();
    auto sources = [](int gtp) {
        GTP = gtp;
        DdNativeReset();
        DrawBack();
        std::vector<int> tops;
        for (size_t i = 2; i < DdLog.size(); i++)
            tops.push_back(DdLog[i].src.top);
        return tops;
    };
    EXPECT_EQ(sources(0), (std::vector<int>{43}));          // no title at the top
    EXPECT_EQ(sources(5), (std::vector<int>{43}));
    EXPECT_EQ(sources(6), (std::vector<int>{43, 29 + 30}));  // two rows of the title
    EXPECT_EQ(sources(200), (std::vector<int>{43, 29}));     // the whole title
    EXPECT_EQ(sources(384), (std::vector<int>{29}));          // at the bottom: no caption
    sources(370);                                             // caption cut to the room left
    EXPECT_EQ(DdLog[2].src.bottom - DdLog[2].src.top, 384 - 370 - 5);
    EXPECT_EQ(DdLog[2].dst.bottom, 768);
}

TEST(Band, FullHeightPicturesBlink)
{
    ResetDisplay();
    m_nSHf = ShFull;
    Iniset();
    RndSeed(3);
    std::string caption, title;
    for (int t = 0; t < 5000; t++) {
        DdNativeReset();
        ASSERT_TRUE(DrawBack());
        bool c = false, ti = false;
        for (const DdCallRec& r : DdLog) {
            c = c || (r.keyed && r.src.top == CPRHB);
            ti = ti || (r.keyed && r.src.top == CT2HB);
            if (r.keyed) {
                EXPECT_GE(r.dst.left, 0);
                EXPECT_LE(r.dst.bottom, 768);
            }
        }
        caption += c ? '1' : '0';
        title += ti ? '1' : '0';
    }
    // Run lengths: shown, hidden, shown ...
    auto runs = [](const std::string& s) {
        std::vector<int> r;
        size_t i = 0;
        while (i < s.size()) {
            size_t j = s.find_first_not_of(s[i], i);
            if (j == std::string::npos)
                break;
            r.push_back((int)(j - i));
            i = j;
        }
        return r;
    };
    EXPECT_EQ(runs(caption), (std::vector<int>{1358, 1001, 1358, 1001}));
    EXPECT_EQ(runs(title), (std::vector<int>{974, 687, 974, 687, 974, 687}));
    EXPECT_EQ(caption[0], '1');
}
