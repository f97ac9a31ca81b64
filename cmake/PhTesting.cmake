# Test helpers.
#   ph_add_native_test(name src...)  native GoogleTest program (ASan/UBSan), links ph_core
#   ph_add_wine_test(name src...)    x86_64 GoogleTest program run under wine64, links ph_core
#   ph_add_i686_run(name FILTER ...) an x86_64 test program run again, against the i686 build
# Wine tests share one fresh WINEPREFIX and Xvfb display per ctest run (fixture
# "wine"); they run one at a time in it. Environments of their own
# (ph_add_wine_env) have their own lock, so that ctest -j runs their tests
# beside those of the shared one. The i686 build makes only the test programs
# marked I686 and runs them in environments of its own.

if(WIN32)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # gtest's own warnings are not ours.
  foreach(t gtest gtest_main)
    target_compile_options(${t} PRIVATE -w)
  endforeach()

  set(PH_WINE_DIR ${CMAKE_BINARY_DIR}/wine)
  if(CMAKE_CROSSCOMPILING_EMULATOR AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    add_test(NAME wine_setup COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-env.sh setup ${PH_WINE_DIR})
    set_tests_properties(wine_setup PROPERTIES FIXTURES_SETUP wine TIMEOUT 180)
    add_test(NAME wine_cleanup COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-env.sh cleanup ${PH_WINE_DIR})
    set_tests_properties(wine_cleanup PROPERTIES FIXTURES_CLEANUP wine)
  endif()
else()
  find_package(GTest REQUIRED)
endif()

function(ph_add_native_test name)
  if(WIN32)
    return()
  endif()
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE ph_core GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS native TIMEOUT 300)
endfunction()

# Extra keywords: ENV var=value... adds environment for the test; WINE_ENV name
# runs it in the environment made by ph_add_wine_env(name) instead of the shared
# one; ARGS arg... are passed to it. I686: the i686 build makes and runs it too
# (in a WINE_ENV); else that build leaves the program out of "all" and runs nothing.
function(ph_add_wine_test name)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(W "I686" "WINE_ENV" "ENV;LIBS;ARGS" ${ARGN})
  set(only_x64 FALSE)
  if(NOT CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64" AND NOT W_I686)
    set(only_x64 TRUE)
  endif()
  if(only_x64)
    add_executable(${name} EXCLUDE_FROM_ALL ${W_UNPARSED_ARGUMENTS})
  else()
    add_executable(${name} ${W_UNPARSED_ARGUMENTS})
  endif()
  target_link_libraries(${name} PRIVATE ph_core gtest_main ${W_LIBS})
  if(CMAKE_CROSSCOMPILING_EMULATOR AND NOT only_x64)
    ph_wine_test_run(${name} ${name} "${W_WINE_ENV}" "${W_ENV}" ${W_ARGS})
  endif()
endfunction()

# ph_wine_test_run(test program env environment args...): the ctest entry.
function(ph_wine_test_run test program env environment)
  set(fixture wine)
  set(dir ${PH_WINE_DIR})
  if(env)
    set(fixture wine_${env})
    set(dir ${PH_WINE_DIR}-${env})
  endif()
  add_test(NAME ${test} COMMAND ${program} ${ARGN})
  set_tests_properties(${test} PROPERTIES
    LABELS wine TIMEOUT 600
    FIXTURES_REQUIRED ${fixture}
    RESOURCE_LOCK ${fixture}
    ENVIRONMENT "PH_WINE_DIR=${dir};${environment}")
endfunction()

# ph_add_i686_run(name FILTER pattern [ENV var=value...]): the x86_64 test
# program `name` once more, as test name_i686, with the i686 build of the
# saver (PH_SCR) and of the test password provider (PH_PWDCPL) from the
# build folder beside this one (build/win32), in a 64-bit prefix that runs
# 32-bit programs with the 32-bit Wine of scripts/wine32-env.sh (environment
# "i686"). FILTER picks its tests (--gtest_filter); it must match one.
function(ph_add_i686_run name)
  if(NOT WIN32 OR NOT CMAKE_CROSSCOMPILING_EMULATOR OR NOT CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
    return()
  endif()
  cmake_parse_arguments(R "" "FILTER" "ENV" ${ARGN})
  set(win32 ${CMAKE_BINARY_DIR}/../win32)
  ph_wine_test_run(${name}_i686 ${name} i686
    "PH_SCR=${win32}/PondelHarbor.scr;PH_PWDCPL=${win32}/tests/host/PASSWORD.CPL;${R_ENV}"
    --gtest_filter=${R_FILTER})
  # A filter that no longer matches (a test renamed) runs nothing: a failure.
  set_tests_properties(${name}_i686 PROPERTIES FAIL_REGULAR_EXPRESSION "Running 0 tests")
endfunction()

# ph_add_wine_env(name [SCRIPT script] [ENV var=value...]): a fresh prefix and
# display of its own (build/win64/wine-<name>) for tests that change the
# machine, such as an installation, or need another display (ENV
# PH_WINE_MONITORS=2, see scripts/wine-env.sh). SCRIPT wine32-env.sh makes it
# with the 32-bit Wine (ENV PH_WINEARCH=win32: a 32-bit-only prefix).
function(ph_add_wine_env name)
  if(NOT WIN32 OR NOT CMAKE_CROSSCOMPILING_EMULATOR)
    return()
  endif()
  cmake_parse_arguments(E "" "SCRIPT" "ENV" ${ARGN})
  if(NOT E_SCRIPT)
    set(E_SCRIPT wine-env.sh)
  endif()
  set(script ${CMAKE_SOURCE_DIR}/scripts/${E_SCRIPT})
  set(dir ${PH_WINE_DIR}-${name})
  add_test(NAME wine_${name}_setup COMMAND ${script} setup ${dir})
  set_tests_properties(wine_${name}_setup PROPERTIES
    FIXTURES_SETUP wine_${name} TIMEOUT 600 RESOURCE_LOCK wine_${name} ENVIRONMENT "${E_ENV}")
  add_test(NAME wine_${name}_cleanup COMMAND ${script} cleanup ${dir})
  set_tests_properties(wine_${name}_cleanup PROPERTIES FIXTURES_CLEANUP wine_${name})
endfunction()

if(WIN32 AND CMAKE_SYSTEM_PROCESSOR STREQUAL "x86_64")
  ph_add_wine_env(i686 SCRIPT wine32-env.sh)
endif()
