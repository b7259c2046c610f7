#!/usr/bin/env bash
# The magic-packet listener of the real program: opened from the window menu
# in one namespace, fed from another by independent senders and by
# Quorvane's own.
source "$(dirname "$0")/lib.sh"
trap 'kill "${holder_pid:-0}" 2>/dev/null || true; cleanup_netns' EXIT

lst="qv-$$-lst" snd="qv-$$-snd"
make_netns "$lst"
make_netns "$snd"
link_netns "$lst" 10.217.0.1/24 "$snd" 10.217.0.2/24
ip -n "$lst" link set eth0 address 02:4c:49:53:54:4e
ip -n "$snd" route add default dev eth0  # for the broadcast of Quorvane's sender
prefix_for_netns "$lst" prefix
prefix_for_netns "$snd" snd_prefix

P() { probe_in "$lst" "$prefix" "$@"; }
item() { P dump | awk '/^dialog enabled/ {on=1; next} /^dialog/ {on=0} on' | sed -n "s/^  $1 visible [A-Za-z0-9]* \\[\\(.*\\)\\] style=.*/\\1/p"; }
status() { item 1032; }
rows() { P rows 1030; }
row_count() { P rows 1030 count; }
send() { ip netns exec "$snd" python3 "$here/udp_sender.py" "$@"; }
open_listener() {  # open_listener LANG: the program, then its listener
  in_netns "$lst" "$prefix" LANG="$1" LC_ALL= wine "$QUORVANE_EXE" </dev/null >/dev/null 2>&1 &
  program_pid=$!
  P wait 1 30 >/dev/null || true
  P syscommand 0x20
  P wait 2 30 >/dev/null || true
}
close_all() {
  P syscommand 0xF060 >/dev/null  # SC_CLOSE: the listener, then the program
  P wait 1 30 >/dev/null || true
  P syscommand 0xF060 >/dev/null
  wait_program 20
}

# Another program holds port 7 before the listener opens.
ip netns exec "$lst" python3 -c 'import socket, time
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("0.0.0.0", 7)); time.sleep(300)' &
holder_pid=$!
sleep 0.5

open_listener en_US.UTF-8
check "the listener, over the main dialog" "dialog enabled [Brevinta - WOL Tester]" "$(P dump | grep '^dialog enabled')"
check "its note" "Keep this window open on the PC to be woken, then send from another PC. Every magic packet that reaches this PC appears below." "$(item 1031)"
check "a port in use stops neither the others nor the dialog" \
  "Listening on UDP ports 40000, 9. Port 7 is in use. Not magic packets: 0." "$(status)"

ip netns exec "$snd" wakeonlan -i 10.217.0.255 -p 9 02:4c:49:53:54:4e >/dev/null
in_netns "$snd" "$snd_prefix" wine "$QUORVANE_SEND" 0A1B2C3D4E5F >/dev/null 2>&1
send 10.217.0.1 40000 1 -
check "two packets listed, the datagram that is none only counted" "rows 2" "$(eventually "rows 2" row_count)"
listed="$(rows)"
check_contains "wakeonlan to port 9 with this PC's address: This PC" " | 10.217.0.2:" "$(sed -n 1p <<<"$listed")"
check "its port, address and mark" "9 | 02-4C-49-53-54-4E | Yes" "$(sed -n 1p <<<"$listed" | cut -d'|' -f3- | sed 's/^ //')"
check "Quorvane's own broadcast to 40000, another PC's address: no mark" "40000 | 0A-1B-2C-3D-4E-5F | " \
  "$(sed -n 2p <<<"$listed" | cut -d'|' -f3- | sed 's/^ //')"
check "the count of datagrams that were not magic packets" \
  "Listening on UDP ports 40000, 9. Port 7 is in use. Not magic packets: 1." "$(status)"

# A flood: the dialog keeps answering and keeps the newest thousand rows.
send 10.217.0.1 40000 20000 0a0b0c0d0e0f
check "a burst of 20,000 leaves a thousand rows" "rows 1000" "$(eventually "rows 1000" row_count)"
check_contains "and the dialog answers" "Not magic packets: 1." "$(status)"

close_all
check "closing ends the program" "0" "$program_status"
check "and frees the listener's ports" "bound" \
  "$(ip netns exec "$lst" python3 -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("0.0.0.0", 40000)); print("bound")' 2>&1)"

for case in "ko_KR.UTF-8|Brevinta - WOL 기능 테스트|닫기" "ja_JP.UTF-8|Brevinta - WOL機能テスト|閉じる"; do
  IFS='|' read -r locale caption close <<<"$case"
  open_listener "$locale"
  check "$locale: caption" "dialog enabled [$caption]" "$(P dump | grep '^dialog enabled')"
  check "$locale: Close button" "$close" "$(item 2)"
  check_contains "$locale: listening again" "40000, 9" "$(status)"
  close_all
done

finish
