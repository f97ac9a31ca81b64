#!/usr/bin/env bash
# Benchmark: the real saver (/s, 100 fish) against the floor program
# (bench/floor.cpp: the same set-up and draws without fish logic), full screen
# under wine64 at each size. The two run side by side, each on an Xvfb and a
# Wine prefix of its own, and are measured over the same seconds, so that the
# load of a shared machine weighs on both alike. A size of several monitors
# (WxH+WxH) runs the saver on the first monitor alone ("one"), the saver on
# all of them with the same picture on each ("two") and with one aquarium
# across them ("span"), all through the same X servers (Xephyr on Xvfb).
# A size with a picture scale (WxH:K) runs three side by side: the floor, the
# saver at scale 1 ("saver") and the saver at scale K ("scaled").
# Then the native timings of the per-tick arithmetic. Prints a table.
#   bench.sh [seconds]     measured seconds, default 60
# PH_BENCH_SIZES   screen sizes, default
#                  "1024x768 1920x1080 1920x1080+1920x1080 3840x2160:2"
# PH_BENCH_ROUNDS  rounds per size, default 1; the program started first alternates
# PH_BENCH_BUILD=0 neither installs nor builds (the builds must exist)
# PH_BENCH_SCR     another saver to measure (default: the win64 build's)
# PH_BENCH_EVERY   seconds between samples during the measured time: adds a
#                  table of frames per second and counters over time
# PH_BENCH_WORK    folder of the logs and prefixes (default build/bench-run)
# Frames and the first frame come from Wine's own frame trace (WINEDEBUG +fps),
# CPU time from /proc, object counts and memory from bench/probe.cpp.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
secs=${1:-60}
sizes=${PH_BENCH_SIZES:-1024x768 1920x1080 1920x1080+1920x1080 3840x2160:2}
rounds=${PH_BENCH_ROUNDS:-1}
if [ "${PH_BENCH_BUILD:-1}" != 0 ]; then
  "$root/scripts/deps.sh"
  "$root/scripts/build.sh" win64 bench
fi
w64="${PH_BUILD_ROOT:-$root/build}/win64"
scr=${PH_BENCH_SCR:-$w64/PondelHarbor.scr}
declare -A exe=([floor]="$w64/bench/phfloor.exe" [saver]="$scr" [scaled]="$scr" [one]="$scr" [two]="$scr"
  [span]="$scr")
