#!/usr/bin/env bash
# Set up and run the saver full screen under wine64 on $DISPLAY. Without a
# display it runs on a private Xvfb for a few seconds, saves a screenshot and
# prints its path. Extra arguments replace the default switch /s.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" win64
scr="$root/build/win64/PondelHarbor.scr"
args=${*:-/s}
dir="$root/build/run-wine"

# What the installer leaves: the install key naming a data folder that holds
# the shared scene sets, the build's when they are newer than the folder's. A
# user's own settings there (<user>PondelData.ini) are kept between runs.
installed() {
  local data="$WINEPREFIX/drive_c/ProgramData/PondelHarbor"
  mkdir -p "$data"
  cp -u "$root/build/win64/installer/PondelData.ini" "$data/"
  local key='HKCR\Software\PondelHarbor'
  "$WINE" reg add "$key" /v Directory /t REG_SZ /d 'C:\ProgramData\PondelHarbor\' /f >/dev/null
  "$WINE" reg add "$key" /v FullScreenFlg /t REG_DWORD /d 1 /f >/dev/null
  "$WINE" reg add "$key" /v BackColorsFlg /t REG_DWORD /d 0 /f >/dev/null
}

if [ -n "${DISPLAY:-}" ]; then
  # A prefix of our own on the user's display; ~/.wine is left alone.
  "$root/scripts/wine-env.sh" display "$dir" >/dev/null
  # shellcheck disable=SC1091
  . "$dir/env"
  installed
  # shellcheck disable=SC2086
  exec "$WINE" "$scr" $args
fi
"$root/scripts/wine-env.sh" setup "$dir" >/dev/null
# shellcheck disable=SC1091
. "$dir/env"
installed
shot="$root/build/screenshot.png"
# shellcheck disable=SC2086
"$WINE" "$scr" $args &
pid=$!
sleep "${PH_RUN_SECONDS:-6}"
import -window root "$shot"
kill "$pid" 2>/dev/null || true
"$root/scripts/wine-env.sh" cleanup "$dir"
echo "screenshot: $shot"
