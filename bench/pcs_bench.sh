#!/usr/bin/env bash
# My PCs' first round of states for 64 saved PCs (32 that answer ping, 32
# absent) in namespaces of its own: the time from the menu command to every
# state shown, and the window's answer to a message while the probes run
# (a message sent to its status line and answered). Prints numbers, asserts
# nothing. Run by "scripts/bench.sh pcs", which sets up the environment.
source "$(dirname "$0")/../tests/wine/lib.sh"
trap 'cleanup_netns; rm -rf "$scratch"' EXIT
scratch="$QUORVANE_SCRATCH/pcs-bench-$$"
mkdir -p "$scratch"
snd="qv-$$-snd" rcv="qv-$$-rcv"
make_netns "$snd"
make_netns "$rcv"
link_netns "$snd" 10.234.0.1/24 "$rcv" 10.234.0.2/24
for i in $(seq 10 41); do ip -n "$rcv" addr add "10.234.0.$i/24" dev eth0; done
prefix_for_netns "$snd" prefix
P() { probe_in "$snd" "$prefix" "$@"; }

list="$(ls -d "$prefix"/drive_c/users/*/AppData/Roaming | grep -v /Public/ | head -n 1)/Quorvane/PCs.csv"
mkdir -p "$(dirname "$list")"
{
  printf 'Name,MAC,Address\r\n'
  for i in $(seq 10 73); do printf 'pc-%d,02-57-41-4B-45-%02X,10.234.0.%d\r\n' "$i" "$i" "$i"; done
} >"$list"

in_netns "$snd" "$prefix" LANG=en_US.UTF-8 LC_ALL= wine "$QUORVANE_EXE" </dev/null >/dev/null 2>&1 &
program_pid=$!
P wait 1 30 >/dev/null || true
posted="$(P syscommand-timed 0x0050)"
P wait 2 30 >/dev/null || true
opened="$(date +%s%N)"
# Messages to the window throughout the round, from a second process.
(while [ ! -e "$scratch/done" ]; do P click 1067 >>"$scratch/replies"; done) &
clicker=$!
while :; do
  shown="$(P rows 1060 | grep -c -e '| Awake$' -e '| Not answering$' -e '| Answers ARP only$' || true)"
  [ "$shown" -ge 64 ] && break
  [ $(( $(date +%s%N) - posted )) -lt 30000000000 ] || { echo "not every state within 30 s: $shown"; break; }
done
done_at="$(date +%s%N)"
touch "$scratch/done"
wait "$clicker" || true
echo "64 saved PCs: every state shown $(((done_at - opened) / 1000000)) ms after the window showed," \
  "$(((done_at - posted) / 1000000)) ms after the menu command (polled: upper bounds)"
echo "the window's answers to a message sent while the probes ran (ms): $(sort -n "$scratch/replies" | tr '\n' ' ')"
echo "awake: $(P rows 1060 | grep -c '| Awake$' || true), not answering: $(P rows 1060 | grep -c '| Not answering$' || true)"
kill "$program_pid" 2>/dev/null || true