declare -A args=([floor]="" [saver]="/s" [scaled]="/s" [one]="/s" [two]="/s" [span]="/s")
probe="$w64/bench/phprobe.exe"
native="${PH_BUILD_ROOT:-$root/build}/bench/bench/fish_bench"
work=${PH_BENCH_WORK:-${PH_BUILD_ROOT:-$root/build}/bench-run}
tick_hz=$(getconf CLK_TCK)
period_ms=70                      # the saver's timer
warm=$(( secs < 8 ? 1 : 3 ))      # seconds after the first frames before measuring
status=0
mkdir -p "$work"
rm -f "$work"/*.log

fail() { echo "bench: $*" >&2; status=1; }
now() { cut -d' ' -f1 /proc/uptime; }
# CPU ticks (user + system) of a process; nothing when it has ended.
cpu() { awk '{ sub(/^.*\) /, ""); split($0, f, " "); print f[12] + f[13] }' "/proc/$1/stat" 2>/dev/null; }
# Start of a process, seconds since boot (the clock of /proc/uptime).
started() { awk -v hz="$tick_hz" '{ sub(/^.*\) /, ""); split($0, f, " "); printf "%.2f\n", f[20] / hz }' "/proc/$1/stat"; }
# run_in TAG COMMAND...: the command in the Wine environment of TAG.
run_in() {
  local d=${envdir[$1]}
  shift
  # shellcheck disable=SC1091
  (. "$d/env" && exec "$@")
}
env_var() { run_in "$1" printenv "$2"; }
# spawn TAG COMMAND...: the same in the background; its pid in $spawned.
spawn() {
  local d=${envdir[$1]}
  shift
  # shellcheck disable=SC1091
  (. "$d/env" && exec "$@") &
  spawned=$!
}

# install_scene TAG: the scratch installation in the environment of TAG, at
# picture scale 1, or the size's scale for "scaled"; one aquarium for "span".
install_scene() {
  local k=1 others=1
  if [ "$1" = scaled ]; then k=$scale; fi
  if [ "$1" = span ]; then others=2; fi
  "$root/scripts/bench-scene.sh" "${envdir[$1]}" "$k" "$others"
}

# start TAG: the program of TAG, traced; waits for its first frame.
start() {
  local t=$1 log="$work/$size-$1-$round.log"
  log_of[$t]=$log
  # shellcheck disable=SC2086
  spawn "$t" env WINEDEBUG=-all,+fps,+timestamp "$WINE" "${exe[$t]}" ${args[$t]} >/dev/null 2>"$log"
  pid[$t]=$spawned
  start_of[$t]=$(started "${pid[$t]}")
  for _ in $(seq 300); do
    grep -q 'fps:wined3d_cs_exec_present' "$log" && return 0
    kill -0 "${pid[$t]}" 2>/dev/null || break
    sleep 0.1
  done
  fail "$t at $size showed no frame (log: $log)"
  return 1
}

# sample TAG 0|1: the counters of TAG at the start or the end of the measured time.
sample() {
  local t=$1 n=$2
  cpu_of[$t$n]=$(cpu "${pid[$t]}")
  srv_of[$t$n]=$(($(cpu "${srv_pid[$t]}") + $(cpu "${xvfb_pid[$t]}") + $(cpu "${xephyr_pid[$t]:-0}" || echo 0)))
}
probe_of() { run_in "$1" "$WINE" "$probe" "$(basename "${exe[$1]}")" 2>/dev/null || true; }

# frames LOG T0 T1 OFFSET: the time of the first frame of LOG and the frames
# shown in [T0, T1]. Wine prints each program's frame rate since its last
# line; frames of [T0, T1] are the rates times the parts of their intervals
# inside it. Its timestamps are in Wine's clock, moved by OFFSET into that of
# /proc/uptime.
frames() {
  awk -v t0="$2" -v t1="$3" -v off="$4" '
    /trace:fps:wined3d_cs_exec_present/ {
      split($1, a, ":"); ts = a[1] + off
      r = $0; sub(/.*approx /, "", r); sub(/fps.*/, "", r); r += 0
      if (first == "") { first = ts; prev = ts; next }
      lo = prev > t0 ? prev : t0; hi = ts < t1 ? ts : t1
      if (hi > lo) frames += r * (hi - lo)
      prev = ts; lastr = r
    }
    END {
      if (prev < t1) { lo = prev > t0 ? prev : t0; frames += lastr * (t1 - lo) }
      printf "%s %.1f\n", first, frames
    }' "$1"
}

# finish TAG: ends the program and appends its result line to $results.
finish() {
  local t=$1 log=${log_of[$1]} first frames p0=${probe0[$1]} p1=${probe1[$1]}
  run_in "$t" "$WINE" "$probe" --close "$(basename "${exe[$t]}")" >/dev/null 2>&1 ||
    kill "${pid[$t]}" 2>/dev/null || true
  wait "${pid[$t]}" 2>/dev/null || true
  if [ -z "${cpu_of[${t}1]}" ] || [ -z "$p0" ] || [ -z "$p1" ]; then
    fail "$t at $size ended before the measurement did (log: $log)"
    return
  fi
  case "$p0 $p1" in
    *gdi=-1* | *gdi=0\ * | *user=0\ *) fail "$t at $size: the probe counted no objects ($p0 / $p1)" ;;
  esac
  read -r first frames < <(frames "$log" "$t0" "$t1" "$offset")
  if ! awk -v f="$frames" 'BEGIN { exit !(f > 0) }'; then
    fail "$t at $size: no frames counted in the measured time (log: $log)"
  fi
  echo "$size $t $round $t0 $t1 ${cpu_of[${t}0]} ${cpu_of[${t}1]} ${srv_of[${t}0]} ${srv_of[${t}1]}" \
    "${start_of[$t]} $first $frames $p0 / $p1" >>"$results"
}

