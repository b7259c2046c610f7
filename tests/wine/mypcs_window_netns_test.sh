#!/usr/bin/env bash
# My PCs' window in namespaces of the test's own: the file's PCs listed with
# their states (one answers ping, one is not there), Wake for two selected
# PCs, Add then Remove leaving the file byte for byte, and a read-only file
# refused with a sentence.
source "$(dirname "$0")/lib.sh"
trap 'kill ${listener_pid:-} 2>/dev/null || true; cleanup_netns; rm -rf "$scratch"' EXIT

scratch="$QUORVANE_SCRATCH/mypcs-window-$$"
mkdir -p "$scratch"
snd="qv-$$-snd" rcv="qv-$$-rcv"
make_netns "$snd"
make_netns "$rcv"
link_netns "$snd" 10.232.0.1/24 "$rcv" 10.232.0.2/24
ip -n "$snd" route add default dev eth0
prefix_for_netns "$snd" prefix
P() { probe_in "$snd" "$prefix" "$@"; }
start_listener "$rcv" "$scratch/port9" 9

list="$(pcs_file_of "$prefix")"
mkdir -p "$(dirname "$list")"
{
  printf '\xEF\xBB\xBFName,MAC,Address,Destination,Port,Comment\r\n'
  printf 'up-pc,02-57-41-4B-45-11,10.232.0.2,10.232.0.255,9,"answers, always"\r\n'
  printf '"unterminated,02-57-41-4B-45-12\r\n'
  printf 'down-pc,02-57-41-4B-45-13,10.232.0.77,10.232.0.255,9,\r\n'
} >"$list"
cp "$list" "$scratch/before"
same_file() { cmp -s "$scratch/before" "$list" && echo same || echo changed; }

open_program_in "$snd" "$prefix" en_US.UTF-8 0x0050
rows() { P rows 1060 | sed 's/ | /|/g'; }
check_contains "the file's first PC is listed" "up-pc|02-57-41-4B-45-11|10.232.0.2|10.232.0.255:9|" "$(rows)"
states() { rows | cut -d'|' -f1,5 | tr '\n' ' '; }
check "within a few seconds: one awake, one not answering" "up-pc|Awake down-pc|Not answering rows 2 " \
  "$(eventually "up-pc|Awake down-pc|Not answering rows 2 " states)"
# README's picture, when asked for: QUORVANE_PCS_SHOT=docs/mypcs-en.png
if [ -n "${QUORVANE_PCS_SHOT:-}" ]; then
  read -r x y width height < <(P rect)
  import -window "$(desktop_window)" -crop "${width}x${height}+${x}+${y}" +repage "$QUORVANE_PCS_SHOT"
fi
check_contains "the status line names the unreadable line" "could not be read and are kept as they are: line 3." \
  "$(item_in "$snd" "$prefix" 1067)"

press Home shift+Down
press alt+w
received() { wc -l <"$scratch/port9"; }
check "Wake sends for both selected PCs" "2" "$(eventually 2 received)"
check "each its own MAC address" "$(expected_packet 0257414B4511) $(expected_packet 0257414B4513)" \
  "$(cut -d' ' -f5 "$scratch/port9" | tr '\n' ' ' | sed 's/ $//')"
check_contains "the status line says where" "Sent to down-pc (10.232.0.255, port 9)." "$(item_in "$snd" "$prefix" 1067)"

# Add, then Remove: the file as it was, unknown column and unreadable line included.
press alt+a
P wait 3 30 >/dev/null || true
type_text "new-pc"
press Tab
type_text "025741445514"
press Return
check "Add writes the file" "changed" "$(eventually changed same_file)"
check_contains "the new line is there" "new-pc,02-57-41-44-55-14" "$(cat "$list")"
press alt+s End  # the list's label takes the focus to the list
press alt+r
P wait 3 30 >/dev/null || true
press y
check "Remove leaves the file byte for byte as it was" "same" "$(eventually same same_file)"

# A read-only folder: the change is refused with a sentence, the file
# unchanged. A read-only mount, since the tests run as root, whom file modes
# do not stop; made in the mount namespace of the prefix's wineserver, which
# opens and renames the program's files.
folder="$(dirname "$list")"
server="$(for pid in $(pgrep -x 'wineserver(32|64)?'); do
  tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$prefix" && echo "$pid" || true; done | head -n 1)"
nsenter -t "$server" -m mount --bind "$folder" "$folder"
nsenter -t "$server" -m mount -o remount,ro,bind "$folder"
press alt+a
P wait 3 30 >/dev/null || true
type_text "other-pc"
press Tab
type_text "025741445515"
press Return
check_contains "a read-only file: refused with a sentence" "could not be written to" \
  "$(sleep 2; item_in "$snd" "$prefix" 1067)"
check "and the file is unchanged" "same" "$(same_file)"
nsenter -t "$server" -m umount "$folder"

close_program_in "$snd" "$prefix"
finish
