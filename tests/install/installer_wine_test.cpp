// The installer, in a fresh prefix of its own: from nothing to an installed,
// listed saver and back. The tests run in the order written and share the
// installed state: install, run, configure, reinstall with the switch,
// upgrade to two later versions (silently, then through the pages), refuse
// older versions, uninstall. The shared data file is replaced only where it is
// byte for byte one that an earlier version installed.
#include "../dialog/dialog_harness.h"
#include "resources/appinfo.h"
#include "scrn01/store/datafile.h"
#include "scrn01/store/msglog.h"
#include "scrn01/store/regstore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char UninstRoot[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
const char UninstKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\PondelHarbor";
const DWORD InstallMs = 120000;

std::string EnvPath(const char* name)
{
    const char* p = getenv(name);
    return p ? WinPath(p) : std::string();
}

std::string InstallerPath()
{
    return EnvPath("PH_INSTALLER");
}

std::string SystemScr()
{
    char dir[MAX_PATH];
    GetSystemDirectoryA(dir, MAX_PATH);
    return std::string(dir) + "\\PondelHarbor.scr";
}

bool KeyExists(HKEY root, const char* path)
{
    HKEY k;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &k))
        return false;
    RegCloseKey(k);
    return true;
}

// The path in a command such as "\"C:\\x\\Uninstall.exe\" /S" or "C:\\x.scr,0".
std::string PathOf(const std::string& cmd)
{
    if (!cmd.empty() && cmd[0] == '"')
        return cmd.substr(1, cmd.find('"', 1) - 1);
    return cmd.substr(0, cmd.find(','));
}

DWORD RunToEnd(const std::string& exe, const std::string& args)
{
    Proc p = StartProc(args, exe);
    EXPECT_TRUE(p.started) << exe;
    DWORD code = WaitExit(p, InstallMs);
    EndProc(p);
    return code;
}

bool SameText(const std::string& a, const std::string& b)
{
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// The machine a module was built for (a data file's handle has low bits set).
WORD MachineOf(HMODULE m)
{
    const BYTE* base = (const BYTE*)((ULONG_PTR)m & ~(ULONG_PTR)3);
    return ((const IMAGE_NT_HEADERS*)(base + ((const IMAGE_DOS_HEADER*)base)->e_lfanew))
        ->FileHeader.Machine;
}

// The shared data file these installers carry (PH_SHARED) or one an earlier
// version installed (PH_SHARED_EARLIER).
std::string SharedFile(const char* var)
{
    return ReadFileBytes(EnvPath(var));
}

// The data folder named by the install key, through the program's own reader.
std::string DataDir()
{
    return RegDirSet() == 0 ? std::string(DirName1) : std::string();
}

// Upgrades, in the x86_64 build's run only: it has the installers of two
// later versions (installer/CMakeLists.txt).
#ifdef PH_VERSION_NEWER

// Apps & features entries naming PondelHarbor, in both registry views.
int UninstallEntries()
{
    int n = 0;
    for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
        HKEY root;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, UninstRoot, 0, KEY_READ | view, &root))
            continue;
        char sub[256];
        for (DWORD i = 0, len = sizeof sub;
             !RegEnumKeyExA(root, i, sub, &len, nullptr, nullptr, nullptr, nullptr);
             ++i, len = sizeof sub) {
            char name[256] = "";
            DWORD size = sizeof name;
            if (!RegGetValueA(root, sub, "DisplayName", RRF_RT_REG_SZ, nullptr, name, &size) &&
                strstr(name, "PondelHarbor"))
                ++n;
        }
        RegCloseKey(root);
    }
    return n;
}

// What an upgrade must keep: the data folder the install key names, the
// shared (unless replaced) and the user's data file, the user's registry
// values and screen saver.
struct Kept {
    std::string dir, shared, mine, userValues, saver;
};

Kept KeptNow()
{
    Kept k;
    k.dir = DataDir();
    k.shared = ReadFileBytes(k.dir + "PondelData.ini");
    k.mine = ReadFileBytes(UserDataPath(Install{k.dir}));
    k.userValues = RegDump(HKEY_CURRENT_USER, UserKey);
    k.saver = RegGetString(HKEY_CURRENT_USER, DesktopKey, "SCRNSAVE.EXE");
    return k;
}

