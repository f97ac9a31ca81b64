// Registry store against the real registry of the test prefix. Every test
// starts without the two keys and removes them again.
#include "store_testutil.h"
#include "../host/saver_harness.h"

#include "scrn01/settings/fishtable.h"
#include "scrn01/settings/records.h"
#include "scrn01/store/datafile.h"
#include "scrn01/store/msglog.h"
#include "scrn01/store/regstore.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

namespace {

const char UserKey[] = "Control Panel\\Screen Saver.PondelHarbor";
const char InstKey[] = "Software\\PondelHarbor";

const DWORD Missing = 0xDEAD;

void DropKeys()
{
    RegDropKey(HKEY_CURRENT_USER, UserKey);
    RegDropKey(HKEY_CLASSES_ROOT, InstKey);
}

void PutInt(HKEY root, const char* key, const char* name, DWORD v)
{
    EXPECT_TRUE(RegPutDword(root, key, name, v)) << name;
}

// Stores exactly the bytes given: no terminator unless it is part of them.
void PutRaw(HKEY root, const char* key, const char* name, DWORD type, const std::string& bytes)
{
    HKEY k = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr), 0);
    RegSetValueExA(k, name, 0, type, (const BYTE*)bytes.data(), (DWORD)bytes.size());
    RegCloseKey(k);
}

// A number value of the per-user key, Missing when it is not there as a number.
DWORD GetInt(const char* name)
{
    return RegGetDword(HKEY_CURRENT_USER, UserKey, name, Missing);
}

std::string GetStr(const char* name)
{
    return RegGetString(HKEY_CURRENT_USER, UserKey, name);
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DropKeys();
        RegValuesReset();
        RegNoRead();
    }
    void TearDown() override
    {
        DropKeys();
        DataFileReset();
        MsgLogReset();
    }
};

TEST_F(RegistryTest, FirstRunCreatesEveryValueWithItsDefault)
{
    m_nFgf = 1;
    m_nIdx = 4;
    FisttW = 17;
    ASSERT_EQ(RegRead(0), 0);
    EXPECT_EQ(Fistt, 17);
    EXPECT_EQ(m_nFss[0], 1);
    for (int k = 1; k < FishMax; k++)
        EXPECT_EQ(m_nFss[k], 0) << k;
    EXPECT_EQ(m_nIdx, 0);
    EXPECT_EQ(m_nFgf, 0);
    EXPECT_EQ(m_nSYSrnd, 1000);
    struct { const char* name; DWORD def; } ints[] = {
        {"OSIJDUA", 3}, {"AWYEHDB", 0}, {"RSGDBAM", 1}, {"ISKJEUH", 1}, {"KISJUAK", 5},
        {"FullScreenFlg", 0}, {"SOIEKMA", 0}, {"BackColorsFlg", 0}, {"LOSKDIS", 0},
        {"NAUSJEN", 1000}, {"OtherMonitors", 1}, {"PictureScale", 0}};
    for (auto& e : ints)
        EXPECT_EQ(GetInt(e.name), e.def) << e.name;
    EXPECT_EQ(GetStr("OKSKKIS"), "10000000000000000000000000000000000");
}

TEST_F(RegistryTest, FullScreenFlagAndCounterRules)
{
    PutInt(HKEY_CURRENT_USER, UserKey, "FullScreenFlg", 7);
    PutInt(HKEY_CURRENT_USER, UserKey, "ISKJEUH", 3);
    PutInt(HKEY_CURRENT_USER, UserKey, "NAUSJEN", 5000);
    PutInt(HKEY_CURRENT_USER, UserKey, "LOSKDIS", 100);
    PutInt(HKEY_CURRENT_USER, UserKey, "BackColorsFlg", 1);
    ASSERT_EQ(RegRead(1), 0);
    EXPECT_EQ(m_nFullSCf, 0);
    EXPECT_EQ(m_nSHf, 2);
    EXPECT_EQ(m_nSYScnt, 1900);
    EXPECT_EQ(WATHT, 1);
    EXPECT_EQ(WATHB, 10);

    PutInt(HKEY_CURRENT_USER, UserKey, "LOSKDIS", 3000);
    PutInt(HKEY_CURRENT_USER, UserKey, "FullScreenFlg", 1);
    PutInt(HKEY_CURRENT_USER, UserKey, "BackColorsFlg", 2);
    ASSERT_EQ(RegRead(1), 0);
    EXPECT_EQ(m_nSYScnt, 3000);
    EXPECT_EQ(m_nSHf, 3);
    EXPECT_EQ(WATHT, 11);
    EXPECT_EQ(WATHB, 20);
}

