// Fitting the aquarium's picture into the other monitors.
#include "scrnsave/monfit.h"

#include <gtest/gtest.h>

TEST(FitPicture, ScaleCentringOriginsAndPortrait)
{
    struct Case {
        const char* what;
        int w, h;
        MonRect mon, want;  // want: relative to the monitor's corner
    } cases[] = {
        {"same size, to the right", 1024, 768, {1024, 0, 2048, 768}, {0, 0, 1024, 768}},
        {"4:3 on 16:9: bars left and right", 1024, 768, {1024, 0, 2304, 720}, {160, 0, 1120, 720}},
        {"odd width: the spare pixel right", 1024, 768, {0, 0, 1281, 720}, {160, 0, 1120, 720}},
        {"16:9 on 4:3 left of the primary", 1920, 1080, {-1024, 0, 0, 768}, {0, 96, 1024, 672}},
        {"portrait above the primary", 1920, 1080, {0, -1920, 1080, 0}, {0, 656, 1080, 1264}},
        {"smaller, same shape", 1024, 768, {-800, -600, 0, 0}, {0, 0, 800, 600}},
        {"twice the size (scaled)", 1920, 1080, {1920, 0, 5760, 2160}, {0, 0, 3840, 2160}},
        {"far negative origin", 1024, 768, {-32768, -20000, -30000, -18000}, {50, 0, 2717, 2000}},
        {"a sliver keeps one row", 4000, 1, {0, 0, 100, 100}, {0, 49, 100, 50}},
        {"no picture", 0, 768, {0, 0, 800, 600}, {0, 0, 0, 0}},
        {"no monitor", 1024, 768, {800, 0, 800, 600}, {0, 0, 0, 0}},
        {"upside-down monitor", 1024, 768, {0, 600, 800, 0}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        MonRect r = FitPicture(c.w, c.h, c.mon);
        EXPECT_EQ(r.left, c.want.left) << c.what;
        EXPECT_EQ(r.top, c.want.top) << c.what;
        EXPECT_EQ(r.right, c.want.right) << c.what;
        EXPECT_EQ(r.bottom, c.want.bottom) << c.what;
    }
}
