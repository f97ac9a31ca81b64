// Native stand-in: single-byte text.
#include "scrnsave/cmdcall.h"

const char* OsCharNext(const char* p)
{
    return *p ? p + 1 : p;
}
