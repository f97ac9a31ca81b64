#!/usr/bin/env bash
# Packages this checkout (scripts/package.sh, unsigned) and checks that the
# release can be reproduced: nothing in build/dist is signed, and a second
# checkout of the same commit at another path, packaged later in another time
# zone and with another umask, gives the same bytes for every file of
# build/dist. Needs a clean working tree (the second checkout is of HEAD);
# build/dist is made in any case.
#   check-repro.sh
# PH_REPRO_PACKAGED=1: build/dist was just made by scripts/package.sh from
# this tree (scripts/test.sh), so only the second checkout is packaged.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
# A checkout owned by another user (a CI runner's) is ours to read.
git() { command git -c safe.directory='*' "$@"; }
unset PH_SIGN_PFX PH_SIGN_PASSWORD PH_SIGN_TIMESTAMP PH_DIST_DIR SOURCE_DATE_EPOCH
first="${PH_BUILD_ROOT:-$root/build}/dist"
if [ -z "${PH_REPRO_PACKAGED:-}" ]; then "$root/scripts/package.sh" >/dev/null; fi
status=0
for f in "$first"/*.exe "$first"/*/PondelHarbor.scr; do
  if ! osslsigncode verify -in "$f" 2>&1 | grep -q 'No signature found'; then
    echo "signed without a certificate given: $f"
    status=1
  fi
done
if [ -n "$(git -C "$root" status --porcelain)" ]; then
  echo "check-repro.sh: the working tree has changes, the second checkout would not have them; commit first" >&2
  exit 1
fi

other=$(mktemp -d "${TMPDIR:-/tmp}/ph-repro.XXXXXX")
trap 'rm -rf "$other"' EXIT
git clone -q --no-checkout --upload-pack="git -c safe.directory='*' upload-pack" "$root" "$other/checkout"
git -C "$other/checkout" checkout -q --detach "$(git -C "$root" rev-parse HEAD)"
start=$(date +%s)
if ! (cd "$other/checkout" && umask 027 && unset PH_BUILD_ROOT &&
  TZ=NPT-5:45 scripts/package.sh >"$other/package.log" 2>&1); then
  cat "$other/package.log"
  exit 1
fi
second="$other/checkout/build/dist"
(cd "$first" && find . -type f | sort) >"$other/first.list"
(cd "$second" && find . -type f | sort) >"$other/second.list"
if ! diff -u "$other/first.list" "$other/second.list"; then status=1; fi
n=0
while read -r f; do
  if [ -f "$second/$f" ] && ! cmp -s "$first/$f" "$second/$f"; then
    echo "differs between the two checkouts: ${f#./}"
    status=1
  fi
  n=$((n + 1))
done <"$other/first.list"
echo "second checkout packaged in $(($(date +%s) - start)) s; $n files compared"
if [ "$status" = 0 ]; then echo "the release is reproducible"; fi
exit $status
