#!/usr/bin/env bash
# Prepare or remove a private Wine environment. The one place that knows the
# Wine loader and how a prefix is made.
#   wine-env.sh setup DIR     fresh WINEPREFIX in DIR/prefix, own Xvfb display,
#                             GDI renderer for DirectDraw, no crash debugger.
#                             PH_WINE_MONITORS=2: two monitors (1024x768 and
#                             1280x720 to its right) instead of one 1024x768;
#                             PH_WINE_MONITORS="WxH[xD] WxH[xD]...": these
#                             monitors side by side (one too: the same X
#                             servers), at depth D (default 24);
#                             PH_WINE_SCREEN=WxHxD another single screen
#   wine-env.sh display DIR   WINEPREFIX in DIR/prefix on the current $DISPLAY,
#                             made once (GDI renderer) and kept for later runs
#   wine-env.sh cleanup DIR   stops wineserver and the X servers started by setup
# setup and display write DIR/env, which exports WINE (the wine64 loader),
# WINESERVER, WINEPREFIX, WINEDEBUG, WINEDLLOVERRIDES and DISPLAY.
# Another Wine (scripts/wine32-env.sh) sets PH_WINE_LOADER, its loader, and
# PH_WINE_EXPORTS, the names of more variables of its own that DIR/env exports.
# Never touches ~/.wine.
# shellcheck disable=SC1091  # DIR/env is written here
set -eu
cmd=${1:?setup|display|cleanup}; dir=${2:?directory}
WINE=${PH_WINE_LOADER:-/usr/lib/wine/wine64}
WINESERVER=/usr/lib/wine/wineserver

stop_old() {
  if [ -f "$dir/env" ]; then
    . "$dir/env"
    WINEPREFIX=$WINEPREFIX "$WINESERVER" -k 2>/dev/null || true
    if [ -n "${PH_XEPHYR_PID:-}" ]; then kill "$PH_XEPHYR_PID" 2>/dev/null || true; fi
    if [ -n "${PH_XVFB_PID:-}" ]; then kill "$PH_XVFB_PID" 2>/dev/null || true; fi
    rm -f "$dir/env"
  fi
}

# write_env DISPLAY [XVFB_PID [XEPHYR_PID]]
write_env() {
  cat >"$dir/env" <<EOT
export WINE="$WINE"
export WINESERVER="$WINESERVER"
export WINEPREFIX="$dir/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export DISPLAY=$1
PH_XVFB_PID=${2:-}
PH_XEPHYR_PID=${3:-}
EOT
  local name
  for name in ${PH_WINE_EXPORTS:-}; do
    printf 'export %s=%q\n' "$name" "${!name}" >>"$dir/env"
  done
}

# A new prefix with the GDI renderer, which DirectDraw needs on Xvfb.
boot_prefix() {
  mkdir -p "$WINEPREFIX"
  "$WINE" wineboot -i >"$dir/wineboot.log" 2>&1 || true
  "$WINE" reg add 'HKCU\Software\Wine\Direct3D' /v renderer /t REG_SZ /d gdi /f >/dev/null
}

free_display() {
  local d=$1
  while [ -e "/tmp/.X$d-lock" ] || [ -e "/tmp/.X11-unix/X$d" ]; do d=$((d + 1)); done
  echo "$d"
}

# start_server FIRST LOG PROGRAM ARGS...: runs PROGRAM :N ARGS on the first free
# display N from FIRST, trying the next one when another run took N meanwhile;
# sets server_display and server_pid.
start_server() {
  local d=$1 log=$2 prog=$3
  shift 3
  for _ in $(seq 10); do
    d=$(free_display "$d")
    "$prog" ":$d" "$@" >"$log" 2>&1 &
    server_pid=$!
    for _ in $(seq 50); do
      kill -0 "$server_pid" 2>/dev/null || break
      # Ours only when its lock names our server: another one started at the
      # same moment on the same number may own the socket.
      if [ -e "/tmp/.X11-unix/X$d" ] && [ "$(tr -d ' ' <"/tmp/.X$d-lock" 2>/dev/null)" = "$server_pid" ]; then
        server_display=$d
        return 0
      fi
      sleep 0.1
    done
    kill "$server_pid" 2>/dev/null || true
    d=$((d + 1))
  done
  echo "no X server: $log" >&2
  return 1
}

host_screen=${PH_WINE_SCREEN:-1024x768x24}
monitors=${PH_WINE_MONITORS:-1}
if [ "$monitors" = 2 ]; then monitors="1024x768 1280x720"; fi
if [ "$monitors" = 1 ]; then
  monitors=""
else
  # Xephyr's screens left to right on one host screen wide and high enough.
  xephyr_screens=() x=0 high=0
  for m in $monitors; do
    IFS=x read -r w h _ <<<"$m"
    xephyr_screens+=(-screen "${m}+${x}+0")
    x=$((x + w))
    if [ "$h" -gt "$high" ]; then high=$h; fi
  done
  host_screen=${x}x${high}x24
fi

case "$cmd" in
setup)
  mkdir -p "$dir"
  stop_old
  rm -rf "$dir/prefix"
  # A display of our own, so tests never take over the user's screen.
  start_server "${PH_XVFB_DISPLAY:-91}" "$dir/xvfb.log" Xvfb -screen 0 "$host_screen" -nolisten tcp
  n=$server_display
  xpid=$server_pid
  epid=""
  if [ -n "$monitors" ]; then
    # Monitors side by side: Xephyr on the private Xvfb joins its screens
    # with Xinerama. Without RandR, Wine takes its monitors from Xinerama.
    DISPLAY=":$n" start_server $((n + 1)) "$dir/xephyr.log" Xephyr +xinerama -extension RANDR \
      "${xephyr_screens[@]}" -nolisten tcp
    n=$server_display
    epid=$server_pid
  fi
  write_env ":$n" "$xpid" "$epid"
  . "$dir/env"
  boot_prefix
  "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
  # No just-in-time debugger, as on a plain Windows: a crash ends the process
  # at once instead of starting winedbg. Once in each registry view: 32-bit
  # programs read their own.
  for view in 64 32; do
    "$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d ph-no-debugger /f /reg:$view >/dev/null
  done
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
