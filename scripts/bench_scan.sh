#!/usr/bin/env bash
# A benchmark, not a test: prints numbers, asserts nothing. Finding the PCs
# of a 254-address subnet with 40 devices (scripts/netns.sh's scan network,
# ten of them dropping pings) and a name server that answers at once, side
# by side in one run: Debian's `nmap -sn` (an ARP scan as root, with its
# reverse lookups) against `Quorvane.exe /scan`, whole-process times, in
# alternating runs, and whether both found the same devices. Needs a
# finished build (scripts/build.sh), root, and nmap
# (scripts/install-deps.sh bench).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/wine-build.sh"
if [ -z "${QUORVANE_WINE_ARCH:-}" ]; then
  quorvane_choose_wine_build "$root"
fi
command -v nmap >/dev/null || { echo "bench_scan: no nmap: run scripts/install-deps.sh bench" >&2; exit 1; }
build="$root/build/$QUORVANE_WINE_ARCH"
export QUORVANE_SCRATCH="$build/scratch"
source "$root/scripts/wine-env.sh" "$build/wineprefix"
source "$root/scripts/netns.sh"
quorvane_prepare_prefix
trap 'if [ -n "${dns_pid:-}" ]; then kill "$dns_pid" 2>/dev/null; wait "$dns_pid" 2>/dev/null || true; fi; cleanup_netns' EXIT
runs=${QUORVANE_BENCH_RUNS:-11}

snd="qvb-$$-snd"
make_scan_network "$snd" "qvb-$$-ping" "qvb-$$-nopg" 10.78.0
mkdir -p "$QUORVANE_SCRATCH"
start_instant_dns "$snd" "$QUORVANE_SCRATCH/bench-dns.ready"
prefix_for_netns "$snd" prefix

# Each run starts from an empty neighbour table, as a first scan does.
timed() {  # timed OUTPUT command...: prints milliseconds
  local out="$1" start
  shift
  ip netns exec "$snd" ip neigh flush all
  start=$(date +%s%N)
  "$@" </dev/null >"$out" 2>/dev/null || true
  echo $((($(date +%s%N) - start) / 1000000))
}
nmap_named_run() { ip netns exec "$snd" nmap -sn -PR -R --system-dns -oG - 10.78.0.0/24; }
scan_run() { ip netns exec "$snd" env WINEPREFIX="$prefix" wine "$build/Quorvane.exe" /scan; }
: >"$QUORVANE_SCRATCH/nmap.times"
: >"$QUORVANE_SCRATCH/scan.times"
scan_run >/dev/null 2>&1 </dev/null || true  # the prefix's first start is not counted
for ((i = 0; i < runs; i++)); do
  timed "$QUORVANE_SCRATCH/nmap.out" nmap_named_run >>"$QUORVANE_SCRATCH/nmap.times"
  timed "$QUORVANE_SCRATCH/scan.out" scan_run >>"$QUORVANE_SCRATCH/scan.times"
done
median() { sort -n | sed -n "$((runs / 2 + 1))p"; }
nmap_ms=$(median <"$QUORVANE_SCRATCH/nmap.times")
scan_ms=$(median <"$QUORVANE_SCRATCH/scan.times")
# nmap lists this PC's own address too; /scan leaves it out.
nmap_found=$(grep -o 'Host: [0-9.]*' "$QUORVANE_SCRATCH/nmap.out" | cut -d' ' -f2 | grep -vx 10.78.0.1 | sort -V)
scan_found=$(tr -d '\r' <"$QUORVANE_SCRATCH/scan.out" | grep -v '^#' | cut -f1 | sort -V)
echo "nmap -sn (ARP, reverse names):  median ${nmap_ms} ms of $runs runs, $(wc -l <<<"$nmap_found") devices"
echo "Quorvane.exe /scan:              median ${scan_ms} ms of $runs runs, $(wc -l <<<"$scan_found") devices"
echo "ratio /scan / nmap:              $(awk "BEGIN {printf \"%.2f\", $scan_ms / $nmap_ms}")"
[ "$nmap_found" = "$scan_found" ] && echo "the same devices" || echo "the devices differ"
