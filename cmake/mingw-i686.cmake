# Cross build for 32-bit Windows: the shipped PondelHarbor.scr, and the few
# tests run by the 32-bit Wine under emulation (scripts/wine32-env.sh).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(PH_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
