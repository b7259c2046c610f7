#!/usr/bin/env bash
# Find PCs end to end, in namespaces of its own: a sender on 10.77.0.1/24 and
# 40 devices on its subnet, each with a MAC address of its own (macvlans on
# one cable), ten of them in a namespace that drops every ping, two with
# reverse names in the sender's hosts file, and a name server that answers
# every other query at once. `/scan` must list exactly the 40, with their
# MACs, names and makers; the window the same rows, and hands every row
# picked to the saved list.
source "$(dirname "$0")/lib.sh"
trap 'stop_dns; cleanup_netns; rm -rf "$scratch"' EXIT

scratch="$QUORVANE_SCRATCH/findpcs-$$"
mkdir -p "$scratch"
snd="qv-$$-snd" pinged="qv-$$-ping" silent="qv-$$-nopg"
make_scan_network "$snd" "$pinged" "$silent" 10.77.0
expected=("${scan_expected[@]}")
expected[2]="10.77.0.12	00-1B-21-00-00-0C	nas-one	Intel"
expected[35]="10.77.0.205	B8-27-EB-00-00-CD	media-pc	Raspberry Pi"
scan_names_in "$snd" "$scratch/dns.ready" "10.77.0.12 nas-one" "10.77.0.205 media-pc"
prefix_for_netns "$snd" prefix
P() { probe_in "$snd" "$prefix" "$@"; }

check "the ten drop pings, the others answer them" "1 0" \
  "$(ip netns exec "$silent" sysctl -n net.ipv4.icmp_echo_ignore_all) $(ip netns exec "$pinged" sysctl -n net.ipv4.icmp_echo_ignore_all)"

# Runs the program with the arguments, standard output to $scratch/out;
# its exit code in $status, its output (without CR) in $out, its time in $took.
run() {
  local start
  start=$(date +%s%N)
  status=0
  timeout 60 ip netns exec "$snd" env WINEPREFIX="$prefix" LANG=en_US.UTF-8 LC_ALL= wine "$QUORVANE_EXE" "$@" \
    </dev/null >"$scratch/out" 2>/dev/null || status=$?
  took=$((($(date +%s%N) - start) / 1000000))
  out="$(tr -d '\r' <"$scratch/out")"
}

run /scan
check "/scan: exit 0" "0" "$status"
check "a heading for the subnet" "# 10.77.0.0/24 on eth0" "$(head -n 1 <<<"$out")"
check "exactly the 40, by address, with MACs, the names given and makers" "$(printf '%s\n' "${expected[@]}")" \
  "$(tail -n +2 <<<"$out")"
echo "# /scan took $took ms"
check "within ten seconds" "yes" "$([ "$took" -lt 10000 ] && echo yes || echo "no: $took ms")"

# /scan /quiet from a shortcut (no console, no standard output): the same
# lines on the clipboard, and no window.
P set-clipboard before >/dev/null
in_netns "$snd" "$prefix" LANG=en_US.UTF-8 LC_ALL= wine start /wait /unix "$QUORVANE_EXE" /scan /quiet \
  </dev/null >/dev/null 2>&1 &
program_pid=$!
wait_program 30
check "/scan /quiet from a shortcut: exit 0" "0" "$program_status"
check "the same lines on the clipboard, each ended" "[$out"$'\n'"]" "$(P clipboard | tr -d '\r')"

# The window, opened as My PCs opens it: the same rows as they answer, and
# every row picked handed to the saved list.
in_netns "$snd" "$prefix" LANG=en_US.UTF-8 LC_ALL= wine "$QUORVANE_FIND_PCS_WINDOW" 'C:\saved.txt' \
  </dev/null >/dev/null 2>"$scratch/window.log" &
program_pid=$!
P wait 1 30 >/dev/null || true
check "the window's scan ends" "FINDPCS_DONE" "$(scan_done_in "$snd" "$prefix" FINDPCS_DONE)"

window_rows="$(P rows 1070 | grep -v "^rows " || true)"
check "the window lists the same rows" "$(printf '%s\n' "${expected[@]}" | sed 's/\t/ | /g; s/$/ | 10.77.0.0\/24/')" "$window_rows"
P select-all 1070
P click 1071 >/dev/null
check "Add to My PCs hands every row picked to the saved list" "40" "$(wc -l <"$prefix/drive_c/saved.txt" | tr -d ' ')"
check_contains "by name where it has one" "nas-one	00-1B-21-00-00-0C	10.77.0.12" "$(cat "$prefix/drive_c/saved.txt" 2>/dev/null)"
check_contains "else by its address" "10.77.0.10	00-1B-21-00-00-0A	10.77.0.10" "$(cat "$prefix/drive_c/saved.txt" 2>/dev/null)"
P syscommand 0xF060 >/dev/null
wait_program 20
check "the window closes" "0" "$program_status"

# The README's picture of the scan, when asked for: the window in English.
if [ -n "${QUORVANE_SCREENSHOT:-}" ]; then
  in_netns "$snd" "$prefix" LANG=en_US.UTF-8 LC_ALL= wine "$QUORVANE_FIND_PCS_WINDOW" 'C:\shot.txt' ENGLISH.BRVT \
    </dev/null >/dev/null 2>&1 &
  program_pid=$!
  P wait 1 30 >/dev/null || true
  sleep 4  # the scan and its names
  read -r x y width height < <(P rect)
  import -window "$(desktop_window)" -crop "${width}x${height}+${x}+${y}" +repage "$QUORVANE_SCREENSHOT"
  P syscommand 0xF060 >/dev/null
  wait_program 20
fi

# Without any connected IPv4 network: exit 3 and a sentence.
ip -n "$snd" link set eth0 down
run /scan
echo "# /scan without a network took $took ms"
check "/scan without a network: exit 3" "3" "$status"
check "says so" "This PC has no connected IPv4 network to look for PCs on." "$out"
ip -n "$snd" link set eth0 up

finish