# keep_series T ARRAY: with PH_BENCH_EVERY, the counters in ARRAY of both
# programs at uptime T as lines of $series.
keep_series() {
  local -n got=$2
  local t
  [ -n "$every" ] || return 0
  for t in $tags; do echo "$size $round $t $1 $offset ${got[$t]}" >>"$series"; done
}

# wait_measured: the measured time, sampled every PH_BENCH_EVERY seconds.
wait_measured() {
  local left=$secs t
  local -A mid
  if [ -n "$every" ]; then
    while [ "$left" -gt "$every" ]; do
      sleep "$every"
      left=$((left - every))
      # shellcheck disable=SC2034  # read by keep_series
      for t in $tags; do mid[$t]=$(probe_of "$t"); done
      keep_series "$(now)" mid
    done
  fi
  sleep "$left"
}

results="$work/results.txt"
: >"$results"
series="$work/series.txt"
every=${PH_BENCH_EVERY:-}
: >"$series"
declare -A envdir setup_pid pid log_of start_of cpu_of srv_of srv_pid xvfb_pid xephyr_pid hold_pid probe0 probe1
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
for size in $sizes; do
  screen=${size%%:*} scale=1
  case "$size" in
    *+*) tags="one two span" ;;
    *:*) tags="floor saver scaled" scale=${size##*:} ;;
    *) tags="floor saver" ;;
  esac
  for t in $tags; do
    envdir[$t]="$work/wine-${size//:/-}-$t"
    case "$t" in
      one) PH_WINE_MONITORS="${size%%+*}" "$root/scripts/wine-env.sh" setup "${envdir[$t]}" >/dev/null & ;;
      two | span) PH_WINE_MONITORS="${size//+/ }" "$root/scripts/wine-env.sh" setup "${envdir[$t]}" >/dev/null & ;;
      *) PH_WINE_SCREEN="${screen}x24" "$root/scripts/wine-env.sh" setup "${envdir[$t]}" >/dev/null & ;;
    esac
    setup_pid[$t]=$!
  done
  for t in $tags; do
    if ! wait "${setup_pid[$t]}"; then
      fail "no Wine environment for the $t at $size"
      for u in $tags; do "$root/scripts/wine-env.sh" cleanup "${envdir[$u]}"; done
      exit 1
    fi
  done
  ref=${tags%% *}
  WINE=$(env_var "$ref" WINE)
  WINESERVER=$(env_var "$ref" WINESERVER)
  for t in $tags; do
    # shellcheck disable=SC1091
    xvfb_pid[$t]=$(. "${envdir[$t]}/env" && echo "$PH_XVFB_PID")
    # shellcheck disable=SC1091
    xephyr_pid[$t]=$(. "${envdir[$t]}/env" && echo "$PH_XEPHYR_PID")
    # One server for all the runs of this environment, started before them.
    spawn "$t" "$WINESERVER" -f -p
    srv_pid[$t]=$spawned
  done
  for t in $tags; do
    if [ "$t" != floor ]; then install_scene "$t"; fi
  done
  for t in $tags; do
    # The desktop stays up between the runs, as in a logged-on session.
    spawn "$t" "$WINE" "$probe" --hold >"$work/hold-$t.txt"
    hold_pid[$t]=$spawned
  done
  for t in $tags; do
    for _ in $(seq 100); do
      grep -qs ready "$work/hold-$t.txt" && break
      sleep 0.1
    done
  done
  sleep 0.5
  for round in $(seq "$rounds"); do
    order=$tags
    if [ $((round % 2)) = 0 ]; then order="${tags#* } $ref"; fi
    ok=1
    for t in $order; do start "$t" || ok=0; done
    if [ "$ok" = 1 ]; then
      offset=$(run_in "$ref" "$WINE" "$probe" --clock | sed -n 's/^offset=//p')
      sleep "$warm"
      t0=$(now)
      for t in $tags; do sample "$t" 0; done
      for t in $tags; do probe0[$t]=$(probe_of "$t"); done
      keep_series "$t0" probe0
      wait_measured
      t1=$(now)
      for t in $tags; do sample "$t" 1; done
      for t in $tags; do probe1[$t]=$(probe_of "$t"); done
      keep_series "$t1" probe1
      for t in $tags; do finish "$t"; done
    else
      for t in $tags; do kill "${pid[$t]}" 2>/dev/null || true; done
    fi
    for t in $tags; do
      errlog="${envdir[$t]}/prefix/drive_c/phbench/PondelErr.log"
      if [ -f "$errlog" ]; then
        fail "the saver ($t) reported errors at $size: $(head -c 300 "$errlog")"
      fi
    done
  done
  for t in $tags; do
    kill "${hold_pid[$t]}" 2>/dev/null || true
    "$root/scripts/wine-env.sh" cleanup "${envdir[$t]}"
  done
  wait
  for t in $tags; do rm -rf "${envdir[$t]}"; done   # 700 MB each
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

