#!/usr/bin/env bash
# The readiness half of the network check, on the PC to be woken: the test
# writes the driver key of its namespace's card and the power settings into
# Wine's registry, one combination at a time, and reads the column and the
# findings back from the real dialog after each F5.
source "$(dirname "$0")/lib.sh"
trap 'cleanup_netns' EXIT

ns="qv-$$-ready" peer="qv-$$-peer"
make_netns "$ns"
make_netns "$peer"
link_netns "$ns" 10.220.0.1/24 "$peer" 10.220.0.2/24
prefix_for_netns "$ns" prefix
# Wine names an adapter after its interface index.
index="$(ip -n "$ns" -o link show eth0 | cut -d: -f1)"
guid="$(printf '{%08X-0000-0000-0000-4E6574446576}' "$index")"
class='HKLM\SYSTEM\CurrentControlSet\Control\Class\{4D36E972-E325-11CE-BFC1-08002BE10318}'
power='HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\Power'
hibernation='HKLM\SYSTEM\CurrentControlSet\Control\Power'
policy='HKLM\SOFTWARE\Policies\Microsoft\Windows\System'

P() { probe_in "$ns" "$prefix" "$@"; }
reg() { in_netns "$ns" "$prefix" wine reg "$@" >/dev/null 2>&1; }
item() { P dump | awk '/^dialog enabled/ {on=1; next} /^dialog/ {on=0} on' | sed -n "s/^  $1 [a-z]* [A-Za-z0-9]* \\[\\(.*\\)\\] style=.*/\\1/p"; }
wake_column() { P rows 1040 | awk -F' [|] ' '$1 == "eth0" {print $8}' | sed 's/ *$//'; }
# After F5: the column and the readiness findings, on one line.
state() { printf '%s | %s' "$(wake_column)" "$(item 1043)"; }
firmware="The firmware’s own settings (Wake on LAN, Power on by PCI-E, ErP or deep sleep off) cannot be read from Windows: check them in the firmware setup."
nothing="This PC: Windows reports nothing that would stop it from waking.\\r\\n\\r\\n$firmware"
yes="yes, as far as Windows can tell." no="no." cannot="cannot tell: Windows reports nothing that decides it."
# Wine reports S1 and no S3 (GetPwrCapabilities), a hibernation file, no
# device power data, and Windows 7 (6.1): sleep (S1) and hibernation follow
# the column, and HiberbootEnabled means nothing, as on Windows 7 itself.
# It keeps no System log, and its own firmware table says "unknown".
last="The firmware says this PC was last started by: Unknown. Windows recorded no start to pair it with, so it may be from an earlier start.\\r\\n\\r\\n"
verdicts() {  # verdicts HIBERNATION SHUTDOWN [SLEEP]: the lines above the findings, for eth0; sleep as hibernation
  printf 'Waking this PC by eth0:\\r\\nFrom sleep (S1): %s\\r\\nFrom hibernation: %s\\r\\nFrom shutdown: %s\\r\\n\\r\\n%s' "${3:-$1}" "$1" "$2" "$last"
}
untold="From sleep (S1): $cannot\\r\\nFrom hibernation: $cannot\\r\\nFrom shutdown: $cannot\\r\\n\\r\\n${last}This PC: Windows reports no wake setting for eth0. If one of them is this PC’s network card, check its Power Management and Advanced tabs (Device Manager); a phone’s connection or a virtual adapter cannot wake the PC.\\r\\n\\r\\n$firmware"
expect() {  # expect DESCRIPTION COLUMN FINDINGS: after F5
  press F5
  check "$1" "$2 | $3" "$(eventually "$2 | $3" state)"
}

open_program_in "$ns" "$prefix" en_US.UTF-8 0x30

check "no driver key: not reported, and Windows can tell nothing; the last start once read" "Not reported | $untold" \
  "$(eventually "Not reported | $untold" state)"
