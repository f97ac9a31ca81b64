#!/usr/bin/env bash
# Prepare or remove a private Wine environment. The one place that knows the
# Wine loader and how a prefix is made.
#   wine-env.sh setup DIR     fresh WINEPREFIX in DIR/prefix, own Xvfb display,
#                             GDI renderer for DirectDraw, no crash debugger
#   wine-env.sh display DIR   WINEPREFIX in DIR/prefix on the current $DISPLAY,
#                             made once (GDI renderer) and kept for later runs
#   wine-env.sh cleanup DIR   stops wineserver and the Xvfb started by setup
# setup and display write DIR/env, which exports WINE (the wine64 loader),
# WINESERVER, WINEPREFIX, WINEDEBUG, WINEDLLOVERRIDES and DISPLAY.
# Never touches ~/.wine.
# shellcheck disable=SC1091  # DIR/env is written here
set -eu
cmd=${1:?setup|display|cleanup}; dir=${2:?directory}
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

stop_old() {
  if [ -f "$dir/env" ]; then
    . "$dir/env"
    WINEPREFIX=$WINEPREFIX "$WINESERVER" -k 2>/dev/null || true
    if [ -n "${PH_XVFB_PID:-}" ]; then kill "$PH_XVFB_PID" 2>/dev/null || true; fi
    rm -f "$dir/env"
  fi
}

# write_env DISPLAY [XVFB_PID]
write_env() {
  cat >"$dir/env" <<EOT
export WINE="$WINE"
export WINESERVER="$WINESERVER"
export WINEPREFIX="$dir/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=$1
PH_XVFB_PID=${2:-}
EOT
}

# A new prefix with the GDI renderer, which DirectDraw needs on Xvfb.
boot_prefix() {
  mkdir -p "$WINEPREFIX"
  "$WINE" wineboot -i >"$dir/wineboot.log" 2>&1 || true
  "$WINE" reg add 'HKCU\Software\Wine\Direct3D' /v renderer /t REG_SZ /d gdi /f >/dev/null
}

case "$cmd" in
setup)
  mkdir -p "$dir"
  stop_old
  rm -rf "$dir/prefix"
  # A display of our own, so tests never take over the user's screen.
  n=${PH_XVFB_DISPLAY:-91}
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 &
  xpid=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  write_env ":$n" "$xpid"
  . "$dir/env"
  boot_prefix
  "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
  # No just-in-time debugger, as on a plain Windows: a crash ends the process
  # at once instead of starting winedbg.
  "$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d ph-no-debugger /f >/dev/null
  "$WINESERVER" -w
  echo "wine prefix ready: $WINEPREFIX on display $DISPLAY"
  ;;
display)
  : "${DISPLAY:?display needs \$DISPLAY}"
  mkdir -p "$dir"
  write_env "$DISPLAY"
  . "$dir/env"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then boot_prefix; fi
  echo "wine prefix ready: $WINEPREFIX on display $DISPLAY"
  ;;
cleanup)
  stop_old
  ;;
*)
  echo "usage: $0 setup|display|cleanup DIR" >&2; exit 2 ;;
esac
