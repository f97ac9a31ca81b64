// Stand-in for the store's operating-system calls in the native build, where
// the unit tests run. Files are real files; profile entries, message boxes
// and the registry are kept in memory.
#include "scrn01/store/oscall.h"
#include "scrn01/store/oscall_native.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

std::map<std::string, std::string> NativeProfile;
std::string NativeDate, NativeTime;
std::string NativeUserName;
std::map<std::string, std::map<std::string, NativeRegValue>> NativeRegistry;
long NativeOsCalls;
std::function<bool(long n, const char* call)> NativeOsFault;

void NativeOsReset()
{
    NativeProfile.clear();
    NativeDate.clear();
    NativeTime.clear();
    NativeUserName.clear();
    NativeRegistry.clear();
    NativeOsCalls = 0;
    NativeOsFault = nullptr;
}

// Counts a call; false when the fault script fails it.
static bool Pass(const char* call)
{
    long n = NativeOsCalls++;
    return !NativeOsFault || NativeOsFault(n, call);
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
    if (!Pass("OsSetFileNormal"))
        return false;
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
    if (!Pass("OsUserName"))
        return false;
    if (NativeUserName.empty() || (int)NativeUserName.size() >= cap)
        return false;
    snprintf(out, (size_t)cap, "%s", NativeUserName.c_str());
    return true;
}

// A stream is a file descriptor behind stdio, so that each read, write and
// close the system makes passes the fault script.
static ssize_t StreamRead(void* c, char* buf, size_t n)
{
    if (!Pass("read")) {
        errno = EIO;
        return -1;
    }
    return read((int)(intptr_t)c, buf, n);
}

static ssize_t StreamWrite(void* c, const char* buf, size_t n)
{
    if (!Pass("write")) {
        errno = ENOSPC;
        return 0;
    }
    size_t done = 0;
    while (done < n) {
        ssize_t w = write((int)(intptr_t)c, buf + done, n - done);
        if (w <= 0)
            return 0;
        done += (size_t)w;
    }
    return (ssize_t)n;
}

static int StreamSeek(void* c, off64_t* pos, int whence)
{
    off_t r = lseek((int)(intptr_t)c, (off_t)*pos, whence);
    if (r < 0)
        return -1;
    *pos = r;
    return 0;
}

static int StreamClose(void* c)
{
    int fd = (int)(intptr_t)c;
    if (!Pass("close")) {
        close(fd);
        errno = EIO;
        return EOF;
    }
    return close(fd);
}

static std::map<FILE*, int> StreamFd;

FILE* OsFileOpen(const char* path, const char* mode)
{
    if (!Pass("OsFileOpen"))
        return nullptr;
    int flags = O_RDONLY;
    if (mode[0] == 'w')
        flags = O_WRONLY | O_CREAT | O_TRUNC;
    else if (mode[0] == 'a')
        flags = O_WRONLY | O_CREAT | O_APPEND;
    int fd = open(path, flags | O_CLOEXEC, 0666);
    if (fd < 0)
        return nullptr;
    FILE* fp =
        fopencookie((void*)(intptr_t)fd, mode, {StreamRead, StreamWrite, StreamSeek, StreamClose});
    if (!fp) {
        close(fd);
        return nullptr;
    }
    StreamFd[fp] = fd;
    return fp;
}

bool OsFileClose(FILE* fp)
{
    StreamFd.erase(fp);
    return fclose(fp) == 0;
}

bool OsCommitFile(FILE* fp)
{
    if (fflush(fp) != 0)
        return false;
    auto it = StreamFd.find(fp);
    if (!Pass("OsCommitFile"))
        return false;
    return it == StreamFd.end() || fsync(it->second) == 0;
}

// Like the Windows call: an existing target without write permission (the
// read-only attribute) is not replaced.
bool OsMoveFile(const char* from, const char* to, bool replace)
{
    if (!Pass("OsMoveFile"))
        return false;
    if (!replace)
        return renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0;
    struct stat st;
    if (stat(to, &st) == 0 && (st.st_mode & S_IWUSR) == 0)
        return false;
    return rename(from, to) == 0;
}

// --- Registry ---

std::string NativeUserKey()
{
    return "HKCU\\Control Panel\\Screen Saver.PondelHarbor";
}

std::string NativeInstallKey()
{
    return "HKCR\\Software\\PondelHarbor";
}

struct NativeKey {
    std::string name;
    bool writable;
};

static std::string KeyName(OsRegRoot root, const char* path)
{
    return std::string(root == OsRegClassesRoot ? "HKCR\\" : "HKCU\\") + path;
}

bool OsRegOpenRead(OsRegRoot root, const char* path, OsRegKey* key)
{
    *key = nullptr;
    if (!Pass("OsRegOpenRead") || !NativeRegistry.count(KeyName(root, path)))
        return false;
    *key = new NativeKey{KeyName(root, path), false};
    return true;
}

