#!/usr/bin/env bash
# Screenshots of both pages of the configuration dialog under wine64 on a
# private Xvfb, at a given screen DPI (default 96), filled from a sample
# installation: build/dialog-section-DPI.png and build/dialog-general-DPI.png.
#   dialog-shots.sh [dpi]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
dpi=${1:-96}
"$root/scripts/deps.sh"
"$root/scripts/build.sh" win64
WINE=/usr/lib/wine/wine64
dir="$root/build/shots-wine"
"$root/scripts/wine-env.sh" setup "$dir" >/dev/null
# shellcheck disable=SC1091
. "$dir/env"
"$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
out="$root/build"
status=0
PH_SCR="$root/build/win64/PondelHarbor.scr" \
  "$WINE" "$root/build/win64/tests/dialog/dlgshot.exe" "Z:${out//\//\\}" || status=$?
for page in section general; do
  if [ -f "$out/$page.bmp" ]; then
    convert "$out/$page.bmp" "$out/dialog-$page-$dpi.png"
    rm -f "$out/$page.bmp"
    echo "screenshot: $out/dialog-$page-$dpi.png"
  fi
done
"$root/scripts/wine-env.sh" cleanup "$dir"
exit $status
