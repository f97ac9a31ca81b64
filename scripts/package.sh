#!/usr/bin/env bash
# Builds what ships into build/dist/:
#   PondelHarbor-Setup-<version>.exe       x86 installer carrying both builds
#   PondelHarbor-Setup-<version>-x64.exe   amd64 installer, 64-bit Windows only
#   PondelHarbor-<version>.zip             both .scr builds (win32/, win64/)
#   win32/, win64/PondelHarbor.scr         the builds the installers and the zip carry
#   SHA256SUMS                             the checksums of all of the above
#   debug/win32, debug/win64               the unstripped builds, for reading crash addresses
# What ships carries no debug information. The same commit gives the same
# bytes in any checkout, at any time: every time stamp is the last commit's
# (SOURCE_DATE_EPOCH, when set, overrides it).
# With PH_SIGN_PFX and PH_SIGN_PASSWORD (and optionally PH_SIGN_TIMESTAMP) set,
# both .scr builds, both installers and their uninstallers are signed (see
# scripts/sign.sh); signatures carry their own time, so signed files differ
# from run to run.
# PH_DIST_DIR writes somewhere else than build/dist.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
# A checkout owned by another user (a CI runner's) is ours to read.
git() { command git -c safe.directory='*' "$@"; }
broot=${PH_BUILD_ROOT:-$root/build}
dist=${PH_DIST_DIR:-$broot/dist}
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  if ! SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null); then
    echo "package.sh: not a git checkout; set SOURCE_DATE_EPOCH" >&2
    exit 1
  fi
fi
export SOURCE_DATE_EPOCH
sign=""
if [ -n "${PH_SIGN_PFX:-}" ]; then
  if [ -z "${PH_SIGN_PASSWORD+set}" ]; then
    echo "package.sh: PH_SIGN_PFX is set, PH_SIGN_PASSWORD is not" >&2
    exit 1
  fi
  sign="$root/scripts/sign.sh"
fi

PH_BUILD_TARGETS="PondelHarbor shared_data" "$root/scripts/build.sh" win64 win32
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$broot/win64/CMakeCache.txt")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
# File modes and times as the zip and the installers record them.
fix() {
  chmod 644 "$@"
  touch -d "@$SOURCE_DATE_EPOCH" "$@"
}
rm -rf "$dist"
for b in win32 win64; do
  case $b in
    win32) strip=i686-w64-mingw32-strip ;;
    win64) strip=x86_64-w64-mingw32-strip ;;
  esac
  mkdir -p "$dist/$b" "$dist/debug/$b"
  cp "$broot/$b/PondelHarbor.scr" "$dist/debug/$b/"
  "$strip" -o "$dist/$b/PondelHarbor.scr" "$broot/$b/PondelHarbor.scr"
  if [ -n "$sign" ]; then "$sign" "$dist/$b/PondelHarbor.scr"; fi
  fix "$dist/$b/PondelHarbor.scr"
done
# What the installers carry, with the commit's time: the shared data file
# and the page pictures (MUI stores them as files).
art="$stage/art"
mkdir -p "$art"
cp "$broot/win64/art/PondelHarbor.ico" "$broot/win64/art/SetupSide.bmp" \
  "$broot/win64/art/SetupHeader.bmp" "$art/"
cp "$broot/win64/installer/PondelData.ini" "$stage/"
fix "$art"/* "$stage/PondelData.ini"
export PH_SIGN_TOOL=$sign
"$root/installer/make-installer.sh" "$dist/PondelHarbor-Setup-$version.exe" "$version" "$art" \
  "$stage/PondelData.ini" "$dist/win64/PondelHarbor.scr" "$dist/win32/PondelHarbor.scr"
"$root/installer/make-installer.sh" "$dist/PondelHarbor-Setup-$version-x64.exe" "$version" "$art" \
  "$stage/PondelData.ini" "$dist/win64/PondelHarbor.scr"
rm -f "$dist"/*.exe.log
cd "$dist"
# -X: no owner or extra time fields; DOS times in UTC.
TZ=UTC zip -q -X -D "PondelHarbor-$version.zip" win32/PondelHarbor.scr win64/PondelHarbor.scr
release=("PondelHarbor-Setup-$version.exe" "PondelHarbor-Setup-$version-x64.exe"
  "PondelHarbor-$version.zip" win32/PondelHarbor.scr win64/PondelHarbor.scr)
fix "${release[@]}"
sha256sum "${release[@]}" >SHA256SUMS
fix SHA256SUMS
ls -l "$dist"
