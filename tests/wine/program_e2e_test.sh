#!/usr/bin/env bash
# The real Quorvane.exe as a user meets it: real keystrokes and clicks, in
# network namespaces of the test's own, with a listener for the packet.
source "$(dirname "$0")/lib.sh"
trap 'kill "${listener_pid:-0}" 2>/dev/null || true; cleanup_netns; rm -rf "$scratch"' EXIT

scratch="$QUORVANE_SCRATCH/e2e-$$"
mkdir -p "$scratch"
snd="qv-$$-snd" rcv="qv-$$-rcv" bare="qv-$$-bare"

# Probes the program of namespace $ns / prefix $prefix.
P() { probe_in "$ns" "$prefix" "$@"; }
dialogs() { P wait "$1" 30 >/dev/null || true; }
active() { P dump | awk '/^dialog enabled/ {on=1; print; next} /^dialog/ {on=0} on'; }
field() { P dump | sed -n "s/^  $1 visible [A-Za-z]* \\[\\(.*\\)\\] style=.*/\\1/p" | head -n 1; }
open_program() {  # open_program NS PREFIX LANG
  ns="$1" prefix="$2"
  in_netns "$ns" "$prefix" LANG="$3" LC_ALL= wine "$QUORVANE_EXE" </dev/null >/dev/null 2>&1 &
  program_pid=$!
  dialogs 1
  focus_program
}
click_link() {
  local x y
  read -r x y < <(P center 1016)
  click_at "$x" "$y"
}

# --- A network with a listener: send, refuse, look up the own address. ---
make_netns "$snd"
make_netns "$rcv"
link_netns "$snd" 10.215.0.1/24 "$rcv" 10.215.0.2/24
ip -n "$snd" route add default dev eth0
ip -n "$snd" link set eth0 address 02:1a:2b:3c:4d:5e
start_listener "$rcv" "$scratch/received"
prefix_for_netns "$snd" snd_prefix
open_program "$snd" "$snd_prefix" en_US.UTF-8

check "focus starts in the MAC field" "  focus 1002" "$(active | sed -n 2p)"
check "fixed size, with a taskbar button" "minimizebox=0 maximizebox=0 appwindow=1" "$(P window)"
P set-clipboard "aa:bb:cc:dd:ee:ff"
press ctrl+v
check "Ctrl+V pastes through the mask" "AA-BB-CC-DD-EE-FF" "$(eventually "AA-BB-CC-DD-EE-FF" field 1002)"
press Home Delete
check "Delete inside the address deletes nothing" "AA-BB-CC-DD-EE-FF" "$(eventually "AA-BB-CC-DD-EE-FF" field 1002)"
press Home shift+End Delete
check "Delete clears the whole selected text" "" "$(eventually "" field 1002)"
type_text "g#-z0a1b2cd"
press BackSpace
check "typing refuses what does not fit; Backspace takes the last character" "0A-1B-2C-" "$(eventually "0A-1B-2C-" field 1002)"
press BackSpace
press Return
dialogs 2
check "incomplete address: the wrong-address notice" "[Enter the correct Mac address.]" "$(active | grep -o '1014 .*' | grep -o '\[.*\]')"
check "with the common caption" "dialog enabled [Brevinta - WOL Tester]" "$(active | head -n 1)"
check "and the warning icon" "warning" "$(P icon)"
press Return
dialogs 1
check "nothing was sent" "0" "$(wc -l <"$scratch/received")"

type_text "3d4e5f"
check "the field shows the display form" "0A-1B-2C-3D-4E-5F" "$(eventually "0A-1B-2C-3D-4E-5F" field 1002)"
press Return  # Enter presses "Power ON"
dialogs 2
check "complete address: the sent notice" "[Power on request has been sent.\\nCheck if the PC has powered on.]" \
  "$(active | grep -o '1010 .*' | grep -o '\[.*\]')"
