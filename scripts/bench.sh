#!/usr/bin/env bash
# Benchmarks, not tests: prints numbers, asserts nothing. Needs a finished
# build (scripts/build.sh) and root (the send benchmark uses namespaces).
#  1. start-up: launch to the X server mapping the main window, and peak
#     memory, Quorvane.exe against a minimal dialog program of the same
#     toolchain in alternating starts; and both file sizes;
#  2. one "Power ON" send against a bare socket/setsockopt/sendto/close.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/wine-build.sh"
quorvane_rerun_in_xvfb "$0" "$@"
if [ -z "${QUORVANE_WINE_ARCH:-}" ]; then
  quorvane_choose_wine_build "$root"
fi
echo "Benchmarking the $QUORVANE_WINE_ARCH build: $QUORVANE_WINE_WHY."
build="$root/build/$QUORVANE_WINE_ARCH"
export QUORVANE_WINEPREFIX="$build/wineprefix" QUORVANE_SCRATCH="$build/scratch"
export QUORVANE_PROBE="$build/tests/wine/probe.exe"
source "$root/tests/wine/lib.sh"
trap cleanup_netns EXIT
runs=${QUORVANE_BENCH_RUNS:-21}

# One start of program $1: prints "MS KB", the time from launch to the X
# server mapping its window and the process's peak resident memory.
start_once() {
  local ready="$QUORVANE_SCRATCH/map.ready" start end pid peak
  mkdir -p "$QUORVANE_SCRATCH"
  rm -f "$ready"
  # Debian's own python3, the one with python3-xlib.
  /usr/bin/python3 "$root/scripts/map_wait.py" "$ready" 30 >"$QUORVANE_SCRATCH/map.time" &
  local waiter=$!
  while [ ! -e "$ready" ]; do sleep 0.01; done
  start=$(date +%s%N)
  wine "$1" </dev/null >/dev/null 2>&1 &
  pid=$!
  wait "$waiter"
  end=$(cat "$QUORVANE_SCRATCH/map.time")
  sleep 0.5  # let it settle before reading its peak memory
  peak=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  probe wait 0 10 0 >/dev/null || true
  echo "$(((end - start) / 1000000)) $peak"
}
median() { sort -n | sed -n "$((runs / 2 + 1))p"; }

# The first start of a fresh prefix sets Wine up and is not counted; then the
# two programs take turns, so that drifts of the machine hit both alike.
start_once "$build/bench/minimal_dialog.exe" >/dev/null
: >"$QUORVANE_SCRATCH/ours" && : >"$QUORVANE_SCRATCH/base"
for ((i = 0; i < runs; i++)); do
  start_once "$build/Quorvane.exe" >>"$QUORVANE_SCRATCH/ours"
  start_once "$build/bench/minimal_dialog.exe" >>"$QUORVANE_SCRATCH/base"
done
ours=$(cut -d' ' -f1 "$QUORVANE_SCRATCH/ours" | median) base=$(cut -d' ' -f1 "$QUORVANE_SCRATCH/base" | median)
mem_ours=$(cut -d' ' -f2 "$QUORVANE_SCRATCH/ours" | median) mem_base=$(cut -d' ' -f2 "$QUORVANE_SCRATCH/base" | median)
ratio() { awk "BEGIN {printf \"%.3f\", $1 / $2}"; }
size_ours=$(stat -c %s "$build/Quorvane.exe")
size_base=$(stat -c %s "$build/bench/minimal_dialog.exe")
echo "launch to window mapped (median of $runs alternating starts): Quorvane ${ours} ms," \
  "minimal dialog ${base} ms, ratio $(ratio "$ours" "$base")"
echo "peak memory (median): Quorvane ${mem_ours} KB, minimal dialog ${mem_base} KB, ratio $(ratio "$mem_ours" "$mem_base")"
echo "executable size: Quorvane $size_ours bytes, minimal dialog $size_base bytes, ratio $(ratio "$size_ours" "$size_base")"

snd="qv-$$-bsnd" sink="qv-$$-bsink"
make_netns "$snd"
make_netns "$sink"
link_netns "$snd" 10.216.0.1/24 "$sink" 10.216.0.2/24
ip -n "$snd" route add default dev eth0
prefix_for_netns "$snd" prefix
in_netns "$snd" "$prefix" wine "$build/tests/wine/send_magic_packet.exe" --bench 300 2>/dev/null | tr -d '\r'