reg add "$class\\0007" /v NetCfgInstanceId /t REG_SZ /d "$guid" /f
reg add "$class\\0007" /v '*WakeOnMagicPacket' /t REG_SZ /d 1 /f
expect "wake on magic packet on; no shutdown keyword" "On" "$(verdicts "$yes" "$cannot")$nothing"
reg add "$class\\0007" /v '*WakeOnMagicPacket' /t REG_SZ /d 0 /f
expect "off: turn it on in the Advanced properties" "Off" \
  "$(verdicts "$no" "$no")This PC: eth0 does not wake on a magic packet. Turn on Wake on Magic Packet in its Advanced properties (Device Manager).\\r\\n\\r\\n$firmware"
tab="This PC: eth0 may not wake the computer. On its Power Management tab (Device Manager), tick “Allow the computer to turn off this device” and “Allow this device to wake the computer”.\\r\\n\\r\\n$firmware"
reg add "$class\\0007" /v '*WakeOnMagicPacket' /t REG_DWORD /d 1 /f
reg add "$class\\0007" /v PnPCapabilities /t REG_DWORD /d 272 /f
expect "waking not allowed on the Power Management tab" "Off (not allowed to wake)" "$(verdicts "$no" "$cannot")$tab"
reg add "$class\\0007" /v PnPCapabilities /t REG_DWORD /d 280 /f
expect "power management off" "Off (power management)" "$(verdicts "$no" "$cannot")$tab"
reg delete "$class\\0007" /v PnPCapabilities /f
expect "a keyword stored as a number counts too" "On" "$(verdicts "$yes" "$cannot")$nothing"
reg add "$class\\0007" /v '*WakeOnMagicPacket' /t REG_BINARY /d 01000000 /f
expect "a value of a type that holds no number" "Not reported" "$untold"
reg delete "$class\\0007" /v '*WakeOnMagicPacket' /f
expect "no value" "Not reported" "$untold"

# What the driver's INF file left: a default for each keyword it never
# wrote, and the name its Advanced tab shows.
ndi="$class\\0007\\Ndi\\params"
reg add "$ndi\\*WakeOnMagicPacket" /v default /t REG_SZ /d 1 /f
reg add "$ndi\\*WakeOnMagicPacket" /v ParamDesc /t REG_SZ /d 'Wake on Magic Packet' /f
expect "no value, but the driver's default: on" "On" "$(verdicts "$yes" "$cannot")$nothing"
reg add "$ndi\\S5WakeOnLan" /v default /t REG_SZ /d 1 /f
reg add "$ndi\\S5WakeOnLan" /v ParamDesc /t REG_SZ /d 'Shutdown Wake-On-Lan' /f
expect "the shutdown keyword's default: on" "On" "$(verdicts "$yes" "$yes")$nothing"
reg add "$class\\0007" /v S5WakeOnLan /t REG_SZ /d 0 /f
expect "the shutdown keyword off, named as the Advanced tab names it" "On" \
  "$(verdicts "$yes" "$no")This PC: “Shutdown Wake-On-Lan” is off for eth0, so it does not wake from shutdown. Turn it on in its Advanced properties (Device Manager).\\r\\n\\r\\n$firmware"
reg add "$class\\0007" /v S5WakeOnLan /t REG_SZ /d 1 /f

reg add "$power" /v HiberbootEnabled /t REG_DWORD /d 1 /f
expect "HiberbootEnabled 1 on Windows 7: no Fast Startup there" "On" "$(verdicts "$yes" "$yes")$nothing"
reg add "$power" /v HibernateEnabled /t REG_DWORD /d 0 /f
expect "hibernation is not switched off in the Session Manager's key" "On" "$(verdicts "$yes" "$yes")$nothing"
reg delete "$power" /v HibernateEnabled /f
reg add "$hibernation" /v HibernateEnabled /t REG_DWORD /d 0 /f
expect "hibernation off" "On" "$(verdicts "no: hibernation is off." "$yes" "$yes")$nothing"
reg add "$power" /v HiberbootEnabled /t REG_DWORD /d 0 /f
reg delete "$hibernation" /v HibernateEnabled /f
expect "Fast Startup off" "On" "$(verdicts "$yes" "$yes")$nothing"
reg add "$policy" /v HiberbootEnabled /t REG_DWORD /d 1 /f
expect "nor a policy that requires it" "On" "$(verdicts "$yes" "$yes")$nothing"
reg add "$policy" /v HiberbootEnabled /t REG_DWORD /d 0 /f
expect "a policy of 0 leaves the local setting in force" "On" "$(verdicts "$yes" "$yes")$nothing"
reg delete "$policy" /v HiberbootEnabled /f

