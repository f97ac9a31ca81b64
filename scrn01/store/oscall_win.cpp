// Win32 side of the store's operating-system calls.
#include "scrn01/store/oscall.h"

#include <io.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>

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

FILE* OsFileOpen(const char* path, const char* mode)
{
    return fopen(path, mode);
}

bool OsFileClose(FILE* fp)
{
    return fclose(fp) == 0;
}

bool OsCommitFile(FILE* fp)
{
    return fflush(fp) == 0 && _commit(_fileno(fp)) == 0;
}

bool OsMoveFile(const char* from, const char* to, bool replace)
{
    // A read-only target is never replaced (not every system refuses it by itself).
    DWORD a = GetFileAttributesA(to);
    if (replace && a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    return MoveFileExA(from, to, flags) != 0;
}

// --- Registry ---

static HKEY RootKey(OsRegRoot root)
{
    return root == OsRegClassesRoot ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER;
}

bool OsRegOpenRead(OsRegRoot root, const char* path, OsRegKey* key)
{
    HKEY k = nullptr;
    bool ok = RegOpenKeyExA(RootKey(root), path, 0, KEY_READ, &k) == ERROR_SUCCESS;
    *key = ok ? (OsRegKey)k : nullptr;
    return ok;
}

bool OsRegCreate(OsRegRoot root, const char* path, OsRegKey* key, bool* created)
{
    HKEY k = nullptr;
    DWORD disp = 0;
    bool ok = RegCreateKeyExA(RootKey(root), path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &k, &disp) == ERROR_SUCCESS;
    *key = ok ? (OsRegKey)k : nullptr;
    *created = ok && disp == REG_CREATED_NEW_KEY;
    return ok;
}

bool OsRegClose(OsRegKey key)
{
    return RegCloseKey((HKEY)key) == ERROR_SUCCESS;
}

bool OsRegGetInt(OsRegKey key, const char* name, int* v)
{
    DWORD d = 0, type = 0, size = sizeof d;
    if (RegQueryValueExA((HKEY)key, name, nullptr, &type, (BYTE*)&d, &size) != ERROR_SUCCESS)
        return false;
    if (type != REG_DWORD || size != sizeof d)
        return false;
    *v = (int)d;
    return true;
}

bool OsRegGetStr(OsRegKey key, const char* name, char* out, int cap)
{
    out[0] = '\0';
    if (cap < 1)
        return false;
    DWORD type = 0, size = (DWORD)cap - 1;
    LONG r = RegQueryValueExA((HKEY)key, name, nullptr, &type, (BYTE*)out, &size);
    if (r == ERROR_MORE_DATA) {
        // Longer than out: read it whole, keep its start.
        DWORD need = size;
        char* big = (char*)malloc(need + 1);
        if (!big)
            return false;
        size = need;
        r = RegQueryValueExA((HKEY)key, name, nullptr, &type, (BYTE*)big, &size);
        if (r == ERROR_SUCCESS) {
            size = size < (DWORD)cap - 1 ? size : (DWORD)cap - 1;
            memcpy(out, big, size);
        }
        free(big);
    }
    if (r != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        out[0] = '\0';
        return false;
    }
    out[size < (DWORD)cap - 1 ? size : (DWORD)cap - 1] = '\0';
    return true;
}

bool OsRegSetInt(OsRegKey key, const char* name, int v)
{
    DWORD d = (DWORD)v;
    return RegSetValueExA((HKEY)key, name, 0, REG_DWORD, (const BYTE*)&d, sizeof d) ==
           ERROR_SUCCESS;
}

bool OsRegSetStr(OsRegKey key, const char* name, const char* text)
{
    return RegSetValueExA((HKEY)key, name, 0, REG_SZ, (const BYTE*)text, (DWORD)strlen(text) + 1) ==
           ERROR_SUCCESS;
}
