// Error reports against the real Win32 calls: the log file, the profile
// fallback and the message box of the configuration dialog.
#include "scrn01/store/msglog.h"
#include "scrn01/store/oscall.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

struct Box {
    std::string text, caption;
    unsigned style;
};
std::vector<Box> boxes;

int RecordBox(const char* text, const char* caption, unsigned style)
{
    boxes.push_back({text, caption, style});
    return IDOK;
}

std::string ProfileEntry()
{
    char buf[1024] = "";
    GetProfileStringA("PondelHarbor", "MsgError", "", buf, sizeof buf);
    return buf;
}

class ErrorLog : public ::testing::Test {
protected:
    std::string dir;
    void SetUp() override
    {
        char tmp[MAX_PATH];
        GetTempPathA(MAX_PATH, tmp);
        dir = std::string(tmp) + "ph-errlog\\";
        CreateDirectoryA(dir.c_str(), nullptr);
        DeleteFileA((dir + "PondelErr.log").c_str());
        WriteProfileStringA("PondelHarbor", "MsgError", nullptr);
        MsgLogReset();
        boxes.clear();
        MsgBoxHook = RecordBox;
    }
    void TearDown() override
    {
        std::string log = dir + "PondelErr.log";
        SetFileAttributesA(log.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(log.c_str());
        RemoveDirectoryA(dir.c_str());
        WriteProfileStringA("PondelHarbor", "MsgError", nullptr);
        MsgLogReset();
    }
    std::vector<std::string> LogLines()
    {
        std::ifstream f(dir + "PondelErr.log");
        std::vector<std::string> lines;
        for (std::string l; std::getline(f, l);)
            lines.push_back(l);
        return lines;
    }
};

const std::regex kStamp(" [0-9]{4}\\.[0-9]{2}\\.[0-9]{2} [0-9]{2}:[0-9]{2}$");

}  // namespace

TEST_F(ErrorLog, SaverModeAppendsLinesWithLocalTime)
{
    StrCopyCut(DirName1, sizeof DirName1, dir.c_str());
    MsgWrt1(29, Msg004, "", 0);
    MsgWrt1(3, Msg012, "C:\\Data\\PondelData.ini", 0);
    auto lines = LogLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].rfind("Error Point029 SYSTEM004 Registry Read Error! ", 0), 0u) << lines[0];
    EXPECT_TRUE(std::regex_search(lines[0], kStamp)) << lines[0];
    EXPECT_EQ(lines[0].size(), strlen("Error Point029 SYSTEM004 Registry Read Error! 2026.12.07 16:56"));
    EXPECT_EQ(lines[1].rfind(
                  "Error Point003 SYSTEM012 System File Not Found!( C:\\Data\\PondelData.ini ) ", 0),
              0u);

    // The stamp is today's local date.
    SYSTEMTIME st;
    GetLocalTime(&st);
    char today[16];
    wsprintfA(today, "%04d.%02d.%02d", st.wYear, st.wMonth, st.wDay);
    EXPECT_NE(lines[0].find(today), std::string::npos);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(ProfileEntry(), "");
}

TEST_F(ErrorLog, HiddenLogIsAppendedAndMadeNormal)
{
    StrCopyCut(DirName1, sizeof DirName1, dir.c_str());
    MsgWrt1(1, Msg001, "", 0);
    std::string log = dir + "PondelErr.log";
    SetFileAttributesA(log.c_str(), FILE_ATTRIBUTE_HIDDEN);
    MsgWrt1(2, Msg001, "", 0);
    EXPECT_EQ(LogLines().size(), 2u);
    DWORD attrs = GetFileAttributesA(log.c_str());
    ASSERT_NE(attrs, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(attrs & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY), 0u);
}

TEST_F(ErrorLog, ProfileEntryWhenNoDirectoryOrUnwritable)
{
    DirName1[0] = '\0';
    MsgWrt1(29, Msg004, "", 0);
    std::string e = ProfileEntry();
    EXPECT_EQ(e.rfind("Error Point029 SYSTEM004 Registry Read Error!, Error Point008 "
                      "SYSTEM001 System File can't close !( PondelErr.log ) ",
                      0),
              0u)
        << e;
    EXPECT_TRUE(std::regex_search(e, kStamp)) << e;

    // A directory that does not exist: the latest failure replaces the entry.
    StrCopyCut(DirName1, sizeof DirName1, (dir + "missing\\").c_str());
    MsgWrt1(7, Msg011, "x.ini", 0);
    e = ProfileEntry();
    EXPECT_EQ(e.rfind("Error Point007 SYSTEM011 System File can't Rename!( x.ini ), Error Point008 ",
                      0),
              0u)
        << e;
    EXPECT_NE(e.find("missing\\PondelErr.log ) "), std::string::npos) << e;
}

TEST_F(ErrorLog, DialogModeShowsSystemModalBoxAndLogsNothing)
{
    StrCopyCut(DirName1, sizeof DirName1, dir.c_str());
    m_nMsgon = 1;
    MsgWrt1(19, Msg004, "(No Directory)", 0);
    MsgWrt1(11, Msg005, "B01", 1);
    MsgWrt1(0, "plain", "", 2);
    MsgWrt1(0, "other icon", "", 7);
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].text, "Error Point019 SYSTEM004 Registry Read Error!( (No Directory) )");
    EXPECT_EQ(boxes[0].caption, "PondelHarbor");
    EXPECT_EQ(boxes[0].style, (unsigned)(MB_SYSTEMMODAL | MB_ICONHAND));
    EXPECT_EQ(boxes[1].style, (unsigned)(MB_SYSTEMMODAL | MB_ICONEXCLAMATION));
    EXPECT_EQ(boxes[2].text, "plain");
    EXPECT_EQ(boxes[2].style, (unsigned)(MB_SYSTEMMODAL | MB_ICONQUESTION));
    EXPECT_EQ(boxes[3].style, (unsigned)(MB_SYSTEMMODAL | MB_ICONHAND));
    EXPECT_EQ(GetFileAttributesA((dir + "PondelErr.log").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ProfileEntry(), "");
}
