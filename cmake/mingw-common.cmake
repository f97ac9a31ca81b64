# Shared part of the MinGW-w64 toolchain files; PH_TRIPLE names the target.
# The posix-thread compilers: GoogleTest needs std::mutex.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${PH_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PH_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PH_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PH_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
