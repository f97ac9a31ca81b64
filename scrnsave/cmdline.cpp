// Command-line scanning of the run modes.
#include "scrnsave/cmdline.h"
#include "scrnsave/cmdcall.h"

const char* SkipProgramName(const char* p)
{
    if (*p == '"') {
        do
            p = OsCharNext(p);
        while (*p && *p != '"');
        if (*p == '"')
            p = OsCharNext(p);
    } else if ((unsigned char)*p > ' ') {
        while ((unsigned char)*p > ' ')
            p = OsCharNext(p);
    }
    while (*p && (unsigned char)*p <= ' ')
        p = OsCharNext(p);
    return p;
}

unsigned atoui(const char* p)
{
    unsigned v = 0;
    while (*p >= '0' && *p <= '9')
        v = v * 10u + (unsigned)(*p++ - '0');
    return v;
}

static const char* SkipBlanks(const char* p)
{
    while (*p == ' ')
        p++;
    return p;
}

SwitchScan ScanSwitch(const char* p)
{
    while (*p == ' ' || *p == '-' || *p == '/')
        p++;
    SwitchScan r = {ModeNone, p, false};
    switch (*p) {
    case '\0':
        r.mode = ModeConfigNoOwner;
        break;
    case 'C': case 'c':
        r.mode = ModeConfig;
        p++;
        if (*p == ':') {
            r.hasColon = true;
            p++;
        }
        r.rest = p;
        break;
    case 'S': case 's':
        r.mode = ModeSave;
        break;
    case 'P': case 'p': case 'L': case 'l':
        r.mode = ModePreview;
        r.rest = SkipBlanks(p + 1);
        break;
    case 'A': case 'a':
        r.mode = ModeChangePw;
        r.rest = SkipBlanks(p + 1);
        break;
    default:
        break;
    }
    return r;
}
