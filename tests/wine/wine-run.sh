#!/usr/bin/env bash
# Runs a Windows test executable under Wine in the project's test prefix.
# Usage: wine-run.sh win32|win64 PREFIX_DIR program.exe [args...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
QUORVANE_WINE_ARCH="$1"
source "$here/../../scripts/wine-env.sh" "$2"
shift 2
quorvane_prepare_prefix
# Wine leaves helper processes (wineserver, the desktop) running after the
# program ends; they must not inherit our output pipe, or whoever reads it
# waits for them too.
out="$(mktemp)"
trap 'rm -f "$out"' EXIT
status=0
wine "$@" >"$out" 2>&1 </dev/null || status=$?
cat "$out"
exit "$status"
