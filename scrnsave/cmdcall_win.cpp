// Win32 side of the command-line scanner's call.
#include "scrnsave/cmdcall.h"

#include <windows.h>

const char* OsCharNext(const char* p)
{
    return CharNextA(p);
}
