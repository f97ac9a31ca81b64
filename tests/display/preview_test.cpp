// The preview picture fitted into preview windows of any size.
#include "scrn01/display/preview.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Preview, PictureFitsInsideTheMarginCentredWithItsProportions)
{
    // The display settings' own size shows the picture unscaled.
    PicRect at = PreviewPlace(152, 112);
    EXPECT_EQ(at.x, 1);
    EXPECT_EQ(at.y, 1);
    EXPECT_EQ(at.w, 150);
    EXPECT_EQ(at.h, 110);

    // 125, 150 and 200 % scaling; shapes wider and taller than the picture;
    // less than half its size; 8K.
    const int sizes[][2] = {
        {190, 140}, {228, 168}, {304, 224}, {400, 112}, {120, 300}, {61, 47}, {7680, 4320},
    };
    for (const auto& s : sizes) {
        int cw = s[0], ch = s[1];
        SCOPED_TRACE(testing::Message() << cw << " x " << ch);
        at = PreviewPlace(cw, ch);
        int left = at.x - 1, right = cw - 1 - (at.x + at.w);
        int top = at.y - 1, bottom = ch - 1 - (at.y + at.h);
        EXPECT_GE(left, 0);
        EXPECT_GE(top, 0);
        EXPECT_GE(right, 0);
        EXPECT_GE(bottom, 0);
        // One side fills the area inside the margin; the bars either side match.
        EXPECT_TRUE((left == 0 && right == 0) || (top == 0 && bottom == 0));
        EXPECT_LE(std::abs(left - right), 1);
        EXPECT_LE(std::abs(top - bottom), 1);
        // 150 : 110 within rounding to a whole pixel.
        EXPECT_LE(std::abs(at.w * 110 - at.h * 150), 75) << at.w << " x " << at.h;
    }

    // Windows too small for a picture inside the margin get none.
    for (const auto& s : {std::make_pair(2, 2), std::make_pair(0, 0), std::make_pair(1, 80),
                          std::make_pair(-4, 30)}) {
        at = PreviewPlace(s.first, s.second);
        EXPECT_TRUE(at.w == 0 && at.h == 0) << s.first << " x " << s.second;
    }
    // Any box: a monitor left of and above the primary, in portrait.
    at = FitPicture(1024, 768, {-1080, -400, 1080, 1920});
    EXPECT_EQ(at.x, -1080);
    EXPECT_EQ(at.w, 1080);
    EXPECT_EQ(at.h, 810);
    EXPECT_EQ(at.y, -400 + (1920 - 810) / 2);
}
