#!/usr/bin/env bash
# The magic packet on the wire: sent by the real sender under Wine in a
# namespace of the test's own, received in a second one across a veth pair,
# and compared with an independent sender's.
source "$(dirname "$0")/lib.sh"
trap 'kill "${listener_pid:-0}" 2>/dev/null || true; cleanup_netns; rm -rf "$scratch"' EXIT

scratch="$QUORVANE_SCRATCH/packet-$$"
mkdir -p "$scratch"
snd="qv-$$-snd" rcv="qv-$$-rcv" bare="qv-$$-bare"
make_netns "$snd"
make_netns "$rcv"
link_netns "$snd" 10.213.0.1/24 "$rcv" 10.213.0.2/24
ip -n "$snd" route add default dev eth0  # 255.255.255.255 needs a route
start_listener "$rcv" "$scratch/received"

prefix_for_netns "$snd" prefix
for mac in 0A1B2C3D4E5F 001122334455 FFFFFFFFFFFF; do
  result="$(in_netns "$snd" "$prefix" wine "$QUORVANE_SEND" "$mac" 2>/dev/null | tr -d '\r')"
  check "send $mac reports success" "result 0" "$result"
done
ip netns exec "$snd" wakeonlan -i 255.255.255.255 -p 40000 0a:1b:2c:3d:4e:5f >/dev/null
sleep 1

mapfile -t lines <"$scratch/received"
check "exactly one datagram per send" "4" "${#lines[@]}"
n=0
for mac in 0A1B2C3D4E5F 001122334455 FFFFFFFFFFFF; do
  read -r source destination port length payload <<<"${lines[$n]:-}"
  check "$mac: from the sender" "10.213.0.1" "$source"
  check "$mac: to the broadcast address" "255.255.255.255" "$destination"
  check "$mac: to port 40000" "40000" "$port"
  check "$mac: 102 bytes" "102" "$length"
  check "$mac: six FF, then the address sixteen times" "$(expected_packet "$mac")" "$payload"
  n=$((n + 1))
done
ours="$(awk 'NR==1 {print $5}' "$scratch/received")"
theirs="$(awk 'NR==4 {print $5}' "$scratch/received")"
check "same bytes as an independent sender's packet" "$theirs" "$ours"

# Without a route the send fails through the sender's own message box.
make_netns "$bare"
prefix_for_netns "$bare" bare_prefix
P() { probe_in "$bare" "$bare_prefix" "$@"; }  # the input helpers' probe too
in_netns "$bare" "$bare_prefix" wine "$QUORVANE_SEND" 0A1B2C3D4E5F >"$scratch/bare.out" 2>/dev/null &
sender=$!
probe_in "$bare" "$bare_prefix" wait 1 60 >/dev/null || true
box="$(probe_in "$bare" "$bare_prefix" dump)"
check_contains "message box captioned with the application name" "[send_magic_packet]" "$box"
check_contains "message box names the failure" "65535 visible Static [Error: sendto call failed]" "$box"
win="$(xdotool search --name '^send_magic_packet' 2>/dev/null | tail -n 1)"
[ -n "$win" ] && xdotool windowfocus "$win" 2>/dev/null
sleep 0.5
press Return
status=0
quorvane_wait "$sender" 30 || status=$?
check "failed send reports -1" "result -1" "$(tr -d '\r' <"$scratch/bare.out")"
check "nothing reached the listener from the namespace without a route" "4" "$(wc -l <"$scratch/received")"

finish
