#!/usr/bin/env bash
# Benchmark: the real saver (/s, 100 fish) against the floor program
# (bench/floor.cpp, the same set-up and draws without fish logic), one after
# the other for the same time, full screen under wine64 on a private Xvfb at
# each size; then the native timings of the per-tick arithmetic. Prints a table.
#   bench.sh [seconds]     seconds per run, default 60
# PH_BENCH_SIZES   screen sizes, default "1024x768 1920x1080"
# PH_BENCH_ROUNDS  floor-then-saver rounds per size, default 1
# PH_BENCH_BUILD=0 neither installs nor builds (the builds must exist)
# Frames and the first frame come from Wine's own frame trace (WINEDEBUG +fps),
# CPU time from /proc; object counts and memory from bench/probe.cpp.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
secs=${1:-60}
sizes=${PH_BENCH_SIZES:-1024x768 1920x1080}
rounds=${PH_BENCH_ROUNDS:-1}
if [ "${PH_BENCH_BUILD:-1}" != 0 ]; then
  "$root/scripts/deps.sh"
  "$root/scripts/build.sh" win64 bench
fi
w64="${PH_BUILD_ROOT:-$root/build}/win64"
scr="$w64/PondelHarbor.scr"
floor="$w64/bench/phfloor.exe"
probe="$w64/bench/phprobe.exe"
native="${PH_BUILD_ROOT:-$root/build}/bench/bench/fish_bench"
work="${PH_BUILD_ROOT:-$root/build}/bench-run"
tick_hz=$(getconf CLK_TCK)
period_ms=70                      # the saver's timer
warm=$(( secs < 8 ? 1 : 3 ))      # seconds after the first frame before measuring
# shellcheck disable=SC1003
instwin='C:\phbench\'             # the scratch installation, as the saver sees it
status=0
mkdir -p "$work"
rm -f "$work"/*.log

fail() { echo "bench: $*" >&2; status=1; }
now() { cut -d' ' -f1 /proc/uptime; }
# CPU ticks (user + system) of a process; nothing when it has ended.
cpu() { awk '{ sub(/^.*\) /, ""); split($0, f, " "); print f[12] + f[13] }' "/proc/$1/stat" 2>/dev/null; }
# Start of a process, seconds since boot (the clock of /proc/uptime and of Wine's timestamps).
started() { awk -v hz="$tick_hz" '{ sub(/^.*\) /, ""); split($0, f, " "); printf "%.2f\n", f[20] / hz }' "/proc/$1/stat"; }

# Scratch installation: install key, per-user values, data file of one scene.
install_scene() {
  local dir="$WINEPREFIX/drive_c/phbench"
  mkdir -p "$dir"
  cp "$root/bench/scene100.ini" "$dir/PondelData.ini"
  # Values: "Midum" height, scroll speed 5, scaled fish, no guests, every kind owned.
  cat >"$dir/bench.reg" <<'EOT'
REGEDIT4

[HKEY_CLASSES_ROOT\Software\PondelHarbor]
"Directory"="C:\\phbench\\"
"FullScreenFlg"=dword:00000001
"BackColorsFlg"=dword:00000000

[HKEY_CURRENT_USER\Control Panel\Screen Saver.PondelHarbor]
"ISKJEUH"=dword:00000001
"KISJUAK"=dword:00000005
"RSGDBAM"=dword:00000000
"SOIEKMA"=dword:00000000
"OSIJDUA"=dword:00000003
"LOSKDIS"=dword:00000000
"NAUSJEN"=dword:00002ee0
"OKSKKIS"="11111111111111111111111111111111111"
EOT
  "$WINE" reg import "${instwin}bench.reg" >/dev/null 2>&1
}

# run TAG EXE ARGS...: one program for $secs; appends a result line to $results.
run_one() {
  local tag=$1 exe=$2
  shift 2
  local name log pid t0 t1 c0 c1 s0 s1 p0 p1 start first frames
  name=$(basename "$exe")
  log="$work/$size-$tag-$round.log"
  WINEDEBUG=-all,+fps,+timestamp "$WINE" "$exe" "$@" >/dev/null 2>"$log" &
  pid=$!
  start=$(started "$pid")
  for _ in $(seq 300); do
    grep -q 'fps:wined3d_cs_exec_present' "$log" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if ! grep -q 'fps:wined3d_cs_exec_present' "$log"; then
    fail "$tag at $size showed no frame (log: $log)"
    kill "$pid" 2>/dev/null || true
    return
  fi
  sleep "$warm"
  t0=$(now); c0=$(cpu "$pid"); s0=$(server_cpu)
  p0=$("$WINE" "$probe" "$name" 2>/dev/null || true)
  sleep "$secs"
  t1=$(now); c1=$(cpu "$pid" 2>/dev/null || echo); s1=$(server_cpu)
  p1=$("$WINE" "$probe" "$name" 2>/dev/null || true)
  if [ -z "$c1" ] || [ -z "$p0" ] || [ -z "$p1" ]; then
    fail "$tag at $size ended before the measurement did (log: $log)"
    kill "$pid" 2>/dev/null || true
    return
  fi
  "$WINE" "$probe" --close "$name" >/dev/null 2>&1 || kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  # Wine prints each program's frame rate since its last line; frames of
  # [t0, t1] are the rates times the parts of their intervals inside it.
  read -r first frames < <(awk -v t0="$t0" -v t1="$t1" '
    /trace:fps:wined3d_cs_exec_present/ {
      split($1, a, ":"); ts = a[1] + 0
      r = $0; sub(/.*approx /, "", r); sub(/fps.*/, "", r); r += 0
      if (first == "") { first = ts; prev = ts; next }
      lo = prev > t0 ? prev : t0; hi = ts < t1 ? ts : t1
      if (hi > lo) frames += r * (hi - lo)
      prev = ts; lastr = r
    }
    END {
      if (prev < t1) { lo = prev > t0 ? prev : t0; frames += lastr * (t1 - lo) }
      printf "%s %.1f\n", first, frames
    }' "$log")
  echo "$size $tag $round $t0 $t1 $c0 $c1 $s0 $s1 $start $first $frames $p0 / $p1" >>"$results"
}

