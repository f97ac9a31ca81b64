#!/usr/bin/env bash
# Writes the shared data file PondelData.ini that the installer puts into the
# data folder: a few scene sets and a program that shows them in turn. Every
# set has kind 1 (owned from the start) and kinds the user wins later, each
# in water colours it stands out from (tests/install/shared_data_test.cpp).
# Installers replace a shared file an earlier version installed and keep one
# anybody changed: a change of the output needs the line of the output it
# replaces in installer/earlier-shared.txt, if that has none yet.
#   scenes.sh OUT
set -eu
out=${1:?output file}
patterns=50   # fish patterns in a general record
slots=10      # colour slots in a water record

# Fish pattern: kind, real number (1) or weight (0), quantity, size %, dispersion.
pattern() { printf '%02d%01d%03d%03d%02d' "$@"; }

# Scene set line: key, then the general record's header (replacement 0 any /
# 1 lump, random length, length, fish, basic size %), its patterns as
# "kind:real:quantity:size:dispersion" words, then the water record: colour
# numbers, change type (1 random, 2 round, 3 repeat), from first, speed.
scene() {
  local key=$1 header=$2 fish=$3 colours=$4 water=$5
  local pgc rnd len num size kind real qty fsize disp n=0
  read -r pgc rnd len num size <<<"$header"
  printf '%03d%01d%01d%02d%03d%03d%02d' "$key" "$pgc" "$rnd" "$len" "$num" "$size" 0
  for p in $fish; do
    IFS=: read -r kind real qty fsize disp <<<"$p"
    pattern "$kind" "$real" "$qty" "$fsize" "$disp"
    n=$((n + 1))
  done
  for ((; n < patterns; n++)); do pattern 0 0 0 100 0; done
  n=0
  for c in $colours; do printf '1%02d' "$c"; n=$((n + 1)); done
  for ((; n < slots; n++)); do printf '000'; done
  local type first speed
  read -r type first speed <<<"$water"
  printf '%01d%01d%03d\n' "$type" "$first" "$speed"
}

{
  # Pond: a mixed shoal in blue water.
  scene 1 "0 1 4 20 100" "1:0:60:100:20 2:0:25:110:15 3:0:15:90:10 8:0:10:120:10" \
    "20 21 22 23" "2 1 150"
  # Sunset: a crowd of small fish in warm colours, changing all at once, in
  # a sky from gold through crimson and orchid to violet and back; orange
  # water would hide the orange fish.
  scene 2 "1 0 3 30 80" "1:0:50:90:30 4:0:30:100:20 9:0:15:110:10 15:1:2:150:0" \
    "6 13 14 16" "3 1 120"
  # Deep water: a few large fish and one rare giant.
  scene 3 "0 1 5 12 140" "1:0:40:120:10 5:0:30:140:10 10:0:20:130:15 22:1:1:200:0" \
    "19 18 27" "1 0 300"
  # Meadow: many small fish in greens.
  scene 4 "1 0 3 60 60" "1:0:40:80:30 6:0:30:90:25 7:0:30:85:25 11:0:10:100:20" \
    "28 29 30 25 26" "2 0 100"
  # Program: page 1, on, round, from first, sets 1 to 4.
  printf '100%d%d%d%d' 1 1 2 1
  for i in $(seq 1 50); do
    if [ "$i" -le 4 ]; then printf '%02d' "$i"; else printf '00'; fi
  done
  printf '\n'
} >"$out"