check "with the information icon" "information" "$(P icon)"
received() { wc -l <"$scratch/received"; }
check "one packet arrived" "1" "$(eventually 1 received)"
check "the packet for the typed address" "10.215.0.1 255.255.255.255 40000 102 $(expected_packet 0A1B2C3D4E5F)" \
  "$(head -n 1 "$scratch/received")"
press Escape
dialogs 1
check "the field keeps its text" "0A-1B-2C-3D-4E-5F" "$(eventually "0A-1B-2C-3D-4E-5F" field 1002)"

# The own-MAC dialog, opened by a click on the link label.
P set-clipboard sentinel
click_link
dialogs 2
own="$(active)"
check_contains "own-MAC dialog shows this adapter's address" "1002 visible Edit [02-1A-2B-3C-4D-5E]" "$own"
check_contains "its title" "1015 visible Static [<Current PC’s Mac address>]" "$own"
check_contains "its note" "1004 visible Static [Get the Mac address of the PC to be powered on.]" "$own"
check_contains "its button, never localised" "1008 visible Button [OK]" "$own"
check "its caption" "dialog enabled [Brevinta - WOL Tester]" "$(head -n 1 <<<"$own")"
press Return  # OK: copies the selected (whole) text and closes
dialogs 1
check "OK copied the whole address" "[02-1A-2B-3C-4D-5E]" "$(P clipboard)"

P set-clipboard sentinel
click_link
dialogs 2
check "a second opening shows the address again" "02-1A-2B-3C-4D-5E" "$(field 1002 | tail -n 1)"
press End  # the whole text starts selected; unselected it shows its own colours
check "blue on the button face" "blue=1 black=0 background=buttonface" "$(P colours 1002)"
press Escape
dialogs 1
check "Escape leaves the clipboard alone" "[sentinel]" "$(P clipboard)"

click_link
dialogs 2
press End shift+Left shift+Left  # select only the last byte
press Return
dialogs 1
check "OK copies only what is selected" "[5E]" "$(P clipboard)"
check "the entry field is as it was" "0A-1B-2C-3D-4E-5F" "$(eventually "0A-1B-2C-3D-4E-5F" field 1002)"

lang="$snd_prefix/drive_c/users/root/Temp/BRVT.lng"
check "the language file exists while running" "present" "$([ -e "$lang" ] && echo present || echo absent)"
press Escape
wait_program 20
check "Escape ends the program" "0" "$program_status"
check "and the language file is gone" "absent" "$([ -e "$lang" ] && echo present || echo absent)"

# --- No usable route, and a Korean user: the send fails; no own address. ---
make_netns "$bare"
prefix_for_netns "$bare" bare_prefix
open_program "$bare" "$bare_prefix" ko_KR.UTF-8
check "Korean caption" "dialog enabled [Brevinta - WOL 기능 테스트]" "$(active | head -n 1)"
type_text "001122334455"
press Return
dialogs 2
box="$(active)"
check_contains "the sender's own message box, in English" "65535 visible Static [Error: sendto call failed]" "$box"
check "captioned with the application name" "dialog enabled [Quorvane]" "$(head -n 1 <<<"$box")"
press Return
dialogs 2
check "then the send-error notice" "[전원 켜기 실행에 실패하였습니다.\\n잠시 후 다시 시도해 주세요.]" \
  "$(active | grep -o '1013 .*' | grep -o '\[.*\]')"
check "with the error icon" "error" "$(P icon)"
press Escape
dialogs 1

click_link
dialogs 2
own="$(active)"
check_contains "no qualifying adapter: five hyphens" "1002 visible Edit [-----]" "$own"
check_contains "Korean title" "1015 visible Static [<현재 PC의 Mac Address>]" "$own"
check_contains "the button still reads OK" "1008 visible Button [OK]" "$own"
P set-clipboard sentinel
press Return
dialogs 1
check "OK without an address leaves the clipboard alone" "[sentinel]" "$(P clipboard)"
press Escape
wait_program 20
check "Escape ends the program" "0" "$program_status"

finish
