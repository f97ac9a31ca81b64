#!/usr/bin/env bash
# A release signed with a throw-away certificate made here: scripts/package.sh
# with PH_SIGN_PFX and PH_SIGN_PASSWORD signs both .scr builds, both
# installers and the uninstaller they write; osslsigncode verifies each, the
# checksums are those of the signed files, and the signed x86_64 .scr,
# installed under wine64, still runs (the full-screen end-to-end test).
#   signing_test.sh WORKDIR SAVER_E2E_TEST
# PH_WINE_DIR names a fresh environment made by scripts/wine-env.sh setup.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
work=${1:?work folder}; e2e=${2:?saver_e2e_test.exe}
rm -rf "$work"
mkdir -p "$work"
status=0

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=PondelHarbor test signing" \
  -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -passout pass:test-only \
  -out "$work/sign.pfx"
if ! PH_DIST_DIR="$work/dist" PH_SIGN_PFX="$work/sign.pfx" PH_SIGN_PASSWORD=test-only \
  "$root/scripts/package.sh" >"$work/package.log" 2>&1; then
  cat "$work/package.log"
  exit 1
fi

verify() {
  if ! osslsigncode verify -CAfile "$work/cert.pem" -in "$1" >"$work/verify.log" 2>&1; then
    echo "no valid signature: $1"
    cat "$work/verify.log"
    status=1
  fi
}
dist="$work/dist"
for f in "$dist"/win32/PondelHarbor.scr "$dist"/win64/PondelHarbor.scr "$dist"/*.exe; do verify "$f"; done
(cd "$dist" && sha256sum --quiet -c SHA256SUMS) || status=1

# shellcheck disable=SC1091
. "$PH_WINE_DIR/env"
setup=$(echo "$dist"/PondelHarbor-Setup-*-x64.exe)
if ! "$WINE" "$setup" /S; then
  echo "the signed installer failed"
  exit 1
fi
drive="$WINEPREFIX/drive_c"
verify "$drive/Program Files/PondelHarbor/Uninstall.exe"
verify "$drive/windows/system32/PondelHarbor.scr"
PH_SCR="$drive/windows/system32/PondelHarbor.scr" \
  "$WINE" "$e2e" --gtest_filter=FullScreen.TopmostWindowCoversScreenAndEachButtonOrAKeyCloses || status=1
if [ "$status" = 0 ]; then echo "signed release verified"; fi
exit $status