void ExpectUpgraded(const char* version, const char* scrVar, const Kept& before)
{
    SCOPED_TRACE(version);
    EXPECT_EQ(RegGetString(HKEY_LOCAL_MACHINE, UninstKey, "DisplayVersion"), version);
    EXPECT_EQ(UninstallEntries(), 1);
    std::string scr = ReadFileBytes(EnvPath(scrVar));
    ASSERT_FALSE(scr.empty()) << scrVar;
    EXPECT_TRUE(ReadFileBytes(SystemScr()) == scr) << "the .scr was not replaced";
    Kept after = KeptNow();
    EXPECT_EQ(after.dir, before.dir);
    EXPECT_TRUE(after.shared == before.shared) << "the shared data file";
    EXPECT_TRUE(after.mine == before.mine);
    EXPECT_EQ(after.userValues, before.userValues);
    EXPECT_EQ(after.saver, before.saver);
}

std::string TextOf(HWND w)
{
    char text[256] = "";
    GetWindowTextA(w, text, sizeof text);
    return text;
}

// The installer's Next button shows `label`, enabled, and keeps showing it a
// moment: the files page shows it enabled for an instant before the copying
// starts, and a click then is lost.
bool ShowsSteadily(HWND b, const std::string& label)
{
    auto shows = [&] { return TextOf(b) == label && IsWindowEnabled(b) && IsWindowVisible(b); };
    return WaitUntil(
        [&] {
            if (!shows())
                return false;
            PumpFor(700);
            return shows();
        },
        InstallMs);
}

// Runs an installer as a user taking every page's default (Next, Install,
// Next once the files are in, Finish); its exit code.
DWORD InstallThroughPages(const std::string& exe)
{
    Proc p = StartProc("", exe);
    EXPECT_TRUE(p.started) << exe;
    HWND w = WaitDialogOf(p.pi.dwProcessId);
    EXPECT_NE(w, nullptr) << "no installer window";
    for (const char* next : {"&Next >", "&Install", "&Next >", "&Finish"}) {
        if (!w)
            break;
        HWND b = GetDlgItem(w, IDOK);
        EXPECT_TRUE(ShowsSteadily(b, next))
            << "waiting for " << next << ", the button shows " << TextOf(b);
        PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)b);
    }
    DWORD code = WaitExit(p, InstallMs);
    EndProc(p);
    return code;
}
#endif  // PH_VERSION_NEWER

}  // namespace

TEST(Installer, SilentInstallPutsSaverKeyDataFolderAndUninstallEntryInPlace)
{
    ASSERT_FALSE(FileExists(SystemScr())) << "the prefix is not fresh";
    ASSERT_EQ(RunToEnd(InstallerPath(), "/S"), 0u);

    // The saver in the system directory, where the display settings list it.
    HMODULE m = LoadLibraryExA(SystemScr().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(m, nullptr) << SystemScr();
    char name[64] = "";
    LoadStringA(m, IDS_DESCRIPTION, name, sizeof name);
    EXPECT_STREQ(name, "PondelHarbor");
    // The build of this system, as this test program is (i686 in a 32-bit prefix).
    EXPECT_EQ(MachineOf(m), MachineOf(GetModuleHandleA(nullptr)));
    FreeLibrary(m);

    // The install key as the program reads it.
    std::string dir = DataDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '\\') << dir;
    EXPECT_TRUE(ReadFileBytes(dir + "PondelData.ini") == SharedFile("PH_SHARED"));
    std::string probe = dir + "probe.tmp";
    HANDLE h = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    EXPECT_NE(h, INVALID_HANDLE_VALUE) << "data folder not writable";
    CloseHandle(h);
    DeleteFileA(probe.c_str());
    EXPECT_EQ(RegFlgRead(), 0);
    EXPECT_EQ(m_nFullSCf, 1) << "the Full height is offered";
    EXPECT_TRUE(m_nBackCRf == 0 || m_nBackCRf == 1);

    // Apps & features.
    EXPECT_NE(RegGetString(HKEY_LOCAL_MACHINE, UninstKey, "DisplayName").find("PondelHarbor"),
              std::string::npos);
    EXPECT_EQ(RegGetString(HKEY_LOCAL_MACHINE, UninstKey, "DisplayVersion"), PH_VERSION_TEXT);
    EXPECT_EQ(RegGetString(HKEY_LOCAL_MACHINE, UninstKey, "Publisher"), "PondelHarbor Project");
    EXPECT_TRUE(SameText(PathOf(RegGetString(HKEY_LOCAL_MACHINE, UninstKey, "DisplayIcon")), SystemScr()));
    EXPECT_TRUE(FileExists(PathOf(RegGetString(HKEY_LOCAL_MACHINE, UninstKey, "UninstallString"))));

    // Without /CURRENT a silent install leaves the user's screen saver alone.
    EXPECT_FALSE(SameText(RegGetString(HKEY_CURRENT_USER, DesktopKey, "SCRNSAVE.EXE"), SystemScr()));
}

