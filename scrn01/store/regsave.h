// The registry stores the aquarium makes while it runs: the new-fish counters
// and the owned kinds. regstore.cpp writes them to the registry;
// regsave_native.cpp stands in for the native tests.
#pragma once

int RegSy1();    // m_nSYS01 one less; stores it with the tick counters
int RegSy2();    // stores m_nSYS01 and the owned kinds
int SYScntW();   // stores the tick counters
// Each returns 0 when stored, otherwise the failed step.
