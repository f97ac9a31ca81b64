// Error messages and the error log.
#include "scrn01/store/msglog.h"
#include "scrn01/store/oscall.h"
#include "scrn01/settings/startvalues.h"

#include <cstdio>
#include <cstring>

char Msg001[MsgTxtSize] = "SYSTEM001 System File can't close !";
char Msg002[MsgTxtSize] = "SYSTEM002 Registry Access Error";
char Msg003[MsgTxtSize] = "SYSTEM003 System File can't Delete !";
char Msg004[MsgTxtSize] = "SYSTEM004 Registry Read Error!";
char Msg005[MsgTxtSize] = "SYSTEM005 Bottan Mark Nothing!";
char Msg006[MsgTxtSize] = "SYSTEM006 Fish Mark Nothing!";
char Msg007[MsgTxtSize] = "SYSTEM007 Back Color Mark Nothing!";
char Msg009[MsgTxtSize] = "SYSTEM009 DeleteObject!";
char Msg010[MsgTxtSize] = "SYSTEM010 DeleteDC!";
char Msg011[MsgTxtSize] = "SYSTEM011 System File can't Rename!";
char Msg012[MsgTxtSize] = "SYSTEM012 System File Not Found!";
char TITLE[20] = "PondelHarbor";
char MsgStr[256];
char DATime[20];
const char ErrFileName[] = "PondelErr.log";
char DirName1[512];
int m_nMsgon = 0;
MsgBoxHookFn MsgBoxHook = nullptr;

static char LogPath[256];    // DirName1 + ErrFileName, a buffer of its own
static char LogFallback[512];

static const StartValues MsgLogStart(Msg001, Msg002, Msg003, Msg004, Msg005, Msg006, Msg007, Msg009,
                                     Msg010, Msg011, Msg012, TITLE, MsgStr, DATime, DirName1,
                                     m_nMsgon, MsgBoxHook, LogPath, LogFallback);

void MsgLogReset()
{
    MsgLogStart.Restore();
}

void StrCopyCut(char* dst, int cap, const char* src)
{
    if (cap <= 0)
        return;
    dst[0] = '\0';
    StrCatCut(dst, cap, src);
}

void StrCatCut(char* dst, int cap, const char* src)
{
    if (cap <= 0 || !src)
        return;
    size_t used = strnlen(dst, (size_t)cap - 1);
    size_t room = (size_t)cap - 1 - used;
    size_t n = strnlen(src, room);
    memcpy(dst + used, src, n);
    dst[used + n] = '\0';
}

char* MsgTableText(int n)
{
    switch (n) {
    case 1: return Msg001;
    case 2: return Msg002;
    case 3: return Msg003;
    case 4: return Msg004;
    case 5: return Msg005;
    case 6: return Msg006;
    case 7: return Msg007;
    case 9: return Msg009;
    case 10: return Msg010;
    case 11: return Msg011;
    case 12: return Msg012;
    default: return nullptr;
    }
}

void MsgWrt1(int msgno, const char* msg1, const char* msg2, int tp1)
{
    if (!msg1)
        msg1 = "";
    if (msgno > 0) {
        char num[3 + 1];
        // Three digits; a longer number keeps its last three.
        snprintf(num, sizeof num, "%03d", msgno % 1000);
        StrCopyCut(MsgStr, sizeof MsgStr, "Error Point");
        StrCatCut(MsgStr, sizeof MsgStr, num);
        StrCatCut(MsgStr, sizeof MsgStr, " ");
        StrCatCut(MsgStr, sizeof MsgStr, msg1);
    } else {
        StrCopyCut(MsgStr, sizeof MsgStr, msg1);
    }
    if (msg2 && msg2[0]) {
        StrCatCut(MsgStr, sizeof MsgStr, "( ");
        StrCatCut(MsgStr, sizeof MsgStr, msg2);
        StrCatCut(MsgStr, sizeof MsgStr, " )");
    }
    MsgOut(tp1);
}

void MsgOut(int tp1)
{
    if (m_nMsgon == 1) {
        int icon;
        switch (tp1) {
        case 1: icon = OsMbIconExclamation; break;
        case 2: icon = OsMbIconQuestion; break;
        default: icon = OsMbIconHand; break;
        }
        unsigned style = (unsigned)(OsMbSystemModal | icon);
        if (MsgBoxHook)
            MsgBoxHook(MsgStr, TITLE, style);
        else
            OsMessageBox(MsgStr, TITLE, style);
        return;
    }
    WriteLog1();
}

void SetLocalDateTime()
{
    char date[15], time[10];
    if (!OsLocalDate(date, sizeof date))
        StrCopyCut(date, sizeof date, "0000.00.00");
    if (!OsLocalTime(time, sizeof time))
        StrCopyCut(time, sizeof time, "00:00");
    StrCopyCut(DATime, sizeof DATime, date);
    StrCatCut(DATime, sizeof DATime, " ");
    StrCatCut(DATime, sizeof DATime, time);
}

static void WriteLogFallback()
{
    StrCopyCut(LogFallback, sizeof LogFallback, MsgStr);
    StrCatCut(LogFallback, sizeof LogFallback, ", ");
    StrCatCut(LogFallback, sizeof LogFallback, "Error Point008 ");
    StrCatCut(LogFallback, sizeof LogFallback, Msg001);
    StrCatCut(LogFallback, sizeof LogFallback, "( ");
    StrCatCut(LogFallback, sizeof LogFallback, LogPath);
    StrCatCut(LogFallback, sizeof LogFallback, " ) ");
    StrCatCut(LogFallback, sizeof LogFallback, DATime);
    OsWriteProfileString("PondelHarbor", "MsgError", LogFallback);
}

void WriteLog1()
{
    SetLocalDateTime();
    StrCopyCut(LogPath, sizeof LogPath, DirName1);
    StrCatCut(LogPath, sizeof LogPath, ErrFileName);
    // A directory too long for the path buffer would name another file: refuse it.
    bool cut = strlen(DirName1) + strlen(ErrFileName) >= sizeof LogPath;
    FILE* f = (DirName1[0] && !cut) ? OsFileOpen(LogPath, "a") : nullptr;
    if (!f) {
        WriteLogFallback();
        return;
    }
    fprintf(f, "%s %s\n", MsgStr, DATime);
    if (OsFileClose(f))
        OsSetFileNormal(LogPath);
    else
        WriteLogFallback();
}
