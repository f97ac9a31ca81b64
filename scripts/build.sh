#!/usr/bin/env bash
# Configure and build: native (logic + unit tests, ASan/UBSan), win64 (tested
# under wine64) and win32 (the shipped PondelHarbor.scr, tested under the 32-bit
# Wine of scripts/wine32-env.sh); bench, on request,
# the native benchmark (optimised, no sanitizers; see scripts/bench.sh).
#   build.sh [native] [win64] [win32] [bench]     default: the first three
# PH_BUILD_TARGETS: build only these targets (for example "PondelHarbor").
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${PH_JOBS:-2}
configs=${*:-native win64 win32}
for c in $configs; do
  b="${PH_BUILD_ROOT:-$root/build}/$c"
  only=${PH_BUILD_TARGETS:+--target $PH_BUILD_TARGETS}
  case "$c" in
    native) tc="" ;;
    bench) tc="-DPH_BENCH=ON -DPH_SANITIZE=OFF -DPH_TESTS=OFF"; only="--target fish_bench" ;;
    win64) tc="-DCMAKE_TOOLCHAIN_FILE=$root/cmake/mingw-x86_64.cmake" ;;
    win32) tc="-DCMAKE_TOOLCHAIN_FILE=$root/cmake/mingw-i686.cmake -DPH_TESTS=ON" ;;
    *) echo "unknown build: $c" >&2; exit 2 ;;
  esac
  # (a win32 build configured before it had tests is configured again)
  if [ ! -f "$b/CMakeCache.txt" ] || { [ "$c" = win32 ] && grep -qs '^PH_TESTS:BOOL=OFF' "$b/CMakeCache.txt"; }; then
    # shellcheck disable=SC2086
    cmake -S "$root" -B "$b" -G Ninja $tc
  fi
  # shellcheck disable=SC2086
  cmake --build "$b" -j "$jobs" $only
done