echo "PondelHarbor benchmark, $(date -u '+%Y-%m-%d %H:%M UTC'): saver (100 fish) and floor side by side," \
  "$secs s measured per round"
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) cores," \
  "load average before $load_before, after $load_after"
echo "CPU: of the program's process, s per 1,000 frames; server: its wineserver and X servers together"
echo "ratio: the saver's CPU to the floor's; on several monitors, that of two and span to one (the saver on the first alone);"
echo "  scaled: the saver at the size's picture scale, to the saver at scale 1"
printf '%-20s %-6s %5s %9s %6s %8s %8s %8s %11s %9s %13s %8s\n' size prog round 'CPU s/1k' ratio \
  "fps/$(awk -v p="$period_ms" 'BEGIN { printf "%.1f", 1000 / p }')" 'first ms' 'peak MB' 'GDI st>end' \
  'USER' 'private MB' 'server s'
# Rows of each run; with several rounds, the rounds of each size together
# (CPU and frames summed, the first frame averaged, the peak the largest).
awk -v hz="$tick_hz" -v rounds="$rounds" '
  function kv(s, k,   i, n, f) {
    n = split(s, f, " ")
    for (i = 1; i <= n; i++) if (index(f[i], k "=") == 1) return substr(f[i], length(k) + 2)
    return "?"
  }
  function per1k(ticks, frames) { return frames > 0 ? ticks / hz / frames * 1000 : 0 }
  function row(size, tag, round, cpu, ratio, fps, first, peak, objs) {
    printf "%-20s %-6s %5s %9.3f %6s %8.2f %8.0f %8.1f %s\n", size, tag, round, cpu, ratio, fps, first, peak, objs
  }
  {
    split($0, half, " / "); n = split(half[1], f, " ")
    size = f[1]; tag = f[2]; dt = f[5] - f[4]; frames = f[12]
    p0 = ""; for (i = 13; i <= n; i++) p0 = p0 " " f[i]
    p1 = half[2]
    cpu = per1k(f[7] - f[6], frames)
    if (tag == "floor" || tag == "one") { floorcpu = cpu; ratio = "-" }
    else if (tag == "scaled") ratio = savercpu > 0 ? sprintf("%.3f", cpu / savercpu) : "?"
    else ratio = floorcpu > 0 ? sprintf("%.3f", cpu / floorcpu) : "?"
    if (tag == "saver") savercpu = cpu
    objs = sprintf("%5s>%-5s %4s>%-4s %6.1f>%-6.1f %8.3f", kv(p0, "gdi"), kv(p1, "gdi"), kv(p0, "user"),
                   kv(p1, "user"), kv(p0, "private_kb") / 1024, kv(p1, "private_kb") / 1024, per1k(f[9] - f[8], frames))
    row(size, tag, f[3], cpu, ratio, dt > 0 ? frames / dt : 0, (f[11] - f[10]) * 1000, kv(p1, "peak_ws_kb") / 1024, objs)
    k = size SUBSEP tag
    if (!(size in seen)) { seen[size] = 1; order[++nsizes] = size }
    ticks[k] += f[7] - f[6]; srv[k] += f[9] - f[8]; fr[k] += frames; time[k] += dt
    firsts[k] += (f[11] - f[10]) * 1000; runs[k]++
    if (kv(p1, "peak_ws_kb") / 1024 > peak[k]) peak[k] = kv(p1, "peak_ws_kb") / 1024
  }
  END {
    if (rounds < 2) exit
    base["scaled"] = 1; base["span"] = 1
    for (j = 1; j <= nsizes; j++) {
      size = order[j]; a = size ~ /\+/ ? "one" : "floor"; b = size ~ /\+/ ? "two" : "saver"
      fl = size SUBSEP a; sv = size SUBSEP b
      if (!runs[fl] || !runs[sv]) continue
      fc = per1k(ticks[fl], fr[fl]); sc = per1k(ticks[sv], fr[sv])
      row(size, a, "all", fc, "-", fr[fl] / time[fl], firsts[fl] / runs[fl], peak[fl], sprintf("%46.3f", per1k(srv[fl], fr[fl])))
      row(size, b, "all", sc, fc > 0 ? sprintf("%.3f", sc / fc) : "?", fr[sv] / time[sv], firsts[sv] / runs[sv], peak[sv],
          sprintf("%46.3f", per1k(srv[sv], fr[sv])))
      # The third of a size: at a scale, to the saver at scale 1; spanning, to one monitor.
      for (third in base) {
        ks = size SUBSEP third
        if (!runs[ks]) continue
        kc = per1k(ticks[ks], fr[ks]); bc = third == "scaled" ? sc : fc
        row(size, third, "all", kc, bc > 0 ? sprintf("%.3f", kc / bc) : "?", fr[ks] / time[ks], firsts[ks] / runs[ks],
            peak[ks], sprintf("%46.3f", per1k(srv[ks], fr[ks])))
      }
    }
  }' "$results"

