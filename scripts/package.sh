#!/usr/bin/env bash
# Builds what ships into build/dist/:
#   PondelHarbor-Setup-<version>.exe       x86 installer carrying both builds
#   PondelHarbor-Setup-<version>-x64.exe   amd64 installer, 64-bit Windows only
#   PondelHarbor-<version>.zip             both .scr builds (win32/, win64/)
#   debug/win32, debug/win64               the unstripped builds, for reading crash addresses
# What ships carries no debug information.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
broot=${PH_BUILD_ROOT:-$root/build}
"$root/scripts/build.sh" win64 win32
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$broot/win64/CMakeCache.txt")
dist="$broot/dist"
rm -rf "$dist"
for b in win32 win64; do
  case $b in
    win32) strip=i686-w64-mingw32-strip ;;
    win64) strip=x86_64-w64-mingw32-strip ;;
  esac
  mkdir -p "$dist/$b" "$dist/debug/$b"
  cp "$broot/$b/PondelHarbor.scr" "$dist/debug/$b/"
  "$strip" -o "$dist/$b/PondelHarbor.scr" "$broot/$b/PondelHarbor.scr"
done
icon="$broot/win64/art/PondelHarbor.ico"
data="$broot/win64/installer/PondelData.ini"
"$root/installer/make-installer.sh" "$dist/PondelHarbor-Setup-$version.exe" "$version" "$icon" \
  "$data" "$dist/win64/PondelHarbor.scr" "$dist/win32/PondelHarbor.scr"
"$root/installer/make-installer.sh" "$dist/PondelHarbor-Setup-$version-x64.exe" "$version" "$icon" \
  "$data" "$dist/win64/PondelHarbor.scr"
rm -f "$dist"/*.exe.log
(cd "$dist" && zip -q -r "PondelHarbor-$version.zip" win32/PondelHarbor.scr win64/PondelHarbor.scr)
ls -l "$dist"
