#!/usr/bin/env bash
# Endurance of the saver (the win64 build) under wine64, beside the benchmark.
#   endurance.sh [starts]      in one fresh prefix with the benchmark's scratch
#                              installation: one parent window starts the
#                              preview (/p) PH_ENDURE_PREVIEWS times (200) and
#                              ends it; then full-screen saving (/s) is started
#                              and ended by input PH_ENDURE_SAVES times (30).
#                              bench/endure.cpp drives both and checks them.
#   endurance.sh hour [secs]   the benchmark at 1920x1080 for secs (3600), with
#                              frames per second, objects and memory sampled
#                              every PH_ENDURE_EVERY seconds (600); its logs
#                              in build/endure-hour
# PH_BENCH_BUILD=0 neither installs nor builds (the builds must exist).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
what=${1:-starts}
w64="${PH_BUILD_ROOT:-$root/build}/win64"
load() { cut -d' ' -f1-3 /proc/loadavg; }

case "$what" in
hour)
  export PH_BENCH_SIZES=1920x1080 PH_BENCH_EVERY=${PH_ENDURE_EVERY:-600}
  export PH_BENCH_WORK=${PH_BENCH_WORK:-${PH_BUILD_ROOT:-$root/build}/endure-hour}
  exec "$root/scripts/bench.sh" "${2:-3600}"
  ;;
starts) ;;
*)
  echo "usage: $0 [starts | hour [seconds]]" >&2
  exit 2
  ;;
esac

if [ "${PH_BENCH_BUILD:-1}" != 0 ]; then
  "$root/scripts/deps.sh"
  "$root/scripts/build.sh" win64
fi
dir="${PH_BUILD_ROOT:-$root/build}/endure-wine"
"$root/scripts/wine-env.sh" setup "$dir" >/dev/null
trap '"$root/scripts/wine-env.sh" cleanup "$dir"' EXIT
"$root/scripts/bench-scene.sh" "$dir"
# shellcheck disable=SC1091
. "$dir/env"
export PH_SCR="$w64/PondelHarbor.scr"
status=0
echo "PondelHarbor endurance, $(date -u '+%Y-%m-%d %H:%M UTC'), load average before $(load)"
for run in "preview ${PH_ENDURE_PREVIEWS:-200}" "saver ${PH_ENDURE_SAVES:-30}"; do
  # shellcheck disable=SC2086
  "$WINE" "$w64/bench/phendure.exe" $run || status=1
done
echo "load average after $(load)"
exit $status
