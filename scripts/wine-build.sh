# Sourced by the run, test, benchmark and screenshot scripts: which build's
# programs Wine runs on this machine.
#
# The product is the 32-bit build. Some kernels cannot execute 32-bit code at
# all (no IA-32 emulation), and there only the 64-bit sibling build runs. The
# only reliable way to tell is to run a 32-bit Windows program and read what it
# prints: the kernel's name says nothing, and an emulator registered for
# 32-bit programs starts Wine's loader but then fails every program.

# Sets QUORVANE_WINE_ARCH (win32 or win64) and QUORVANE_WINE_WHY.
quorvane_choose_wine_build() {
  local root="$1" dir="$1/build/arch-check" out=""
  mkdir -p "$dir"
  if [ ! -f "$dir/check32.exe" ] || [ "$root/scripts/arch_check.c" -nt "$dir/check32.exe" ]; then
    i686-w64-mingw32-gcc -O2 -s -o "$dir/check32.exe" "$root/scripts/arch_check.c"
  fi
  QUORVANE_WINE_ARCH=win64
  if [ ! -e /usr/lib/wine/wine ]; then
    QUORVANE_WINE_WHY="Wine's 32-bit half is not installed (install-deps.sh said why)"
  elif ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    QUORVANE_WINE_WHY="this kernel cannot execute 32-bit programs"
  else
    out="$(WINEPREFIX="$dir/prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
      timeout 180 /usr/lib/wine/wine "$dir/check32.exe" </dev/null 2>/dev/null | tr -d '\r' || true)"
    WINEPREFIX="$dir/prefix" /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
    QUORVANE_WINE_WHY="Wine's 32-bit loader starts here but a 32-bit Windows program does not run"
    if [ "$out" = "32-bit Windows programs run here" ]; then
      QUORVANE_WINE_ARCH=win32
      QUORVANE_WINE_WHY="32-bit Windows programs run on this machine"
    fi
  fi
  export QUORVANE_WINE_ARCH QUORVANE_WINE_WHY
}

# Runs the calling script again inside a virtual X server, once: call as
# quorvane_rerun_in_xvfb "$0" "$@" before anything else that needs a display.
quorvane_rerun_in_xvfb() {
  [ -n "${QUORVANE_IN_XVFB:-}" ] && return 0
  QUORVANE_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"
}
