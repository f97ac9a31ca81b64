// The real .scr as a separate process: run modes, the saver window, closing on
// input and the Windows 95 family password hooks.
#include "saver_harness.h"

#include <gtest/gtest.h>
#include <string>

namespace {

const DWORD kExitRejected = 0xFFFFFFFF;  // ExitProcess(-1)

// Polls until the process exits; fails if any window of it shows up meanwhile.
void ExpectExitWithoutWindow(const std::string& cmd, bool raw, DWORD expected)
{
    SCOPED_TRACE(cmd);
    Proc p = StartProc(cmd, "", raw);
    ASSERT_TRUE(p.started);
    bool sawWindow = false;
    WaitUntil(
        [&] {
            if (CountProcessWindows(p.pi.dwProcessId) > 0)
                sawWindow = true;
            return WaitForSingleObject(p.pi.hProcess, 0) == WAIT_OBJECT_0;
        },
        10000);
    EXPECT_EQ(WaitExit(p, 0), expected);
    EXPECT_FALSE(sawWindow);
    EndProc(p);
}

// Starts a configuration run; returns the dialog's owner and cancels it.
HWND ConfigOwner(const std::string& cmd, bool raw = false)
{
    SCOPED_TRACE(cmd);
    Proc p = StartProc(cmd, "", raw);
    EXPECT_TRUE(p.started);
    HWND dlg = WaitDialogOf(p.pi.dwProcessId);
    EXPECT_NE(dlg, nullptr) << "no configuration dialog";
    HWND owner = dlg ? GetWindow(dlg, GW_OWNER) : nullptr;
    if (dlg)
        PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(Ended(p), 0u);   // the dialog ends with 0 whatever the button
    return owner;
}

// Full-screen saving with the mouse at a known place, up and ready.
Proc Saver(const std::string& args = "/s", const std::string& exe = "")
{
    Proc p = StartSaver(args, exe);
    EXPECT_TRUE(p.started);
    EXPECT_NE(FindSaverWindow(), nullptr) << args;
    return p;
}

bool StillRunning(Proc& p, DWORD settleMs = 600)
{
    return WaitExit(p, settleMs) == STILL_ACTIVE && FindSaverWindow() != nullptr;
}

// The saver window's answer to the AutoPlay query; 99 when none came back.
DWORD_PTR AskAutoPlay()
{
    DWORD_PTR answer = 99;
    UINT query = RegisterWindowMessageA("QueryCancelAutoPlay");
    if (!SendMessageTimeoutA(FindSaverWindow(), query, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer))
        return 99;
    return answer;
}

HWND MakeForegroundTestWindow()
{
    HWND h = MakeTestWindow(300, 200);
    SetForegroundWindow(h);
    PumpFor(100);
    return h;
}

}  // namespace

TEST(RunModes, RejectedSwitchesExitWithMinusOneAndNoWindow)
{
    // A number that names no window.
    unsigned noWindow = 1234;
    while (IsWindow((HWND)(UINT_PTR)noWindow))
        noWindow += 2;
    std::string n = std::to_string(noWindow);
    // A tab right after the program name is skipped with it; after a separator
    // it is no switch.
    for (const char* sw : {"/x", "/1", "- \t/s", "/\ts", "/p:1234", "/a", "/a 1234"})
        ExpectExitWithoutWindow(sw, false, kExitRejected);
    ExpectExitWithoutWindow("/p " + n, false, kExitRejected);
    ExpectExitWithoutWindow("/l " + n, false, kExitRejected);
}

TEST(RunModes, QuotedProgramPathWithBlanksIsSkippedWhole)
{
    // An unquoted split at the blank would read "s dir\..." and start saving.
    char tmp[MAX_PATH];
    GetTempPathA(MAX_PATH, tmp);
    std::string dir = std::string(tmp) + "ph s dir";
    CreateDirectoryA(dir.c_str(), nullptr);
    std::string copy = dir + "\\Pondel Harbor.scr";
    ASSERT_TRUE(CopyFileA(ScrPath().c_str(), copy.c_str(), FALSE));
    ExpectExitWithoutWindow("\"" + copy + "\" /x", true, kExitRejected);
    HWND owner = ConfigOwner("\"" + copy + "\"", true);
    EXPECT_EQ(owner, nullptr);
    DeleteFileA(copy.c_str());
    RemoveDirectoryA(dir.c_str());
}

