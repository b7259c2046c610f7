#!/usr/bin/env bash
# The command line of the real program, in namespaces of its own: what goes
# on the wire, the exit codes, the lines a script reads from a redirected
# standard output in two languages, and the windows it opens (none under
# /quiet). The PC to be woken boots a few seconds after its magic packet.
source "$(dirname "$0")/lib.sh"
trap 'cleanup_netns; rm -rf "$scratch"' EXIT

scratch="$QUORVANE_SCRATCH/commandline-$$"
mkdir -p "$scratch"
snd="qv-$$-snd" pc="qv-$$-pc"
pc_mac=02:57:41:4b:45:32 boot_delay=3
log="$scratch/pc.log"
make_sleeping_pc "$snd" "$pc" 10.222.0 "$pc_mac" "$boot_delay" "$log"
prefix_for_netns "$snd" prefix

P() { probe_in "$snd" "$prefix" "$@"; }
magic() { grep -c "^magic $1$" "$log" || true; }
# Runs the program with the arguments, standard output to $scratch/out;
# its exit code in $status, its output (without CR) in $out.
run() {  # run LANG args...
  local lang="$1"
  shift
  status=0
  timeout 60 ip netns exec "$snd" env WINEPREFIX="$prefix" LANG="$lang" LC_ALL= wine "$QUORVANE_EXE" "$@" \
    </dev/null >"$scratch/out" 2>/dev/null || status=$?
  out="$(tr -d '\r' <"$scratch/out")"
}

# The PC wakes a few seconds after its packet: exit 0, and after how long.
run en_US.UTF-8 /wake 02-57-41-4B-45-32 /wait 10.222.0.2 /seconds 60
check "/wait: exit 0 once the PC answers" "0" "$status"
check "the PC booted" "1" "$(grep -c '^booted' "$log")"
seconds="$(sed -n 's/^The PC\( 02-57-41-4B-45-32\)\? answered after \([0-9]*\) seconds at 10.222.0.2\.$/\2/p' <<<"$out")"
# Counted to the start of the round that got the answer: with no ARP entry
# for the PC, the ping of the round before its boot waits for the address
# to answer ARP, and so may be answered by a PC up less than a second later.
check "it says after how long" "yes" "$([ "${seconds:-0}" -ge $((boot_delay - 1)) ] && echo yes || echo "no: $out")"
check_contains "and the sends it made" "Sent through eth0 to 10.222.0.255, ports 40000 and 9." "$out"

# Nobody at the address: exit 1 after about five seconds.
start=$(date +%s)
run ja_JP.UTF-8 /wake 02-57-41-4B-45-32 /wait 10.222.0.7 /seconds 5
took=$(($(date +%s) - start))
check "/wait against nobody: exit 1" "1" "$status"
check "after about five seconds" "yes" "$([ "$took" -ge 5 ] && [ "$took" -le 20 ] && echo yes || echo "no: $took s")"
check_contains "in Japanese: no answer" "5秒以内に10.222.0.7から応答がありません。" "$out"

limited="$(magic '255.255.255.255 40000')" directed="$(magic '10.222.0.255 40000')" directed9="$(magic '10.222.0.255 9')"
counts() { echo "$(magic '255.255.255.255 40000') $(magic '10.222.0.255 40000')"; }
run en_US.UTF-8 /wake 02-57-41-4B-45-32 /quiet
check "/wake: exit 0" "0" "$status"
check "one line: sent" "Sent the magic packet for 02-57-41-4B-45-32 to 255.255.255.255, port 40000." "$out"
check "exactly Power ON's packet: the limited broadcast to 40000, once" "$((limited + 1)) $directed" \
  "$(eventually "$((limited + 1)) $directed" counts)"
check "UTF-8 with no byte-order mark" "53" "$(head -c 1 "$scratch/out" | od -An -tx1 | tr -d ' ')"

run en_US.UTF-8 -WAKE 02:57:41:4b:45:32 -every
check "/every: exit 0" "0" "$status"
check "/every: the subnet's directed broadcast on 40000 and 9" "$((directed + 1)) $((directed9 + 1))" \
  "$(eventually "$((directed + 1)) $((directed9 + 1))" bash -c "echo \$(grep -c '^magic 10.222.0.255 40000$' $log) \$(grep -c '^magic 10.222.0.255 9$' $log)")"
check_contains "/every: a line for the adapter" "Sent through eth0 to 10.222.0.255, ports 40000 and 9." "$out"

sent="$(grep -c '^magic' "$log")"
run en_US.UTF-8 /wake 02-57-41-4B-45-3G
check "a bad MAC address: exit 2" "2" "$status"
check_contains "says what was wrong" "02-57-41-4B-45-3G is not a MAC address" "$out"
check_contains "and what is accepted" "Exit codes: 0 sent" "$out"
run en_US.UTF-8 /wake 02-57-41-4B-45-32 /seconds 5
check "/seconds without /wait: exit 2" "2" "$status"
run en_US.UTF-8 /wake 02-57-41-4B-45-32 /frobnicate
check "an unknown option: exit 2" "2" "$status"
check "nothing was sent for any of them" "$sent" "$(grep -c '^magic' "$log")"

# Started from a shortcut: no console to write to and no standard output
# (Wine's "start" starts it so). The notice Power ON shows, or under /quiet
# no window at all.
shortcut() { ip netns exec "$snd" env WINEPREFIX="$prefix" LANG=en_US.UTF-8 LC_ALL= wine start /wait /unix "$QUORVANE_EXE" "$@" </dev/null >/dev/null 2>&1; }
shortcut /wake 02-57-41-4B-45-32 &
program_pid=$!
P wait 1 30 >/dev/null || true
check_contains "without a console: the sent notice" "Power on request has been sent." "$(P dump)"
P syscommand 0xF060 >/dev/null
wait_program 20
check "which ends with exit 0" "0" "$program_status"
shortcut /wake 02-57-41-4B-45-32 /quiet &
program_pid=$!
windows=0
for ((i = 0; i < 20 && windows == 0; i++)); do
  windows="$(P dump | grep -c '^dialog' || true)"
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.2
done
wait_program 20
check "/quiet: no window at all" "0" "$windows"
check "and exit 0" "0" "$program_status"

# /report from a shortcut: the report on the clipboard, said in one message.
P set-clipboard before >/dev/null
shortcut /report &
program_pid=$!
P wait 1 30 >/dev/null || true
check_contains "/report without a console: one message says where the report is" \
  "The report of this PC’s adapters and wake settings is on the clipboard." "$(P dump)"
check "and the report is there" "[QuorvaneReport	1" "$(P clipboard | head -n 1)"
P syscommand 0xF060 >/dev/null
wait_program 20
check "/report: exit 0" "0" "$program_status"

finish
