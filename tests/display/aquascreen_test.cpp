// The picture scale: which one, the logical screen it gives, a frame drawn at
// it, and the fall-back when its surface cannot be made.
#include "display_util.h"
#include "scrn01/display/aquascreen.h"
#include "scrn01/display/dispmode.h"

#include <gtest/gtest.h>

#include <climits>

TEST(PictureScale, StoredOrFromTheDpiAndNeverBelow600Lines)
{
    struct {
        int stored, dpi, h, k;
    } cases[] = {
        {0, 96, 1080, 1},   {0, 120, 1440, 1},  {0, 144, 1080, 1},  {0, 144, 1440, 2},
        {0, 192, 2160, 2},  {0, 216, 2160, 2},  {0, 240, 2160, 3},  {0, 288, 1800, 3},
        {0, 480, 2880, 4},  {0, 192, 1199, 1},  {0, 0, 2160, 1},    {0, -96, 2160, 1},
        {0, INT_MAX, 4320, 4}, {7, 192, 2160, 2}, {-1, 96, 2160, 1}, {1, 192, 2160, 1},
        {3, 96, 1440, 2},   {4, 96, 2160, 3},   {2, 96, 600, 1},    {4, 96, 480, 1},
    };
    for (auto& c : cases)
        EXPECT_EQ(PictureScaleFor(c.stored, c.dpi, c.h), c.k)
            << c.stored << " at " << c.dpi << " dpi, " << c.h << " px high";
}

TEST(PictureScale, LogicalScreenBandAndPresentedFrame)
{
    // 2048 x 1536 at 200 %: the aquarium of 1024 x 768 draws as on that
    // screen, and its frame goes to the back buffer doubled before the flip.
    ResetDisplay();
    NativeScreenW = 2048;
    NativeScreenH = 1536;
    NativeScreenDpi = 192;
    m_nFish = 2;
    Iniset();
    ASSERT_EQ(GK, 2);
    EXPECT_EQ(GW, 1024);
    EXPECT_EQ(GH, 768);
    EXPECT_EQ(GHH, 384);
    EXPECT_EQ(GSW, 2048);
    SetUpFrame();
    PlaceFish(0, 1, -30, 100, 19);
    PlaceFish(1, 10, 500, 50, 15, 0, 0, 50);
    GTP = 20;
    updateFrame();
    const std::vector<std::string> want = {
        "MakeFrame 1024x768",
        "Blt 0 (1,20,10,30) -> (0,0,1024,768)",
        "Blt 0 (201,12,209,19) -> (0,20,1024,404)",
        "Blt 0 (1,43,170,63) -> (839,409,1014,429)",
        "Blt 0 (416,45,581,61) -> (5,0,170,16)",
        "Blt 1 (348,516,424,602) -> (0,120,76,206) key",
        "Blt 2 (318,2236,424,2322) -> (500,70,553,113) key",
        "ShowOthers",
        "Present (0,0,1024,768) -> (0,0,2048,1536)",
        "Flip",
    };
    EXPECT_EQ(LogText(), want);
    EXPECT_EQ(DdBadCalls, 0);

    // Odd sizes: the rest of the division stays out of the picture.
    NativeScreenW = 2561;
    NativeScreenH = 1441;
    NativeScreenDpi = 144;
    m_nPicScale = 9;   // counts as following the display
    Iniset();
    EXPECT_EQ(GK, 2);
    EXPECT_EQ(GW, 1280);
    EXPECT_EQ(GH, 720);
    DdNativeReset();
    updateFrame();
    EXPECT_EQ(DdCallText(DdLog[DdLog.size() - 2]), "Present (0,0,1280,720) -> (0,0,2560,1440)");
    EXPECT_EQ(DdBadCalls, 0);

    // A stored 1 at 200 %: today's picture, drawn on the back buffer.
    NativeScreenW = 3840;
    NativeScreenH = 2160;
    NativeScreenDpi = 192;
    m_nPicScale = 1;
    Iniset();
    EXPECT_EQ(GW, 3840);
    DdNativeReset();
    SetUpFrame();
    updateFrame();
    EXPECT_EQ(DdCallText(DdLog[0]), "Blt 0 (1,20,10,30) -> (0,0,3840,2160)");
    EXPECT_EQ(DdCallText(DdLog[DdLog.size() - 2]), "ShowOthers");
}

TEST(PictureScale, NoSurfaceForTheFrameMeansNoScaleForTheRun)
{
    ResetDisplay();
    NativeScreenW = 3840;
    NativeScreenH = 2160;
    NativeScreenDpi = 192;
    m_nSHf = ShLow;
    Iniset();
    ASSERT_EQ(GK, 2);
    DdScript[0] = DdFailed;
    SetUpFrame();
    EXPECT_EQ(GK, 1);
    EXPECT_EQ(GW, 3840);
    EXPECT_EQ(GHH, 720);
    EXPECT_EQ(GHA, 1440);
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0], "Error Point035 Picture Scale Surface Error !( 1920x1080 px at scale 2 )");
    // The frame draws on the back buffer, whole; a rebuild asks for no surface.
    m_nFish = 1;
    DdNativeReset();
    updateFrame();
    EXPECT_EQ(DdCallText(DdLog[0]), "Blt 0 (1,20,10,30) -> (0,0,3840,2160)");
    EXPECT_EQ(DdCallText(DdLog.back()), "Flip");
    EXPECT_EQ(DdBadCalls, 0);
    DdNativeReset();
    SetUpFrame();
    EXPECT_TRUE(DdLog.empty());

    // A present that fails is told once; busy, it is made again.
    ResetDisplay();
    NativeScreenW = 2048;
    NativeScreenH = 1536;
    NativeScreenDpi = 192;
    Iniset();
    for (DdResult r : {DdStillDrawing, DdFailed, DdFailed}) {
        DdNativeReset();
        DdScript[4] = r;
        updateFrame();
        EXPECT_EQ(DdCallText(DdLog.back()), "Flip");
    }
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0], "Error Point037 Frame Present Error !");
}