# The report of what the check read: on the clipboard from the button, and
# from /report on a redirected output, with the card's values as stored.
mac="$(ip -n "$ns" -o link show eth0 | sed -n 's/.*link\/ether \([0-9a-f:]*\).*/\1/p' | tr 'a-f:' 'A-F-')"
magic_default="$(printf 'setting\t*WakeOnMagicPacket\tREG_SZ\t1\t(default)\tWake on Magic Packet')"
shutdown_own="$(printf 'setting\tS5WakeOnLan\tREG_SZ\t1\t\tShutdown Wake-On-Lan')"
P click 1048 >/dev/null
check "Copy report says it copied" "Report copied." "$(eventually "Report copied." item 1049)"
clip="$(P clipboard)"
check "the report's first line is its format" "[QuorvaneReport	1" "$(head -n 1 <<<"$clip")"
check_contains "the clipboard holds the card's MAC" "$(printf 'mac\t%s\t6' "$mac")" "$clip"
check_contains "and the keyword's default with its ParamDesc" "$magic_default" "$clip"
check_contains "and the shutdown keyword as stored" "$shutdown_own" "$clip"
report() {  # report LANG: the output of /report, then its exit code
  in_netns "$ns" "$prefix" env LANG="$1" LC_ALL= wine "$QUORVANE_EXE" /report </dev/null 2>/dev/null | tr -d '\r'
  echo "exit ${PIPESTATUS[0]}"
}
out="$(report en_US.UTF-8)"
check "/report exits 0" "exit 0" "$(tail -n 1 <<<"$out")"
check_contains "/report holds the adapter's MAC" "$(printf 'mac\t%s\t6' "$mac")" "$out"
check_contains "/report holds its wake values" "$shutdown_own" "$out"
check_contains "/report holds Fast Startup's values" "$(printf 'HiberbootEnabled\t0')" "$out"
# Wine's shape: S1, Windows 7, and no Hiberboot or hibernation file type to read.
check_contains "/report holds the version the power states were read on" "$(printf 'GetPwrCapabilities\tyes\t6.1')" "$out"
check_contains "/report holds S1" "$(printf 'SystemS1\tyes')" "$out"
check_contains "/report: no hibernation file type before Windows 10" "$(printf 'HiberFileType\t0')" "$out"
check_contains "/report: no Hiberboot before Windows 8" "$(printf 'Hiberboot\tunknown')" "$out"
check_contains "/report says what decided Fast Startup" "$(printf 'FastStartup\tno\tbefore8')" "$out"
check_contains "/report: Wine has no power data for the card" "$(printf 'powerDataRead\tno')" "$out"
out="$(report ko_KR.UTF-8)"
check "/report in Korean exits 0" "exit 0" "$(tail -n 1 <<<"$out")"
check_contains "in Korean: the headings in Hangul" "# 네트워크 어댑터" "$out"
check_contains "in Korean: the raw names unchanged" "$magic_default" "$out"
check_contains "in Korean: ifType unchanged" "$(printf 'ifType\t6')" "$out"
# From a shortcut, with no output: on the clipboard, under /quiet without a window.
P set-clipboard before >/dev/null
in_netns "$ns" "$prefix" env LANG=en_US.UTF-8 LC_ALL= wine start /wait /unix "$QUORVANE_EXE" /report /quiet </dev/null >/dev/null 2>&1
check "/report /quiet from a shortcut: the report on the clipboard" "[QuorvaneReport	1" "$(P clipboard | head -n 1)"
reg delete "$class\\0007" /v S5WakeOnLan /f
reg delete "$class\\0007\\Ndi" /f

check "the check wrote nothing: the driver key holds what the test left" "NetCfgInstanceId" \
  "$(in_netns "$ns" "$prefix" wine reg query "$class\\0007" 2>/dev/null | tr -d '\r' | awk 'NF >= 3 {print $1}' | tr '\n' ' ' | sed 's/ $//')"
P syscommand 0xF060 >/dev/null
P wait 1 30 >/dev/null || true
P syscommand 0xF060 >/dev/null
wait_program 20

finish
