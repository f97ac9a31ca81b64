// Name, version and manifest of both builds (the i686 one is read as a data
// file: it cannot run here) and the installer's version; the full-screen
// saver on a screen at 150 % (144 DPI).
#include "../host/saver_harness.h"
#include "resources/appinfo.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const DWORD ScaledDpi = 144;

struct Version {
    unsigned major = 0, minor = 0, patch = 0;
};

Version ProjectVersion()
{
    Version v;
    sscanf(PH_VERSION_TEXT, "%u.%u.%u", &v.major, &v.minor, &v.patch);
    return v;
}

std::string EnvPath(const char* name)
{
    const char* p = getenv(name);
    return p ? WinPath(p) : std::string();
}

WORD MachineOf(const std::string& path)
{
    HMODULE m = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!m)
        return 0;
    // A module loaded as a data file has the low bit of its handle set.
    const BYTE* base = (const BYTE*)((ULONG_PTR)m & ~(ULONG_PTR)3);
    const IMAGE_DOS_HEADER* dos = (const IMAGE_DOS_HEADER*)base;
    WORD machine = ((const IMAGE_NT_HEADERS*)(base + dos->e_lfanew))->FileHeader.Machine;
    FreeLibrary(m);
    return machine;
}

class VersionInfo {
public:
    explicit VersionInfo(const std::string& path)
    {
        DWORD size = GetFileVersionInfoSizeA(path.c_str(), nullptr);
        data_.resize(size);
        if (!size || !GetFileVersionInfoA(path.c_str(), 0, size, data_.data()))
            data_.clear();
    }
    bool ok() const { return !data_.empty(); }
    std::wstring Str(const wchar_t* name)
    {
        std::wstring key = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
        wchar_t* text = nullptr;
        UINT len = 0;
        if (!ok() || !VerQueryValueW(data_.data(), key.c_str(), (void**)&text, &len) || !text)
            return L"<missing>";
        return text;
    }
    VS_FIXEDFILEINFO Fixed()
    {
        VS_FIXEDFILEINFO* f = nullptr;
        UINT len = 0;
        VS_FIXEDFILEINFO none{};
        if (!ok() || !VerQueryValueW(data_.data(), L"\\", (void**)&f, &len) || !f)
            return none;
        return *f;
    }

private:
    std::vector<BYTE> data_;
};

std::wstring Widen(const char* s)
{
    return std::wstring(s, s + strlen(s));
}

std::string ManifestText(HMODULE m)
{
    HRSRC r = FindResourceA(m, MAKEINTRESOURCEA(ID_MANIFEST), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    if (!r)
        return "";
    HGLOBAL g = LoadResource(m, r);
    return std::string((const char*)LockResource(g), SizeofResource(m, r));
}

void ExpectNameVersionManifest(const std::string& path, WORD machine)
{
    SCOPED_TRACE(path);
    ASSERT_EQ(GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES, true)
        << "missing (the i686 build comes from scripts/build.sh win32)";
    EXPECT_EQ(MachineOf(path), machine);

    HMODULE m = LoadLibraryExA(path.c_str(), nullptr,
                               LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(m, nullptr);
    // The display settings list screen savers by string 1.
    char name[64] = "";
    LoadStringA(m, IDS_DESCRIPTION, name, sizeof name);
    EXPECT_STREQ(name, "PondelHarbor");

    std::string man = ManifestText(m);
    for (const char* part : {"name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
                             "level=\"asInvoker\"", ">true</dpiAware>",
                             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
        EXPECT_NE(man.find(part), std::string::npos) << part;
    FreeLibrary(m);

    VersionInfo vi(path);
    ASSERT_TRUE(vi.ok());
    EXPECT_EQ(vi.Str(L"ProductName"), L"PondelHarbor");
    EXPECT_NE(vi.Str(L"FileDescription").find(L"screen saver"), std::wstring::npos);
    EXPECT_EQ(vi.Str(L"FileVersion"), Widen(PH_VERSION_TEXT));
    EXPECT_EQ(vi.Str(L"ProductVersion"), Widen(PH_VERSION_TEXT));
    EXPECT_EQ(vi.Str(L"LegalCopyright"), L"\u00a9 PondelHarbor Project");
    Version v = ProjectVersion();
    VS_FIXEDFILEINFO f = vi.Fixed();
    EXPECT_EQ(f.dwFileVersionMS, (DWORD)MAKELONG(v.minor, v.major));
    EXPECT_EQ(f.dwFileVersionLS, (DWORD)MAKELONG(0, v.patch));
    EXPECT_EQ(f.dwProductVersionMS, f.dwFileVersionMS);
}

}  // namespace

TEST(AppInfo, BothBuildsCarryNameVersionAndManifest)
{
    ExpectNameVersionManifest(ScrPath(), IMAGE_FILE_MACHINE_AMD64);
    ExpectNameVersionManifest(EnvPath("PH_SCR32"), IMAGE_FILE_MACHINE_I386);
}

TEST(AppInfo, BothInstallersCarryTheSameVersion)
{
    // The amd64 one the installer test runs, and the x86 one that ships
    // (scripts/package.sh), which cannot run here.
    for (const char* var : {"PH_INSTALLER", "PH_INSTALLER32"}) {
        std::string setup = EnvPath(var);
        SCOPED_TRACE(setup);
        EXPECT_NE(setup.find(PH_VERSION_TEXT), std::string::npos);
        EXPECT_EQ(MachineOf(setup), strcmp(var, "PH_INSTALLER") == 0 ? IMAGE_FILE_MACHINE_AMD64
                                                                      : IMAGE_FILE_MACHINE_I386);
        VersionInfo vi(setup);
        ASSERT_TRUE(vi.ok()) << "missing (the x86 installer comes from scripts/package.sh)";
        EXPECT_EQ(vi.Str(L"ProductName"), L"PondelHarbor");
        EXPECT_EQ(vi.Str(L"ProductVersion"), Widen(PH_VERSION_TEXT));
    }
}

TEST(AppInfo, At144DpiTheSaverCoversTheRealScreen)
{
    // This process reads every size in real pixels. (The dialog at 144 DPI:
    // tests/dialog/dialog_layout_test.cpp.)
    SetProcessDPIAware();
    ScopedDpi scaled(ScaledDpi);

    // A white window over the whole screen shows what the saver covers.
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    HWND under = MakeTestWindow(cx, cy);
    SetWindowLongPtrA(under, GWL_STYLE, WS_POPUP | WS_VISIBLE);
    SetWindowPos(under, nullptr, 0, 0, cx, cy, SWP_FRAMECHANGED | SWP_NOZORDER);
    auto corners = [&](COLORREF c) {
        return WaitUntil([&] { return ScreenPixel(cx - 1, cy - 1) == c && ScreenPixel(0, 0) == c; },
                         5000);
    };
    ASSERT_TRUE(corners(RGB(255, 255, 255)));
    Proc p = StartSaver("/s", "", cx / 2, cy / 2);
    ASSERT_NE(FindSaverWindow(), nullptr);
    EXPECT_TRUE(CoversScreen(FindSaverWindow()));
    // The aquarium covers it: water at the top, black below the band.
    EXPECT_TRUE(WaitAquariumAt(0, 0));
    EXPECT_EQ(CloseByKey(p), 0u);
    DestroyWindow(under);
}
