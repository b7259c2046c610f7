#!/usr/bin/env bash
# A PC whose card sits under a virtual switch or bridge, in the shape Windows
# reports it: a Linux bridge br0 carries the IPv4 address and its member's
# MAC address (as a Hyper-V switch does), or that MAC with the locally
# administered bit set (as a Network Bridge does); the member eth0 has no
# IPv4 of its own. The check must see the card under the switch, read the
# card's driver key, and send through br0 to the card's network; the
# listener must know the card's MAC address as this PC's.
source "$(dirname "$0")/lib.sh"
trap 'cleanup_netns; rm -rf "$scratch"' EXIT

scratch="$QUORVANE_SCRATCH/bridge-$$"
mkdir -p "$scratch"
# A PC and its LAN: make_pc PC LAN BRIDGE_MAC; the PC's prefix in $prefix.
make_pc() {
  make_netns "$1"
  make_netns "$2"
  link_netns "$1" 10.221.0.1/24 "$2" 10.221.0.2/24
  ip -n "$1" addr flush dev eth0
  ip -n "$1" link set eth0 address 00:1a:2b:3c:4d:5e
  ip -n "$1" link add br0 type bridge
  ip -n "$1" link set br0 address "$3"
  ip -n "$1" link set eth0 master br0
  ip -n "$1" addr add 10.221.0.1/24 dev br0
  ip -n "$1" link set br0 up
  ip -n "$1" route add default dev br0
  pc="$1" lan="$2"
  prefix_for_netns "$1" prefix
}
make_pc "qv-$$-pc" "qv-$$-lan" 00:1a:2b:3c:4d:5e
start_listener "$lan" "$scratch/wake" 40000
start_listener "$lan" "$scratch/discard" 9

# Wine names an adapter after its interface index.
guid_of() { printf '{%08X-0000-0000-0000-4E6574446576}' "$(ip -n "$pc" -o link show "$1" | cut -d: -f1)"; }
class='HKLM\SYSTEM\CurrentControlSet\Control\Class\{4D36E972-E325-11CE-BFC1-08002BE10318}'
reg() { in_netns "$pc" "$prefix" wine reg "$@" >/dev/null 2>&1; }
write_driver_keys() {  # the card's says off, the switch's own says on
  reg add "$class\\0001" /v NetCfgInstanceId /t REG_SZ /d "$(guid_of eth0)" /f
  reg add "$class\\0001" /v '*WakeOnMagicPacket' /t REG_SZ /d 0 /f
  reg add "$class\\0002" /v NetCfgInstanceId /t REG_SZ /d "$(guid_of br0)" /f
  reg add "$class\\0002" /v '*WakeOnMagicPacket' /t REG_SZ /d 1 /f
}
write_driver_keys

P() { probe_in "$pc" "$prefix" "$@"; }
item() { P dump | awk '/^dialog enabled/ {on=1; next} /^dialog/ {on=0} on' | sed -n "s/^  $1 [a-z]* [A-Za-z0-9]* \\[\\(.*\\)\\] style=.*/\\1/p"; }
rows() { P rows 1040 | grep -v '^rows ' | sed 's/ *$//' | LC_ALL=C sort; }
close_all() {
  press Escape
  P wait 1 30 >/dev/null || true
  P syscommand 0xF060 >/dev/null
  wait_program 20
}
firmware="The firmware’s own settings (Wake on LAN, Power on by PCI-E, ErP or deep sleep off) cannot be read from Windows: check them in the firmware setup."
last="The firmware says this PC was last started by: Unknown. Windows recorded no start to pair it with, so it may be from an earlier start.\\r\\n\\r\\n"
wake_off="This PC: eth0 does not wake on a magic packet. Turn on Wake on Magic Packet in its Advanced properties (Device Manager)."

open_program_in "$pc" "$prefix" en_US.UTF-8
type_text 0a1b2c3d4e5f
P syscommand 0x30
P wait 2 30 >/dev/null || true
check "the card under the switch has a row of its own; both show the card's wake setting" \
  "br0 | Virtual switch on eth0 | 10.221.0.1/24 | 10.221.0.255 | Connected | Leaves here |  | Off
eth0 | Ethernet | - | - | Connected |  |  | Off" "$(rows)"
check "no VPN finding: the switch reaches the card's network" \
  "Power ON’s broadcast leaves by br0 (10.221.0.1/24). The PC to be woken must be on that network, not behind a router.\\r\\n\\r\\nbr0 is a virtual switch, bridge or team on the card eth0: what leaves by it reaches the network of eth0." \
  "$(item 1041)"
ready="Waking this PC by eth0:\\r\\nFrom sleep (S1): no.\\r\\nFrom hibernation: no.\\r\\nFrom shutdown: no.\\r\\n\\r\\n$last$wake_off\\r\\n\\r\\nThis PC: eth0 carries the network of br0. It wakes this PC by its own MAC address, 00-1A-2B-3C-4D-5E.\\r\\n\\r\\n$firmware"
check "the verdicts and findings name the card and the MAC address that wakes this PC" "$ready" \
  "$(eventually "$ready" item 1043)"
read -r x y < <(P center 1042)
click_at "$x" "$y"
packet="$(expected_packet 0A1B2C3D4E5F)"
check "the send through every adapter leaves by br0 to the card's network" \
  "10.221.0.1 10.221.0.255 40000 102 $packet" "$(eventually "10.221.0.1 10.221.0.255 40000 102 $packet" head -n 1 "$scratch/wake")"
check "and on port 9" "10.221.0.1 10.221.0.255 9 102 $packet" "$(head -n 1 "$scratch/discard")"
check "the card's row is never sent to" "1 1" "$(wc -l <"$scratch/wake") $(wc -l <"$scratch/discard")"
close_all


# The listener marks a packet for the card's own MAC address as this PC's.
open_program_in "$pc" "$prefix" en_US.UTF-8 0x20
ip netns exec "$lan" python3 "$here/udp_sender.py" 10.221.0.1 9 1 001a2b3c4d5e
check "the listener: the card's MAC address is this PC's" "rows 1" "$(eventually "rows 1" P rows 1030 count)"
check "marked Yes" "9 | 00-1A-2B-3C-4D-5E | Yes" "$(P rows 1030 | sed -n 1p | cut -d'|' -f3- | sed 's/^ //; s/ *$//')"
P syscommand 0xF060 >/dev/null
P wait 1 30 >/dev/null || true
P syscommand 0xF060 >/dev/null
wait_program 20

# A Network Bridge: the bridge carries the card's MAC with the 0x02 bit set,
# in Japanese. Wine reads a MAC address once, so on a PC of its own.
make_pc "qv-$$-pc2" "qv-$$-lan2" 02:1a:2b:3c:4d:5e
write_driver_keys
open_program_in "$pc" "$prefix" ja_JP.UTF-8 0x30
check "ja: the bridge on its card" "br0 | eth0上の仮想スイッチ | 10.221.0.1/24 | 10.221.0.255 | 接続 | ここから送出 |  | オフ" \
  "$(rows | head -n 1)"
check_contains "ja: the MAC address that wakes this PC is the card's, not the bridge's" \
  "このパソコンは、ブリッジが使いQuorvaneの使用中のPCのMACアドレス画面に表示される02-1A-2B-3C-4D-5Eではなく、eth0自身のMACアドレス00-1A-2B-3C-4D-5Eで起動します。" \
  "$(item 1043)"
close_all

finish
