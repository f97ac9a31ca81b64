// Fish motion and drawing, and whole recorded frames through the drawing seam.
#include "display_util.h"

#include <gtest/gtest.h>

TEST(Motion, FishLeavesWhenItsWholeWidthIsOut)
{
    ResetDisplay();
    PlaceFish(0, 1, 0, 100, 7, -100, 0);
    m_nFnh[0] = 1;
    SpriteCell c;
    for (int t = 1; t <= 105; t++) {
        MoveFish();
        ASSERT_EQ(ffshu[0], 1) << t;
    }
    ASSERT_TRUE(LocateFish(0, &c));      // x = -105: one pixel column left
    EXPECT_EQ(c.sux, 0);
    EXPECT_EQ(c.su2, 105);
    EXPECT_EQ(c.destRect.right - c.destRect.left, 1);
    EXPECT_EQ(c.rcRect.right - c.rcRect.left, 1);
    MoveFish();                          // x = -106
    EXPECT_EQ(ffshu[0], 0);
    EXPECT_EQ(m_nFnh[0], 0);
    MoveFish();                          // slots at or above m_nFish stay empty
    EXPECT_EQ(ffshu[0], 0);
}

TEST(Motion, ClippingAtTheEdgesOfTheBand)
{
    ResetDisplay();
    GTP = 100;
    SpriteCell c;
    PlaceFish(0, 1, 1024 - 106, 10, 19);     // exactly at the right edge: no cut
    ASSERT_TRUE(LocateFish(0, &c));
    EXPECT_EQ(c.su3, 0);
    EXPECT_EQ(c.destRect.right, 1024);
    PlaceFish(0, 1, 1024 - 105, 10, 19);     // one further: one pixel cut
    ASSERT_TRUE(LocateFish(0, &c));
    EXPECT_EQ(c.su3, 1);
    EXPECT_EQ(c.su3i, 1);
    EXPECT_EQ(c.rcRect.right, c.su1 + 105);
    EXPECT_EQ(c.destRect.right, 1024);
    // Half size, cut 20 px at the bottom of the band: 40 sprite rows.
    PlaceFish(0, 1, 10, 384 - 23, 19, 0, 0, 50);
    ASSERT_TRUE(LocateFish(0, &c));
    EXPECT_EQ(c.su5, 20);
    EXPECT_EQ(c.su5i, 20 * 86 / 43);
    EXPECT_EQ(c.destRect.bottom, GTP + 384);
    EXPECT_EQ(c.rcRect.bottom, c.iz2 + 86 - 40);
    // Just arrived at the top: a one-row sliver, grown upward from the band's top.
    PlaceFish(0, 1, 10, -86, 19);
    ASSERT_TRUE(LocateFish(0, &c));
    EXPECT_EQ(c.destRect.top, GTP - 1);
    EXPECT_EQ(c.destRect.bottom, GTP);
    EXPECT_EQ(c.rcRect.bottom - c.rcRect.top, 1);
    // Kinds outside 1..35 name no sheet and are never drawn.
    ffshu[0] = 36;
    EXPECT_FALSE(LocateFish(0, &c));
}

TEST(Motion, TurnsStepThroughHeadingsAndHalves)
{
    ResetDisplay();
    PlaceFish(0, 9, 300, 100, 12);       // sheet 1, block 2
    SpriteCell c;
    ASSERT_TRUE(LocateFish(0, &c));
    EXPECT_EQ(c.izf1, 1);
    EXPECT_EQ(c.iz4, 0);
    EXPECT_EQ(c.iz2, 1032 + 11 * 86);
    fidks[0] = 1;                        // an ordinary burst level for the new steps
    ftrns[0] = -1;                       // one step toward higher numbers
    MoveFish();
    EXPECT_EQ(ffdno[0], 13);
    EXPECT_EQ(ftrns[0], 0);
    EXPECT_EQ(ftrnb[0], 0);
    EXPECT_EQ(faddx[0], 0);              // straight up now
    EXPECT_LT(faddy[0], 0);
    ASSERT_TRUE(LocateFish(0, &c));
    EXPECT_EQ(c.iz4, 318);
    EXPECT_EQ(c.iz2, 1032);
    EXPECT_EQ(c.su1, 318);

    // Two steps toward lower numbers from 1, one every ftrnb + 1 ticks.
    PlaceFish(0, 1, 300, 100, 1);
    fidks[0] = 1;
    ftrns[0] = 2;
    ftrnb[0] = 4;
    ftrnc[0] = 0;
    std::vector<int> seen;
    for (int t = 0; t < 12; t++) {
        MoveFish();
        seen.push_back(ffdno[0]);
    }
    EXPECT_EQ(seen, (std::vector<int>{24, 24, 24, 24, 24, 23, 23, 23, 23, 23, 23, 23}));
}

TEST(Motion, TailBeatSequences)
{
    ResetDisplay();
    struct Case {
        int knf, kn2, ticks;
        const char* frames;
    } cases[] = {
        {1, 0, 8, "13121312"},       // side frames 3 and 2 in turn
        {2, 0, 6, "121212"},
        {3, 0, 6, "131313"},
        {1, 2, 8, "11331122"},       // a frame every second tick
    };
    for (const Case& k : cases) {
        PlaceFish(0, 1, 0, 0, 19);
        ffknf[0] = k.knf;
        ffkn2[0] = k.kn2;
        std::string got;
        for (int t = 0; t < k.ticks; t++) {
            got += (char)('0' + ffkno[0]);
            AnimateFish(0);
        }
        EXPECT_EQ(got, k.frames) << k.knf << "/" << k.kn2;
    }
}

