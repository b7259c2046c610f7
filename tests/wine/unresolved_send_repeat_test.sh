#!/usr/bin/env bash
# Wake and wait with a name that cannot be found, again and again in one run
# of the program: the worker that failed to look the name up ends its socket
# layer just as the dialog's thread sends Power ON's packet, and the packet
# must go every time. QUORVANE_REPEAT sets the count (CI: a few; 50 or more
# by hand, to measure how often it fails).
source "$(dirname "$0")/lib.sh"
trap 'cleanup_netns; rm -rf "$scratch"' EXIT

repeat="${QUORVANE_REPEAT:-6}"
scratch="$QUORVANE_SCRATCH/unresolved-$$"
mkdir -p "$scratch"
snd="qv-$$-snd" pc="qv-$$-pc"
pc_mac=02:57:41:4b:45:32
log="$scratch/pc.log"
make_sleeping_pc "$snd" "$pc" 10.222.0 "$pc_mac" 9999 "$log"  # never boots
# Every name is unknown at once, from a name server that is not there.
mkdir -p "/etc/netns/$snd"
printf '127.0.0.1 localhost\n' >"/etc/netns/$snd/hosts"
printf 'nameserver 127.0.0.1\n' >"/etc/netns/$snd/resolv.conf"
prefix_for_netns "$snd" prefix

P() { probe_in "$snd" "$prefix" "$@"; }
status() { P dump | awk '/^dialog enabled/ {on=1; next} /^dialog/ {on=0} on' | sed -n 's/^  1053 [a-z]* [A-Za-z0-9]* \[\(.*\)\] style=.*/\1/p'; }
packets() { grep -c '^magic 255.255.255.255 40000$' "$log" || true; }

open_program_in "$snd" "$prefix" en_US.UTF-8
type_text "0257414b4532"
P syscommand 0x40
P wait 2 30 >/dev/null || true

# Each round asks for a name of its own, so a round's verdict can never be
# mistaken for the one before it.
failed=0 unanswered=0
for ((i = 1; i <= repeat; i++)); do
  name="sleeping-pc-$i.invalid"
  P set-clipboard "$name"
  xdotool key --delay 40 ctrl+a ctrl+v Return
  out=""
  for ((t = 0; t < 100; t++)); do
    out="$(status)"
    grep -qE "name $name could not|failed" <<<"$out" && break
    sleep 0.1
  done
  if grep -q "failed" <<<"$out"; then
    failed=$((failed + 1))
    echo "round $i: $out"
  elif ! grep -q "name $name could not" <<<"$out"; then
    unanswered=$((unanswered + 1))
    echo "round $i: no verdict: $out"
  fi
done
sleep 1  # the last datagram's way to the other namespace
echo "rounds: $repeat, send failures: $failed, no verdict: $unanswered, packets arrived: $(packets)"
check "every round sent its packet" "0 failed" "$failed failed"
check "every round came to its verdict" "0" "$unanswered"
check "one packet a round reached the cable" "$repeat" "$(packets)"

press Escape
P wait 1 30 >/dev/null || true
P syscommand 0xF060 >/dev/null
wait_program 20
check "the program ends normally" "0" "$program_status"

finish