# CPU ticks of the wineserver and the X server of this size.
server_cpu() { echo $(($(cpu "$server_pid") + $(cpu "$PH_XVFB_PID"))); }

results="$work/results.txt"
: >"$results"
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
for size in $sizes; do
  dir="$work/wine-$size"
  PH_WINE_SCREEN="${size}x24" "$root/scripts/wine-env.sh" setup "$dir" >/dev/null
  # shellcheck disable=SC1091
  . "$dir/env"
  # One server for all runs of this size, started before any of them.
  "$WINESERVER" -f -p &
  server_pid=$!
  install_scene
  # The desktop stays up between the runs, as in a logged-on session.
  "$WINE" "$probe" --hold &
  hold_pid=$!
  sleep 1
  for round in $(seq "$rounds"); do
    run_one floor "$floor"
    run_one saver "$scr" /s
    if [ -f "$WINEPREFIX/drive_c/phbench/PondelErr.log" ]; then
      fail "the saver reported errors at $size: $(head -c 300 "$WINEPREFIX/drive_c/phbench/PondelErr.log")"
    fi
  done
  kill "$hold_pid" 2>/dev/null || true
  "$root/scripts/wine-env.sh" cleanup "$dir"
  wait "$server_pid" "$hold_pid" 2>/dev/null || true
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

echo "PondelHarbor benchmark, $(date -u '+%Y-%m-%d %H:%M UTC'), $secs s per run, 100 fish"
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) cores," \
  "load average before $load_before, after $load_after"
echo "CPU: of the program's process, per 1,000 frames; server: wineserver and Xvfb together"
printf '%-10s %-6s %9s %6s %11s %9s %8s %11s %9s %13s %9s\n' size prog 'CPU s/1k' ratio \
  "fps/$(awk -v p="$period_ms" 'BEGIN { printf "%.1f", 1000 / p }')" 'first ms' 'peak MB' 'GDI st>end' 'USER' \
  'private MB' 'server s'
awk -v hz="$tick_hz" '
  function kv(s, k,   i, n, f) { n = split(s, f, " "); for (i = 1; i <= n; i++) if (index(f[i], k "=") == 1) return substr(f[i], length(k) + 2); return "?" }
  {
    split($0, half, " / "); n = split(half[1], f, " ")
    size = f[1]; tag = f[2]; dt = f[5] - f[4]; frames = f[12]
    p0 = ""; for (i = 13; i <= n; i++) p0 = p0 " " f[i]
    p1 = half[2]
    cpu = frames > 0 ? (f[7] - f[6]) / hz / frames * 1000 : 0
    srv = frames > 0 ? (f[9] - f[8]) / hz / frames * 1000 : 0
    if (tag == "floor") { floorcpu = cpu; ratio = "-" } else ratio = floorcpu > 0 ? sprintf("%.3f", cpu / floorcpu) : "?"
    printf "%-10s %-6s %9.3f %6s %11.2f %9.0f %8.1f %5s>%-5s %4s>%-4s %6.1f>%-6.1f %9.3f\n", size, tag, cpu, ratio,
      (dt > 0 ? frames / dt : 0), (f[11] - f[10]) * 1000, kv(p1, "peak_ws_kb") / 1024,
      kv(p0, "gdi"), kv(p1, "gdi"), kv(p0, "user"), kv(p1, "user"),
      kv(p0, "private_kb") / 1024, kv(p1, "private_kb") / 1024, srv
  }' "$results"

echo
echo "native, per fish per tick (Google Benchmark, optimised build):"
min_time=${PH_BENCH_MIN_TIME:-0.5}
if ! "$native" --benchmark_min_time="$min_time" --benchmark_format=csv 2>/dev/null >"$work/native.csv"; then
  fail "the native benchmark did not run"
fi
awk -F, '/^"/ {
    gsub(/"/, "", $1)
    ips = $7 + 0
    if (ips > 0) printf "  %-16s %8.1f ns\n", $1, 1e9 / ips
  }' "$work/native.csv"
exit $status
