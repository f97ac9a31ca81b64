#!/usr/bin/env bash
# Install what building, running and testing need (Debian). Safe to re-run.
set -eu
pkgs="cmake ninja-build g++ make pkg-config
  g++-mingw-w64-x86-64 g++-mingw-w64-i686
  wine64 qemu-user-static xvfb xauth xdotool imagemagick xserver-xephyr nsis zip osslsigncode
  googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
  libcairo2-dev fonts-dejavu-core fonts-noto-cjk"
missing=""
for p in $pkgs; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing="$missing $p"
done
if [ -n "$missing" ]; then
  SUDO=""; [ "$(id -u)" = 0 ] || SUDO=sudo
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi
