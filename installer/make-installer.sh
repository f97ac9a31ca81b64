#!/usr/bin/env bash
# Builds a PondelHarbor installer with makensis.
#   make-installer.sh OUT VERSION ART DATA SCR64 [SCR32]
# ART is the art generator's folder (icon, page pictures). With SCR32 the
# installer is an x86 program carrying both builds; without it, an amd64
# program carrying the x86_64 build only (the one the tests run).
# The shared data files of earlier versions, which the installer replaces,
# come from installer/earlier-shared.txt.
# PH_SIGN_TOOL, when set, names a program that signs a file in place: the
# uninstaller is signed as makensis builds it, then the installer.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=${1:?installer}; version=${2:?version}; art=${3:?art folder}; data=${4:?data file}
scr64=${5:?x86_64 .scr}; scr32=${6:-}
defs=(-DPH_OUTFILE="$out" -DPH_VERSION="$version" -DPH_ART="$art" -DPH_DATA="$data"
  -DPH_SCR64="$scr64")
earlier=" "
while read -r size crc commit rest || [ -n "$size" ]; do
  case $size in '' | '#'*) continue ;; esac
  if ! [[ $size =~ ^[1-9][0-9]*$ && $crc =~ ^[0-9a-f]{8}$ && $commit =~ ^[0-9a-f]{7,40}$ && -z $rest ]]; then
    echo "$here/earlier-shared.txt: not \"size crc32 commit\": $size $crc $commit $rest" >&2
    exit 1
  fi
  earlier+="$size:$crc "
done <"$here/earlier-shared.txt"
defs+=(-DPH_EARLIER="$earlier")
if [ -n "$scr32" ]; then defs+=(-DPH_SCR32="$scr32"); fi
if [ -n "${PH_SIGN_TOOL:-}" ]; then defs+=(-DPH_SIGN="$PH_SIGN_TOOL"); fi
mkdir -p "$(dirname "$out")"
log="$out.log"
if ! makensis -NOCD -V2 "${defs[@]}" "$here/PondelHarbor.nsi" >"$log" 2>&1; then
  cat "$log" >&2
  exit 1
fi
if [ -n "${PH_SIGN_TOOL:-}" ]; then "$PH_SIGN_TOOL" "$out"; fi
