#include "store_testutil.h"

#include "scrn01/store/msglog.h"
#include "scrn01/store/oscall.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::vector<std::string> Reports;

std::string MakeInstallDir(const char* tag)
{
    static int serial = 0;
    fs::path p = fs::temp_directory_path() /
                 ("ph_store_" + std::string(tag) + "_" + std::to_string(++serial));
    fs::remove_all(p);
    fs::create_directories(p);
    std::string dir = p.string();
    dir += (char)fs::path::preferred_separator;
    StrCopyCut(DirName1, sizeof DirName1, dir.c_str());
    return dir;
}

void RemoveInstallDir(const std::string& dir)
{
    std::error_code ec;
    for (auto& e : fs::recursive_directory_iterator(dir, ec))
        fs::permissions(e.path(), fs::perms::owner_write, fs::perm_options::add, ec);
    fs::remove_all(dir, ec);
    DirName1[0] = '\0';
}

void WriteFileText(const std::string& path, const std::string& text)
{
    std::ofstream f(path, std::ios::binary);
    f << text;
}

std::string ReadFileText(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    std::string t = s.str();
    // Text written in text mode on Windows: compare with plain line feeds.
    std::string out;
    for (size_t i = 0; i < t.size(); i++)
        if (!(t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n'))
            out += t[i];
    return out;
}

void MakeDir(const std::string& path)
{
    fs::create_directory(path);
}

bool FileThere(const std::string& path)
{
    return fs::exists(path);
}

void SetReadOnly(const std::string& path, bool ro)
{
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    ro ? fs::perm_options::remove : fs::perm_options::add);
}

static int Catch(const char* text, const char*, unsigned)
{
    Reports.push_back(text);
    return 1;
}

void CatchReports()
{
    Reports.clear();
    m_nMsgon = 1;
    MsgBoxHook = Catch;
}

std::string Digits(unsigned& seed, int n)
{
    std::string s;
    for (int i = 0; i < n; i++) {
        seed = seed * 1103515245u + 12345u;
        s += (char)('0' + (seed >> 16) % 10);
    }
    return s;
}
