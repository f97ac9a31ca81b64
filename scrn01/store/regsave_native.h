// Native stand-in of the registry stores: the last stored values, a count of
// calls and a scripted result.
#pragma once
#include <string>

extern int NativeRegResult;      // result every store returns (0 stored)
extern int NativeRegSy1Calls, NativeRegSy2Calls, NativeSYScntWCalls;
extern int NativeStoredSYS01;    // "OSIJDUA"
extern std::string NativeStoredFss;   // "OKSKKIS"
extern int NativeStoredSYScnt, NativeStoredSYSrnd;   // "LOSKDIS", "NAUSJEN"

void RegSaveNativeReset();
