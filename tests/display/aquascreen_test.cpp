// The aquarium's screen: which picture scale, the logical screen and the
// monitors' parts it gives, frames drawn at it, and the fall-backs when the
// frame's surface cannot be made.
#include "display_util.h"
#include "scrn01/display/aquascreen.h"
#include "scrn01/display/dispmode.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A clean aquarium on a primary monitor of w x h at dpi, beside the others.
void Screen(int w, int h, int dpi, std::vector<DdRect> others = {}, int otherMon = OmSame)
{
    ResetDisplay();
    NativeScreenW = w;
    NativeScreenH = h;
    NativeScreenDpi = dpi;
    NativeOthers = others;
    m_nOtherMon = otherMon;
    Iniset();
}

std::string Text(const DdRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

}  // namespace

TEST(PictureScale, StoredOrFromTheDpiAndNeverBelow600Lines)
{
    const int W = 4000;  // wide enough not to matter
    struct {
        int stored, dpi, w, h, k;
    } cases[] = {
        {0, 96, W, 1080, 1},
        {0, 120, W, 1440, 1},
        {0, 144, W, 1080, 1},
        {0, 144, W, 1440, 2},
        {0, 192, W, 2160, 2},
        {0, 216, W, 2160, 2},
        {0, 240, W, 2160, 3},
        {0, 288, W, 1800, 3},
        {0, 480, W, 2880, 4},
        {0, 192, W, 1199, 1},
        {0, 0, W, 2160, 1},
        {0, -96, W, 2160, 1},
        {0, INT_MAX, W, 4320, 4},
        {7, 192, W, 2160, 2},
        {-1, 96, W, 2160, 1},
        {1, 192, W, 2160, 1},
        {3, 96, W, 1440, 2},
        {4, 96, W, 2160, 3},
        {2, 96, W, 600, 1},
        {4, 96, W, 480, 1},
        // Portrait: 1080 x 1920 at 200 % is 540 wide; 600 wide would be 300.
        {0, 192, 1080, 1920, 2},
        {0, 192, 600, 2160, 1},
        {4, 96, 1000, 4000, 3},
    };
    for (auto& c : cases)
        EXPECT_EQ(PictureScaleFor(c.stored, c.dpi, c.w, c.h), c.k)
            << c.stored << " at " << c.dpi << " dpi, " << c.w << " x " << c.h;
}

TEST(PictureScale, FramesDrawnAtTheScaleThenPresented)
{
    // 2048 x 1536 at 200 % draws the 1024 x 768 frame, then doubles it.
    Screen(2048, 1536, 192);
    m_nFish = 2;
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
    m_nPicScale = 9;  // counts as following the display
    NativeScreenW = 2561;
    NativeScreenH = 1441;
    NativeScreenDpi = 144;
    Iniset();
    EXPECT_EQ(GW * 100 + GH, 1280 * 100 + 720);
    DdNativeReset();
    updateFrame();
    EXPECT_EQ(DdCallText(DdLog[DdLog.size() - 2]), "Present (0,0,1280,720) -> (0,0,2560,1440)");
    EXPECT_EQ(DdBadCalls, 0);

    // A stored 1 at 200 %: today's picture, on the back buffer; the surface goes.
    m_nPicScale = 1;
    NativeScreenW = 3840;
    NativeScreenH = 2160;
    NativeScreenDpi = 192;
    Iniset();
    DdNativeReset();
    SetUpFrame();
    updateFrame();
    EXPECT_EQ(DdCallText(DdLog[0]), "MakeFrame 0x0");
    EXPECT_EQ(DdCallText(DdLog[1]), "Blt 0 (1,20,10,30) -> (0,0,3840,2160)");
    EXPECT_EQ(DdCallText(DdLog[DdLog.size() - 2]), "ShowOthers");

    // A present that fails is told once; busy, it is made again.
    Screen(2048, 1536, 192);
    for (DdResult r : {DdStillDrawing, DdFailed, DdFailed}) {
        DdNativeReset();
        DdScript[4] = r;
        updateFrame();
        EXPECT_EQ(DdCallText(DdLog.back()), "Flip");
    }
    ASSERT_EQ(Reports().size(), 1u);
    EXPECT_EQ(Reports()[0], "Error Point037 Frame Present Error !");
}

