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
#include "scrn01/dialog/dlgedit.h"
#include "scrn01/display/saverstate.h"
#include "scrn01/settings/scenestart.h"
#include "scrn01/store/oscall_native.h"

#include <sys/wait.h>
#include <unistd.h>
#endif

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <set>
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

#ifndef _WIN32
// ---- an OK interrupted at every step ----

// OK on a per-user file of three sets, with the registry at set 2: the edits
// make five sets, the last one current. Every operating-system call of the
// save (the registry values, then the data file) in turn fails, or the
// process ends there.
class SaveInterrupted : public DataFileTest {
protected:
    std::string before, after;        // the per-user file before and after an OK
    std::string regBefore, regAfter;  // the registry, as NativeRegText
    std::string regFile;              // what a process that ended left in the registry

    void SetUp() override
    {
        DataFileTest::SetUp();
        NativeRegistry.clear();
        NativeRegPutStr(NativeInstallKey(), "Directory", dir);
        NativeRegPutInt(NativeUserKey(), "AWYEHDB", 1);
        regBefore = NativeRegText();
        before = "000 kept note\n";
        for (int n = 1; n <= 3; n++)
            before += SetLine(n, GenRecord(0, 0, n, 20, 100, 0, {{1, 0, 50, 100, 0}}),
                              WatRecord({{1, n}}, 1, 0, 100));
        before += ProgramLine(1, 1, 1, 0, {1, 2, 3});
        regFile = dir + "registry.txt";
        Open();
        Edit();
        SaveSettings();
        after = ReadFileText(user);
        regAfter = NativeRegText();
        ASSERT_TRUE(Reports.empty());
        ASSERT_NE(after, before);
        ASSERT_EQ(NativeRegInt(NativeUserKey(), "AWYEHDB", -1), 4);
    }
    void TearDown() override
    {
        NativeOsFault = nullptr;
        NativeRegistry.clear();
        DataFileTest::TearDown();
    }
    // The files and the registry as before the OK, the dialog opened on them.
    void Open()
    {
        WriteFileText(user, before);
        std::filesystem::remove(work);
        NativeRegFromText(regBefore);
        Load();
    }
    // What the dialog loads when it opens.
    void Load()
    {
        RecordsReset();
        ProgramReset();
        RegValuesReset();
        DataFileReset();
        RegUserSet();
        ASSERT_EQ(RegRead(1), 0);
        DataRead(1);
        Genset(1);
        Watset(1);
    }
    // The same edits whatever was loaded.
    void Edit()
    {
        for (int i = 0; i < 5; i++) {
            snprintf(m_nGen[i], sizeof m_nGen[i], "%s",
                     GenRecord(1, 0, 10 + i, 30 + i, 120, 0, {{1, 1, 5, 150, 10}}).c_str());
            snprintf(m_nWat[i], sizeof m_nWat[i], "%s", WatRecord({{1, 4 + i}}, 2, 1, 50).c_str());
        }
        m_nPGMax = 4;
        m_nIdx = 4;
        Genset(1);
        Watset(1);
        m_nPgpage = 1;
        m_nPgon = 1;
        m_nPGType = 2;
        m_nPGFL = 1;
        for (int i = 0; i < PgMax; i++)
            m_nPg[i] = i < 5 ? 5 - i : 0;
        m_nSHf = 0;
        m_nSSpe = 9;
        m_nFss[6] = 1;
    }
    // What an interrupted OK left must read whole: the dialog and the saver
    // open on it with the set index inside the sets of the file, and the next
    // OK saves everything.
    void CheckLeftover(const std::string& where)
    {
        SCOPED_TRACE(where);
        std::string now = ReadFileText(user);
        ASSERT_TRUE(now == before || now == after) << now.size() << " bytes";
        int sets = now == after ? 5 : 3;
        Load();
        EXPECT_EQ(m_nPGMax, sets - 1);
        EXPECT_LE(m_nIdx, m_nPGMax);
        SaverStartUp();
        SaverReadSettings();
        EXPECT_EQ(m_nPGMax, sets - 1);
        EXPECT_LE(m_nIdx, m_nPGMax);
        EXPECT_TRUE(Reports.empty()) << Reports[0];

        Load();
        Edit();
        SaveSettings();
        EXPECT_TRUE(Reports.empty()) << Reports[0];
        EXPECT_EQ(ReadFileText(user), after);
        EXPECT_EQ(NativeRegText(), regAfter);
        Reports.clear();
    }
};

TEST_F(SaveInterrupted, EachFailedCallKeepsOrSavesTheWholeFileAndIsReported)
{
    std::string failed;
    std::set<std::string> calls;
    for (long k = 0;; k++) {
        Open();
        Edit();
        Reports.clear();
        NativeOsCalls = 0;
        failed.clear();
        NativeOsFault = [&](long n, const char* call) {
            if (n != k)
                return true;
            failed = call;
            return false;
        };
        SaveSettings();
        NativeOsFault = nullptr;
        if (failed.empty())
            break;  // the save ran through before call k
        calls.insert(failed);
        std::string where = "call " + std::to_string(k) + " " + failed;
        // Anything not saved is reported.
        if (ReadFileText(user) != after || NativeRegText() != regAfter) {
            EXPECT_FALSE(Reports.empty()) << where;
        }
        if (failed.rfind("OsReg", 0) == 0 && NativeRegText() != regAfter) {
            EXPECT_EQ(Reports[0], "Error Point022 SYSTEM002 Registry Access Error") << where;
        }
        Reports.clear();
        CheckLeftover(where);
    }
    // The registry and the data file both went through the seam.
    EXPECT_EQ(calls,
              (std::set<std::string>{"OsRegCreate", "OsRegSetStr", "OsRegSetInt", "OsRegClose",
                                     "OsUserName", "OsFileOpen", "read", "write", "close",
                                     "OsCommitFile", "OsMoveFile", "OsSetFileNormal"}));
}

TEST_F(SaveInterrupted, AProcessEndedAtEachCallLeavesTheOldOrTheNewFile)
{
    long k = 0;
    int workLeft = 0;
    for (;; k++) {
        Open();
        Edit();
        fflush(nullptr);
        pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            // The registry keeps what was written before the end.
            NativeOsCalls = 0;
            NativeOsFault = [&](long n, const char*) {
                if (n == k) {
                    WriteFileText(regFile, NativeRegText());
                    _exit(3);
                }
                return true;
            };
            SaveSettings();
            WriteFileText(regFile, NativeRegText());
            _exit(Reports.empty() ? 0 : 1);
        }
        int st = 0;
        ASSERT_EQ(waitpid(pid, &st, 0), pid);
        ASSERT_TRUE(WIFEXITED(st));
        int code = WEXITSTATUS(st);
        ASSERT_TRUE(code == 0 || code == 3) << "call " << k;
        NativeRegFromText(ReadFileText(regFile));
        workLeft += FileThere(work);
        CheckLeftover("ended at call " + std::to_string(k));
        if (code == 0)
            break;
    }
    EXPECT_GT(k, 15);
    EXPECT_GT(workLeft, 0);  // some ends came while the work file was written
}
#endif

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