bool OsRegCreate(OsRegRoot root, const char* path, OsRegKey* key, bool* created)
{
    *key = nullptr;
    *created = false;
    if (!Pass("OsRegCreate"))
        return false;
    std::string name = KeyName(root, path);
    *created = !NativeRegistry.count(name);
    NativeRegistry[name];
    *key = new NativeKey{name, true};
    return true;
}

bool OsRegClose(OsRegKey key)
{
    bool ok = Pass("OsRegClose") && key;
    delete (NativeKey*)key;
    return ok;
}

// The value of an open key; null when the key or the value is missing.
static const NativeRegValue* Find(OsRegKey key, const char* name)
{
    if (!key)
        return nullptr;
    auto k = NativeRegistry.find(((NativeKey*)key)->name);
    if (k == NativeRegistry.end())
        return nullptr;
    auto v = k->second.find(name);
    return v == k->second.end() ? nullptr : &v->second;
}

bool OsRegGetInt(OsRegKey key, const char* name, int* v)
{
    if (!Pass("OsRegGetInt"))
        return false;
    const NativeRegValue* r = Find(key, name);
    if (!r || r->type != NativeRegDword || r->bytes.size() != 4)
        return false;
    memcpy(v, r->bytes.data(), 4);
    return true;
}

bool OsRegGetStr(OsRegKey key, const char* name, char* out, int cap)
{
    out[0] = '\0';
    if (!Pass("OsRegGetStr"))
        return false;
    const NativeRegValue* r = Find(key, name);
    if (!r || r->type != NativeRegSz || cap < 1)
        return false;
    size_t n = r->bytes.size() < (size_t)cap - 1 ? r->bytes.size() : (size_t)cap - 1;
    memcpy(out, r->bytes.data(), n);
    out[n] = '\0';
    return true;
}

static bool Set(OsRegKey key, const char* name, int type, const std::string& bytes)
{
    if (!key || !((NativeKey*)key)->writable)
        return false;
    auto k = NativeRegistry.find(((NativeKey*)key)->name);
    if (k == NativeRegistry.end())
        return false;
    k->second[name] = {type, bytes};
    return true;
}

bool OsRegSetInt(OsRegKey key, const char* name, int v)
{
    return Pass("OsRegSetInt") && Set(key, name, NativeRegDword, std::string((const char*)&v, 4));
}

bool OsRegSetStr(OsRegKey key, const char* name, const char* text)
{
    return Pass("OsRegSetStr") && Set(key, name, NativeRegSz, std::string(text, strlen(text) + 1));
}

int NativeRegInt(const std::string& key, const char* name, int missing)
{
    auto k = NativeRegistry.find(key);
    if (k == NativeRegistry.end())
        return missing;
    auto v = k->second.find(name);
    if (v == k->second.end() || v->second.type != NativeRegDword || v->second.bytes.size() != 4)
        return missing;
    int n;
    memcpy(&n, v->second.bytes.data(), 4);
    return n;
}

void NativeRegPutInt(const std::string& key, const char* name, int v)
{
    NativeRegistry[key][name] = {NativeRegDword, std::string((const char*)&v, 4)};
}

void NativeRegPutStr(const std::string& key, const char* name, const std::string& text)
{
    NativeRegistry[key][name] = {NativeRegSz, text + '\0'};
}

// Line: key TAB name TAB type TAB bytes in hex. A key without values is a
// line with an empty name and type 0.
std::string NativeRegText()
{
    std::string out;
    char hex[3];
    for (auto& k : NativeRegistry) {
        if (k.second.empty())
            out += k.first + "\t\t0\t\n";
        for (auto& v : k.second) {
            out += k.first + "\t" + v.first + "\t" + std::to_string(v.second.type) + "\t";
            for (unsigned char c : v.second.bytes) {
                snprintf(hex, sizeof hex, "%02x", c);
                out += hex;
            }
            out += "\n";
        }
    }
    return out;
}

void NativeRegFromText(const std::string& text)
{
    NativeRegistry.clear();
    size_t from = 0, nl;
    while ((nl = text.find('\n', from)) != std::string::npos) {
        std::string ln = text.substr(from, nl - from);
        from = nl + 1;
        size_t t1 = ln.find('\t'), t2 = ln.find('\t', t1 + 1), t3 = ln.find('\t', t2 + 1);
        if (t3 == std::string::npos)
            continue;
        std::string key = ln.substr(0, t1), name = ln.substr(t1 + 1, t2 - t1 - 1);
        int type = atoi(ln.substr(t2 + 1, t3 - t2 - 1).c_str());
        auto& values = NativeRegistry[key];
        if (type == 0)
            continue;
        std::string bytes;
        for (size_t i = t3 + 1; i + 1 < ln.size(); i += 2)
            bytes += (char)strtol(ln.substr(i, 2).c_str(), nullptr, 16);
        values[name] = {type, bytes};
    }
}
