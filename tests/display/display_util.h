// Helpers for the display tests: a clean aquarium, a hand-placed fish and
// the recorded draws as text.
#pragma once
#include "../settings/settings_util.h"
#include "scrn01/display/band.h"
#include "scrn01/display/ddcall_native.h"
#include "scrn01/display/frame.h"
#include "scrn01/display/population.h"
#include "scrn01/display/saverstate.h"
#include "scrn01/display/tuning.h"
#include "scrn01/store/msglog.h"
#include "scrn01/store/oscall.h"
#include "scrn01/store/oscall_native.h"

#include <cstring>
#include <string>
#include <vector>

// Reports of MsgWrt1, captured from the message box the dialog mode shows.
inline std::vector<std::string>& Reports()
{
    static std::vector<std::string> r;
    return r;
}
inline int CaptureReport(const char* text, const char*, unsigned)
{
    Reports().push_back(text);
    return 1;
}

// The registry stores of the running aquarium, seen through the native seam:
// how often the per-user key was opened, and whether registry calls fail.
struct RegWatch {
    int opens = 0;
    bool fail = false;
};
inline RegWatch& Reg()
{
    static RegWatch w;
    return w;
}
inline void WatchRegistry()
{
    Reg() = RegWatch();
    NativeOsFault = [](long, const char* call) {
        if (strcmp(call, "OsRegCreate") == 0)
            Reg().opens++;
        return !(Reg().fail && strncmp(call, "OsReg", 5) == 0);
    };
}
// A value of the per-user key: a number (-1 when missing), a text.
inline int UserInt(const char* name)
{
    return NativeRegInt(NativeUserKey(), name, -1);
}
inline std::string UserText(const char* name)
{
    const std::string& b = NativeRegistry[NativeUserKey()][name].bytes;
    return std::string(b.c_str());
}

// One loaded set (kind 1 owned, default water), an empty aquarium, a
// 1024 x 768 screen in "Midum" height, every value at its start.
inline void ResetDisplay(int sets = 1)
{
    ResetState(sets);
    TuningReset();
    BandReset();
    SaverStateReset();
    FrameReset();
    DdNativeReset();
    NativeOsReset();
    WatchRegistry();
    NativeScreenW = 1024;
    NativeScreenH = 768;
    NativeOthers.clear();
    NativeScreenDpi = 96;
    AquariumSetUp();
    m_nFish = 0;
    Reports().clear();
    m_nMsgon = 1;
    MsgBoxHook = CaptureReport;
}

// A fish of kind k in slot j at (x, y) px, heading d, swimming straight
// (no turn, a long straight run) with steps (ax, ay) per tick. Its burst
// level only counts the run: give it 1..4 before anything recomputes the steps.
inline void PlaceFish(int j, int k, int x, int y, int d, int ax = 0, int ay = 0, int size = 100)
{
    ffshu[j] = k;
    fffii[j] = 0;
    ffsiz[j] = size;
    ffsFW[j] = size * FW / 100;
    ffsFH[j] = size * FH / 100;
    ffdno[j] = d;
    fposx[j] = x * 100;
    fposy[j] = y * 100;
    faddx[j] = ax;
    faddy[j] = ay;
    faddb[j] = 10;
    fidks[j] = 1000000;
    ftrns[j] = ftrnb[j] = ftrnc[j] = 0;
    ffkno[j] = 1;
    ffknf[j] = 1;
    ffkng[j] = 0;
    ffkn2[j] = 5;
    ffkn3[j] = 0;
}

inline std::vector<std::string> LogText()
{
    std::vector<std::string> out;
    for (const DdCallRec& c : DdLog)
        out.push_back(DdCallText(c));
    return out;
}
