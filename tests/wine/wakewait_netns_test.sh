#!/usr/bin/env bash
# Wake and wait with the real program: the PC to be woken is a namespace
# whose address appears only a few seconds after a magic packet for its MAC
# address reaches it; the packets and pings are counted there.
source "$(dirname "$0")/lib.sh"
trap 'cleanup_netns; rm -rf "$scratch"' EXIT

scratch="$QUORVANE_SCRATCH/wakewait-$$"
mkdir -p "$scratch"
snd="qv-$$-snd" pc="qv-$$-pc"
pc_mac=02:57:41:4b:45:31 boot_delay=4
log="$scratch/pc.log"
make_sleeping_pc "$snd" "$pc" 10.221.0 "$pc_mac" "$boot_delay" "$log"
# This PC saw the other one before it slept: its ARP cache still knows it.
ip -n "$snd" neigh replace 10.221.0.2 lladdr "$pc_mac" dev eth0 nud permanent
# Another device on the same cable, at an address of its own.
other_mac=02:0a:0b:0c:0d:0e
ip -n "$pc" link add link eth0 name other0 type macvlan mode bridge
ip -n "$pc" link set other0 address "$other_mac"
ip -n "$pc" addr add 10.221.0.3/24 dev other0
ip -n "$pc" link set other0 up
ip netns exec "$pc" sysctl -qw net.ipv4.conf.all.arp_ignore=1  # each answers ARP for its own address only
# A name that resolves behind a router; every other name is unknown at
# once, from a name server that is not there (nothing leaves the namespaces).
names_unknown_in "$snd" "172.31.9.9 far-pc"
prefix_for_netns "$snd" prefix

P() { probe_in "$snd" "$prefix" "$@"; }
item() { P dump | awk '/^dialog enabled/ {on=1; next} /^dialog/ {on=0} on' | sed -n "s/^  $1 [a-z]* [A-Za-z0-9]* \\[\\(.*\\)\\] style=.*/\\1/p"; }
status() { item 1053; }
events() { grep -c "^$1" "$log" || true; }
# Waits up to $1 seconds for the status to match the pattern $2; prints it.
status_until() {
  local i out=""
  for ((i = 0; i < $1 * 5; i++)); do
    out="$(status)"
    grep -qE -- "$2" <<<"$out" && break
    sleep 0.2
  done
  printf '%s' "$out"
}
start_wait() {  # start_wait ADDRESS: types it over the field's text and presses Wake and wait
  P set-clipboard "$1"
  press ctrl+a
  press ctrl+v
  press Return
}

open_program_in "$snd" "$prefix" en_US.UTF-8 0x40
check "without a whole MAC address: the wrong-address notice, nothing opened" "[Enter the correct Mac address.]" \
  "$(P dump | grep -o '1014 .*' | grep -o '\[.*\]')"
press Return
P wait 1 30 >/dev/null || true

type_text "0257414b4531"
P syscommand 0x40
P wait 2 30 >/dev/null || true
check "the MAC address it will wake" "02-57-41-4B-45-31" "$(item 1054)"
check "the address this PC's ARP cache holds for it" "10.221.0.2" "$(item 1050)"
check_contains "the firewall is named before the wait" "firewall often drops pings" "$(status)"

# A malformed address, then this PC's own: a verdict, nothing sent.
start_wait "192.168.1"
check "an inet_addr shortcut is refused" \
  "Type the PC’s IPv4 address (four numbers from 0 to 255, such as 192.168.1.23) or its name." "$(status)"
start_wait "10.221.0.1"
check "this PC's own address is refused" \
  "10.221.0.1 is this PC’s own address: type the address of the PC to be woken. Nothing was sent." "$(status)"
check "nothing was sent for either" "0" "$(events magic)"

