#!/usr/bin/env bash
# Benchmarks, not tests: prints numbers, asserts nothing. Needs a finished
# build (scripts/build.sh) and root (the send benchmark uses namespaces).
#  1. start-up: process start to main window visible, Quorvane.exe against a
#     minimal dialog program of the same toolchain; and both file sizes;
#  2. one "Power ON" send against a bare socket/setsockopt/sendto/close.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ -z "${QUORVANE_IN_XVFB:-}" ]; then
  QUORVANE_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
if [ -z "${QUORVANE_WINE_ARCH:-}" ]; then
  source "$root/scripts/wine-build.sh"
  quorvane_choose_wine_build "$root"
fi
echo "Benchmarking the $QUORVANE_WINE_ARCH build: $QUORVANE_WINE_WHY."
build="$root/build/$QUORVANE_WINE_ARCH"
export QUORVANE_WINEPREFIX="$build/wineprefix" QUORVANE_SCRATCH="$build/scratch"
export QUORVANE_PROBE="$build/tests/wine/probe.exe"
source "$root/tests/wine/lib.sh"
trap cleanup_netns EXIT
runs=7

startup_ms() {  # median over $runs starts of program $1
  local times=() i start end pid
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    wine "$1" </dev/null >/dev/null 2>&1 &
    pid=$!
    probe wait 1 30 0 >/dev/null
    end=$(date +%s%N)
    times+=($(((end - start) / 1000000)))
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    probe wait 0 10 0 >/dev/null || true
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$((runs / 2 + 1))p"
}

wine "$build/bench/minimal_dialog.exe" </dev/null >/dev/null 2>&1 &  # warm up Wine once
probe wait 1 30 0 >/dev/null; kill $! 2>/dev/null || true; wait 2>/dev/null || true
ours=$(startup_ms "$build/Quorvane.exe")
base=$(startup_ms "$build/bench/minimal_dialog.exe")
size_ours=$(stat -c %s "$build/Quorvane.exe")
size_base=$(stat -c %s "$build/bench/minimal_dialog.exe")
echo "start to visible window (median of $runs): Quorvane ${ours} ms, minimal dialog ${base} ms," \
  "ratio $(awk "BEGIN {printf \"%.2f\", $ours / $base}")"
echo "executable size: Quorvane $size_ours bytes, minimal dialog $size_base bytes," \
  "ratio $(awk "BEGIN {printf \"%.2f\", $size_ours / $size_base}")"

snd="qv-$$-bsnd" sink="qv-$$-bsink"
make_netns "$snd"
make_netns "$sink"
link_netns "$snd" 10.216.0.1/24 "$sink" 10.216.0.2/24
ip -n "$snd" route add default dev eth0
prefix_for_netns "$snd" prefix
in_netns "$snd" "$prefix" wine "$build/tests/wine/send_magic_packet.exe" --bench 300 2>/dev/null | tr -d '\r'
