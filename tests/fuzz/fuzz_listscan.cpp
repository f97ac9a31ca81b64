// List scanner and weighted choice over arbitrary text.
#include "scrn01/settings/random.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

static void Check(bool ok)
{
    if (!ok)
        abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // First byte: scan limit; the rest: the list text, as a terminated string.
    int sz = 1 + data[0] * 3;
    std::string text((const char*)data + 1, size - 1);
    RndSeed(1);
    int v = RndmX(text.c_str(), sz);
    (void)v;
    int n = Pamsu(text.c_str(), "$", sz);
    Check(n >= 1);
    for (int i = 1; i <= n + 1 && i <= 60; i++) {
        Pam(text.c_str(), i, "$", sz);
        Check(strnlen(RTMoji, RTMojiSize) < RTMojiSize);
        Pam2(1, ":");
        Check(strnlen(RTMoji2, RTMojiSize) < RTMojiSize);
        Pam3();
        Pam2(2, ":");
        Pam3();
    }
    return 0;
}