# The wake itself.
start_wait "10.221.0.2"
verdict="$(status_until 40 'answered|No answer')"
seconds="$(sed -n 's/^The PC answered after \([0-9]*\) seconds at 10.221.0.2.$/\1/p' <<<"$verdict")"
check "the PC answered, at its address" "answered" "$([ -n "$seconds" ] && echo answered || echo "$verdict")"
check "after at least its boot time" "yes" "$([ "${seconds:-0}" -ge "$boot_delay" ] && echo yes || echo "no: $seconds s")"
check "the button reads Wake and wait again" "&Wake and wait" "$(item 1051)"
check "the packet arrived as the limited broadcast" "1" "$(grep -c '^magic 255.255.255.255 40000$' "$log")"
check "and as the subnet's directed broadcast, on both ports" "1 1" \
  "$(grep -c '^magic 10.221.0.255 40000$' "$log") $(grep -c '^magic 10.221.0.255 9$' "$log")"
check "the PC booted" "1" "$(events booted)"

# Running already: said so, nothing sent.
sent="$(events magic)"
start_wait "10.221.0.2"
check "a PC that answers is already on" \
  "10.221.0.2 already answers: it is on, and nothing was sent. Shut it down or let it sleep, then try again." \
  "$(status_until 10 'already')"
check "and nothing was sent" "$sent" "$(events magic)"

# A name that does not resolve: the packet still goes, the wait cannot watch.
start_wait "sleeping-pc.invalid"
check "an unknown name: sent, but not watched" \
  "The magic packet was sent, but the name sleeping-pc.invalid could not be found, so the wait could not watch: a sleeping PC often cannot answer for its own name. Type its address instead." \
  "$(status_until 20 'could not')"
check "the packet went" "$((sent + 1))" "$(events magic)"

# Another device answers at the address: the packet goes all the same, and
# its answers never count.
sent="$(events magic)"
start_wait "10.221.0.3"
check_contains "another device's MAC address is named at once" \
  "Another device (02-0A-0B-0C-0D-0E) answers at 10.221.0.3, not the PC 02-57-41-4B-45-31: its answers do not count, and the wait goes on." \
  "$(status_until 10 'Another device')"
check "the packet went: the limited broadcast and the subnet's on both ports" "$((sent + 3))" "$(events magic)"
check "the wait goes on" "&Stop" "$(item 1051)"
press Return
check_contains "and Stop names the device again" \
  "Another device (02-0A-0B-0C-0D-0E) answered at 10.221.0.3, not the PC 02-57-41-4B-45-31: check the address." \
  "$(status_until 5 'Stopped')"

# Behind a router: a warning, the wait goes on; then Stop.
start_wait "172.31.9.9"
check_contains "a warning before the wait" "172.31.9.9 is not on any network of this PC: it is behind a router" \
  "$(status_until 10 'Waiting for 172.31.9.9 to answer: [2-9]')"
check "the button reads Stop while waiting" "&Stop" "$(item 1051)"
press Return  # Enter presses the same button, now Stop
check_contains "Stop ends the wait" "Stopped after" "$(status_until 5 'Stopped')"
check "the button reads Wake and wait again" "&Wake and wait" "$(item 1051)"

# A name that resolves behind a router gets the same warning. Stop while a
# ping of the absent address is under way returns at once, and once that
# ping is over none follows (ARP requests counted on the PC's cable).
start_wait "far-pc"
check_contains "the name's address is behind a router: the same warning" \
  "far-pc (172.31.9.9) is not on any network of this PC: it is behind a router" \
  "$(status_until 10 'Waiting for far-pc \(172.31.9.9\) to answer: [3-9]')"
stop_ms="$(P click 1051)"
check "Stop returns at once, whatever the probe is doing" "yes" "$([ "${stop_ms:-9999}" -lt 300 ] && echo yes || echo "no: $stop_ms ms")"
check_contains "and the wait is over" "Stopped after" "$(status_until 5 'Stopped')"
sleep 3.5  # the kernel's own retries for the ping that was under way
probes="$(grep -c '172.31.9.9' "$log")"
sleep 3
check "no probe after Stop" "$probes" "$(grep -c '172.31.9.9' "$log")"

close_program_in "$snd" "$prefix"

finish
