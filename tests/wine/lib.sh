# Shared by the whole-program tests. Source it; it expects the variables that
# CTest sets (QUORVANE_EXE, QUORVANE_PROBE, QUORVANE_WINEPREFIX, ...).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/../../scripts/wine-env.sh" "$QUORVANE_WINEPREFIX"
source "$here/../../scripts/netns.sh"
quorvane_prepare_prefix

failures=0
checks=0
temp_dir() { echo "$WINEPREFIX/drive_c/users/root/Temp"; }

check() {  # check DESCRIPTION EXPECTED ACTUAL
  checks=$((checks + 1))
  if [ "$2" == "$3" ]; then
    echo "ok   - $1"
  else
    failures=$((failures + 1))
    printf 'FAIL - %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
  fi
}

check_contains() {  # check_contains DESCRIPTION NEEDLE HAYSTACK
  checks=$((checks + 1))
  if grep -qF -- "$2" <<<"$3"; then
    echo "ok   - $1"
  else
    failures=$((failures + 1))
    printf 'FAIL - %s\n  looked for: %s\n  in:\n%s\n' "$1" "$2" "$3"
  fi
}

# Runs a command until it prints EXPECTED, for five seconds at most, and
# prints its last output: keystrokes and paints reach Wine a moment later.
eventually() {  # eventually EXPECTED command...
  local expected="$1" out="" i
  shift
  for ((i = 0; i < 25; i++)); do
    out="$("$@")"
    [ "$out" == "$expected" ] && break
    sleep 0.2
  done
  printf '%s' "$out"
}

finish() {
  echo "$((checks - failures)) passed, $failures failed"
  [ "$failures" -eq 0 ]
}

# The three lines the program writes to the debug channel, from Wine's trace.
debug_lines() { sed -n 's/.*OutputDebugStringA "\(.*\)"$/\1/p' "$1"; }

# Starts the program in the background with its debug trace in $1.
start_program() {
  local trace="$1"
  shift
  env "$@" WINEDEBUG=warn+seh wine "$QUORVANE_EXE" </dev/null >/dev/null 2>"$trace" &
  program_pid=$!
}

# Waits up to $1 seconds for the program started last to end; its status in
# program_status, 124 when it did not end.
wait_program() {
  local i
  for ((i = 0; i < $1 * 10; i++)); do
    if ! kill -0 "$program_pid" 2>/dev/null; then
      program_status=0
      wait "$program_pid" || program_status=$?
      return 0
    fi
    sleep 0.1
  done
  program_status=124
}

# Real keystrokes through the X server (XTEST), as a user's keyboard gives
# them. Wine moves the X focus between its own windows once one has it.
focus_program() {
  local win
  win="$(xdotool search --name '^Brevinta' 2>/dev/null | tail -n 1)"
  [ -n "$win" ] && xdotool windowfocus "$win" 2>/dev/null
  sleep 0.5
}

# Runs the xdotool command that sends some input and returns once the program
# has taken it, not after a fixed pause: the probe joins the input of the
# window with the focus first, a right Shift press follows the input through
# the same queue, and the probe says when the program has taken that press or
# closed its last window. Input not taken within five seconds fails the test.
# The probe runs through the test's P when it has one.
input_probe() { if declare -F P >/dev/null; then P "$@"; else probe "$@"; fi; }
send_input() {  # send_input XDOTOOL-COMMAND...
  local fd ready="" said=""
  exec {fd}< <(input_probe taken 5)
  read -r -t 30 -u "$fd" ready || true
  "$@"
  if [ "$ready" = ready ]; then
    xdotool keydown Shift_R
    read -r -t 30 -u "$fd" said || true
    xdotool keyup Shift_R
  else
    said="$ready"
  fi
  exec {fd}<&-
  case "$said" in taken | closed) return 0 ;; esac
  failures=$((failures + 1))
  printf 'FAIL - the program did not take the input of: %s\n  the probe said: %s\n' "$*" "${said:-nothing}"
}
press() { send_input xdotool key --delay 80 "$@"; }
type_text() { send_input xdotool type --delay 80 "$1"; }
desktop_window() { xdotool search --name 'Wine desktop' 2>/dev/null | head -n 1; }
click_at() {  # click_at X Y, in Wine's screen coordinates
  local win X Y
  win="$(desktop_window)"
  eval "$(xdotool getwindowgeometry --shell "$win" | grep -E '^[XY]=')"
  # One connection: the server takes the click after the move, so the button
  # goes down where the pointer went; no pause needed between them.
  send_input xdotool mousemove "$((X + $1))" "$((Y + $2))" click 1
}

# The program in namespace $1 with prefix $2 in locale $3, its window menu's
# item $4 chosen once the main dialog is up (none when empty); program_pid
# is the program's.
open_program_in() {  # open_program_in NS PREFIX LANG [SYSCOMMAND]
  in_netns "$1" "$2" LANG="$3" LC_ALL= wine "$QUORVANE_EXE" </dev/null >/dev/null 2>&1 &
  program_pid=$!
  probe_in "$1" "$2" wait 1 30 >/dev/null || true
  focus_program
  [ -n "${4:-}" ] || return 0
  probe_in "$1" "$2" syscommand "$4"
  probe_in "$1" "$2" wait 2 30 >/dev/null || true
}

