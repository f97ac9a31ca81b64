// The whole aquarium from what it reads: the input becomes a settings file,
// a data file and the registry values, then the saver starts as at window
// creation and runs a few hundred frames through the native drawing seam.
// Every frame holds at most 100 fish, as many as the pattern counters count,
// each of a kind 1..35, and draws only inside its sheet and the screen; the
// error log stays short.
//
// Input: text sections, each opened by a line of its own:
//   [set]   the settings file PondelSet.ini
//   [data]  the shared data file PondelData.ini
//   [user]  the per-user data file
//   [reg]   registry values, one per line: name=t:value for the per-user key,
//           I:name=t:value for the installation key; t is d (number), s (text),
//           r (text without its terminator), b (binary bytes), x (number of
//           another size). A line "-" alone: no per-user key (a first run);
//           "I:-": no installation key.
//   [run]   screen width and height, frames, random seed, right-click frames
//           mask, DPI, another monitor (left, top, width, height; none when of
//           no size), 1 when the frame surface cannot be made
// A section missing: no such file; no [reg]: no per-user key.
#include "scrn01/display/band.h"
#include "scrn01/display/dispmode.h"
#include "scrn01/display/ddcall_native.h"
#include "scrn01/display/fishdata.h"
#include "scrn01/display/frame.h"
#include "scrn01/display/saverstate.h"
#include "scrn01/display/tuning.h"
#include "scrn01/settings/fishtable.h"
#include "scrn01/settings/program.h"
#include "scrn01/settings/random.h"
#include "scrn01/settings/records.h"
#include "scrn01/store/datafile.h"
#include "scrn01/store/dlgtext.h"
#include "scrn01/store/msglog.h"
#include "scrn01/store/oscall_native.h"
#include "scrn01/store/regstore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

static void Check(bool ok)
{
    if (!ok)
        abort();
}

const int FrameMax = 400;
const int LogLinesMax = 16;   // every report of the saver comes at most once or twice

static std::string Dir;       // installation directory, with its separator

static void Put(const std::string& name, const std::string* text)
{
    std::string path = Dir + name;
    unlink(path.c_str());
    if (!text)
        return;
    FILE* f = fopen(path.c_str(), "wb");
    Check(f != nullptr);
    fwrite(text->data(), 1, text->size(), f);
    fclose(f);
}

// One registry line into the native registry.
static void RegLine(const std::string& ln)
{
    std::string key = NativeUserKey();
    size_t from = 0;
    if (ln.compare(0, 2, "I:") == 0) {
        key = NativeInstallKey();
        from = 2;
    }
    if (ln.compare(from, std::string::npos, "-") == 0) {
        NativeRegistry.erase(key);
        return;
    }
    size_t eq = ln.find('=', from);
    if (eq == std::string::npos || eq + 3 > ln.size() || ln[eq + 2] != ':')
        return;
    std::string name = ln.substr(from, eq - from), value = ln.substr(eq + 3);
    switch (ln[eq + 1]) {
    case 'd': NativeRegPutInt(key, name.c_str(), (int)strtoll(value.c_str(), nullptr, 10)); break;
    case 's': NativeRegPutStr(key, name.c_str(), value); break;
    case 'r': NativeRegistry[key][name] = {NativeRegSz, value}; break;
    case 'b': NativeRegistry[key][name] = {NativeRegBinary, value}; break;
    case 'x': NativeRegistry[key][name] = {NativeRegDword, value}; break;
    default: break;
    }
}

