#!/usr/bin/env bash
# The benchmark's scratch installation in a Wine environment made by
# wine-env.sh: the install key naming C:\phbench\, the per-user values and a
# data file of one scene of 100 fish (bench/scene100.ini), at picture scale K
# (default 1), the other monitors as OtherMonitors O says (default 1).
#   bench-scene.sh DIR [K [O]]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck disable=SC1091
. "${1:?environment directory}/env"
scale=${2:-1}
others=${3:-1}
dir="$WINEPREFIX/drive_c/phbench"
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
printf '"PictureScale"=dword:%08x\n"OtherMonitors"=dword:%08x\n' "$scale" "$others" >>"$dir/bench.reg"
"$WINE" reg import 'C:\phbench\bench.reg' >/dev/null 2>&1
