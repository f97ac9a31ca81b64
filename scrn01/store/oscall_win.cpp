// Win32 side of the store's operating-system calls.
#include "scrn01/store/oscall.h"

#include <io.h>
#include <windows.h>

static_assert(OsMbIconHand == MB_ICONHAND, "message-box flag");
static_assert(OsMbIconQuestion == MB_ICONQUESTION, "message-box flag");
static_assert(OsMbIconExclamation == MB_ICONEXCLAMATION, "message-box flag");
static_assert(OsMbSystemModal == MB_SYSTEMMODAL, "message-box flag");

bool OsLocalDate(char* out, int cap)
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    return GetDateFormatA(LOCALE_SYSTEM_DEFAULT, 0, &st, "yyyy'.'MM'.'dd'", out, cap) != 0;
}

bool OsLocalTime(char* out, int cap)
{
    SYSTEMTIME st;
    GetLocalTime(&st);
    return GetTimeFormatA(LOCALE_SYSTEM_DEFAULT, TIME_NOTIMEMARKER | TIME_FORCE24HOURFORMAT, &st,
                          "HH':'mm'", out, cap) != 0;
}

void OsWriteProfileString(const char* section, const char* key, const char* value)
{
    WriteProfileStringA(section, key, value);
}

bool OsSetFileNormal(const char* path)
{
    return SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL) != 0;
}

int OsMessageBox(const char* text, const char* caption, unsigned style)
{
    return MessageBoxA(nullptr, text, caption, style);
}

// --- Data files ---

bool OsUserName(char* out, int cap)
{
    DWORD size = (DWORD)cap;
    return cap > 0 && GetUserNameA(out, &size) != 0 && out[0] != '\0';
}

bool OsFileExists(const char* path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

bool OsReplaceFile(const char* from, const char* to)
{
    // A read-only target is never replaced (not every system refuses it by itself).
    DWORD a = GetFileAttributesA(to);
    if (a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool OsCommitFile(FILE* fp)
{
    return fflush(fp) == 0 && _commit(_fileno(fp)) == 0;
}
