#!/usr/bin/env bash
# Set up and run every test: installs packages, builds all three builds and the
# native benchmark, runs the native unit tests, the fuzzers briefly, the Windows
# tests under wine64 and a short run of the benchmark.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" native win64 win32 bench
# The shipped installers and zip (the x86 installer is only built here: it
# cannot run on this machine).
"$root/scripts/package.sh" >/dev/null
status=0
ctest --test-dir "$root/build/native" --output-on-failure -j 2 || status=1
"$root/scripts/fuzz.sh" "${PH_FUZZ_SECONDS:-5}" || status=1
ctest --test-dir "$root/build/win64" --output-on-failure || status=1
# The benchmark, briefly: that it runs and measures, not its numbers.
PH_BENCH_BUILD=0 PH_BENCH_SIZES=1024x768 PH_BENCH_MIN_TIME=0.01 "$root/scripts/bench.sh" 2 || status=1
if [ "$status" = 0 ]; then echo "all tests passed"; fi
exit $status