TEST(OneAquarium, TheRectangleOfEveryMonitorAndEachOnesPart)
{
    struct Case {
        const char* what;
        std::vector<DdRect> mons;  // the primary first
        int dpi, otherMon;
        int k, ox, oy, w, h;
        std::vector<std::string> parts;
    } cases[] = {
        {"right, lower",
         {{0, 0, 1024, 768}, {1024, 0, 2304, 720}},
         96,
         OmSpan,
         1,
         0,
         0,
         2304,
         768,
         {"0,0,1024,768", "1024,0,2304,720"}},
        {"left of the primary",
         {{0, 0, 1920, 1080}, {-1920, 0, 0, 1080}},
         96,
         OmSpan,
         1,
         -1920,
         0,
         3840,
         1080,
         {"1920,0,3840,1080", "0,0,1920,1080"}},
        {"portrait above",
         {{0, 0, 1920, 1080}, {200, -1920, 1280, 0}},
         96,
         OmSpan,
         1,
         0,
         -1920,
         1920,
         3000,
         {"0,1920,1920,3000", "200,0,1280,1920"}},
        {"4K at 200 % and 1080p",
         {{0, 0, 3840, 2160}, {3840, 0, 5760, 1080}},
         192,
         OmSpan,
         2,
         0,
         0,
         2880,
         1080,
         {"0,0,1920,1080", "1920,0,2880,540"}},
        {"odd places at 150 %",
         {{0, 0, 2560, 1440}, {-1366, 100, 0, 868}},
         144,
         OmSpan,
         2,
         -1366,
         0,
         1963,
         720,
         {"683,0,1963,720", "0,50,683,434"}},
        {"the same picture",
         {{0, 0, 1024, 768}, {1024, 0, 2304, 720}},
         96,
         OmSame,
         1,
         0,
         0,
         1024,
         768,
         {"0,0,1024,768"}},
        {"one monitor", {{0, 0, 1024, 768}}, 96, OmSpan, 1, 0, 0, 1024, 768, {"0,0,1024,768"}},
        {"a monitor of no size",
         {{0, 0, 1024, 768}, {1024, 0, 1024, 768}},
         96,
         OmSpan,
         1,
         0,
         0,
         1024,
         768,
         {"0,0,1024,768"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Screen(c.mons[0].right, c.mons[0].bottom, c.dpi, {c.mons.begin() + 1, c.mons.end()},
               c.otherMon);
        EXPECT_EQ(std::vector<int>({GK, GOX, GOY, GW, GH}),
                  std::vector<int>({c.k, c.ox, c.oy, c.w, c.h}));
        std::vector<std::string> parts;
        for (int i = 0; i < GParts; i++)
            parts.push_back(Text(MonParts[i].part));
        EXPECT_EQ(parts, c.parts);
    }
}

TEST(OneAquarium, FramesFallBacksAndAMonitorGone)
{
    // A monitor left of the primary: one frame, the primary's part presented.
    Screen(1920, 1080, 96, {{-1920, 0, 0, 1080}}, OmSpan);
    m_nFish = 30;
    SetUpFrame();
    for (int t = 0; t < 50; t++)
        updateFrame();
    EXPECT_EQ(DdCallText(DdLog[0]), "MakeFrame 3840x1080");
    EXPECT_EQ(DdCallText(DdLog[1]), "Blt 0 (1,20,10,30) -> (0,0,3840,1080)");
    EXPECT_EQ(DdCallText(DdLog[DdLog.size() - 2]), "Present (1920,0,3840,1080) -> (0,0,1920,1080)");
    EXPECT_EQ(DdBadCalls, 0);
    // The monitor goes: the aquarium is the primary's alone, on its back buffer.
    NativeOthers.clear();
    DdNativeReset();
    FollowMonitors();
    EXPECT_EQ(GW, 1920);
    EXPECT_EQ(LogText(), std::vector<std::string>{"MakeFrame 0x0"});
    DdNativeReset();
    updateFrame();
    EXPECT_EQ(DdCallText(DdLog[DdLog.size() - 2]), "ShowOthers");
    EXPECT_EQ(DdBadCalls, 0);
    EXPECT_TRUE(Reports().empty());

    // No surface for one aquarium at 200 %: the same picture, still scaled;
    // then none for the scale either: the whole screen on the back buffer.
    // Each is told once, and a display change later tries neither again.
    for (bool scaleFails : {false, true}) {
        SCOPED_TRACE(scaleFails ? "scale too" : "one aquarium");
        Screen(3840, 2160, 192, {{3840, 0, 5760, 1080}}, OmSpan);
        m_nSHf = ShLow;
        DdScript[0] = DdFailed;
        if (scaleFails)
            DdScript[1] = DdFailed;
        SetUpFrame();
        std::vector<std::string> want = {"MakeFrame 2880x1080", "MakeFrame 1920x1080"};
        EXPECT_EQ(LogText(), want);
        EXPECT_EQ(GSpan, 0);
        EXPECT_EQ(GK, scaleFails ? 1 : 2);
        EXPECT_EQ(GW, scaleFails ? 3840 : 1920);
        EXPECT_EQ(GHH, GH / 3);
        ASSERT_EQ(Reports().size(), scaleFails ? 2u : 1u);
        EXPECT_EQ(Reports()[0],
                  "Error Point036 One Aquarium Surface Error !( 2880x1080 px at scale 2 )");
        if (scaleFails)
            EXPECT_EQ(Reports()[1],
                      "Error Point035 Picture Scale Surface Error !( 1920x1080 px at scale 2 )");
        DdNativeReset();
        FollowMonitors();
        updateFrame();
        EXPECT_EQ(GSpan, 0);
        EXPECT_EQ(DdCallText(DdLog[0]),
                  "Blt 0 (1,20,10,30) -> " +
                      std::string(scaleFails ? "(0,0,3840,2160)" : "(0,0,1920,1080)"));
        EXPECT_EQ(DdBadCalls, 0);
    }
}