# A UDP listener in namespace $1 on port $3 (40000 when not given); one line
# per datagram in $2.
start_listener() {
  rm -f "$2" "$2.ready"
  ip netns exec "$1" python3 "$here/udp_listener.py" "${3:-40000}" "$2" &
  listener_pid=$!
  local i
  for ((i = 0; i < 50; i++)); do [ -e "$2.ready" ] && return 0; sleep 0.1; done
  echo "listener did not start"
  return 1
}

# The magic packet for a MAC text, as hex, computed apart from the program.
expected_packet() {
  local mac="${1//[-:]/}" out="ffffffffffff" i
  mac="${mac,,}"
  for ((i = 0; i < 16; i++)); do out+="$mac"; done
  echo "$out"
}

# A sending namespace and an asleep PC to be woken, joined by a cable on
# subnet NET.0/24: the sender is NET.1 with its default route on the cable;
# the PC has no address until a magic packet for MAC reaches it, and DELAY
# seconds later "boots" to NET.2. Its events in LOG (tests/wine/sleeping_pc.py).
make_sleeping_pc() {  # make_sleeping_pc SND PC NET MAC DELAY LOG
  make_netns "$1"
  make_netns "$2"
  link_netns "$1" "$3.1/24" "$2" "$3.9/32"
  ip -n "$2" addr del "$3.9/32" dev eth0  # asleep: no address at all
  ip -n "$2" link set eth0 address "$4"
  ip -n "$1" route add default dev eth0
  ip netns exec "$2" python3 "$here/sleeping_pc.py" eth0 "$4" "$3.2/24" "$5" "$6" &
  local i
  for ((i = 0; i < 50; i++)); do [ -e "$6.ready" ] && return 0; sleep 0.1; done
  echo "the sleeping PC did not start"
  return 1
}

# In namespace $1 every name is unknown at once, from a name server that is
# not there (no DNS query leaves the namespaces), but those of the hosts
# lines given: names_unknown_in NS ["ADDRESS NAME"...]
names_unknown_in() {
  local ns="$1"
  shift
  mkdir -p "/etc/netns/$ns"
  printf '%s\n' '127.0.0.1 localhost' "$@" >"/etc/netns/$ns/hosts"
  printf 'nameserver 127.0.0.1\n' >"/etc/netns/$ns/resolv.conf"
}

# The text of control $3 in the enabled dialog of namespace $1's program.
item_in() {  # item_in NS PREFIX ID
  probe_in "$1" "$2" dump | awk '/^dialog enabled/ {on=1; next} /^dialog/ {on=0} on' |
    sed -n "s/^  $3 [a-z]* [A-Za-z0-9]* \\[\\(.*\\)\\] style=.*/\\1/p"
}

# Closes the dialog on top of the main window, then the program, which must
# end normally.
close_program_in() {  # close_program_in NS PREFIX
  press Escape
  probe_in "$1" "$2" wait 1 30 >/dev/null || true
  probe_in "$1" "$2" syscommand 0xF060 >/dev/null
  wait_program 20
  check "the program ends normally" "0" "$program_status"
}


# Sender $1 on NET.1/24 and, in namespace $2 on the same cable, one device
# per MAC given at NET.10, NET.11, ... (macvlans, each address answering ARP
# only on its own device).
make_few_devices() {  # make_few_devices SND DEVICES NET MAC...
  local snd="$1" devices="$2" net="$3" i=10
  shift 3
  make_netns "$snd"
  make_netns "$snd-hub"
  make_netns "$devices"
  link_netns "$snd" "$net.1/24" "$snd-hub" "$net.250/32"
  ip -n "$snd-hub" addr flush dev eth0
  ip netns exec "$devices" sysctl -qw net.ipv4.conf.all.arp_ignore=1 net.ipv4.conf.all.arp_announce=2
  for mac in "$@"; do
    scan_device "$snd-hub" "$devices" "$net.$i" "$mac"
    i=$((i + 1))
  done
}

# The scan's names in namespace $1: those of the hosts lines given, every
# other name unknown at once from a name server of the test's own; stop_dns
# in the exit trap ends it.
scan_names_in() {  # scan_names_in NS READY_FILE ["ADDRESS NAME"...]
  local ns="$1" ready="$2"
  shift 2
  names_unknown_in "$ns" "$@"
  start_instant_dns "$ns" "$ready"
}
stop_dns() {
  if [ -n "${dns_pid:-}" ]; then kill "$dns_pid" 2>/dev/null; wait "$dns_pid" 2>/dev/null || true; fi
}

# Waits up to ten seconds for the status line of the scan's window to start
# with DONE (its text or key for "done"); prints how it starts.
scan_done_in() {  # scan_done_in NS PREFIX DONE
  local i status=""
  for ((i = 0; i < 50; i++)); do
    status="$(item_in "$1" "$2" 1074 | cut -c1-${#3})"
    [ "$status" = "$3" ] && break
    sleep 0.2
  done
  printf '%s' "$status"
}

# The saved list of PCs in prefix $1: %APPDATA%\Quorvane\PCs.csv.
pcs_file_of() {  # pcs_file_of PREFIX
  echo "$(ls -d "$1"/drive_c/users/*/AppData/Roaming | grep -v /Public/ | head -n 1)/Quorvane/PCs.csv"
}
