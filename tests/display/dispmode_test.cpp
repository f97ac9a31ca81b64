// The display mode the aquarium asks for, through the recorded drawing seam.
#include "display_util.h"
#include "scrn01/display/dispmode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(DisplayMode, SixteenBitsElseTheDesktopsDepthElseNothing)
{
    using Calls = std::vector<std::string>;
    struct Case {
        const char* what;
        int desktop;
        std::vector<DdResult> results;   // of the SetMode calls, in order
        bool set;
        Calls calls;
    };
    const Case cases[] = {
        {"16 bits work", 32, {DdOk}, true, {"SetMode 1280x1024x16"}},
        {"no 16-bit mode", 32, {DdFailed, DdOk}, true,
         {"SetMode 1280x1024x16", "SetMode 1280x1024x32"}},
        {"lost while switching", 24, {DdSurfaceLost, DdOk}, true,
         {"SetMode 1280x1024x16", "SetMode 1280x1024x24"}},
        {"desktop depth refused too", 32, {DdFailed, DdFailed}, false,
         {"SetMode 1280x1024x16", "SetMode 1280x1024x32"}},
        {"the desktop is at 16 bits already", 16, {DdFailed}, false, {"SetMode 1280x1024x16"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DdNativeReset();
        NativeDesktopBpp = c.desktop;
        for (size_t i = 0; i < c.results.size(); i++)
            DdScript[(long)i] = c.results[i];
        EXPECT_EQ(SetSaverMode(1280, 1024), c.set);
        EXPECT_EQ(LogText(), c.calls);
    }
}
