#!/usr/bin/env bash
# Installs what is missing, builds Quorvane.exe and starts it under Wine.
# On a desktop the window opens; without a display it runs in a virtual X
# server and a screenshot of its window is saved instead. Where this machine
# cannot run 32-bit programs, the 64-bit sibling build runs in its place.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Every failure names what failed: a bare status code helps nobody.
step() {  # step DESCRIPTION command...
  local what="$1" status=0
  shift
  "$@" || status=$?
  if [ "$status" -ne 0 ]; then
    echo "run: $what failed (exit status $status)" >&2
    exit "$status"
  fi
}

step "installing the build and run dependencies" bash "$root/scripts/install-deps.sh" run
source "$root/scripts/wine-build.sh"
# Only what running needs: the program, and the probe that finds its window.
step "building the 32-bit Quorvane.exe" bash "$root/scripts/build.sh" win32 Quorvane probe
step "checking whether 32-bit Windows programs run here" quorvane_choose_wine_build "$root"
arch="$QUORVANE_WINE_ARCH"
if [ "$arch" = win64 ]; then
  echo "Running the 64-bit build of Quorvane: $QUORVANE_WINE_WHY."
  step "building the 64-bit Quorvane.exe" bash "$root/scripts/build.sh" win64 Quorvane probe
fi

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  source "$root/scripts/wine-env.sh" "$root/build/$arch/desktop-prefix"
  QUORVANE_VIRTUAL_DESKTOP=0 step "preparing the Wine prefix" quorvane_prepare_prefix
  step "running $root/build/$arch/Quorvane.exe under Wine" wine "$root/build/$arch/Quorvane.exe"
  exit 0
fi
shot="$root/build/quorvane-window.png"
step "taking a screenshot of Quorvane in a virtual X server" \
  bash "$root/scripts/screenshot.sh" "${LANG:-en_US.UTF-8}" "$shot"
echo "No display here: Quorvane ran in a virtual X server. Its window: $shot"
