#!/usr/bin/env bash
# Benchmarks, not tests: prints numbers, asserts nothing. Needs a finished
# build (scripts/build.sh) and root (the send benchmark uses namespaces).
#  1. start-up: launch to the X server mapping the main window, and peak
#     memory, Quorvane.exe against three minimal dialog programs of the same
#     toolchain in alternating starts: bare; with Quorvane's manifest and
#     dialog font; showing Quorvane's own main dialog and icon. Each step
#     prices one thing: what the system charges for the manifest and font,
#     what the dialog's design costs, and what Quorvane's code costs;
#  2. one "Power ON" send against a bare socket/setsockopt/sendto/close;
#  3. the network check's opening: the menu command posted to the check's
#     window mapped, for this build and, where QUORVANE_BENCH_BEFORE names
#     the Quorvane.exe of an earlier build (for example one made with
#     git worktree add DIR COMMIT and DIR/scripts/build.sh), for that one
#     too, in alternating openings.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
[ -n "${QUORVANE_IN_XVFB:-}" ] || bash "$root/scripts/install-deps.sh" bench
source "$root/scripts/wine-build.sh"
quorvane_rerun_in_xvfb "$0" "$@"
if [ -z "${QUORVANE_WINE_ARCH:-}" ]; then
  quorvane_choose_wine_build "$root"
fi
echo "Benchmarking the $QUORVANE_WINE_ARCH build: $QUORVANE_WINE_WHY."
build="$root/build/$QUORVANE_WINE_ARCH"
export QUORVANE_WINEPREFIX="$build/wineprefix" QUORVANE_SCRATCH="$build/scratch"
export QUORVANE_PROBE="$build/tests/wine/probe.exe"
source "$root/scripts/wine-env.sh" "$QUORVANE_WINEPREFIX"
source "$root/scripts/netns.sh"
quorvane_prepare_prefix
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
  local i
  for ((i = 0; i < 1000; i++)); do
    [ -e "$ready" ] && break
    sleep 0.01
  done
  [ -e "$ready" ] || { echo "bench: the map watcher did not start within 10 s" >&2; exit 1; }
  start=$(date +%s%N)
  wine "$1" </dev/null >/dev/null 2>&1 &
  pid=$!
  quorvane_wait "$waiter" 40 || { echo "bench: the map watcher did not end within 40 s" >&2; exit 1; }
  end=$(cat "$QUORVANE_SCRATCH/map.time")
  sleep 0.5  # let it settle before reading its peak memory
  peak=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
  kill "$pid" 2>/dev/null || true
  quorvane_wait "$pid" 10 || true
  probe wait 0 10 0 >/dev/null || true
  echo "$(((end - start) / 1000000)) $peak"
}
median() { sort -n | sed -n "$((runs / 2 + 1))p"; }

# "bench.sh check" runs the third benchmark alone.
if [ "${1:-}" != check ]; then
# The first start of a fresh prefix sets Wine up and is not counted; then the
# programs take turns, so that drifts of the machine hit all alike.
programs=(Quorvane.exe bench/same_dialog.exe bench/minimal_styled_dialog.exe bench/minimal_dialog.exe)
start_once "$build/bench/minimal_dialog.exe" >/dev/null
for p in "${programs[@]}"; do : >"$QUORVANE_SCRATCH/$(basename "$p").times"; done
for ((i = 0; i < runs; i++)); do
  for p in "${programs[@]}"; do start_once "$build/$p" >>"$QUORVANE_SCRATCH/$(basename "$p").times"; done
done
# column 1: milliseconds, 2: peak KB
median_of() { cut -d' ' -f"$2" "$QUORVANE_SCRATCH/$(basename "$1").times" | median; }
ratio() { awk "BEGIN {printf \"%.3f\", $1 / $2}"; }
ms_ours=$(median_of Quorvane.exe 1) kb_ours=$(median_of Quorvane.exe 2)
echo "median of $runs alternating starts, launch to window mapped and peak memory:"
for p in "${programs[@]}"; do
  echo "  $(basename "$p" .exe): $(median_of "$p" 1) ms, $(median_of "$p" 2) KB, $(stat -c %s "$build/$p") bytes"
done
same=bench/same_dialog.exe styled=bench/minimal_styled_dialog.exe bare=bench/minimal_dialog.exe
echo "Quorvane against its own dialog shown bare (its code's cost): start-up $(ratio "$ms_ours" "$(median_of $same 1)")," \
  "memory $(ratio "$kb_ours" "$(median_of $same 2)") (goals 1.05 and 1.03)"
echo "Quorvane against the styled minimal dialog: start-up $(ratio "$ms_ours" "$(median_of $styled 1)")," \
  "memory $(ratio "$kb_ours" "$(median_of $styled 2)")"
echo "Quorvane against the bare minimal dialog: start-up $(ratio "$ms_ours" "$(median_of $bare 1)")," \
  "memory $(ratio "$kb_ours" "$(median_of $bare 2)"), size $(ratio "$(stat -c %s "$build/Quorvane.exe")" "$(stat -c %s "$build/$bare")")"

snd="qv-$$-bsnd" sink="qv-$$-bsink"
make_netns "$snd"
make_netns "$sink"
link_netns "$snd" 10.216.0.1/24 "$sink" 10.216.0.2/24
ip -n "$snd" route add default dev eth0
prefix_for_netns "$snd" prefix
timeout 300 ip netns exec "$snd" env WINEPREFIX="$prefix" wine "$build/tests/wine/send_magic_packet.exe" --bench 300 2>/dev/null | tr -d '\r'
fi

# One opening of the check in program $1: prints the milliseconds from the
# menu command to the check's window mapped.
check_once() {
  local ready="$QUORVANE_SCRATCH/map.ready" posted end pid waiter i
  wine "$1" </dev/null >/dev/null 2>&1 &
  pid=$!
  probe wait 1 30 >/dev/null
  rm -f "$ready"
  /usr/bin/python3 "$root/scripts/map_wait.py" "$ready" 30 >"$QUORVANE_SCRATCH/map.time" &
  waiter=$!
  for ((i = 0; i < 1000; i++)); do
    [ -e "$ready" ] && break
    sleep 0.01
  done
  posted=$(probe syscommand-timed 0x30 | tr -d '\r')
  quorvane_wait "$waiter" 40 || { echo "bench: the check did not open within 40 s" >&2; exit 1; }
  end=$(cat "$QUORVANE_SCRATCH/map.time")
  kill "$pid" 2>/dev/null || true
  quorvane_wait "$pid" 10 || true
  probe wait 0 10 0 >/dev/null || true
  echo "$(((end - posted) / 1000000))"
}
opened=("$build/Quorvane.exe")
[ -n "${QUORVANE_BENCH_BEFORE:-}" ] && opened+=("$QUORVANE_BENCH_BEFORE")
for p in "${opened[@]}"; do : >"$QUORVANE_SCRATCH/check-$(echo "$p" | md5sum | cut -c1-8).times"; done
for ((i = 0; i < runs; i++)); do
  for p in "${opened[@]}"; do check_once "$p" >>"$QUORVANE_SCRATCH/check-$(echo "$p" | md5sum | cut -c1-8).times"; done
done
echo "median of $runs alternating openings of the network check, menu command to window mapped:"
for p in "${opened[@]}"; do
  echo "  $p: $(median <"$QUORVANE_SCRATCH/check-$(echo "$p" | md5sum | cut -c1-8).times") ms"
done