static void ResetAll()
{
    RecordsReset();
    ProgramReset();
    FishTableReset();
    FishDataReset();
    RegValuesReset();
    DataFileReset();
    DlgTextReset();
    MsgLogReset();
    TuningReset();
    BandReset();
    SaverStateReset();
    FrameReset();
    RandomReset();
    DdNativeReset();
    DdLogOn = false;
    NativeOsReset();
    NativeUserName = "fuzz";
    NativeDate = "2006.06.02";
    NativeTime = "16:56";
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char tmpl[] = "/dev/shm/ph_fuzz_XXXXXX";
    char* d = mkdtemp(tmpl);
    if (!d) {
        snprintf(tmpl, sizeof tmpl, "/tmp/ph_fuzz_XXXXXX");
        d = mkdtemp(tmpl);
    }
    Check(d != nullptr);
    Dir = std::string(d) + "/";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string in((const char*)data, size), sec, text[4], reg, run;
    bool have[4] = {false, false, false, false};   // set, data, user, reg
    static const char* const heads[] = {"[set]", "[data]", "[user]", "[reg]", "[run]"};
    int cur = -1;
    size_t from = 0;
    while (from < in.size()) {
        size_t nl = in.find('\n', from);
        std::string ln = in.substr(from, nl == std::string::npos ? std::string::npos : nl - from);
        from = nl == std::string::npos ? in.size() : nl + 1;
        int h = -1;
        for (int i = 0; i < 5; i++)
            if (ln == heads[i])
                h = i;
        if (h >= 0) {
            cur = h;
            if (h < 4)
                have[h] = true;
            continue;
        }
        if (cur == 4)
            run += ln + " ";
        else if (cur >= 0)
            text[cur] += ln + (nl == std::string::npos ? "" : "\n");
    }

    ResetAll();
    Put("PondelSet.ini", have[0] ? &text[0] : nullptr);
    Put("PondelData.ini", have[1] ? &text[1] : nullptr);
    Put("fuzzPondelData.ini", have[2] ? &text[2] : nullptr);
    Put("PondelErr.log", nullptr);
    Put("DataWork.ini", nullptr);
    NativeRegPutStr(NativeInstallKey(), "Directory", Dir);
    if (have[3]) {
        NativeRegistry[NativeUserKey()];
        size_t p = 0;
        while (p < text[3].size()) {
            size_t nl = text[3].find('\n', p);
            RegLine(text[3].substr(p, nl == std::string::npos ? std::string::npos : nl - p));
            p = nl == std::string::npos ? text[3].size() : nl + 1;
        }
    }
    long w = 1024, h = 768, frames = 300, seed = 1, dpi = 96, ox = 0, oy = 0, ow = 0, oh = 0;
    long noFrame = 0;
    unsigned long long clicks = 0;
    sscanf(run.c_str(), "%ld %ld %ld %ld %llu %ld %ld %ld %ld %ld %ld", &w, &h, &frames, &seed,
           &clicks, &dpi, &ox, &oy, &ow, &oh, &noFrame);
    NativeScreenW = w < 320 ? 320 : w > 4096 ? 4096 : (int)w;
    NativeScreenH = h < 200 ? 200 : h > 4096 ? 4096 : (int)h;
    NativeScreenDpi = (int)std::clamp(dpi, -1000L, 1000L);
    NativeOthers.clear();
    auto side = [](long v) { return (int)std::clamp(v, -8192L, 8192L); };
    if (ow > 0 && oh > 0)
        NativeOthers.push_back({side(ox), side(oy), side(ox) + side(ow), side(oy) + side(oh)});
    frames = frames < 1 ? 1 : frames > FrameMax ? FrameMax : frames;

    // Without the installation key the saver looks in the current folder.
    static int here = open(".", O_RDONLY | O_DIRECTORY);
    Check(here >= 0 && chdir(Dir.c_str()) == 0);

    // Window creation, then the timer ticks; the random start-up made repeatable.
    SaverStartUp();
    RndSeed((unsigned)seed);
    SaverReadSettings();
    // What the set-up does once the primary surface exists.
    if (noFrame)
        DdScript[DdCallCount] = DdFailed;
    SetUpFrame();
    for (long f = 0; f < frames; f++) {
        AquariumTick();
        if (clicks >> (f % 64) & 1)
            GuestCatch();
        // The fish of each pattern are the ones its counter counts, 100 at most.
        int count[FPatMax] = {0}, fish = 0;
        for (int j = 0; j < FishSlotMax; j++) {
            if (ffshu[j] == 0)
                continue;
            Check(ffshu[j] >= 1 && ffshu[j] <= FishMax);
            Check(fffii[j] >= 0 && fffii[j] <= addfig);
            count[fffii[j]]++;
        }
        for (int p = 0; p < FPatMax; p++) {
            Check(count[p] == m_nFnh[p]);
            fish += m_nFnh[p];
        }
        Check(fish <= FishSlotMax);
        Check(DdBadCalls == 0);
    }

    // The error log: a few lines at most, each of one report.
    FILE* log = fopen((Dir + "PondelErr.log").c_str(), "rb");
    if (log) {
        int lines = 0, len = 0, c;
        while ((c = getc(log)) != EOF) {
            len++;
            if (c == '\n') {
                lines++;
                Check(len <= (int)sizeof MsgStr + (int)sizeof DATime);
                len = 0;
            }
        }
        fclose(log);
        Check(lines <= LogLinesMax && len == 0);
    }
    Check(fchdir(here) == 0);
    // Nothing allocated stays to the next input (libFuzzer would look for a leak).
    NativeOsReset();
    return 0;
}
