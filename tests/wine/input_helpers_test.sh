#!/usr/bin/env bash
# The input helpers return once the program has taken the input, however long
# that takes: the program is held stopped while the keys or the click are
# sent, and what they did is read the moment the helper returns, with no
# retry. Held past the helpers' five seconds, the input fails the test loudly.
# In a namespace with loopback only: nothing can be sent anywhere.
source "$(dirname "$0")/lib.sh"
trap 'kill -CONT "${exe_pid:-0}" 2>/dev/null || true; cleanup_netns' EXIT

ns="qv-$$-input"
make_netns "$ns"
prefix_for_netns "$ns" prefix
P() { probe_in "$ns" "$prefix" "$@"; }
field() { P dump | sed -n "s/^  1002 visible [A-Za-z]* \\[\\(.*\\)\\] style=.*/\\1/p" | head -n 1; }
held() {  # held SECONDS HELPER...: the helper runs while the program is stopped
  kill -STOP "$exe_pid"
  (sleep "$1"; kill -CONT "$exe_pid") >/dev/null &
  shift
  "$@"
}

open_program_in "$ns" "$prefix" en_US.UTF-8
exe_pid="$(pgrep -P "$program_pid" -f Quorvane.exe)"  # program_pid is the shell that started it
held 2 type_text 0a1b2c3d4e5f
check "type_text returns with every character in the field" "0A-1B-2C-3D-4E-5F" "$(field)"
held 2 press BackSpace Home Delete
check "press returns with every key taken" "0A-1B-2C-3D-4E-5" "$(field)"

said="$(held 7 press End BackSpace)"
check_contains "input still not taken after five seconds fails the test" \
  "FAIL - the program did not take the input of: xdotool key --delay 80 End BackSpace" "$said"
check "and is taken once the program goes on" "0A-1B-2C-3D-4E-" "$(eventually "0A-1B-2C-3D-4E-" field)"
read -r x y < <(P center 1016)
held 2 click_at "$x" "$y"
check "click_at returns with the click taken" "2" "$(P dump | grep -c '^dialog')"
press Escape
P wait 1 30 >/dev/null || true
P syscommand 0xF060 >/dev/null
wait_program 20
check "the program ends normally" "0" "$program_status"

finish
