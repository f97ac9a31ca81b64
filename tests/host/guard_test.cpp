// The exception guard around the mode dispatch: a fault escaping a mode ends
// the process through the guard, not as a crash.
#include "scrnsave/hostframe.h"
#include "saver_harness.h"

#include <gtest/gtest.h>
#include <cstring>

// These hooks replace the program's own for this test program only.
BOOL WINAPI RegisterDialogClasses(HANDLE)
{
    volatile int* p = nullptr;
    return *p;  // access violation inside the configuration mode
}

INT_PTR WINAPI ScreenSaverConfigureDialog(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

TEST(ExceptionGuard, FaultInModeEndsProcessThroughGuard)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    Proc p = StartProc("\"" + std::string(self) + "\" --fault-child", self, true);
    ASSERT_TRUE(p.started);
    DWORD code = WaitExit(p, 60000);
    EndProc(p);
    EXPECT_NE(code, (DWORD)STILL_ACTIVE);
    EXPECT_NE(code, (DWORD)EXCEPTION_ACCESS_VIOLATION);
    EXPECT_EQ(code, 0x4B1Du);
}

int main(int argc, char** argv)
{
    if (argc > 1 && strcmp(argv[1], "--fault-child") == 0) {
        return WinMainN(GetModuleHandleA(nullptr), nullptr, (LPSTR) "", SW_SHOW);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
