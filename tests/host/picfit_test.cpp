// Fitting the aquarium's picture into the other monitors.
#include "scrnsave/picfit.h"

#include <gtest/gtest.h>

TEST(FitPicture, ScaleCentringOriginsAndPortrait)
{
    struct Case {
        const char* what;
        int w, h;
        PicRect mon, want;  // screen coordinates
    } cases[] = {
        {"same size, to the right", 1024, 768, {1024, 0, 1024, 768}, {1024, 0, 1024, 768}},
        {"4:3 on 16:9: bars left and right", 1024, 768, {1024, 0, 1280, 720}, {1184, 0, 960, 720}},
        {"odd width: the spare pixel right", 1024, 768, {0, 0, 1281, 720}, {160, 0, 960, 720}},
        {"16:9 on 4:3 at the left", 1920, 1080, {-1024, 0, 1024, 768}, {-1024, 96, 1024, 576}},
        {"portrait above the primary", 1920, 1080, {0, -1920, 1080, 1920}, {0, -1264, 1080, 608}},
        {"smaller, same shape", 1024, 768, {-800, -600, 800, 600}, {-800, -600, 800, 600}},
        {"twice the size (scaled)", 1920, 1080, {1920, 0, 3840, 2160}, {1920, 0, 3840, 2160}},
        {"far negative", 1024, 768, {-32768, -20000, 2768, 2000}, {-32718, -20000, 2667, 2000}},
        {"too thin for a row", 4000, 1, {0, 0, 100, 100}, {0, 50, 100, 0}},
        {"no picture", 0, 768, {0, 0, 800, 600}, {0, 0, 0, 0}},
        {"no monitor", 1024, 768, {800, 0, 0, 600}, {800, 0, 0, 0}},
        {"upside-down monitor", 1024, 768, {0, 600, 800, -600}, {0, 600, 0, 0}},
    };
    for (const Case& c : cases) {
        PicRect r = FitPicture(c.w, c.h, c.mon);
        EXPECT_EQ(r.x, c.want.x) << c.what;
        EXPECT_EQ(r.y, c.want.y) << c.what;
        EXPECT_EQ(r.w, c.want.w) << c.what;
        EXPECT_EQ(r.h, c.want.h) << c.what;
    }
}
