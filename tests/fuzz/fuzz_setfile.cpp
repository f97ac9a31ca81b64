// Settings-file reader: any text keeps every replaced text inside its buffer
// and the timer periods positive.
#include "scrn01/display/tuning.h"
#include "scrn01/store/datafile.h"
#include "scrn01/store/dlgtext.h"
#include "scrn01/store/msglog.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static void Check(bool ok)
{
    if (!ok)
        abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    FILE* fp = fmemopen((void*)data, size, "r");
    if (!fp)
        return 0;
    while (ReadLine1(fp, line, SetLineSize)) {
        Check(strlen(line) < SetLineSize);
        SetLineStore(line);
    }
    fclose(fp);
    for (int key = 1; key <= 100; key++) {
        int cap = 0;
        if (char* t = DlgTextTarget(key, &cap))
            Check((int)strnlen(t, (size_t)cap) < cap);
    }
    Check(strnlen(TITLE, sizeof TITLE) < sizeof TITLE);
    for (int n = 1; n <= 12; n++)
        if (char* m = MsgTableText(n))
            Check(strnlen(m, MsgTxtSize) < MsgTxtSize);
    Check(nSpeed1 >= 1 && nSpeed2 >= 1);
    return 0;
}
