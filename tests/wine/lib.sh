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
click_control() {  # click the centre of control ID of the active dialog
  local x y win
  read -r x y < <(probe center "$1")
  win="$(desktop_window)"
  eval "$(xdotool getwindowgeometry --shell "$win")"
  xdotool mousemove "$((X + x))" "$((Y + y))"
  sleep 0.2
  xdotool click 1
  sleep 0.3
}
