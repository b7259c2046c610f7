#!/usr/bin/env bash
# Saved PCs on the command line of the real program, in namespaces of its
# own: /wake NAME, with or without /wait, sends exactly the saved
# destination, port and password; /to a name from the hosts file sends a
# unicast to the port given; wrong values send nothing; /list writes the
# file's PCs; a read-only list is never changed.
source "$(dirname "$0")/lib.sh"
trap 'kill ${listeners:-} 2>/dev/null || true; cleanup_netns; rm -rf "$scratch"' EXIT

scratch="$QUORVANE_SCRATCH/mypcs-$$"
mkdir -p "$scratch"
snd="qv-$$-snd" rcv="qv-$$-rcv"
make_netns "$snd"
make_netns "$rcv"
link_netns "$snd" 10.231.0.1/24 "$rcv" 10.231.0.2/24
ip -n "$snd" route add default dev eth0
names_unknown_in "$snd" "10.231.0.2 lab-box.test"
prefix_for_netns "$snd" prefix
listeners=""
for port in 9 7 40000; do
  start_listener "$rcv" "$scratch/port$port" "$port"
  listeners+=" $listener_pid"
done

appdata="$prefix/drive_c/users/$(id -un)/AppData/Roaming"
[ -d "$appdata" ] || appdata="$(ls -d "$prefix"/drive_c/users/*/AppData/Roaming | grep -v /Public/ | head -n 1)"
list="$appdata/Quorvane/PCs.csv"
mkdir -p "$(dirname "$list")"
printf '\xEF\xBB\xBFName,MAC,Address,Destination,Port,Password,Notes\r\n' >"$list"
printf 'office-pc,02-57-41-4B-45-01,10.231.0.20,10.231.0.255,9,01-02-03-04-05-06,"desk, by the door"\r\n' >>"$list"
printf '"broken,02-57-41-4B-45-02\r\n' >>"$list"
printf '사무실,02:57:41:4b:45:03,,,,,\r\n' >>"$list"
cp "$list" "$scratch/list.before"

run() {  # run args...: exit code in $status, output without CR in $out
  status=0
  timeout 60 ip netns exec "$snd" env WINEPREFIX="$prefix" LANG=en_US.UTF-8 LC_ALL= wine "$QUORVANE_EXE" "$@" \
    </dev/null >"$scratch/out" 2>"$scratch/err" || status=$?
  out="$(tr -d '\r' <"$scratch/out")"
}
lines() { cat "$scratch/port9" "$scratch/port7" "$scratch/port40000" 2>/dev/null | wc -l; }

run /wake office-pc /quiet
check "/wake NAME: exit 0" "0" "$status"
check "it says where it sent" "Sent to office-pc (10.231.0.255, port 9)." "$out"
eventually 1 bash -c "wc -l <'$scratch/port9'" >/dev/null
read -r source destination port length payload <"$scratch/port9"
check "one datagram to the saved destination" "10.231.0.1 10.231.0.255 9" "$source $destination $port"
check "108 bytes: the packet and the password" "108" "$length"
check "the packet, then the password bytes" "$(expected_packet 0257414B4501)010203040506" "$payload"
sleep 1
check "nothing else was sent: no Power ON broadcast" "1" "$(lines)"

run /wake 02-57-41-4B-45-32 /to lab-box.test /port 7 /quiet
check "/wake MAC /to NAME /port 7: exit 0" "0" "$status"
eventually 1 bash -c "wc -l <'$scratch/port7'" >/dev/null
read -r source destination port length payload <"$scratch/port7"
check "a unicast to the name's address and port 7" "10.231.0.2 7 102" "$destination $port $length"
check "the plain packet" "$(expected_packet 0257414B4532)" "$payload"

run /wake 사무실,office-pc /password 10.0.0.1 /quiet
check "two PCs by name, the password given: exit 0" "0" "$status"
check_contains "the Korean name's packet went to Power ON's broadcast" "Sent to 사무실 (255.255.255.255, port 40000)." "$out"
check "office-pc's datagram carries the given password" "106" \
  "$(eventually 106 bash -c "sed -n 2p '$scratch/port9' | cut -d' ' -f4")"

sleep 1
sent="$(lines)"
for bad in "/to 999.1.1.1" "/to 127.0.0.1" "/to 224.0.0.9" "/port 0" "/port 70000" "/password secret"; do
  # shellcheck disable=SC2086
  run /wake office-pc $bad /quiet
  check "$bad: exit 2" "2" "$status"
done
run /wake no-such-pc /quiet
check "a name not saved: exit 2" "2" "$status"
check_contains "and a line naming the saved ones" "Saved PCs: office-pc, 사무실." "$out"
run /wake office-pc /to unknown-name.test /quiet
check "a name that does not resolve: exit 3" "3" "$status"
sleep 1
check "nothing was sent for any of them" "$sent" "$(lines)"

run /list
check "/list: exit 0" "0" "$status"
check "/list: five tab-separated fields a PC" "$(printf 'office-pc\t02-57-41-4B-45-01\t10.231.0.20\t10.231.0.255\t9\n사무실\t02-57-41-4B-45-03\t\t\t')" "$out"
run /wake office-pc,사무실 /wait
check "/wait with two PCs: exit 2" "2" "$status"
run /wake 사무실 /wait
check "/wait for a PC without a saved address: exit 2" "2" "$status"
# The wait sends as the PC is saved: to its destination and port alone, with its password.
before9="$(wc -l <"$scratch/port9")" before40000="$(cat "$scratch/port40000" 2>/dev/null | wc -l)"
run /wake office-pc /wait /seconds 3
check "/wake NAME /wait against nobody: exit 1" "1" "$status"
eventually $((before9 + 1)) bash -c "wc -l <'$scratch/port9'" >/dev/null
read -r source destination port length payload < <(sed -n "$((before9 + 1))p" "$scratch/port9")
check "the wait's datagram went to the saved destination and port" "10.231.0.1 10.231.0.255 9" \
  "$source $destination $port"
check "the wait's datagram carries the saved password" "$(expected_packet 0257414B4501)010203040506" "$payload"
check "nothing else: one datagram, none to Power ON's port" "$((before9 + 1)) $before40000" \
  "$(wc -l <"$scratch/port9") $(cat "$scratch/port40000" 2>/dev/null | wc -l)"
check "the command line never wrote the list" "$(md5sum <"$scratch/list.before")" "$(md5sum <"$list")"

mv "$list" "$scratch/list.moved"
run /list
check "/list without a file: exit 0, no lines" "0 " "$status $out"
mv "$scratch/list.moved" "$list"

finish
