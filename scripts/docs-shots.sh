#!/usr/bin/env bash
# The README's pictures: the aquarium in band and full-height mode, on two
# monitors and on a 4K screen at 200 % display scaling, both pages of the
# configuration dialog and the installer's welcome page, taken under wine64 on
# a private Xvfb (two monitors: Xephyr on it; 4K: a 3840 x 2160 one) from a
# sample installation (tools/docshot/docshot.cpp), as 8-bit PNGs in docs/.
# The installer's other pages and the uninstaller's first page go to
# build/shots/setup-*.png.
# With a DPI, only the dialog pages at that screen DPI, for looking at the
# layout: build/dialog-section-DPI.png and build/dialog-general-DPI.png.
#   docs-shots.sh [dpi]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dpi=${1:-}
"$root/scripts/deps.sh"
"$root/scripts/build.sh" win64
dir="$root/build/shots-wine"
"$root/scripts/wine-env.sh" setup "$dir" >/dev/null
# shellcheck disable=SC1091
. "$dir/env"
shots="$root/build/shots"
rm -rf "$shots"
mkdir -p "$shots"
status=0
if [ -n "$dpi" ]; then
  "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  PH_SCR="$root/build/win64/PondelHarbor.scr" \
    "$WINE" "$root/build/win64/tools/docshot/docshot.exe" "Z:${shots//\//\\}" dialog || status=$?
  for page in section general; do
    if [ -f "$shots/$page.bmp" ]; then
      convert "$shots/$page.bmp" "$root/build/dialog-$page-$dpi.png"
      echo "screenshot: $root/build/dialog-$page-$dpi.png"
    fi
  done
else
  PH_SCR="$root/build/win64/PondelHarbor.scr" \
    "$WINE" "$root/build/win64/tools/docshot/docshot.exe" "Z:${shots//\//\\}" || status=$?
  # The x64 installer, run through its pages; then the uninstaller.
  setup=$(echo "$root"/build/win64/installer/PondelHarbor-Setup-*-x64.exe)
  "$WINE" "$root/build/win64/tools/docshot/docshot.exe" "Z:${shots//\//\\}" installer "$setup" || status=$?
  for page in welcome components files finish uninstall; do
    bmp="$shots/setup-$page.bmp"
    if [ -f "$bmp" ]; then
      convert "$bmp" "$shots/setup-$page.png"
      echo "installer page: $shots/setup-$page.png"
    fi
  done
  if [ -f "$shots/setup-welcome.bmp" ]; then
    convert "$shots/setup-welcome.bmp" +dither -colors 256 -strip "PNG8:$root/docs/installer-welcome.png"
    echo "picture: $root/docs/installer-welcome.png"
  fi
  "$root/scripts/wine-env.sh" cleanup "$dir"
  PH_WINE_MONITORS=2 "$root/scripts/wine-env.sh" setup "$dir" >/dev/null
  # shellcheck disable=SC1091
  . "$dir/env"
  PH_SCR="$root/build/win64/PondelHarbor.scr" \
    "$WINE" "$root/build/win64/tools/docshot/docshot.exe" "Z:${shots//\//\\}" monitors || status=$?
  # A 4K screen at 200 %: the whole screen scaled down to a quarter, and a
  # part of it at full size.
  "$root/scripts/wine-env.sh" cleanup "$dir"
  PH_WINE_SCREEN=3840x2160x24 "$root/scripts/wine-env.sh" setup "$dir" >/dev/null
  # shellcheck disable=SC1091
  . "$dir/env"
  PH_SCR="$root/build/win64/PondelHarbor.scr" \
    "$WINE" "$root/build/win64/tools/docshot/docshot.exe" "Z:${shots//\//\\}" uhd || status=$?
  mkdir -p "$root/docs"
  if [ -f "$shots/uhd.bmp" ]; then
    convert "$shots/uhd.bmp" -resize 25% +dither -colors 256 -strip "PNG8:$root/docs/aquarium-4k.png"
    convert "$shots/uhd-part.bmp" +dither -colors 256 -strip "PNG8:$root/docs/aquarium-4k-crop.png"
    echo "pictures: $root/docs/aquarium-4k.png $root/docs/aquarium-4k-crop.png"
  fi
  for shot in band:aquarium-band full:aquarium-full monitors:aquarium-two-monitors \
    span:aquarium-one-aquarium \
    section:dialog-section general:dialog-general; do
    bmp="$shots/${shot%%:*}.bmp" png="$root/docs/${shot#*:}.png"
    if [ -f "$bmp" ]; then
      # A palette of 256 colours, without dithering: small files, flat water.
      convert "$bmp" +dither -colors 256 -strip "PNG8:$png"
      echo "picture: $png"
    fi
  done
fi
"$root/scripts/wine-env.sh" cleanup "$dir"
exit $status
