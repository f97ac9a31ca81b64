// The installer, silently, in a fresh prefix of its own: from nothing to an
// installed, listed saver and back. The tests run in the order written and
// share the installed state: install, run, configure, reinstall with the
// switch, uninstall.
#include "../dialog/dialog_harness.h"
#include "resources/appinfo.h"
#include "scrn01/store/datafile.h"
#include "scrn01/store/msglog.h"
#include "scrn01/store/regstore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char UninstKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\PondelHarbor";
const DWORD InstallMs = 120000;

std::string InstallerPath()
{
    const char* p = getenv("PH_INSTALLER");
    return p ? WinPath(p) : std::string();
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

// The data folder named by the install key, through the program's own reader.
std::string DataDir()
{
    return RegDirSet() == 0 ? std::string(DirName1) : std::string();
}

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
    FreeLibrary(m);

    // The install key as the program reads it.
    std::string dir = DataDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '\\') << dir;
    EXPECT_TRUE(FileExists(dir + "PondelData.ini"));
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
    std::string shared = DataDir() + "PondelData.ini";
    std::string edited = ReadFileBytes(shared) + "000 edited by the administrator\n";
    WriteFileBytes(shared, edited);

    ASSERT_EQ(RunToEnd(InstallerPath(), "/S /CURRENT"), 0u);
    EXPECT_TRUE(SameText(RegGetString(HKEY_CURRENT_USER, DesktopKey, "SCRNSAVE.EXE"), SystemScr()));
    EXPECT_EQ(RegGetString(HKEY_CURRENT_USER, DesktopKey, "ScreenSaveActive"), "1");
    EXPECT_EQ(ReadFileBytes(shared), edited);
}

TEST(Installer, SilentUninstallRemovesProgramKeyAndEntryAndKeepsUsersData)
{
    std::string dir = DataDir();
    ASSERT_FALSE(dir.empty());
    // The file the dialog wrote for this user.
    std::string userFile = UserDataPath(Install{dir});
    std::string saved = ReadFileBytes(userFile);
    EXPECT_FALSE(saved.empty());
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
