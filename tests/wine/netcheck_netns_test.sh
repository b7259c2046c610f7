#!/usr/bin/env bash
# The network check of the real program, where a VPN takes Power ON's
# broadcast: a sending namespace with a veth to a receiving one and a tun
# device carrying the default route; then one with loopback only.
source "$(dirname "$0")/lib.sh"
trap 'cleanup_netns; rm -rf "$scratch"' EXIT

scratch="$QUORVANE_SCRATCH/netcheck-$$"
mkdir -p "$scratch"
snd="qv-$$-snd" rcv="qv-$$-rcv" bare="qv-$$-bare"
make_netns "$snd"
make_netns "$rcv"
link_netns "$snd" 10.218.0.1/24 "$rcv" 10.218.0.2/24
ip netns exec "$snd" python3 "$here/tun_holder.py" vpn0 "$scratch/tun.ready" &
for ((i = 0; i < 50; i++)); do [ -e "$scratch/tun.ready" ] && break; sleep 0.1; done
ip -n "$snd" addr add 10.218.8.2/24 dev vpn0
ip -n "$snd" link set vpn0 up
ip -n "$snd" route add default dev vpn0
start_listener "$rcv" "$scratch/wake" 40000
start_listener "$rcv" "$scratch/discard" 9
prefix_for_netns "$snd" prefix

P() { probe_in "$ns" "$prefix" "$@"; }
item() { P dump | awk '/^dialog enabled/ {on=1; next} /^dialog/ {on=0} on' | sed -n "s/^  $1 [a-z]* [A-Za-z0-9]* \\[\\(.*\\)\\] style=.*/\\1/p"; }
# The rows in a fixed order: the system lists adapters in an order of its own.
rows() { P rows 1040 | grep -v '^rows ' | sed 's/ *$//' | LC_ALL=C sort; }
enabled() {  # enabled ID: "enabled" or "disabled"
  local style
  style="$(P dump | sed -n "s/^  $1 .* style=\([0-9a-f]*\)$/\1/p" | head -n 1)"
  (((0x${style:-8000000} & 0x08000000) == 0)) && echo enabled || echo disabled
}
received() { cat "$scratch/wake" "$scratch/discard" 2>/dev/null | wc -l; }
open_check() {  # open_check NS PREFIX LANG MAC: the program, the MAC typed, then the check
  ns="$1" prefix="$2"
  open_program_in "$ns" "$prefix" "$3"
  [ -n "$4" ] && type_text "$4"
  P syscommand 0x30
  P wait 2 30 >/dev/null || true
}
click_item() {
  local x y
  read -r x y < <(P center "$1")
  click_at "$x" "$y"
}
close_all() {
  press Escape
  P wait 1 30 >/dev/null || true
  P syscommand 0xF060 >/dev/null
  wait_program 20
}

# Power ON's broadcast follows the default route into the VPN.
check "Power ON's packet is sent" "result 0" \
  "$(in_netns "$snd" "$prefix" wine "$QUORVANE_SEND" 0A1B2C3D4E5F 2>/dev/null | tr -d '\r')"
sleep 1
check "and never reaches the PC's network" "0" "$(received)"

open_check "$snd" "$prefix" en_US.UTF-8 0a1b2c3d4e5f
check "the check, over the main dialog" "dialog enabled [Brevinta - WOL Tester]" "$(P dump | grep '^dialog enabled')"
check "one row per adapter, the VPN taking Power ON's broadcast" \
  "eth0 | Ethernet | 10.218.0.1/24 | 10.218.0.255 | Connected |  |  | Not reported
vpn0 | VPN or tunnel | 10.218.8.2/24 | 10.218.8.255 | Connected | Leaves here |  |" "$(rows)"
check "the VPN finding, naming the network the send through every adapter reaches" \
  "Power ON’s broadcast leaves by vpn0, a VPN, tunnel or virtual adapter: the PC to be woken will probably not receive it. Disconnect the VPN, or send through every adapter, which reaches eth0 (10.218.0.1/24)." \
  "$(item 1041)"
check "a typed MAC address enables the send" "enabled" "$(enabled 1042)"
click_item 1042
check "every connected adapter was sent through" "eth0 | Sent vpn0 | Sent" \
  "$(P rows 1040 | awk -F' [|] ' 'NF > 1 {print $1 " | " $7}' | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')"
check "the magic packet reached the PC's network on port 40000" \
  "10.218.0.1 10.218.0.255 40000 102 $(expected_packet 0A1B2C3D4E5F)" "$(eventually "10.218.0.1 10.218.0.255 40000 102 $(expected_packet 0A1B2C3D4E5F)" head -n 1 "$scratch/wake")"
check "and on port 9" "10.218.0.1 10.218.0.255 9 102 $(expected_packet 0A1B2C3D4E5F)" "$(head -n 1 "$scratch/discard")"
check "once each" "2" "$(received)"

# A second subnet on the same cable: F5 lists it, and it is sent to too.
ip -n "$snd" addr add 10.219.0.1/24 dev eth0
ip -n "$rcv" addr add 10.219.0.2/24 dev eth0
press F5
two_rows="eth0 | Ethernet | 10.218.0.1/24 | 10.218.0.255 | Connected |  |  | Not reported
eth0 | Ethernet | 10.219.0.1/24 | 10.219.0.255 | Connected |  |  | Not reported
vpn0 | VPN or tunnel | 10.218.8.2/24 | 10.218.8.255 | Connected | Leaves here |  |"
check "F5 lists again: two addresses, two rows, each with its own broadcast" "$two_rows" "$(eventually "$two_rows" rows)"
click_item 1042
sleep 1
check "both subnets were sent to" "10.218.0.255 10.219.0.255" \
  "$(awk '$1 != "10.218.8.2" {print $2}' "$scratch/wake" | sort -u | tr '\n' ' ' | sed 's/ $//')"
press Return  # Close is the default button: Enter closes and sends nothing
P wait 1 30 >/dev/null || true
check "Enter closed the check" "1" "$(P dump | grep -c '^dialog')"
check "without sending" "6" "$(received)"
P syscommand 0xF060 >/dev/null
wait_program 20

# Loopback only, no MAC address typed, a Japanese user: nothing to send through.
make_netns "$bare"
prefix_for_netns "$bare" bare_prefix
open_check "$bare" "$bare_prefix" ja_JP.UTF-8 ""
check "no rows" "rows 0" "$(P rows 1040)"
check "the no-connection finding, and where to type the MAC address, in Japanese" \
  "このパソコンには使用できるネットワーク接続がありません。IPv4アドレスを持つ接続済みのアダプターがありません。まず、電源起動するパソコンのネットワークに接続してください。\\r\\n\\r\\nすべてのアダプターから送信するには、まずメインウィンドウに電源起動するパソコンのMACアドレスを入力してください。" \
  "$(item 1041)"
check "the send waits for a MAC address" "disabled" "$(enabled 1042)"
close_all

finish