if [ -s "$series" ]; then
  echo
  echo "over time: frames per second since the sample before, counters at each sample"
  printf '%-10s %-6s %5s %6s %6s %6s %10s %7s\n' size prog min fps GDI USER 'private MB' 'ws MB'
  declare -A prev start
  while read -r sz rd tag ts off counters; do
    k="$sz-$tag-$rd"
    fr=-1
    if [ -n "${prev[$k]:-}" ]; then
      read -r _ fr < <(frames "$work/$k.log" "${prev[$k]}" "$ts" "$off")
    else
      start[$k]=$ts
      prev[$k]=$ts
    fi
    awk -v sz="$sz" -v tag="$tag" -v t0="${start[$k]}" -v ta="${prev[$k]}" -v t1="$ts" -v fr="$fr" \
      -v c="$counters" '
      function kv(k,   i, n, f) {
        n = split(c, f, " ")
        for (i = 1; i <= n; i++) if (index(f[i], k "=") == 1) return substr(f[i], length(k) + 2)
        return "?"
      }
      BEGIN {
        fps = fr >= 0 ? sprintf("%.2f", fr / (t1 - ta)) : "-"
        printf "%-10s %-6s %5.1f %6s %6s %6s %10.1f %7.1f\n", sz, tag, (t1 - t0) / 60, fps, kv("gdi"),
               kv("user"), kv("private_kb") / 1024, kv("ws_kb") / 1024
      }'
    prev[$k]=$ts
  done < <(sort -k1,1 -k2,2n -k3,3 -k4,4n "$series")
fi

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
