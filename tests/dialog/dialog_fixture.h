// Fixture of the dialog tests: a scratch installation named after the test,
// removed again afterwards.
#pragma once
#include "dialog_harness.h"

#include <gtest/gtest.h>

#include <string>

class DialogFixture : public ::testing::Test {
protected:
    Install in;
    void SetUp() override
    {
        in = MakeInstall(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    void TearDown() override { DropInstall(in); }
    void Data(const std::string& text) { WriteFileBytes(SharedDataPath(in), text); }
    void UserInt(const char* name, DWORD v) { RegPutDword(HKEY_CURRENT_USER, UserKey, name, v); }
    void Owned(const char* digits) { RegPutString(HKEY_CURRENT_USER, UserKey, "OKSKKIS", digits); }
};
