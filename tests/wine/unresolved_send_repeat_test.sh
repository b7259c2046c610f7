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
names_unknown_in "$snd"
prefix_for_netns "$snd" prefix

P() { probe_in "$snd" "$prefix" "$@"; }
status() { item_in "$snd" "$prefix" 1053; }
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

close_program_in "$snd" "$prefix"

finish
