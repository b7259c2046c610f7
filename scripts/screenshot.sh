#!/usr/bin/env bash
# Starts Quorvane.exe in a virtual X server in the given locale and saves a
# picture of its main window, at 96 DPI or the DPI given.
# Usage: screenshot.sh LOCALE OUTPUT.png [DPI]
# Needs a finished build (scripts/build.sh).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
locale="$1" output="$2" dpi="${3:-}"
source "$root/scripts/wine-build.sh"
quorvane_rerun_in_xvfb "$0" "$@"
if [ -z "${QUORVANE_WINE_ARCH:-}" ]; then
  quorvane_choose_wine_build "$root"
fi
build="$root/build/$QUORVANE_WINE_ARCH"
export QUORVANE_DPI="$dpi"
export QUORVANE_PROBE="$build/tests/wine/probe.exe"
source "$root/scripts/wine-env.sh" "$build/wineprefix${dpi:+-${dpi}dpi}"
quorvane_prepare_prefix

LANG="$locale" LC_ALL= wine "$build/Quorvane.exe" </dev/null >/dev/null 2>&1 &
probe wait 1 60 >/dev/null
sleep 1  # CJK glyphs may paint a moment after the window appears
read -r x y width height < <(probe rect)
desktop="$(xdotool search --name 'Wine desktop' | head -n 1)"
import -window "$desktop" -crop "${width}x${height}+${x}+${y}" +repage "$output"
wineserver -k 2>/dev/null || true
