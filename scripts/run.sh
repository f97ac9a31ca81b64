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
if [ -n "${DISPLAY:-}" ]; then
  # A prefix of our own on the user's display; ~/.wine is left alone.
  "$root/scripts/wine-env.sh" display "$dir" >/dev/null
  # shellcheck disable=SC1091
  . "$dir/env"
  # shellcheck disable=SC2086
  exec "$WINE" "$scr" $args
fi
"$root/scripts/wine-env.sh" setup "$dir" >/dev/null
# shellcheck disable=SC1091
. "$dir/env"
shot="$root/build/screenshot.png"
# shellcheck disable=SC2086
"$WINE" "$scr" $args &
pid=$!
sleep "${PH_RUN_SECONDS:-6}"
import -window root "$shot"
kill "$pid" 2>/dev/null || true
"$root/scripts/wine-env.sh" cleanup "$dir"
echo "screenshot: $shot"
