# Shared by the whole-program tests. Source it; it expects the variables that
# CTest sets (QUORVANE_EXE, QUORVANE_PROBE, QUORVANE_WINEPREFIX, ...).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh" "$QUORVANE_WINEPREFIX"
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

probe() { wine "$QUORVANE_PROBE" "$@" 2>/dev/null | tr -d '\r'; }

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
press() {
  xdotool key --delay 80 "$@"
  sleep 0.5
}
type_text() {
  xdotool type --delay 80 "$1"
  sleep 0.5
}
desktop_window() { xdotool search --name 'Wine desktop' 2>/dev/null | head -n 1; }
click_at() {  # click_at X Y, in Wine's screen coordinates
  local win X Y
  win="$(desktop_window)"
  eval "$(xdotool getwindowgeometry --shell "$win" | grep -E '^[XY]=')"
  xdotool mousemove "$((X + $1))" "$((Y + $2))"
  sleep 0.3
  xdotool click 1
  sleep 0.5
}

# Network namespaces of the test's own. Names carry the test's pid, so runs
# never meet, and everything made is removed on exit, failed or not.
netns_made=()
prefixes_made=()
make_netns() {  # make_netns NAME
  ip netns add "$1"
  netns_made+=("$1")
  ip -n "$1" link set lo up
}
# Joins two namespaces by a veth pair: link_netns NS_A ADDR_A NS_B ADDR_B
# (addresses with prefix length). The interfaces are named eth0 in both.
link_netns() {
  local a="v$$a${#netns_made[@]}" b="v$$b${#netns_made[@]}"
  ip link add "$a" type veth peer name "$b"
  ip link set "$a" netns "$1"
  ip link set "$b" netns "$3"
  ip -n "$1" link set "$a" name eth0
  ip -n "$3" link set "$b" name eth0
  ip -n "$1" addr add "$2" dev eth0
  ip -n "$3" addr add "$4" dev eth0
  ip -n "$1" link set eth0 up
  ip -n "$3" link set eth0 up
}
# A copy of the test prefix for namespace $1, its path in variable $2. Wine
# creates sockets in its wineserver, so the server is started inside the
# namespace before anything else can start it elsewhere; every Wine program of
# this prefix then runs through in_netns too.
prefix_for_netns() {
  local copy="$QUORVANE_SCRATCH/prefix-$1"
  quorvane_copy_prefix "$WINEPREFIX" "$copy"
  prefixes_made+=("$copy")
  ip netns exec "$1" env WINEPREFIX="$copy" wineserver -p60 </dev/null >/dev/null 2>&1
  require_wineserver_in_netns "$1" "$copy"
  printf -v "$2" '%s' "$copy"
}
# A wineserver of this prefix outside the namespace would send from the
# machine's own network: stop the test before anything can send.
require_wineserver_in_netns() {  # require_wineserver_in_netns NS PREFIX
  local pid found=0
  for pid in $(pgrep -x 'wineserver(32|64)?' || true); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$2" || continue
    found=1
    if [ "$(ip netns identify "$pid" 2>/dev/null)" != "$1" ]; then
      echo "FATAL - the wineserver of $2 (pid $pid) runs outside namespace $1"
      exit 1
    fi
  done
  if [ "$found" -eq 0 ]; then
    echo "FATAL - no wineserver runs for $2 in namespace $1"
    exit 1
  fi
}
in_netns() {  # in_netns NS PREFIX command...
  local ns="$1" prefix="$2"
  shift 2
  ip netns exec "$ns" env WINEPREFIX="$prefix" "$@"
}
probe_in() {  # probe_in NS PREFIX probe-arguments...
  local ns="$1" prefix="$2"
  shift 2
  in_netns "$ns" "$prefix" wine "$QUORVANE_PROBE" "$@" 2>/dev/null | tr -d '\r'
}
cleanup_netns() {
  local ns prefix
  for prefix in "${prefixes_made[@]}"; do
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  done
  for ns in "${netns_made[@]}"; do
    ip netns pids "$ns" 2>/dev/null | xargs -r kill -9 2>/dev/null || true
    ip netns del "$ns" 2>/dev/null || true
    rm -rf "/etc/netns/$ns"
  done
  for prefix in "${prefixes_made[@]}"; do rm -rf "$prefix"; done
}

# A UDP listener on port 40000 in namespace $1; one line per datagram in $2.
start_listener() {
  rm -f "$2" "$2.ready"
  ip netns exec "$1" python3 "$here/udp_listener.py" 40000 "$2" &
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
