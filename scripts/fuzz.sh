#!/usr/bin/env bash
# Build the libFuzzer targets in their own clang build and run each for a while.
#   fuzz.sh [seconds [target...]]   seconds per target (default 5); targets:
#                                   setfile datafile listscan aquarium (default all)
# Build dir: $PH_FUZZ_DIR or build/fuzz. New inputs collect in <build>/corpus/<target>;
# a failing input is saved in <build>/artifacts and its log printed.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
secs=${1:-5}
[ $# -gt 0 ] && shift
b=${PH_FUZZ_DIR:-$root/build/fuzz}
targets=${*:-setfile datafile listscan aquarium}
mkdir -p "$b"
if [ ! -f "$b/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$b" -G Ninja -DPH_FUZZ=ON >"$b/configure.log" 2>&1 ||
    { cat "$b/configure.log"; exit 1; }
fi
build_targets=""
for t in $targets; do build_targets="$build_targets fuzz_$t"; done
# shellcheck disable=SC2086
cmake --build "$b" -j "${PH_JOBS:-2}" --target $build_targets >"$b/build.log" 2>&1 ||
  { tail -40 "$b/build.log"; exit 1; }
mkdir -p "$b/artifacts"
status=0
for t in $targets; do
  corpus="$b/corpus/$t"
  mkdir -p "$corpus"
  log="$b/fuzz_$t.log"
  maxlen=4096
  # Whole data files of several sets.
  [ "$t" = aquarium ] && maxlen=16384
  if "$b/tests/fuzz/fuzz_$t" -max_total_time="$secs" -max_len=$maxlen -timeout=10 \
      -artifact_prefix="$b/artifacts/${t}-" "$corpus" "$root/tests/fuzz/seeds/$t" >"$log" 2>&1; then
    runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log" | tail -1)
    echo "fuzz_$t: ok, ${runs:-0} runs in ${secs}s"
  else
    echo "fuzz_$t: FAILED (log $log)"
    tail -40 "$log"
    status=1
  fi
done
exit $status
