#!/usr/bin/env bash
# Mutation pass: plants listed one-line faults one at a time, builds the native
# tests and runs them; a fault is killed when the build or a test fails.
#   mutate.sh [list]     default scripts/mutants.txt
# A list line reads "file: original => mutated": the one line of file that holds
# the text original gets it replaced by mutated. Lines starting with # are
# skipped. The file is restored after each fault, also when the run is stopped.
# PH_MUTATE_SKIP: ctest regex of native tests left out (default the art tests).
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
list=${1:-$root/scripts/mutants.txt}
build=${PH_BUILD_ROOT:-$root/build}/native
skip=${PH_MUTATE_SKIP:-^art_}
keep=$(mktemp)
planted=""
restore() { [ -z "$planted" ] || cp "$keep" "$planted"; planted=""; }
trap 'restore; rm -f "$keep"' EXIT
trap 'exit 130' INT TERM

passes() {
  "$root/scripts/build.sh" native >/dev/null 2>&1 &&
    ctest --test-dir "$build" -L native -E "$skip" --timeout 120 -j 2 >/dev/null 2>&1
}
passes || { echo "the native tests fail without a planted fault" >&2; exit 2; }
killed=0 survived=0
while IFS= read -r entry; do
  case "$entry" in '' | '#'*) continue ;; esac
  file=$root/${entry%%: *} rest=${entry#*: }
  orig=${rest%% => *} mut=${rest#* => }
  if [ "$(grep -cF -- "$orig" "$file")" != 1 ]; then
    echo "not on exactly one line of $file: $orig" >&2; exit 2
  fi
  cp "$file" "$keep" && planted=$file
  O=$orig M=$mut perl -i -pe '$i = index($_, $ENV{O}); substr($_, $i, length $ENV{O}) = $ENV{M} if $i >= 0' "$file"
  if passes; then survived=$((survived + 1)); echo "survived  $entry"
  else killed=$((killed + 1)); echo "killed    $entry"; fi
  restore
done <"$list"
total=$((killed + survived))
echo "$killed of $total killed ($((total ? 100 * killed / total : 0)) %)"
