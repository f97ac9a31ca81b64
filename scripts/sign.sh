#!/usr/bin/env bash
# Signs Windows programs in place (Authenticode, SHA-256) with osslsigncode.
#   sign.sh FILE...
# PH_SIGN_PFX: the certificate and key (PKCS#12); PH_SIGN_PASSWORD: its
# password; PH_SIGN_TIMESTAMP: optional RFC 3161 timestamp server URL.
set -eu
pfx=${PH_SIGN_PFX:?PH_SIGN_PFX names no certificate}
: "${PH_SIGN_PASSWORD?PH_SIGN_PASSWORD is not set}"
ts=()
if [ -n "${PH_SIGN_TIMESTAMP:-}" ]; then ts=(-ts "$PH_SIGN_TIMESTAMP"); fi
for f in "$@"; do
  # The password goes through a pipe, not the command line.
  osslsigncode sign -pkcs12 "$pfx" -readpass <(printf '%s' "$PH_SIGN_PASSWORD") \
    -h sha256 -n PondelHarbor "${ts[@]}" -in "$f" -out "$f.signed" >/dev/null
  mv -f "$f.signed" "$f"
done
