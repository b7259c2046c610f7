#!/usr/bin/env bash
# Installs everything Quorvane needs to build, run and test on Debian 12.
# Idempotent: packages already present are skipped by apt, locales are
# generated only once.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: run as root (apt-get and locale generation need it)" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi

packages=(
  cmake make g++ googletest libgtest-dev clang libclang-rt-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64
  wine wine32:i386 wine64 fonts-wine
  xvfb xauth xdotool x11-utils imagemagick python3-xlib
  fonts-noto-cjk locales
  iproute2 e2fsprogs wakeonlan python3 procps hostname
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  # Another apt (an unattended upgrade, a second run) may hold the lock:
  # wait for it rather than break in.
  apt-get -o DPkg::Lock::Timeout=600 update
  apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}"
fi

# Wine takes the user locale from LANG only when the glibc locale exists.
want_locales=(en_US.UTF-8 en_GB.UTF-8 ko_KR.UTF-8 ja_JP.UTF-8 de_DE.UTF-8)
regen=0
for l in "${want_locales[@]}"; do
  if ! grep -q "^${l} UTF-8" /etc/locale.gen 2>/dev/null; then
    echo "${l} UTF-8" >> /etc/locale.gen
    regen=1
  fi
  locale -a 2>/dev/null | grep -qix "${l/UTF-8/utf8}" || regen=1
done
if [ "$regen" -eq 1 ]; then
  locale-gen
fi
