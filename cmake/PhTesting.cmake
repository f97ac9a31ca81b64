# Test helpers.
#   ph_add_native_test(name src...)  native GoogleTest program (ASan/UBSan), links ph_core
#   ph_add_wine_test(name src...)    x86_64 GoogleTest program run under wine64, links ph_core
# Wine tests share one fresh WINEPREFIX and Xvfb display per ctest run (fixture
# "wine"); they run one at a time.

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
  if(CMAKE_CROSSCOMPILING_EMULATOR)
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
# runs it in the environment made by ph_add_wine_env(name) instead of the shared one.
function(ph_add_wine_test name)
  if(NOT WIN32)
    return()
  endif()
  cmake_parse_arguments(W "" "WINE_ENV" "ENV;LIBS" ${ARGN})
  add_executable(${name} ${W_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ph_core gtest_main ${W_LIBS})
  if(CMAKE_CROSSCOMPILING_EMULATOR)
    set(fixture wine)
    set(dir ${PH_WINE_DIR})
    if(W_WINE_ENV)
      set(fixture wine_${W_WINE_ENV})
      set(dir ${PH_WINE_DIR}-${W_WINE_ENV})
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
      LABELS wine TIMEOUT 600
      FIXTURES_REQUIRED ${fixture}
      RESOURCE_LOCK wine
      ENVIRONMENT "PH_WINE_DIR=${dir};${W_ENV}")
  endif()
endfunction()

# ph_add_wine_env(name [ENV var=value...]): a fresh prefix and display of its
# own (build/win64/wine-<name>) for tests that change the machine, such as an
# installation, or need another display (ENV PH_WINE_MONITORS=2, see
# scripts/wine-env.sh).
function(ph_add_wine_env name)
  if(NOT WIN32 OR NOT CMAKE_CROSSCOMPILING_EMULATOR)
    return()
  endif()
  cmake_parse_arguments(E "" "" "ENV" ${ARGN})
  set(dir ${PH_WINE_DIR}-${name})
  add_test(NAME wine_${name}_setup COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-env.sh setup ${dir})
  set_tests_properties(wine_${name}_setup PROPERTIES
    FIXTURES_SETUP wine_${name} TIMEOUT 180 RESOURCE_LOCK wine ENVIRONMENT "${E_ENV}")
  add_test(NAME wine_${name}_cleanup COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-env.sh cleanup ${dir})
  set_tests_properties(wine_${name}_cleanup PROPERTIES FIXTURES_CLEANUP wine_${name})
endfunction()
