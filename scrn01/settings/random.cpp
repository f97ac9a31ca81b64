// Random numbers and the weighted-list scanner.
#include "scrn01/settings/random.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <ctime>

char RTMoji[RTMojiSize];
char RTMoji2[RTMojiSize];

void RandomReset()
{
    RTMoji[0] = RTMoji2[0] = '\0';
    RndSeed(1);
}

void TMRndm()
{
    long long t = (long long)time(nullptr);
    int n = (int)(t % 1000);
    if (n < 0)
        n = -n;
    for (int i = 0; i < n; i++)
        RndDraw();
}

int Rndm(int su11, int su21)
{
    long long r = RndDraw();
    long long n = (long long)su21 - su11 + 1;
    if (n == 0)
        return su11;
    // Truncating remainder: r >= 0, so 0..|n|-1 whatever the sign of n.
    return (int)(su11 + r % n);
}

static bool EndOf(char c) { return c == '\0' || c == '\n'; }

int Pamsu(const char* Moji, const char* ku, int sz)
{
    if (!Moji || sz < 1 || EndOf(Moji[0]))
        return 1;
    char sep = ku ? ku[0] : '\0';
    int cnt = 0;
    // A separator in the first position is not counted.
    for (int i = 1; i < sz && !EndOf(Moji[i]); i++)
        if (Moji[i] == sep)
            cnt++;
    return cnt + 1;
}

// Copy the characters of item k (1-based) of src into dst (cut to RTMojiSize - 1).
static void Extract(const char* src, int k, char sep, int sz, char* dst)
{
    int seen = 0, n = 0;
    for (int i = 0; src && i < sz && !EndOf(src[i]); i++) {
        if (src[i] == sep) {
            if (++seen >= k)
                break;
            continue;
        }
        if (seen == k - 1 && n < RTMojiSize - 1)
            dst[n++] = src[i];
    }
    dst[n] = '\0';
}

void Pam(const char* Moji, int ib1, const char* ku, int sz)
{
    Extract(Moji, ib1, ku ? ku[0] : '\0', sz, RTMoji);
}

void Pam2(int ib1, const char* ku)
{
    Extract(RTMoji, ib1, ku ? ku[0] : '\0', RTMojiSize, RTMoji2);
}

int Pam3()
{
    // No validation: every character adds (c - '0'); wraps instead of overflowing.
    unsigned v = 0;
    for (int i = 0; i < RTMojiSize && RTMoji2[i] != '\0'; i++)
        v = v * 10u + (unsigned)(RTMoji2[i] - '0');
    return (int)v;
}

int RndmX(const char* Moji, int sz)
{
    int cnt = Pamsu(Moji, "$", sz);
    if (cnt > RndmXMax)
        cnt = RndmXMax;
    int val[RndmXMax];
    int cum[RndmXMax];
    long long total = 0;
    for (int i = 0; i < cnt; i++) {
        Pam(Moji, i + 1, "$", sz);
        Pam2(1, ":");
        val[i] = Pam3();
        Pam2(2, ":");
        int w = Pam3();
        if (w > 0)                 // a malformed negative weight counts as 0
            total += w;
        if (total > INT_MAX)
            total = INT_MAX;
        cum[i] = (int)total;
    }
    int r = Rndm(1, (int)total);
    int i = 0;
    while (i < cnt - 1 && cum[i] < r)
        i++;
    return val[i];
}

void LstAdd(char* list, int cap, int value, int weight)
{
    char item[32];
    size_t len = strlen(list);
    int n = snprintf(item, sizeof item, "%s%d:%d", len ? "$" : "", value, weight);
    if (n > 0 && len + (size_t)n < (size_t)cap)
        memcpy(list + len, item, (size_t)n + 1);
}