TEST(Installer, InstalledSaverRunsAndFindsItsDirectory)
{
    std::string dir = DataDir();
    ASSERT_FALSE(dir.empty());
    // Savers run earlier in this prefix without an installation reported there.
    WriteProfileStringA("PondelHarbor", "MsgError", nullptr);
    Proc p = StartSaver("/s", SystemScr());
    ASSERT_TRUE(p.started);
    EXPECT_NE(FindSaverWindow(), nullptr);
    EXPECT_EQ(CloseByKey(p), 0u);
    // Reports land in the log of the data folder; none says the registry
    // could not be read, and no report fell back to the profile.
    EXPECT_EQ(ReadFileBytes(dir + ErrFileName).find(Msg004), std::string::npos);
    char fallback[256] = "";
    GetProfileStringA("PondelHarbor", "MsgError", "", fallback, sizeof fallback);
    EXPECT_STREQ(fallback, "");
}

TEST(Installer, DialogOpensWithOkEnabledAndOkWritesTheUsersDataFile)
{
    Install in{DataDir()};
    ASSERT_FALSE(in.dir.empty());
    std::string mine = UserDataPath(in);
    ASSERT_FALSE(FileExists(mine));
    Dialog d;
    ASSERT_TRUE(d.Open(SystemScr()));
    EXPECT_TRUE(d.Enabled(IDOK)) << "the dialog found no installation";
    EXPECT_EQ(d.Ok(), 0u);
    EXPECT_TRUE(d.reports.empty()) << d.reports[0];
    // The user's own file, in the data folder, starts from the shared scenes.
    std::vector<std::string> shared = FileLines(ReadFileBytes(SharedDataPath(in)));
    ASSERT_FALSE(shared.empty());
    EXPECT_EQ(FileLines(ReadFileBytes(mine)), shared);
}

TEST(Installer, SwitchMakesItTheCurrentSaverAndReinstallKeepsEditedSharedFile)
{
    // A plain reinstall leaves the current shared file as it is, and keeps an
    // edited one.
    std::string shared = DataDir() + "PondelData.ini";
    ASSERT_EQ(RunToEnd(InstallerPath(), "/S"), 0u);
    EXPECT_TRUE(ReadFileBytes(shared) == SharedFile("PH_SHARED"));
    std::string edited = ReadFileBytes(shared) + "000 edited by the administrator\n";
    WriteFileBytes(shared, edited);

    ASSERT_EQ(RunToEnd(InstallerPath(), "/S /CURRENT"), 0u);
    EXPECT_TRUE(SameText(RegGetString(HKEY_CURRENT_USER, DesktopKey, "SCRNSAVE.EXE"), SystemScr()));
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, DesktopKey, "ScreenSaveActive"), "1");
    EXPECT_EQ(ReadFileBytes(shared), edited);
}

