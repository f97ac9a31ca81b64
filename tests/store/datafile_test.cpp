// Settings file, data file reader and writer, driven through FileRead1,
// DataRead and DataWrite on files in a private folder. Runs natively and
// under Wine.
#include "record_lines.h"
#include "store_testutil.h"

#include "scrn01/display/tuning.h"
#include "scrn01/settings/program.h"
#include "scrn01/settings/records.h"
#include "scrn01/store/datafile.h"
#include "scrn01/store/dlgtext.h"
#include "scrn01/store/msglog.h"
#include "scrn01/store/oscall.h"
#include "scrn01/store/regstore.h"
#ifndef _WIN32
#include "scrn01/store/oscall_native.h"
#endif

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace {

std::string Gen(char c) { return std::string(GenByte, c); }
std::string Wat(char c) { return std::string(WatByte, c); }

class DataFileTest : public ::testing::Test {
protected:
    std::string dir, shared, user, work;

    void SetUp() override
    {
#ifndef _WIN32
        NativeUserName = "alice";
#endif
        RecordsReset();
        ProgramReset();
        RegValuesReset();
        DataFileReset();
        dir = MakeInstallDir("data");
        RegUserSet();
        shared = dir + "PondelData.ini";
        user = dir + mbsUserName + "PondelData.ini";
        work = dir + "DataWork.ini";
        CatchReports();
    }
    void TearDown() override
    {
        RemoveInstallDir(dir);
        MsgLogReset();
    }
    std::string GenRow(int i) { return std::string(m_nGen[i], strnlen(m_nGen[i], GenByte)); }
    std::string WatRow(int i) { return std::string(m_nWat[i], strnlen(m_nWat[i], WatByte)); }
};

// ---- settings file ----

class SetFileTest : public DataFileTest {
protected:
    void TearDown() override
    {
        DlgTextReset();
        TuningReset();
        DataFileTest::TearDown();
    }
    void Read(const std::string& text)
    {
        WriteFileText(dir + "PondelSet.ini", text);
        FileRead1();
    }
};

TEST_F(SetFileTest, NumbersStartAtColumnSixAndTakeFourCharacters)
{
    Read("020020050\n");
    EXPECT_EQ(nSpeed2, 50);
    Read("02002 0050\n");
    EXPECT_EQ(nSpeed2, 5);
    Read("0300112345\n03007 7\n");
    EXPECT_EQ(FiGrtW, 1234);
    EXPECT_EQ(FisttW, 7);

    // Keys 2001..2011 and 3001..3007, each to its own value.
    int* vars[] = {&nSpeed1,   &nSpeed2,   &nSp1,      &m_nJPF,    &aw1a,       &aw1b,
                   &aw4a,      &aw4b,      &pswf,      &psmf,      &pssf,       &FiGrtW,
                   &FishLv0SW, &FishLv1SW, &FishLv2SW, &FishLv3SW, &FishMax2SW, &FisttW};
    const int n = (int)(sizeof vars / sizeof vars[0]);
    std::string text;
    for (int i = 0; i < n; i++) {
        char b[16];
        snprintf(b, sizeof b, "%05d%04d\n", i < 11 ? 2001 + i : 3001 + i - 11, 100 + i);
        text += b;
    }
    Read(text);
    for (int i = 0; i < n; i++)
        EXPECT_EQ(*vars[i], 100 + i) << "line " << i;
}

TEST_F(SetFileTest, TimerPeriodsBelowOneFallBackToDefaults)
{
    Read("020010000\n02002-012\n");
    EXPECT_EQ(nSpeed1, 300);
    EXPECT_EQ(nSpeed2, 70);
    Read("020010001\n02002abcd\n");
    EXPECT_EQ(nSpeed1, 1);
    EXPECT_EQ(nSpeed2, 70);
}

TEST_F(SetFileTest, TextsAreReplacedAndCutToTheirCapacity)
{
    Read("00019Aus und vorbei\n"
         "00001" + std::string(94, 'G') + "\n"
         "00110A caption much longer than twenty\n"
         "01004Registry kaputt\n"
         "01008ignored, no such message\n"
         "just a comment line\n");
    EXPECT_STREQ(DLT_Off, "Aus u");
    EXPECT_EQ(std::string(DLT_General), std::string(13, 'G'));
    EXPECT_STREQ(TITLE, "A caption much long");
    EXPECT_STREQ(Msg004, "Registry kaputt");
    EXPECT_TRUE(Reports.empty());
}

TEST_F(SetFileTest, LongLineIsOneLineAndLastLineKeepsItsLastCharacter)
{
    // The tail past 99 characters would read as a key-2002 line if it were a line.
    Read("00010" + std::string(94, 'x') + "020020033\n00011Mid");
    EXPECT_EQ(nSpeed2, 70);
    EXPECT_STREQ(DLT_Low, "xxxxxxxxx");
    EXPECT_STREQ(DLT_Midum, "Mid");
}

// What one settings file replaced must not reach the next reader: the resets
// bring back the built-in defaults.
TEST_F(SetFileTest, ResetsBringBackTheBuiltInDefaults)
{
    Read("00019x\n00011y\n00100Caption\n00110Title\n01004Message\n"
         "020010010\n020030007\n020051000\n020091\n030010001\n030070002\n");
    ASSERT_STREQ(DLT_Off, "x");
    ASSERT_EQ(nSp1, 7);
    DlgTextReset();
    MsgLogReset();
    TuningReset();
    DataFileReset();
    EXPECT_STREQ(DLT_Off, "Off");
    EXPECT_STREQ(DLT_Midum, "Midum");
    EXPECT_STREQ(DLT_DLG, "PondelHarbor Screen Saver");
    EXPECT_STREQ(TITLE, "PondelHarbor");
    EXPECT_STREQ(Msg004, "SYSTEM004 Registry Read Error!");
    EXPECT_EQ(nSpeed1, 300);
    EXPECT_EQ(nSp1, 499);
    EXPECT_EQ(aw1a, 1357);
    EXPECT_EQ(pswf, 0);
    EXPECT_EQ(FiGrtW, 600);
    EXPECT_EQ(FisttW, 30);
    EXPECT_STREQ(mbsUserName, "Default");
}

TEST_F(SetFileTest, MissingFileChangesNothing)
{
    FileRead1();
    EXPECT_EQ(nSpeed2, 70);
    EXPECT_STREQ(TITLE, "PondelHarbor");
    EXPECT_TRUE(Reports.empty());
}

// ---- data file: reading ----

TEST_F(DataFileTest, SetLinesLoadInFileOrderAndSaveRenumbered)
{
    WriteFileText(shared, SetLine(5, Gen('5'), Wat('5')) + SetLine(2, Gen('2'), Wat('2')) +
                              SetLine(9, Gen('9'), Wat('9')));
    DataRead(1);
    ASSERT_EQ(m_nPGMax, 2);
    EXPECT_EQ(GenRow(0), Gen('5'));
    EXPECT_EQ(GenRow(1), Gen('2'));
    EXPECT_EQ(WatRow(2), Wat('9'));
    EXPECT_EQ(DataWrite(), 0);
    std::string saved = ReadFileText(user);
    EXPECT_EQ(saved.substr(0, 3), "001");
    EXPECT_EQ(saved.substr(601, 3), "002");
    EXPECT_EQ(saved.substr(1202, 3), "003");
    EXPECT_EQ(saved.substr(1803, 3), "100");
}

TEST_F(DataFileTest, CommentsSurviveOtherKeysDisappear)
{
    WriteFileText(shared, SetLine(1, Gen('1'), Wat('1')) + "000 first comment\n" + "\n" +
                              "075 key 75\n" + "101 key 101\n" + "-05 negative\n" +
                              "# hash comment\n" + SetLine(2, Gen('2'), Wat('2')));
    DataRead(1);
    ASSERT_EQ(m_nPGMax, 1);
    // No program line and two sets: page 1, on, Random, both sets in order.
    EXPECT_EQ(m_nPgon, 1);
    EXPECT_EQ(m_nPGType, 1);
    ASSERT_EQ(DataWrite(), 0);
    std::string saved = ReadFileText(user);
    std::string head = "000 first comment\n\n# hash comment\n";
    EXPECT_EQ(saved.substr(0, head.size()), head);
    EXPECT_EQ(saved.find("key 75"), std::string::npos);
    EXPECT_EQ(saved.find("key 101"), std::string::npos);
    EXPECT_EQ(saved.find("negative"), std::string::npos);
    EXPECT_EQ(saved.substr(head.size(), 3), "001");
    EXPECT_EQ(saved.substr(head.size() + 2 * 601), ProgramLine(1, 1, 1, 0, {1, 2}));
}

TEST_F(DataFileTest, OnlyTheFirstProgramLineCounts)
{
    const std::vector<int> a = {2, 1};
    WriteFileText(shared, SetLine(1, Gen('1'), Wat('1')) + SetLine(2, Gen('2'), Wat('2')) +
                              ProgramLine(2, 1, 3, 1, a) + ProgramLine(5, 0, 1, 0, {1, 1, 1}));
    DataRead(1);
    EXPECT_EQ(m_nPgpage, 2);
    EXPECT_EQ(m_nPGType, 3);
    EXPECT_EQ(m_nPg[0], 2);
    EXPECT_EQ(m_nPg[2], 0);
    ASSERT_EQ(DataWrite(), 0);
    std::string saved = ReadFileText(user);
    EXPECT_EQ(saved.find("100501"), std::string::npos);
    EXPECT_EQ(saved.substr(1202), ProgramLine(2, 1, 3, 1, a));
}

TEST_F(DataFileTest, NoFileInDialogGivesOneDefaultSetAndOneReport)
{
    m_nIdx = 7;
    DataRead(1);
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_EQ(Reports[0], "Error Point003 SYSTEM012 System File Not Found!( " + shared + " )");
    EXPECT_EQ(m_nPGMax, 0);
    EXPECT_EQ(m_nIdx, 0);
    EXPECT_EQ(GenRow(0), std::string(m_nGenini1) + m_nGenini3);
    EXPECT_EQ(GenRow(1), std::string(m_nGenini2) + m_nGenini3);
    EXPECT_EQ(GenRow(49), std::string(m_nGenini2) + m_nGenini3);
    EXPECT_EQ(WatRow(49), std::string(m_nWatini, WatByte));
    EXPECT_EQ(m_nPgon, 0);
    EXPECT_EQ(m_nPGType, 0);
    EXPECT_EQ(m_nPg[0], 1);
    EXPECT_EQ(m_nPg[1], 0);
    // The saver reports nothing.
    Reports.clear();
    DataRead(0);
    EXPECT_TRUE(Reports.empty());
}

TEST_F(DataFileTest, FileWithoutSetLinesIsTreatedAsMissing)
{
    WriteFileText(user, "000 only a comment\n" + ProgramLine(3, 1, 2, 1, {3, 4, 5}));
    DataRead(1);
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_NE(Reports[0].find(user), std::string::npos);
    EXPECT_EQ(m_nPGMax, 0);
    EXPECT_EQ(GenRow(0), std::string(m_nGenini1) + m_nGenini3);
    EXPECT_EQ(m_nPgon, 0);
    EXPECT_EQ(m_nPg[0], 1);
    EXPECT_EQ(m_nPg[1], 0);
    // The comment is still carried over by the next save.
    ASSERT_EQ(DataWrite(), 0);
    EXPECT_EQ(ReadFileText(user).substr(0, 19), "000 only a comment\n");
}

TEST_F(DataFileTest, SetLinesPastTheFiftiethAreIgnored)
{
    std::string text;
    for (int i = 0; i < 53; i++)
        text += SetLine(1, Gen((char)('0' + i % 10)), Wat((char)('0' + i % 10)));
    WriteFileText(shared, text);
    DataRead(1);
    EXPECT_EQ(m_nPGMax, 49);
    EXPECT_EQ(GenRow(49), Gen('9'));
    ASSERT_EQ(DataWrite(), 0);
    std::string saved = ReadFileText(user);
    EXPECT_EQ(saved.substr(49 * 601, 3), "050");
    EXPECT_EQ(saved.substr(50 * 601, 3), "100");
}

TEST_F(DataFileTest, ShortSetLineReadsMissingColumnsAsZero)
{
    WriteFileText(shared, SetLine(1, Gen('7'), Wat('7')) + "002123\n" +
                              SetLine(3, Gen('8'), "12") + "004\n");
    DataRead(1);
    ASSERT_EQ(m_nPGMax, 3);
    EXPECT_EQ(GenRow(1), "123" + std::string(GenByte - 3, '0'));
    EXPECT_EQ(WatRow(1), Wat('0'));
    EXPECT_EQ(WatRow(2), "12" + std::string(WatByte - 2, '0'));
    EXPECT_EQ(GenRow(3), Gen('0'));
    EXPECT_EQ(Mid(m_nWat[1], 33, 3), 0);
}

TEST_F(DataFileTest, OverlongLineIsOneLineAndItsExcessIsDropped)
{
    // 649 characters are kept; the tail would be a set line of its own.
    std::string longline = "001" + Gen('4') + Wat('4') + std::string(49, ' ');
    std::string tail = "002" + Gen('6') + Wat('6');
    WriteFileText(shared, longline + tail + "\n" + SetLine(3, Gen('3'), Wat('3')));
    DataRead(1);
    ASSERT_EQ(m_nPGMax, 1);
    EXPECT_EQ(GenRow(0), Gen('4'));
    EXPECT_EQ(GenRow(1), Gen('3'));
}

TEST_F(DataFileTest, LastLineWithoutLineFeedKeepsItsLastCharacter)
{
    WriteFileText(shared, "001" + Gen('1') + Wat('0').substr(1) + "7");
    DataRead(1);
    ASSERT_EQ(m_nPGMax, 0);
    EXPECT_EQ(m_nWat[0][WatByte - 1], '7');
}

TEST_F(DataFileTest, IndexAndProgramOutsideTheirRangesAreReset)
{
    std::string pg = "100" "0" "1" "2" "0" "99" "-1" "03";
    WriteFileText(shared, SetLine(1, Gen('1'), Wat('1')) + SetLine(2, Gen('2'), Wat('2')) +
                              pg + "\n");
    m_nIdx = 2;
    DataRead(1);
    EXPECT_EQ(m_nIdx, 0);
    EXPECT_EQ(m_nPgpage, 1);
    EXPECT_EQ(m_nPg[0], 0);
    EXPECT_EQ(m_nPg[1], 0);
    EXPECT_EQ(m_nPg[2], 3);
    m_nIdx = -4;
    DataRead(1);
    EXPECT_EQ(m_nIdx, 0);
    m_nIdx = 1;
    DataRead(1);
    EXPECT_EQ(m_nIdx, 1);
}

TEST_F(DataFileTest, PerUserFileWinsOverTheSharedFile)
{
    WriteFileText(shared, SetLine(1, Gen('1'), Wat('1')));
    WriteFileText(user, SetLine(1, Gen('2'), Wat('2')) + SetLine(1, Gen('3'), Wat('3')));
    DataRead(1);
    EXPECT_EQ(m_nPGMax, 1);
    EXPECT_EQ(GenRow(0), Gen('2'));
    EXPECT_STREQ(WFileName1, user.c_str());
}

TEST_F(DataFileTest, SaverStartLowersFullHeightWhenNoSetIsLarge)
{
    WriteFileText(shared, "001" + std::string(m_nGenini1) + m_nGenini3 + m_nWatini +
                              ProgramLine(1, 1, 1, 0, {1}));
    m_nSHf = 3;
    m_nFss[0] = 1;
    DataRead(0);
    EXPECT_EQ(m_nPga[0], 1);
    EXPECT_EQ(m_nSHf, 2);
}

// ---- data file: writing ----

TEST_F(DataFileTest, SharedFileStaysAndPerUserFileIsReplacedLater)
{
    std::string orig = SetLine(1, Gen('1'), Wat('1'));
    WriteFileText(shared, orig);
    DataRead(1);
    ASSERT_EQ(DataWrite(), 0);
    EXPECT_EQ(ReadFileText(shared), orig);
    EXPECT_FALSE(FileThere(work));
    DataRead(1);   // now from the per-user file
    EXPECT_STREQ(WFileName1, user.c_str());
    std::strncpy(m_nGen[0], Gen('5').c_str(), GenByte);
    ASSERT_EQ(DataWrite(), 0);
    EXPECT_FALSE(FileThere(work));
    DataRead(1);
    EXPECT_EQ(GenRow(0), Gen('5'));
    EXPECT_EQ(ReadFileText(shared), orig);
    EXPECT_TRUE(Reports.empty());
}

TEST_F(DataFileTest, ReadOnlyPerUserFileIsKeptAndReportedAtPointSix)
{
    std::string orig = SetLine(1, Gen('1'), Wat('1'));
    WriteFileText(user, orig);
    SetReadOnly(user, true);
    DataRead(1);
    std::strncpy(m_nGen[0], Gen('2').c_str(), GenByte);
    EXPECT_EQ(DataWrite(), 6);
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_EQ(Reports[0], "Error Point006 SYSTEM003 System File can't Delete !( " + user + " )");
    EXPECT_EQ(ReadFileText(user), orig);
    EXPECT_EQ(GenRow(0), Gen('2'));   // the edit stays in memory
    SetReadOnly(user, false);
    EXPECT_EQ(DataWrite(), 0);
    DataRead(1);
    EXPECT_EQ(GenRow(0), Gen('2'));
}

TEST_F(DataFileTest, UnreadPerUserFileIsNeverOverwritten)
{
    // The save target exists, but the sets came from the shared file.
    WriteFileText(shared, SetLine(1, Gen('1'), Wat('1')));
    DataRead(1);
    std::string other = SetLine(1, Gen('8'), Wat('8'));
    WriteFileText(user, other);
    EXPECT_EQ(DataWrite(), 7);
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_EQ(Reports[0], "Error Point007 SYSTEM011 System File can't Rename!( " + work + " )");
    EXPECT_EQ(ReadFileText(user), other);
}

TEST_F(DataFileTest, WorkFileThatCannotBeCreatedKeepsTheFileAndIsReported)
{
    std::string orig = SetLine(1, Gen('1'), Wat('1'));
    WriteFileText(user, orig);
    DataRead(1);
    MakeDir(work);   // a folder where the work file goes
    std::strncpy(m_nGen[0], Gen('2').c_str(), GenByte);
    EXPECT_EQ(DataWrite(), 1);
    EXPECT_EQ(ReadFileText(user), orig);
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_EQ(Reports[0], "Error Point005 SYSTEM001 System File can't close !( " + work + " )");
    EXPECT_EQ(GenRow(0), Gen('2'));   // the edit stays in memory
#ifndef _WIN32
    // A full disk that takes the buffered lines and refuses them only at the
    // flush: the same report, and the per-user file is not replaced.
    std::filesystem::remove(work);
    std::filesystem::create_symlink("/dev/full", work);
    int result = DataWrite();
    bool replaced = std::filesystem::is_symlink(user);
    std::filesystem::remove(replaced ? user : work);
    EXPECT_EQ(result, 5);
    ASSERT_FALSE(replaced);
    EXPECT_EQ(ReadFileText(user), orig);
    ASSERT_EQ(Reports.size(), 2u);
    EXPECT_EQ(Reports[1], Reports[0]);
#endif
}

// A written data file read back gives the same sets and program.
TEST_F(DataFileTest, WrittenFileReadsBackTheSame)
{
    unsigned seed = 12345;
    for (int round = 0; round < 30; round++) {
        int sets = 1 + (int)(Digits(seed, 1)[0] - '0') * 5 + round % 5;   // 1..50
        std::string gens[50], wats[50];
        for (int i = 0; i < sets; i++) {
            gens[i] = Digits(seed, GenByte);
            wats[i] = Digits(seed, WatByte);
            snprintf(m_nGen[i], sizeof m_nGen[i], "%s\n", gens[i].c_str());
            snprintf(m_nWat[i], sizeof m_nWat[i], "%s\n", wats[i].c_str());
        }
        m_nPGMax = sets - 1;
        int pg[PgMax];
        for (int i = 0; i < PgMax; i++)
            pg[i] = m_nPg[i] = std::stoi(Digits(seed, 2)) % 51;
        pg[49] = m_nPg[49] = 41 + round % 10;   // two digits at the last position
        int page = m_nPgpage = 1 + round % 5, on = m_nPgon = round % 2,
            type = m_nPGType = round % 4, fl = m_nPGFL = (round / 2) % 2;
        ASSERT_EQ(DataWrite(), 0);

        memset(m_nGen, 'x', sizeof m_nGen);
        memset(m_nWat, 'x', sizeof m_nWat);
        memset(m_nPg, 0, sizeof m_nPg);
        m_nPGMax = -1;
        DataRead(1);
        ASSERT_EQ(m_nPGMax, sets - 1) << "round " << round;
        for (int i = 0; i < sets; i++) {
            EXPECT_EQ(GenRow(i), gens[i]) << "round " << round << " set " << i;
            EXPECT_EQ(WatRow(i), wats[i]) << "round " << round << " set " << i;
        }
        for (int i = 0; i < PgMax; i++)
            EXPECT_EQ(m_nPg[i], pg[i]) << "round " << round << " position " << i;
        EXPECT_EQ(m_nPgpage, page);
        EXPECT_EQ(m_nPgon, on);
        EXPECT_EQ(m_nPGType, type);
        EXPECT_EQ(m_nPGFL, fl);
    }
    EXPECT_TRUE(Reports.empty());
}

// ---- values without the registry ----

TEST(RegValues, NoReadGivesDefaultsAndOwnedDigitsRoundTrip)
{
    m_nIdx = 9;
    m_nFgf = 0;
    RegNoRead();
    EXPECT_EQ(m_nSYS01, 3);
    EXPECT_EQ(m_nIdx, 0);
    EXPECT_EQ(m_nFgf, 1);
    EXPECT_EQ(m_nSSpe, 5);
    EXPECT_EQ(m_nSYSrnd, 1000);
    EXPECT_EQ(m_nFss[0], 1);
    for (int k = 1; k < FishMax; k++)
        EXPECT_EQ(m_nFss[k], 0);

    FssFromText("0101");
    EXPECT_EQ(m_nFss[1], 1);
    EXPECT_EQ(m_nFss[3], 1);
    EXPECT_EQ(m_nFss[4], 0);
    EXPECT_EQ(m_nFss[34], 0);
    char digits[FishMax + 1];
    FssToText(digits);
    EXPECT_STREQ(digits, "01010000000000000000000000000000000");
    RegNoRead();
}

}  // namespace