// Two hand-placed fish that keep still: kind 1 cut at the left, and a
// half-size kind 10 (sheet 1, block 3) heading 15.
static void TwoFish()
{
    ResetDisplay();
    m_nFish = 2;
    PlaceFish(0, 1, -30, 100, 19);
    PlaceFish(1, 10, 500, 50, 15, 0, 0, 50);
    GTP = 20;
}

TEST(Frame, BandModeDrawsInOrder)
{
    TwoFish();
    updateFrame();
    const std::vector<std::string> want = {
        "Blt 0 (1,20,10,30) -> (0,0,1024,768)",              // black
        "Blt 0 (201,12,209,19) -> (0,20,1024,404)",          // water, colour 20
        "Blt 0 (1,43,170,63) -> (839,409,1014,429)",         // caption 5 px below
        "Blt 0 (416,45,581,61) -> (5,0,170,16)",             // lower 16 rows of the title
        "Blt 1 (348,516,424,602) -> (0,120,76,206) key",
        "Blt 2 (318,2236,424,2322) -> (500,70,553,113) key",
        "ShowOthers",
        "Flip",
    };
    EXPECT_EQ(LogText(), want);
    EXPECT_EQ(INF01, 1);
    EXPECT_EQ(DdBadCalls, 0);
}

TEST(Frame, FullHeightAndDirectSize)
{
    TwoFish();
    m_nSHf = ShFull;
    Iniset();
    GTP = 0;
    m_nFGSif = 1;
    ffsiz[1] = 100;
    ffsFW[1] = 106;
    ffsFH[1] = 86;
    m_nJPF = 1;
    updateFrame();
    const std::vector<std::string> want = {
        "Blt 0 (201,12,209,19) -> (0,0,1024,768)",
        "Blt 0 (1,71,170,90) -> (839,744,1014,763) key",     // caption on blue
        "Blt 0 (247,63,390,95) -> (5,5,148,37) key",         // Japanese title
        "BltFast 1 (348,516,424,602) -> (0,100)",
        "BltFast 2 (318,2236,424,2322) -> (500,50)",
        "ShowOthers",
        "Flip",
    };
    EXPECT_EQ(LogText(), want);
    EXPECT_EQ(GTP, 0);
}

TEST(Frame, FailedDrawsEndTheFrame)
{
    // Calls of a whole frame: black, water, caption, title, fish 0, fish 1,
    // the copy to the other monitors, flip.
    struct Case {
        const char* what;
        std::vector<std::pair<long, DdResult>> script;
        size_t calls;
        const char* last;
        int reports, inf01;
    } cases[] = {
        {"a failed fish draw: no flip, no scroll", {{4, DdFailed}}, 5,
         "Blt 1 (348,516,424,602) -> (0,120,76,206) key", 1, 0},
        {"busy: the same draw again, then on", {{4, DdStillDrawing}}, 9, "Flip", 0, 1},
        {"a lost sheet: restored, then reported", {{5, DdSurfaceLost}}, 7, "Restore", 1, 0},
        {"a failed restore ends the frame quietly", {{5, DdSurfaceLost}, {6, DdFailed}}, 7,
         "Restore", 0, 0},
        {"a lost background: restored, the frame ends", {{1, DdSurfaceLost}}, 3, "Restore", 0, 0},
        {"a lost flip: restored, and the frame completes", {{7, DdSurfaceLost}}, 9, "Restore", 0, 1},
        {"other monitors busy: skipped for this frame", {{6, DdStillDrawing}}, 8, "Flip", 0, 1},
        {"other monitors lost: the flip restores", {{6, DdSurfaceLost}, {7, DdSurfaceLost}}, 9,
         "Restore", 0, 1},
        {"other monitors failed: reported, the primary flips", {{6, DdFailed}}, 8, "Flip", 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TwoFish();
        for (auto& r : c.script)
            DdScript[r.first] = r.second;
        updateFrame();
        ASSERT_EQ(DdLog.size(), c.calls);
        EXPECT_EQ(DdCallText(DdLog.back()), c.last);
        EXPECT_EQ(Reports().size(), (size_t)c.reports);
        EXPECT_EQ(INF01, c.inf01);
    }
    TwoFish();
    DdScript[4] = DdStillDrawing;
    updateFrame();
    EXPECT_EQ(DdCallText(DdLog[4]), DdCallText(DdLog[5]));

    // A failed fish draw is reported once, with the dump.
    TwoFish();
    DdScript[4] = DdFailed;
    updateFrame();
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0].rfind("Error Point010 Serface Write Error !( iz:0,iz2:516,addx:0,", 0), 0u)
        << Reports()[0];
    EXPECT_NE(Reports()[0].find(",rcRect left:348,top:516,right:424,bottom:602,destRect left:0,"
                                "top:120,right:76,bottom:206"),
              std::string::npos);
    DdNativeReset();
    DdScript[4] = DdFailed;
    updateFrame();
    EXPECT_EQ(Reports().size(), 1u);

    // A copy that keeps failing is reported once a run too.
    TwoFish();
    for (int t = 0; t < 3; t++) {
        DdNativeReset();
        DdScript[6] = DdFailed;
        updateFrame();
        EXPECT_EQ(DdCallText(DdLog.back()), "Flip");
    }
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0], "Error Point034 Other Monitors Write Error !");
}

TEST(Frame, HandEditedSwatchNumberShowsBlack)
{
    for (int swatch : {99, 32, -1}) {
        TwoFish();
        m_nBackCC[0] = swatch;
        updateFrame();
        ASSERT_GE(DdLog.size(), 2u);
        EXPECT_EQ(DdCallText(DdLog[1]), "Blt 0 (1,12,9,19) -> (0,20,1024,404)") << swatch;
        EXPECT_EQ(DdCallText(DdLog.back()), "Flip");
        EXPECT_EQ(DdBadCalls, 0);
    }
}