TEST_F(RegistryTest, InstallationFlagsBecomeThePerUserDefaults)
{
    PutInt(HKEY_CLASSES_ROOT, InstKey, "FullScreenFlg", 1);
    PutInt(HKEY_CLASSES_ROOT, InstKey, "BackColorsFlg", 1);
    EXPECT_EQ(RegFlgRead(), 0);
    EXPECT_EQ(m_nFullSCf, 1);
    ASSERT_EQ(RegRead(0), 0);
    EXPECT_EQ(GetInt("FullScreenFlg"), 1u);
    EXPECT_EQ(GetInt("BackColorsFlg"), 1u);
    EXPECT_EQ(WATHT, 1);

    RegDeleteKeyA(HKEY_CLASSES_ROOT, InstKey);
    EXPECT_EQ(RegFlgRead(), 2);
    PutInt(HKEY_CLASSES_ROOT, InstKey, "FullScreenFlg", 1);
    EXPECT_EQ(RegFlgRead(), 1);   // BackColorsFlg missing
    EXPECT_EQ(m_nBackCRf, 0);
    // The read-only key is never written.
    EXPECT_EQ(RegGetDword(HKEY_CLASSES_ROOT, InstKey, "BackColorsFlg", Missing), Missing);
}

TEST_F(RegistryTest, DirectoryOfTheInstallationKey)
{
    uskgn2 = 0;
    StrCopyCut(DirName1, sizeof DirName1, "keep\\");
    EXPECT_EQ(RegDirSet(), 2);
    EXPECT_EQ(uskgn2, 1);
    EXPECT_STREQ(DirName1, "keep\\");

    uskgn2 = 0;
    PutInt(HKEY_CLASSES_ROOT, InstKey, "FullScreenFlg", 0);
    EXPECT_EQ(RegDirSet(), 1);
    EXPECT_STREQ(DirName1, "");

    PutRaw(HKEY_CLASSES_ROOT, InstKey, "Directory", REG_SZ, std::string("C:\\Fish\\") + '\0');
    EXPECT_EQ(RegDirSet(), 0);
    EXPECT_STREQ(DirName1, "C:\\Fish\\");

    // Longer than DirName1 and the shared buffer: cut, terminated.
    PutRaw(HKEY_CLASSES_ROOT, InstKey, "Directory", REG_SZ, std::string(900, 'd') + '\0');
    EXPECT_EQ(RegDirSet(), 0);
    EXPECT_EQ(strlen(DirName1), sizeof DirName1 - 1);
    EXPECT_EQ(uskgn2, 0);
}

TEST_F(RegistryTest, StringsAreTerminatedAndCut)
{
    // Five digits stored without a terminator, over a buffer full of "1".
    PutRaw(HKEY_CURRENT_USER, UserKey, "OKSKKIS", REG_SZ, "01011");
    memset(buffer, '1', sizeof buffer);
    ASSERT_EQ(RegRead(1), 0);
    EXPECT_STREQ(buffer, "01011");
    EXPECT_EQ(m_nFss[0], 0);
    EXPECT_EQ(m_nFss[4], 1);
    for (int k = 5; k < FishMax; k++)
        EXPECT_EQ(m_nFss[k], 0) << k;

    PutRaw(HKEY_CURRENT_USER, UserKey, "OKSKKIS", REG_SZ, std::string(2000, '1') + '\0');
    ASSERT_EQ(RegRead(1), 0);
    EXPECT_EQ(strlen(buffer), sizeof buffer - 1);
    for (int k = 0; k < FishMax; k++)
        EXPECT_EQ(m_nFss[k], 1) << k;
}

