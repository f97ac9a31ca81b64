#!/usr/bin/env bash
# A private 32-bit Wine beside the system's wine64, for running the i686 build.
# Debian's i386 Wine packages are downloaded and unpacked into a sysroot under
# the build folder (nothing is installed on the system) and run under qemu
# user-mode emulation; the system's wine64 and wineserver start and serve them.
#   wine32-env.sh prepare        makes that Wine once: $PH_BUILD_ROOT/wine32
#                                (default build/wine32), kept for later runs
#   wine32-env.sh setup DIR      prepare, then wine-env.sh setup with that Wine:
#                                a 64-bit prefix that runs 32-bit programs too;
#                                PH_WINEARCH=win32: a 32-bit-only prefix
#   wine32-env.sh display DIR    the same on the current $DISPLAY (wine-env.sh display)
#   wine32-env.sh cleanup DIR    as wine-env.sh cleanup
# Display and prefix handling are wine-env.sh's; DIR/env exports WINE as there
# (the wine64 beside the 32-bit loader, or that loader in a 32-bit-only
# prefix), and WINEDLLPATH.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cmd=${1:?prepare|setup|display|cleanup}
w32=${PH_BUILD_ROOT:-$here/../build}/wine32
mkdir -p "$w32"
w32=$(cd "$w32" && pwd)
sys=$w32/sysroot
# The i386 libraries Wine loads at run time besides its package's dependencies.
extra=(libxrender1 libxrandr2 libxi6 libxcursor1 libxfixes3 libxinerama1 libxcomposite1 libxxf86vm1)

fail() {
  echo "wine32-env.sh: $*" >&2
  exit 1
}

# apt-get on a private state in $w32/apt: i386 package lists beside the
# system's, never an installation.
apt32() {
  apt-get -q -o APT::Architecture=i386 -o APT::Architectures::=i386 \
    -o Dir::State::Lists="$w32/apt/lists" -o Dir::State::status="$w32/apt/status" \
    -o Dir::Cache="$w32/apt" -o Dir::Cache::archives="$w32/apt/archives" \
    -o Debug::NoLocking=1 -o APT::Sandbox::User=root "$@"
}

# The loader script Wine runs for 32-bit programs, in place of the i386 loader.
# -0 keeps the script's name as the program name: Wine starts further
# processes by that name, and the host cannot run the i386 file itself.
write_loader() {
  cat >"$sys/usr/lib/wine/wine" <<EOT
#!/bin/sh
# (no core files of crashed 32-bit programs in the working folder)
ulimit -c 0
exec $qemu -L "$sys" -0 "\$0" -E WINELOADERNOEXEC=1 "$sys/usr/lib/wine/wine.i386" "\$@"
EOT
  chmod +x "$sys/usr/lib/wine/wine"
}

make_sysroot() {
  local version
  version=$(dpkg-query -W -f='${Version}' wine64 2>/dev/null) || fail "wine64 is not installed: run scripts/deps.sh"
  qemu=$(command -v qemu-i386-static) || fail "qemu-i386-static is missing: run scripts/deps.sh"
  if [ "$(cat "$w32/ready" 2>/dev/null)" = "$version" ]; then return 0; fi
  echo "wine32-env.sh: making the 32-bit Wine $version in $w32" >&2
  rm -rf "$sys" "$w32/apt" "$w32/ready"
  mkdir -p "$w32/apt/lists/partial" "$w32/apt/archives/partial" "$sys"
  : >"$w32/apt/status"
  # The same version as wine64: the two halves talk to one wineserver.
  apt32 update >"$w32/apt.log" 2>&1 || fail "cannot fetch the i386 package lists (see $w32/apt.log)"
  if ! apt32 install -y --download-only --no-install-recommends \
    "wine32=$version" "libwine=$version" "${extra[@]}" >>"$w32/apt.log" 2>&1; then
    fail "cannot fetch the i386 packages of Wine $version: $(grep -E '^(E|Err):' "$w32/apt.log" | head -3)"
  fi
  # libwine is most of it; its unpacking runs beside the others.
  # shellcheck disable=SC2016  # the script's own arguments
  find "$w32/apt/archives" -name '*.deb' -print0 | sort -z | xargs -0 -n 16 -P 2 \
    sh -c 'for f; do dpkg-deb -x "$f" "$0" || exit 255; done' "$sys" || fail "cannot unpack the i386 packages"

  # The guest's own library cache: without it the i386 loader may take the
  # host's 32-bit libc.
  echo 'include /etc/ld.so.conf.d/*.conf' >"$sys/etc/ld.so.conf"
  ldconfig -r "$sys"
  # What the packages' install scripts would do.
  cp /usr/lib/x86_64-linux-gnu/wine/i386-windows/zlib1.dll "$sys/usr/lib/i386-linux-gnu/wine/i386-windows/"
  # Quick address probing under qemu, for guest programs only.
  gcc -m32 -O2 -fPIC -fno-stack-protector -c "$here/wine32-mapfix.c" -o "$w32/mapfix.o"
  ld -m elf_i386 -shared -o "$sys/usr/lib/i386-linux-gnu/ph-mapfix.so" "$w32/mapfix.o"
  echo /usr/lib/i386-linux-gnu/ph-mapfix.so >"$sys/etc/ld.so.preload"

  # wine64 looks for the 32-bit loader as "wine" beside itself, and for its own
  # libraries at ../x86_64-linux-gnu/wine: a copy (a link would be resolved to
  # /usr/lib/wine) and a link to the system's.
  mv "$sys/usr/lib/wine/wine" "$sys/usr/lib/wine/wine.i386"
  write_loader
  cp /usr/lib/wine/wine64 "$sys/usr/lib/wine/wine64"
  mkdir -p "$sys/usr/lib/x86_64-linux-gnu"
  ln -sfn /usr/lib/x86_64-linux-gnu/wine "$sys/usr/lib/x86_64-linux-gnu/wine"
  # wine64 takes 32-bit Windows libraries from WINEDLLPATH.
  mkdir -p "$w32/dlls"
  ln -sfn "$sys/usr/lib/i386-linux-gnu/wine/i386-windows" "$w32/dlls/i386-windows"

  rm -rf "$w32/apt" "$w32/mapfix.o"
  echo "$version" >"$w32/ready"
}

prepare() {
  # One maker at a time: setup may wait for a prepare started in the background.
  exec 9>"$w32.lock"
  flock 9
  make_sysroot
  exec 9>&-
}

case "$cmd" in
prepare)
  prepare
  ;;
setup | display)
  prepare
  export WINEDLLPATH="$w32/dlls"
  export PH_WINE_EXPORTS="WINEDLLPATH"
  export PH_WINE_LOADER="$sys/usr/lib/wine/wine64"
  if [ "${PH_WINEARCH:-}" = win32 ]; then
    export WINEARCH=win32
    PH_WINE_EXPORTS="$PH_WINE_EXPORTS WINEARCH"
    PH_WINE_LOADER="$sys/usr/lib/wine/wine"
  fi
  exec "$here/wine-env.sh" "$cmd" "${2:?directory}"
  ;;
cleanup)
  exec "$here/wine-env.sh" cleanup "${2:?directory}"
  ;;
*)
  echo "usage: $0 prepare|setup DIR|display DIR|cleanup DIR" >&2; exit 2 ;;
esac
