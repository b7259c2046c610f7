#!/usr/bin/env bash
# "Add to My PCs" as a user reaches it: My PCs from the window menu, Find PCs
# there, in namespaces of the test's own with four devices, one of them
# already saved and one with a reverse name. The rows picked go to the saved
# list at once (name, else address; MAC; address), the saved one shows its
# saved name, and My PCs lists them all once the scan's window is closed.
source "$(dirname "$0")/lib.sh"
trap 'stop_dns; cleanup_netns; rm -rf "$scratch"' EXIT

scratch="$QUORVANE_SCRATCH/findpcs-add-$$"
mkdir -p "$scratch"
snd="qv-$$-snd" devices="qv-$$-dev"
make_few_devices "$snd" "$devices" 10.79.0 00:1b:21:00:00:0a 00:1b:21:00:00:0b b8:27:eb:00:00:0c 00:1b:21:00:00:0d
scan_names_in "$snd" "$scratch/dns.ready" "10.79.0.10 nas-one"
prefix_for_netns "$snd" prefix
P() { probe_in "$snd" "$prefix" "$@"; }

list="$(pcs_file_of "$prefix")"
mkdir -p "$(dirname "$list")"
printf '\xEF\xBB\xBFName,MAC,Address,Destination,Port,Comment\r\nsaved-pc,00-1B-21-00-00-0D,10.79.0.13,,,\r\n' >"$list"

open_program_in "$snd" "$prefix" en_US.UTF-8 0x0050
press alt+f
P wait 3 30 >/dev/null || true
check "the scan opened from My PCs ends" "4 devices answered." "$(scan_done_in "$snd" "$prefix" "4 devices answered.")"
names() { P rows 1070 | grep -v '^rows ' | awk -F' [|] ' '{print $1 "=" $3}' | tr '\n' ' '; }
check "a saved device shows its saved name, another its own" \
  "10.79.0.10=nas-one 10.79.0.11= 10.79.0.12= 10.79.0.13=saved-pc " "$(names)"

# The three not saved yet, picked from the keyboard.
press alt+d Home shift+Down shift+Down
P click 1071 >/dev/null
saved() { tail -n +2 "$list" | tr -d '\r' | cut -d, -f1-3; }
check "Add to My PCs writes them at once: name, else address; MAC; address" \
  "$(printf '%s\n' nas-one,00-1B-21-00-00-0A,10.79.0.10 10.79.0.11,00-1B-21-00-00-0B,10.79.0.11 \
    10.79.0.12,B8-27-EB-00-00-0C,10.79.0.12 saved-pc,00-1B-21-00-00-0D,10.79.0.13)" "$(saved | sort -t, -k3)"

press Escape
P wait 2 30 >/dev/null || true
listed() { P rows 1060 | grep -v '^rows ' | cut -d' ' -f1 | sort | tr '\n' ' '; }
check "closed, My PCs lists them" "10.79.0.11 10.79.0.12 nas-one saved-pc " \
  "$(eventually "10.79.0.11 10.79.0.12 nas-one saved-pc " listed)"
close_program_in "$snd" "$prefix"
finish
