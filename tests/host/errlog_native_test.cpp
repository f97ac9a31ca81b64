// Composition of error reports and the bounds of their buffers.
#include "scrn01/store/msglog.h"
#include "scrn01/store/oscall.h"
#include "scrn01/store/oscall_native.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string lastBox, lastCaption;
unsigned lastStyle;
int RecordBox(const char* text, const char* caption, unsigned style)
{
    lastBox = text;
    lastCaption = caption;
    lastStyle = style;
    return 1;
}

class Report : public ::testing::Test {
protected:
    void SetUp() override
    {
        MsgLogReset();
        NativeOsReset();
        m_nMsgon = 1;
        MsgBoxHook = RecordBox;
        lastBox.clear();
        NativeDate = "2006.06.02";
        NativeTime = "16:56";
    }
    void TearDown() override
    {
        MsgLogReset();
        NativeOsReset();
    }
};

}  // namespace

TEST_F(Report, PointNumberAndDetail)
{
    MsgWrt1(7, Msg011, "", 0);
    EXPECT_EQ(lastBox, "Error Point007 SYSTEM011 System File can't Rename!");
    MsgWrt1(1234, "x", "", 0);
    EXPECT_EQ(lastBox, "Error Point234 x");
    MsgWrt1(0, "no point", "d", 0);
    EXPECT_EQ(lastBox, "no point( d )");
    MsgWrt1(-5, "negative", "", 0);
    EXPECT_EQ(lastBox, "negative");
    MsgWrt1(3, Msg012, "C:\\Data\\PondelData.ini", 0);
    EXPECT_EQ(lastBox, "Error Point003 SYSTEM012 System File Not Found!( C:\\Data\\PondelData.ini )");
    EXPECT_EQ(lastCaption, "PondelHarbor");

    // System-modal, with the hand, exclamation or question icon; any other
    // choice is the hand.
    const struct {
        int tp;
        unsigned style;
    } icons[] = {{0, 0x1010}, {1, 0x1030}, {2, 0x1020}, {3, 0x1010}, {-1, 0x1010}};
    for (auto& i : icons) {
        MsgWrt1(1, "x", "", i.tp);
        EXPECT_EQ(lastStyle, i.style) << i.tp;
    }
}

TEST_F(Report, LongTextsAreCutToTheirBuffers)
{
    std::string detail(1000, 'd');
    MsgWrt1(5, Msg001, detail.c_str(), 0);
    EXPECT_EQ(lastBox.size(), 255u);
    EXPECT_EQ(lastBox.rfind("Error Point005 SYSTEM001", 0), 0u);

    // A replaced message text keeps at most 79 characters.
    StrCopyCut(MsgTableText(4), MsgTxtSize, std::string(300, 'm').c_str());
    EXPECT_EQ(std::string(Msg004), std::string(79, 'm'));
    EXPECT_EQ(MsgTableText(8), nullptr);
    StrCopyCut(TITLE, sizeof TITLE, "A title far longer than nineteen");
    EXPECT_EQ(std::string(TITLE), "A title far longer ");
}

TEST_F(Report, LogLineAndFallbackEntry)
{
    char tmpl[] = "/tmp/ph-errlog-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    std::string dir = std::string(tmpl) + "/";
    m_nMsgon = 0;
    StrCopyCut(DirName1, sizeof DirName1, dir.c_str());
    MsgWrt1(29, Msg004, "", 0);
    std::ifstream f(dir + "PondelErr.log");
    std::string line;
    std::getline(f, line);
    EXPECT_EQ(line, "Error Point029 SYSTEM004 Registry Read Error! 2006.06.02 16:56");
    EXPECT_TRUE(lastBox.empty());
    remove((dir + "PondelErr.log").c_str());

    // The longest directory the log path holds, and one character more: that
    // one goes to the profile instead of a log of a cut name.
    for (size_t len : {242u, 243u}) {
        std::string sub = dir + std::string(len - dir.size() - 1, 'd') + "/";
        ASSERT_EQ(sub.size(), len);
        ASSERT_EQ(mkdir(sub.c_str(), 0700), 0);
        StrCopyCut(DirName1, sizeof DirName1, sub.c_str());
        NativeProfile.clear();
        MsgWrt1(9, Msg002, "", 0);
        bool logged = remove((sub + "PondelErr.log").c_str()) == 0;
        bool cutName = remove((sub + "PondelErr.lo").c_str()) == 0;
        rmdir(sub.c_str());
        EXPECT_EQ(logged, len == 242) << len;
        EXPECT_FALSE(cutName) << len;
        EXPECT_EQ(NativeProfile.count("PondelHarbor/MsgError"), len == 242 ? 0u : 1u) << len;
    }
    rmdir(tmpl);

    // No directory: the profile keeps the report.
    DirName1[0] = '\0';
    MsgWrt1(8, Msg001, "", 0);
    EXPECT_EQ(NativeProfile["PondelHarbor/MsgError"],
              "Error Point008 SYSTEM001 System File can't close !, Error Point008 SYSTEM001 System "
              "File can't close !( PondelErr.log ) 2006.06.02 16:56");

    // A directory too long for the log path is refused, never cut; the entry
    // is bounded by its own buffer.
    std::string longDir(400, 'a');
    StrCopyCut(DirName1, sizeof DirName1, longDir.c_str());
    MsgWrt1(1, std::string(300, 'x').c_str(), "", 0);
    std::string e = NativeProfile["PondelHarbor/MsgError"];
    EXPECT_LE(e.size(), 511u);
    EXPECT_EQ(e.rfind("Error Point001 xxx", 0), 0u);
    EXPECT_NE(e.find(", Error Point008 "), std::string::npos);

    // A failing clock gives the fixed fallback texts.
    DirName1[0] = '\0';
    NativeDate = std::string(40, '9');
    NativeTime = std::string(40, '9');
    MsgWrt1(2, "t", "", 0);
    EXPECT_EQ(std::string(DATime), "0000.00.00 00:00");
}
