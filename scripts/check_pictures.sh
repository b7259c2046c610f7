#!/usr/bin/env bash
# Takes README's two pictures of the network check, each in network
# namespaces of its own: on the sending PC, where a VPN takes Power ON's
# broadcast (netcheck-en.png), and on the PC to be woken, whose card wakes on
# a magic packet (readiness-en.png). Needs a finished build with its probe
# (scripts/build.sh) and the rights to make namespaces.
# Usage: check_pictures.sh [FOLDER]   (docs/ when not given)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
folder="$(realpath "${1:-$root/docs}")"
source "$root/scripts/wine-build.sh"
quorvane_rerun_in_xvfb "$0" "$@"
[ -n "${QUORVANE_WINE_ARCH:-}" ] || quorvane_choose_wine_build "$root"
build="$root/build/$QUORVANE_WINE_ARCH"
export QUORVANE_EXE="$build/Quorvane.exe" QUORVANE_PROBE="$build/tests/wine/probe.exe"
export QUORVANE_WINEPREFIX="$build/wineprefix" QUORVANE_SCRATCH="$build/scratch"
source "$root/tests/wine/lib.sh"
trap 'cleanup_netns' EXIT
P() { probe_in "$ns" "$prefix" "$@"; }  # the keys and clicks go to the program in $ns

picture() {  # picture FILE: the check as it is on the screen, then closed
  local x y width height
  sleep 1  # the findings paint a moment after the rows
  read -r x y width height < <(P rect)
  import -window "$(desktop_window)" -crop "${width}x${height}+${x}+${y}" +repage "$folder/$1"
  close_program_in "$ns" "$prefix"
  echo "saved $folder/$1"
}

# The sending PC: its cable on the PC's network, a VPN carrying the default route.
snd="qv-$$-snd" lan="qv-$$-lan"
make_netns "$snd"
make_netns "$lan"
link_netns "$snd" 192.168.1.20/24 "$lan" 192.168.1.30/24
mkdir -p "$QUORVANE_SCRATCH"
ip netns exec "$snd" python3 "$root/tests/wine/tun_holder.py" vpn0 "$QUORVANE_SCRATCH/tun-$$.ready" &
for ((i = 0; i < 50; i++)); do [ -e "$QUORVANE_SCRATCH/tun-$$.ready" ] && break; sleep 0.1; done
rm -f "$QUORVANE_SCRATCH/tun-$$.ready"
ip -n "$snd" addr add 10.8.0.6/24 dev vpn0
ip -n "$snd" link set vpn0 up
ip -n "$snd" route add default dev vpn0
ns="$snd"
prefix_for_netns "$ns" prefix
open_program_in "$ns" "$prefix" en_US.UTF-8
type_text 0a1b2c3d4e5f
P syscommand 0x30
P wait 2 30 >/dev/null || true
picture netcheck-en.png

# The PC to be woken: its card's driver key says it wakes on a magic packet.
pc="qv-$$-pc" peer="qv-$$-peer"
make_netns "$pc"
make_netns "$peer"
link_netns "$pc" 192.168.1.23/24 "$peer" 192.168.1.30/24
ip -n "$pc" route add default via 192.168.1.30
ns="$pc"
prefix_for_netns "$ns" prefix
index="$(ip -n "$pc" -o link show eth0 | cut -d: -f1)"
class='HKLM\SYSTEM\CurrentControlSet\Control\Class\{4D36E972-E325-11CE-BFC1-08002BE10318}\0007'
in_netns "$pc" "$prefix" wine reg add "$class" /v NetCfgInstanceId /t REG_SZ \
  /d "$(printf '{%08X-0000-0000-0000-4E6574446576}' "$index")" /f >/dev/null 2>&1
in_netns "$pc" "$prefix" wine reg add "$class" /v '*WakeOnMagicPacket' /t REG_SZ /d 1 /f >/dev/null 2>&1
open_program_in "$pc" "$prefix" en_US.UTF-8 0x30
picture readiness-en.png
