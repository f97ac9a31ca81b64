// Stand-in for the store's operating-system calls in the native build, where
// the unit tests run. Profile entries and message boxes are kept in memory.
#include "scrn01/store/oscall.h"
#include "scrn01/store/oscall_native.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <string>

std::map<std::string, std::string> NativeProfile;
std::string NativeDate, NativeTime;
std::string NativeUserName;

void NativeOsReset()
{
    NativeProfile.clear();
    NativeDate.clear();
    NativeTime.clear();
    NativeUserName.clear();
}

// Formats the local time with fmt unless a fixed text is set.
static bool LocalStamp(const std::string& fixed, const char* fmt, char* out, int cap)
{
    std::string s = fixed;
    if (s.empty()) {
        time_t t = time(nullptr);
        struct tm lt;
        localtime_r(&t, &lt);
        char b[16];
        strftime(b, sizeof b, fmt, &lt);
        s = b;
    }
    if ((int)s.size() >= cap)
        return false;
    snprintf(out, (size_t)cap, "%s", s.c_str());
    return true;
}

bool OsLocalDate(char* out, int cap)
{
    return LocalStamp(NativeDate, "%Y.%m.%d", out, cap);
}

bool OsLocalTime(char* out, int cap)
{
    return LocalStamp(NativeTime, "%H:%M", out, cap);
}

void OsWriteProfileString(const char* section, const char* key, const char* value)
{
    NativeProfile[std::string(section) + "/" + key] = value ? value : "";
}

bool OsSetFileNormal(const char* path)
{
    FILE* f = fopen(path, "r");
    if (!f)
        return false;
    fclose(f);
    return true;
}

int OsMessageBox(const char* text, const char* caption, unsigned style)
{
    fprintf(stderr, "[%s] %s\n", caption, text);
    return 1;
}

// --- Data files ---

bool OsUserName(char* out, int cap)
{
    if (NativeUserName.empty() || (int)NativeUserName.size() >= cap)
        return false;
    snprintf(out, (size_t)cap, "%s", NativeUserName.c_str());
    return true;
}

bool OsFileExists(const char* path)
{
    struct stat st;
    return stat(path, &st) == 0;
}

// Like the Windows call: an existing target without write permission (the
// read-only attribute) is not replaced.
bool OsReplaceFile(const char* from, const char* to)
{
    struct stat st;
    if (stat(to, &st) == 0 && (st.st_mode & S_IWUSR) == 0)
        return false;
    return rename(from, to) == 0;
}

bool OsCommitFile(FILE* fp)
{
    return fflush(fp) == 0 && fsync(fileno(fp)) == 0;
}
