#!/usr/bin/env bash
# Installs what Quorvane needs on Debian 12, and only what this machine can
# use:
#   install-deps.sh run     building and running the program
#   install-deps.sh         the above and everything the tests need (default)
#   install-deps.sh bench   the above and the benchmarks' tools
# A second run on a machine that has everything asks nothing of the network.
set -euo pipefail

profile="${1:-test}"
case "$profile" in
  run | test | bench) ;;
  *) echo "install-deps: unknown set '$profile' (run, test or bench)" >&2; exit 2 ;;
esac

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: run as root (apt-get and locale generation need it)" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
locale_gen_file="${QUORVANE_LOCALE_GEN:-/etc/locale.gen}"
update_tries="${QUORVANE_APT_TRIES:-3}"
update_pause="${QUORVANE_APT_PAUSE:-20}"

# Whether this kernel executes 32-bit x86 code: a 32-bit ELF that only exits
# 0 is written and run. Where an emulator is registered for such programs
# it may run, but Wine's 32-bit half still cannot (test.sh then finds out by
# running a Windows program); only a kernel that refuses the file outright
# is sure to have no use for it.
runs_32bit_code() {
  if [ -n "${QUORVANE_KERNEL_RUNS_32BIT:-}" ]; then  # the tests' stand-in kernel
    [ "$QUORVANE_KERNEL_RUNS_32BIT" = yes ]
    return
  fi
  local elf status=0
  elf="$(mktemp)"
  # ELF header, one program header loading the file at 0x08048000, then
  # mov eax,1; xor ebx,ebx; int 0x80 (exit(0)).
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$elf"
  chmod +x "$elf"
  "$elf" 2>/dev/null || status=$?
  rm -f "$elf"
  [ "$status" -eq 0 ]
}

packages=(
  cmake make
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine64 fonts-wine
  xvfb xauth xdotool x11-utils imagemagick python3 python3-xlib
  fonts-noto-cjk locales ieee-data
  googletest  # its sources build the window probe that run.sh uses too
)
if [ "$profile" != run ]; then
  packages+=(g++ libgtest-dev clang libclang-rt-dev
    iproute2 e2fsprogs wakeonlan procps hostname)
fi
if [ "$profile" = bench ]; then
  packages+=(nmap hyperfine)
fi
if runs_32bit_code; then
  packages+=(wine32:i386)
  wants_i386=1
else
  echo "install-deps: this kernel cannot execute 32-bit programs: Wine's 64-bit half only."
  wants_i386=0
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

# The sentence for an index that failed: which architecture of which archive,
# and why, from apt's "Failed to fetch URL  reason" lines.
failed_indexes() {
  local log="$1"
  { grep -E '^(E|W): Failed to fetch ' "$log" || true; } | while read -r _ _ _ _ url reason; do
    local arch="" archive="main archive" why="the download failed"
    [[ "$url" =~ binary-([a-z0-9]+)/ ]] && arch="${BASH_REMATCH[1]} "
    [[ "$url" == *-security* ]] && archive="security archive"
    [[ "$url" == *-updates/* ]] && archive="updates archive"
    [[ "$reason" == *"Mirror sync in progress"* ]] && why="the mirror is syncing; try again later"
    [[ "$reason" == *"Hash Sum mismatch"* ]] && why="the mirror is syncing; try again later"
    echo "the ${arch}index of the $archive could not be fetched: $why"
  done | sort -u
}

install_packages() {
  apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "$@" >"$log" 2>&1
}

# The packages apt's errors name, else every one asked for.
packages_apt_named() {
  local named=() p
  for p in "$@"; do
    grep -E '^(E:| )' "$log" | grep -qE "(^|[ ,])${p%%:*}(:[a-z0-9]+)?([ ,:]|$)" && named+=("$p")
  done
  [ ${#named[@]} -gt 0 ] || named=("$@")
  echo "${named[*]}"
}

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$wants_i386" -eq 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  log="$(mktemp)"
  trap 'rm -f "$log"' EXIT
  # A mirror in mid-sync fails some index files for a while; what still
  # downloaded may well be enough, so only the install below decides.
  for ((try = 1; try <= update_tries; try++)); do
    # Another apt (an unattended upgrade, a second run) may hold the lock:
    # wait for it rather than break in.
    if apt-get -o DPkg::Lock::Timeout=600 update >"$log" 2>&1; then
      break
    fi
    if [ "$try" -lt "$update_tries" ]; then
      echo "install-deps: the package index update failed (try $try of $update_tries); trying again in ${update_pause} s."
      sleep "$update_pause"
    fi
  done
  update_problems="$(failed_indexes "$log")"
  if [ -n "$update_problems" ]; then
    nl=$'\n'
    update_problems="${update_problems//$nl/; }"
    echo "install-deps: going on with the package lists as they are: $update_problems."
  fi
  if ! install_packages "${missing[@]}"; then
    # Without Wine's 32-bit half the tests still run, on the 64-bit sibling
    # build: an i386 index that is missing for a while must not stop them.
    if [ "$wants_i386" -eq 1 ] && [[ " ${missing[*]} " == *" wine32:i386 "* ]]; then
      rest=()
      for p in "${missing[@]}"; do [ "$p" = wine32:i386 ] || rest+=("$p"); done
      if [ ${#rest[@]} -eq 0 ] || install_packages "${rest[@]}"; then
        echo "install-deps: wine32:i386 could not be installed (${update_problems:-see the output of apt above}); Wine's 64-bit half runs the 64-bit build instead."
        missing=()
      fi
    fi
    if [ ${#missing[@]} -gt 0 ]; then
      cat "$log" >&2
      echo "install-deps: could not install $(packages_apt_named "${missing[@]}"): ${update_problems:-apt-get install failed; its output is above}." >&2
      exit 1
    fi
  fi
fi

# Wine takes the user locale from LANG only when the glibc locale exists.
want_locales=(en_US.UTF-8 en_GB.UTF-8 ko_KR.UTF-8 ja_JP.UTF-8 de_DE.UTF-8)
regen=0
# Read once: grep -q stops reading early, and under pipefail the writer's
# broken pipe would count as a missing locale.
have_locales="$(locale -a 2>/dev/null || true)"
for l in "${want_locales[@]}"; do
  if ! grep -q "^${l} UTF-8" "$locale_gen_file" 2>/dev/null; then
    echo "${l} UTF-8" >> "$locale_gen_file"
    regen=1
  fi
  grep -qix "${l/UTF-8/utf8}" <<<"$have_locales" || regen=1
done
if [ "$regen" -eq 1 ]; then
  locale-gen
fi