TEST_F(RegistryTest, OddValuesAreReplacedOrReset)
{
    PutInt(HKEY_CURRENT_USER, UserKey, "AWYEHDB", 77);
    PutRaw(HKEY_CURRENT_USER, UserKey, "ISKJEUH", REG_SZ, std::string("3") + '\0');
    PutRaw(HKEY_CURRENT_USER, UserKey, "KISJUAK", REG_BINARY, "\x07");
    PutInt(HKEY_CURRENT_USER, UserKey, "OtherMonitors", 7);
    PutInt(HKEY_CURRENT_USER, UserKey, "PictureScale", 5);
    ASSERT_EQ(RegRead(1), 0);
    EXPECT_EQ(m_nIdx, 0);
    EXPECT_EQ(m_nOtherMon, 1);   // a value outside 0..2 is the same picture
    EXPECT_EQ(m_nPicScale, 0);   // a scale outside 1..4 follows the display
    EXPECT_EQ(m_nSHf, 1);    // a string is not a number: default written back
    EXPECT_EQ(m_nSSpe, 5);
    EXPECT_EQ(GetInt("ISKJEUH"), 1u);

    PutInt(HKEY_CURRENT_USER, UserKey, "AWYEHDB", (DWORD)-3);
    ASSERT_EQ(RegRead(1), 0);
    EXPECT_EQ(m_nIdx, 0);
    PutInt(HKEY_CURRENT_USER, UserKey, "AWYEHDB", 12);
    ASSERT_EQ(RegRead(1), 0);
    EXPECT_EQ(m_nIdx, 12);
}

TEST_F(RegistryTest, WriteThenReadReproducesTheValues)
{
    ASSERT_EQ(RegRead(1), 0);
    m_nPGMax = 5;
    m_nIdx = 3;
    m_nFGSif = 0;
    m_nSHf = 2;
    m_nSSpe = 42;
    m_nFgf = 1;
    m_nOtherMon = 2;
    m_nPicScale = 4;
    for (int k = 0; k < FishMax; k++)
        m_nFss[k] = (k * 7) % 3 == 0;
    int want[FishMax];
    memcpy(want, m_nFss, sizeof want);
    m_nFish = 77;   // Genwrt puts the working values into set m_nIdx
    EXPECT_EQ(RegWrite(), 0);
    EXPECT_EQ(Mid(m_nGen[3], 5, 3), 77);

    RegNoRead();
    ASSERT_EQ(RegRead(1), 0);
    EXPECT_EQ(m_nIdx, 3);
    EXPECT_EQ(m_nFGSif, 0);
    EXPECT_EQ(m_nSHf, 2);
    EXPECT_EQ(m_nSSpe, 42);
    EXPECT_EQ(m_nFgf, 1);
    EXPECT_EQ(m_nOtherMon, 2);
    EXPECT_EQ(m_nPicScale, 4);
    for (int k = 0; k < FishMax; k++)
        EXPECT_EQ(m_nFss[k], want[k]) << k;
}

TEST_F(RegistryTest, NewFishCountersAndOwnedKinds)
{
    ASSERT_EQ(RegRead(0), 0);
    m_nSYScnt = 0;
    m_nSYSrnd = 4321;
    EXPECT_EQ(RegSy1(), 0);
    EXPECT_EQ(m_nSYS01, 2);
    EXPECT_EQ(GetInt("OSIJDUA"), 2u);
    EXPECT_EQ(GetInt("NAUSJEN"), 4321u);
    EXPECT_EQ(RegSy1(), 0);
    EXPECT_EQ(RegSy1(), 0);
    EXPECT_EQ(RegSy1(), 0);
    EXPECT_EQ(m_nSYS01, 0);   // never below 0

    m_nFss[34] = 1;
    m_nSYS01 = 9;
    EXPECT_EQ(RegSy2(), 0);
    EXPECT_EQ(GetStr("OKSKKIS"), "10000000000000000000000000000000001");
    EXPECT_EQ(GetInt("OSIJDUA"), 9u);

    m_nSYScnt = 397;
    m_nSYSrnd = 8000;
    EXPECT_EQ(SYScntW(), 0);
    EXPECT_EQ(GetInt("LOSKDIS"), 397u);
    EXPECT_EQ(GetInt("NAUSJEN"), 8000u);
}

TEST_F(RegistryTest, SyOnANewKeyWritesItsDefault)
{
    EXPECT_EQ(RegSy1(), 0);
    EXPECT_EQ(m_nSYS01, 2);
    EXPECT_EQ(GetInt("OSIJDUA"), 2u);
}

}  // namespace
