# Cross build for 32-bit Windows: the shipped PondelHarbor.scr (never run here).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(PH_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