#ifdef PH_VERSION_NEWER
TEST(Installer, NewerVersionsReplaceTheProgramAndKeepDataSettingsAndChoice)
{
    // An administrator moved the data folder and changed the install key.
    std::string old = DataDir();
    ASSERT_FALSE(old.empty());
    const std::string moved = "C:\\PondelAquarium\\";
    ASSERT_TRUE(MoveFileA(old.substr(0, old.size() - 1).c_str(),
                          moved.substr(0, moved.size() - 1).c_str()));
    ASSERT_TRUE(RegPutString(HKEY_CLASSES_ROOT, InstallKey, "Directory", moved.c_str()));

    // Silently, with the saver chosen and an earlier version's shared file
    // edited in place (one digit, the size kept): the edit is kept.
    std::string earlier = SharedFile("PH_SHARED_EARLIER"), current = SharedFile("PH_SHARED");
    ASSERT_TRUE(!earlier.empty() && earlier != current);
    std::string edited = earlier;
    edited[edited.size() - 2] ^= 1;
    WriteFileBytes(moved + "PondelData.ini", edited);
    Kept before = KeptNow();
    ASSERT_EQ(before.dir, moved);
    ASSERT_FALSE(before.mine.empty());
    ASSERT_FALSE(before.userValues.empty());
    ASSERT_TRUE(SameText(before.saver, SystemScr()));
    ASSERT_EQ(RunToEnd(EnvPath("PH_INSTALLER_NEWER"), "/S"), 0u);
    ExpectUpgraded(PH_VERSION_NEWER, "PH_SCR_NEWER", before);
    EXPECT_FALSE(FileExists(old + "PondelData.ini")) << "the default folder came back";

    // Through the pages, with another saver chosen and an earlier version's
    // shared file as it installed it: the components page offers to keep
    // that choice; the current shared file replaces the earlier one.
    const char other[] = "C:\\windows\\system32\\other.scr";
    RegPutString(HKEY_CURRENT_USER, DesktopKey, "SCRNSAVE.EXE", other);
    WriteFileBytes(moved + "PondelData.ini", earlier);
    before = KeptNow();
    before.shared = current;
    EXPECT_EQ(InstallThroughPages(EnvPath("PH_INSTALLER_NEWEST")), 0u);
    ExpectUpgraded(PH_VERSION_NEWEST, "PH_SCR_NEWEST", before);
    RegPutString(HKEY_CURRENT_USER, DesktopKey, "SCRNSAVE.EXE", SystemScr().c_str());
}

TEST(Installer, OlderVersionDoesNotReplaceNewer)
{
    std::string installed = ReadFileBytes(SystemScr());
    ASSERT_FALSE(installed.empty());
    // Silently: refused with the exit code Windows Installer uses for this.
    EXPECT_EQ(RunToEnd(InstallerPath(), "/S"), (DWORD)ERROR_PRODUCT_VERSION);
    // Interactively: a message naming both versions first.
    Proc p = StartProc("", EnvPath("PH_INSTALLER_NEWER"));
    ASSERT_TRUE(p.started);
    HWND box = WaitDialogOf(p.pi.dwProcessId);
    ASSERT_NE(box, nullptr);
    std::string text = TextOf(GetDlgItem(box, 0xFFFF));
    EXPECT_NE(text.find(PH_VERSION_NEWEST), std::string::npos) << text;
    EXPECT_NE(text.find(PH_VERSION_NEWER), std::string::npos) << text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(WaitExit(p, InstallMs), (DWORD)ERROR_PRODUCT_VERSION);
    EndProc(p);

    EXPECT_EQ(RegGetString(HKEY_LOCAL_MACHINE, UninstKey, "DisplayVersion"), PH_VERSION_NEWEST);
    EXPECT_TRUE(ReadFileBytes(SystemScr()) == installed);
}
#endif  // PH_VERSION_NEWER

TEST(Installer, SilentUninstallRemovesProgramKeyAndEntryAndKeepsUsersData)
{
    std::string dir = DataDir();
    ASSERT_FALSE(dir.empty());
    // The file the dialog wrote for this user; where the dialog did not run
    // (the 32-bit-only prefix), one written here.
    std::string userFile = UserDataPath(Install{dir});
    std::string saved = ReadFileBytes(userFile);
    if (saved.empty()) {
        saved = ReadFileBytes(dir + "PondelData.ini") + "\r\n";
        WriteFileBytes(userFile, saved);
    }
    ASSERT_FALSE(ReadFileBytes(userFile).empty()) << userFile;
    std::string uninstaller = PathOf(RegGetString(HKEY_LOCAL_MACHINE, UninstKey, "UninstallString"));

    ASSERT_EQ(RunToEnd(uninstaller, "/S"), 0u);
    // The uninstaller works on from a copy of itself: wait for its effects,
    // its own folder gone included.
    std::string folder = uninstaller.substr(0, uninstaller.rfind('\\'));
    EXPECT_TRUE(WaitUntil(
        [&] {
            return !FileExists(SystemScr()) && !KeyExists(HKEY_LOCAL_MACHINE, UninstKey) &&
                   !FileExists(uninstaller) && !FileExists(folder);
        },
        InstallMs));
    EXPECT_EQ(RegDirSet(), 2) << "install key left";
    EXPECT_FALSE(FileExists(folder));
    EXPECT_FALSE(SameText(RegGetString(HKEY_CURRENT_USER, DesktopKey, "SCRNSAVE.EXE"), SystemScr()));
    EXPECT_FALSE(FileExists(dir + "PondelData.ini"));
    EXPECT_EQ(ReadFileBytes(userFile), saved);
}
