// Registry stores of the running aquarium, kept in memory for the native tests.
#include "scrn01/store/regsave.h"
#include "scrn01/store/regsave_native.h"
#include "scrn01/store/regstore.h"

int NativeRegResult = 0;
int NativeRegSy1Calls, NativeRegSy2Calls, NativeSYScntWCalls;
int NativeStoredSYS01;
std::string NativeStoredFss;
int NativeStoredSYScnt, NativeStoredSYSrnd;

void RegSaveNativeReset()
{
    NativeRegResult = 0;
    NativeRegSy1Calls = NativeRegSy2Calls = NativeSYScntWCalls = 0;
    NativeStoredSYS01 = NativeStoredSYScnt = NativeStoredSYSrnd = 0;
    NativeStoredFss.clear();
}

static void StoreCounters()
{
    NativeStoredSYScnt = m_nSYScnt;
    NativeStoredSYSrnd = m_nSYSrnd;
}

int RegSy1()
{
    NativeRegSy1Calls++;
    if (NativeRegResult != 0)
        return NativeRegResult;
    if (m_nSYS01 > 0)
        m_nSYS01--;
    NativeStoredSYS01 = m_nSYS01;
    StoreCounters();
    return 0;
}

int RegSy2()
{
    NativeRegSy2Calls++;
    if (NativeRegResult != 0)
        return NativeRegResult;
    char digits[FishMax + 1];
    FssToText(digits);
    NativeStoredFss = digits;
    NativeStoredSYS01 = m_nSYS01;
    return 0;
}

int SYScntW()
{
    NativeSYScntWCalls++;
    if (NativeRegResult != 0)
        return NativeRegResult;
    StoreCounters();
    return 0;
}