TEST(RunModes, ConfigurationDialogOwners)
{
    HWND chosen = MakeTestWindow(200, 100);
    HWND fg = MakeForegroundTestWindow();
    ASSERT_NE(chosen, fg);

    // No switch: no owner.
    EXPECT_EQ(ConfigOwner("\"" + ScrPath() + "\"", true), nullptr);
    EXPECT_EQ(ConfigOwner(""), nullptr);
    EXPECT_EQ(ConfigOwner(" / - /  -"), nullptr);
    // An unclosed quote swallows the whole command line.
    EXPECT_EQ(ConfigOwner("\"" + ScrPath() + " /s", true), nullptr);

    std::string h = std::to_string((unsigned)(UINT_PTR)chosen);
    EXPECT_EQ(ConfigOwner("/c:" + h), chosen);
    EXPECT_EQ(ConfigOwner("/C:" + h), chosen);
    // Without the colon, or with a blank after it, the foreground window owns it.
    SetForegroundWindow(fg);
    PumpFor(100);
    EXPECT_EQ(ConfigOwner("/c " + h), fg);
    EXPECT_EQ(ConfigOwner("/c: " + h), fg);
    DestroyWindow(chosen);
    DestroyWindow(fg);
}

TEST(FullScreen, TopmostWindowCoversScreenAndEachButtonOrAKeyCloses)
{
    // A white window underneath shows whether the saver covers it.
    HWND under = MakeTestWindow(300, 200);
    PumpFor(200);
    ASSERT_TRUE(WaitUntil([] { return ScreenPixel(150, 120) == RGB(255, 255, 255); }, 5000));
    const struct {
        const char* sw;
        int button;  // closed with this mouse button (0 left, 1 right, 2 middle), else a key
    } runs[] = {{"/s", 0}, {"-S", 1}, {"/screensaver", 2}, {" s", -1}};
    for (const auto& run : runs) {
        SCOPED_TRACE(run.sw);
        Proc p = Saver(run.sw);
        HWND w = FindSaverWindow();
        ASSERT_NE(w, nullptr);
        // The aquarium over the white window (painting may lag behind on a busy machine).
        EXPECT_TRUE(WaitAquariumAt(150, 120));
        EXPECT_TRUE(CoversScreen(w));
        EXPECT_TRUE(GetWindowLongPtrA(w, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_TRUE(GetWindowLongPtrA(w, GWL_STYLE) & WS_POPUP);
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        EXPECT_EQ(pid, p.pi.dwProcessId);
        // The title cannot be changed.
        SendMessageA(w, WM_SETTEXT, 0, (LPARAM) "other");
        EXPECT_EQ(FindSaverWindow(), w);
        if (run.button >= 0)
            MouseClick(run.button);
        EXPECT_EQ(run.button >= 0 ? Ended(p) : CloseByKey(p), 0u);
    }
    DestroyWindow(under);
}

TEST(FullScreen, MouseMovesBeyondFourPixelsClose)
{
    // Distance 4 stays, the fifth pixel closes.
    Proc p = Saver();
    MouseMoveBy(3, 1);
    EXPECT_TRUE(StillRunning(p));
    MouseMoveBy(0, 1);
    EXPECT_EQ(Ended(p), 0u);
}

TEST(FullScreen, SecondStartExitsWithoutSecondWindowAndSmallMovesAddUp)
{
    Proc first = Saver();
    Proc second = StartProc("/s");
    EXPECT_EQ(Ended(second), 0u);
    EXPECT_EQ(CountSaverWindows(), 1);
    EXPECT_TRUE(StillRunning(first, 100));
    // Two moves of 3 close on the second.
    MouseMoveBy(-3, 0);
    EXPECT_TRUE(StillRunning(first));
    MouseMoveBy(-3, 0);
    EXPECT_EQ(Ended(first), 0u);
}

TEST(Preview, ChildWindowIgnoresInput)
{
    // The size of the preview area of the display settings.
    HWND parent = MakeForegroundTestWindow();
    SetClientSize(parent, 152, 112);
    std::string h = std::to_string((unsigned)(UINT_PTR)parent);
    for (const char* sw : {"/p ", "/l ", "/p    "}) {
        SCOPED_TRACE(sw);
        Proc p = StartProc(sw + h);
        HWND child = WaitPreviewChild(parent);
        ASSERT_NE(child, nullptr);
        EXPECT_TRUE(GetWindowLongPtrA(child, GWL_STYLE) & WS_CHILD);
        RECT pc, cc;
        GetClientRect(parent, &pc);
        GetClientRect(child, &cc);
        EXPECT_EQ(cc.right, pc.right);
        EXPECT_EQ(cc.bottom, pc.bottom);
        POINT at{5, 5};
        ClientToScreen(child, &at);
        MouseTo(at.x, at.y);
        PumpFor(100);
        MouseMoveBy(30, 20);
        MouseClick(0);
        MouseClick(1);
        KeyPress('A');
        EXPECT_EQ(WaitExit(p, 800), (DWORD)STILL_ACTIVE);
        EXPECT_TRUE(IsWindow(child));
        PostMessageA(child, WM_CLOSE, 0, 0);
        EXPECT_EQ(Ended(p), 0u);
    }
    DestroyWindow(parent);
}

// Windows 95 family: Wine reports Windows 98 to the .scr only.
class Win95Family : public ::testing::Test {
protected:
    std::string dir, scr;

    void SetUp() override
    {
        char tmp[MAX_PATH];
        GetTempPathA(MAX_PATH, tmp);
        dir = std::string(tmp) + "ph-win98";
        scr = InstallWin98Saver(dir);
        ASSERT_FALSE(scr.empty());
    }
    void TearDown() override { RemoveWin98Saver(dir); }
    Proc Start() { return Saver("/s", scr); }
};

TEST_F(Win95Family, RefusedPasswordKeepsSaverAcceptedClosesIt)
{
    Proc p = Start();
    KeyPress('A');
    ASSERT_TRUE(WaitUntil([&] { return PasswordCalls() == 1; }, 5000));
    EXPECT_TRUE(StillRunning(p));
    // A small move after the dialog does not close; the reference was re-taken.
    MouseMoveBy(2, 1);
    PumpFor(300);
    EXPECT_EQ(PasswordCalls(), 1u);
    SetPasswordAnswer(1, 0);
    MouseClick(0);
    ASSERT_TRUE(WaitUntil([&] { return PasswordCalls() == 2; }, 5000));
    EXPECT_EQ(Ended(p), 0u);
}

TEST_F(Win95Family, CloseWithin200msOfCheckIsIgnored)
{
    // The provider posts a close request during its own check: it arrives
    // right after the check ends and must not ask again.
    SetPasswordAnswer(0, 1);
    Proc p = Start();
    KeyPress('A');
    ASSERT_TRUE(WaitUntil([&] { return PasswordCalls() >= 1; }, 5000));
    PumpFor(500);
    EXPECT_EQ(PasswordCalls(), 1u);
    EXPECT_TRUE(StillRunning(p, 100));
    // Later requests are asked again.
    SetPasswordAnswer(1, 0);
    KeyPress('A');
    ASSERT_TRUE(WaitUntil([&] { return PasswordCalls() == 2; }, 5000));
    EXPECT_EQ(Ended(p), 0u);
}

TEST_F(Win95Family, AutoPlayQueryClosesAndIsCancelledWithAProvider)
{
    SetPasswordAnswer(1, 0);
    Proc p = Start();
    EXPECT_EQ(AskAutoPlay(), (DWORD_PTR)TRUE);
    EXPECT_EQ(Ended(p), 0u);
    EXPECT_EQ(PasswordCalls(), 1u);
}

TEST_F(Win95Family, NoProviderWithoutTheSettingOrOffWin95)
{
    // A setting longer than four bytes counts as unset.
    HKEY k;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, DesktopKey, 0, KEY_ALL_ACCESS, &k), 0);
    const BYTE eight[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    RegSetValueExA(k, "ScreenSaveUsePassword", 0, REG_BINARY, eight, sizeof eight);
    RegCloseKey(k);
    Proc p = Start();
    EXPECT_EQ(CloseByKey(p), 0u);
    EXPECT_EQ(PasswordCalls(), 0u);

    // The NT family never loads the provider, and does not know the AutoPlay
    // query: no answer, no close.
    RegPutDword(HKEY_CURRENT_USER, DesktopKey, "ScreenSaveUsePassword", 1);
    RegDropKey(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\PondelHarbor.scr");
    p = Start();
    EXPECT_EQ(AskAutoPlay(), 0u);
    EXPECT_TRUE(StillRunning(p));
    EXPECT_EQ(CloseByKey(p), 0u);
    EXPECT_EQ(PasswordCalls(), 0u);
}

TEST_F(Win95Family, PasswordChangeModeRunsAndExitsZero)
{
    // MPR.DLL of the system has no PwdChangePasswordA under Wine or it returns
    // at once: the mode exits with 0 and shows nothing of its own.
    Proc p = StartProc("/a", scr);
    EXPECT_EQ(Ended(p), 0u);
}
