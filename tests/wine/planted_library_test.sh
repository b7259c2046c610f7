#!/usr/bin/env bash
# System libraries come from the system folder only: stand-ins planted beside
# the program, for the libraries it loads at run time and for what those
# import, are never loaded, even where Wine prefers native libraries.
source "$(dirname "$0")/lib.sh"
trap 'cleanup_netns; rm -rf "$scratch"' EXIT

scratch="$QUORVANE_SCRATCH/planted-$$"
planted=(iphlpapi.dll ws2_32.dll nsi.dll ws2help.dll wship6.dll dnsapi.dll)
rm -rf "$scratch"
mkdir -p "$scratch"
cp "$QUORVANE_EXE" "$QUORVANE_LOAD_BY_NAME" "$scratch/"
for dll in "${planted[@]}"; do cp "$QUORVANE_PLANTED_DLL" "$scratch/$dll"; done
marks() { (cd "$scratch" && ls -- *.loaded 2>/dev/null | tr '\n' ' '); }
native_first="mscoree,mshtml=;$(IFS=,; echo "${planted[*]%.dll}")=n,b"

ns="qv-$$-plant"
make_netns "$ns"
prefix_for_netns "$ns" prefix

# The harness sees a planted library when one is loaded.
out="$(in_netns "$ns" "$prefix" WINEDLLOVERRIDES="$native_first" wine "$scratch/$(basename "$QUORVANE_LOAD_BY_NAME")" iphlpapi.dll 2>/dev/null | tr -d '\r')"
check "a bare name loads the stand-in beside the program" "loaded 1 / iphlpapi.dll.loaded " "$out / $(marks)"
rm -f "$scratch"/*.loaded

# The program: the listener needs the socket library and IP Helper at once.
in_netns "$ns" "$prefix" WINEDLLOVERRIDES="$native_first" wine "$scratch/$(basename "$QUORVANE_EXE")" </dev/null >/dev/null 2>&1 &
program_pid=$!
probe_in "$ns" "$prefix" wait 1 30 >/dev/null || true
probe_in "$ns" "$prefix" syscommand 0x20 >/dev/null
probe_in "$ns" "$prefix" wait 2 30 >/dev/null || true
status="$(probe_in "$ns" "$prefix" dump | grep -o '1032 visible Static \[[^]]*' | head -n 1)"
check_contains "the listener opened with its sockets" "40000" "$status"
check "no planted library was loaded, neither asked for nor imported" "" "$(marks)"
probe_in "$ns" "$prefix" syscommand 0xF060 >/dev/null  # close the listener
probe_in "$ns" "$prefix" wait 1 30 >/dev/null || true
probe_in "$ns" "$prefix" syscommand 0xF060 >/dev/null  # and the program
wait_program 20
check "the program ends normally" "0" "$program_status"

finish
