// Command-line scanning of the run modes.
#include "scrnsave/cmdline.h"

#include <gtest/gtest.h>
#include <string>

TEST(ProgramName, QuotedUnquotedAndUnclosed)
{
    EXPECT_STREQ(SkipProgramName("\"C:\\Program Files\\a b.scr\" /s"), "/s");
    EXPECT_STREQ(SkipProgramName("\"C:\\a b.scr\"/p 5"), "/p 5");
    EXPECT_STREQ(SkipProgramName("C:\\saver.scr   \t /c:12"), "/c:12");
    EXPECT_STREQ(SkipProgramName("C:\\WINDOWS\\SAVER.SCR /s"), "/s");
    EXPECT_STREQ(SkipProgramName("saver.scr"), "");
    // An unclosed quote consumes everything.
    EXPECT_STREQ(SkipProgramName("\"C:\\a b.scr /s"), "");
    // Leading blanks before the switch when the name is missing.
    EXPECT_STREQ(SkipProgramName("  /s"), "/s");
    EXPECT_STREQ(SkipProgramName(""), "");
}

TEST(Atoui, StopsAtNonDigitAndWraps)
{
    EXPECT_EQ(atoui("1234"), 1234u);
    EXPECT_EQ(atoui("12:34"), 12u);
    EXPECT_EQ(atoui(" 5"), 0u);
    EXPECT_EQ(atoui(""), 0u);
    EXPECT_EQ(atoui("4294967295"), 4294967295u);
    EXPECT_EQ(atoui("4294967296"), 0u);
    EXPECT_EQ(atoui("4294967297x"), 1u);
}

TEST(Switch, ModesAndSeparators)
{
    struct Case {
        const char* text;
        SaverMode mode;
    } cases[] = {
        {"", ModeConfigNoOwner},     {"/", ModeConfigNoOwner},   {" - / -  ", ModeConfigNoOwner},
        {"/s", ModeSave},            {"-S", ModeSave},           {"s", ModeSave},
        {"/screensaver", ModeSave},  {"/-/S x", ModeSave},       {"/c", ModeConfig},
        {"C:12", ModeConfig},        {"/p 5", ModePreview},      {"/L 5", ModePreview},
        {"/a", ModeChangePw},        {"/x", ModeNone},           {"/1", ModeNone},
        {"\t/s", ModeNone},          {"/\t", ModeNone},          {"/\xE9", ModeNone},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScanSwitch(c.text).mode, c.mode) << '"' << c.text << '"';
}

TEST(Switch, HandleTextAfterTheLetter)
{
    SwitchScan s = ScanSwitch("/c:1234");
    EXPECT_TRUE(s.hasColon);
    EXPECT_EQ(atoui(s.rest), 1234u);
    // Blanks are not skipped after the colon, and no colon means no handle.
    s = ScanSwitch("/c: 1234");
    EXPECT_TRUE(s.hasColon);
    EXPECT_EQ(atoui(s.rest), 0u);
    EXPECT_FALSE(ScanSwitch("/c 1234").hasColon);
    // Preview and password change skip blanks after the letter, nothing else.
    EXPECT_EQ(atoui(ScanSwitch("/p    1234").rest), 1234u);
    EXPECT_EQ(atoui(ScanSwitch("/l 77").rest), 77u);
    EXPECT_EQ(atoui(ScanSwitch("/p:1234").rest), 0u);
    EXPECT_EQ(atoui(ScanSwitch("/a 99").rest), 99u);
    EXPECT_EQ(atoui(ScanSwitch("/preview 99").rest), 0u);
}
