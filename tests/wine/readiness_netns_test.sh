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
expect() {  # expect DESCRIPTION COLUMN FINDINGS: after F5
  press F5
  check "$1" "$2 | $3" "$(eventually "$2 | $3" state)"
}

open_program_in "$ns" "$prefix" en_US.UTF-8 0x30

check "no driver key: not reported, and nothing Windows can tell" "Not reported | $nothing" "$(state)"
reg add "$class\\0007" /v NetCfgInstanceId /t REG_SZ /d "$guid" /f
reg add "$class\\0007" /v '*WakeOnMagicPacket' /t REG_SZ /d 1 /f
expect "wake on magic packet on" "On" "$nothing"
reg add "$class\\0007" /v '*WakeOnMagicPacket' /t REG_SZ /d 0 /f
expect "off: turn it on in the Advanced properties" "Off" \
  "This PC: eth0 does not wake on a magic packet. Turn on Wake on Magic Packet in its Advanced properties (Device Manager).\\r\\n\\r\\n$firmware"
tab="This PC: eth0 may not wake the computer. On its Power Management tab (Device Manager), tick “Allow the computer to turn off this device” and “Allow this device to wake the computer”.\\r\\n\\r\\n$firmware"
reg add "$class\\0007" /v '*WakeOnMagicPacket' /t REG_DWORD /d 1 /f
reg add "$class\\0007" /v PnPCapabilities /t REG_DWORD /d 272 /f
expect "waking not allowed on the Power Management tab" "Off (not allowed to wake)" "$tab"
reg add "$class\\0007" /v PnPCapabilities /t REG_DWORD /d 280 /f
expect "power management off" "Off (power management)" "$tab"
reg delete "$class\\0007" /v PnPCapabilities /f
expect "a keyword stored as a number counts too" "On" "$nothing"
reg add "$class\\0007" /v '*WakeOnMagicPacket' /t REG_BINARY /d 01000000 /f
expect "a value of a type that holds no number" "Not reported" "$nothing"
reg delete "$class\\0007" /v '*WakeOnMagicPacket' /f
expect "no value" "Not reported" "$nothing"

fast="This PC: Fast Startup is on. Shut down then leaves the PC half hibernated, and many cards are not armed for waking from that. Turn Fast Startup off, or use Sleep instead of Shut down.\\r\\n\\r\\n$firmware"
reg add "$power" /v HiberbootEnabled /t REG_DWORD /d 1 /f
expect "Fast Startup on" "Not reported" "$fast"
reg add "$power" /v HibernateEnabled /t REG_DWORD /d 0 /f
expect "hibernation is not switched off in the Session Manager's key" "Not reported" "$fast"
reg delete "$power" /v HibernateEnabled /f
reg add "$hibernation" /v HibernateEnabled /t REG_DWORD /d 0 /f
expect "Fast Startup off when hibernation is off" "Not reported" "$nothing"
reg add "$power" /v HiberbootEnabled /t REG_DWORD /d 0 /f
reg delete "$hibernation" /v HibernateEnabled /f
expect "Fast Startup off" "Not reported" "$nothing"
reg add "$policy" /v HiberbootEnabled /t REG_DWORD /d 1 /f
expect "the policy requires Fast Startup whatever the local setting" "Not reported" "$fast"
reg add "$policy" /v HiberbootEnabled /t REG_DWORD /d 0 /f
expect "a policy of 0 leaves the local setting in force" "Not reported" "$nothing"
reg delete "$policy" /v HiberbootEnabled /f

check "the check wrote nothing: the driver key holds what the test left" "NetCfgInstanceId" \
  "$(in_netns "$ns" "$prefix" wine reg query "$class\\0007" 2>/dev/null | tr -d '\r' | awk 'NF >= 3 {print $1}' | tr '\n' ' ' | sed 's/ $//')"
P syscommand 0xF060 >/dev/null
P wait 1 30 >/dev/null || true
P syscommand 0xF060 >/dev/null
wait_program 20

finish
