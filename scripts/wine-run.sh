#!/usr/bin/env bash
# Run a Windows program under wine64 in the environment made by wine-env.sh.
# PH_WINE_DIR names that environment; without it a private one is made in
# ${TMPDIR:-/tmp}/ph-wine and kept for later runs.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
dir=${PH_WINE_DIR:-${TMPDIR:-/tmp}/ph-wine}
# An environment without the loader's name is from an older wine-env.sh.
if ! grep -qs '^export WINE=' "$dir/env"; then
  "$here/wine-env.sh" setup "$dir" >&2
fi
# shellcheck disable=SC1091
. "$dir/env"
exec "$WINE" "$@"
