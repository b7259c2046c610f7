# Shared by the run, screenshot and benchmark scripts and the Wine tests: a
# private, prepared Wine prefix, and the probe that reads its windows.
# Usage: source wine-env.sh PREFIX_DIR
# QUORVANE_WINE_ARCH (win32, the default, or win64) says which build's
# programs the prefix runs: win64 is the sibling build for kernels that cannot
# execute 32-bit code.
#
# The prefix is made once (wineboot takes seconds) under a lock, so that tests
# started in parallel never race to create it.

export WINEPREFIX="$1"
export WINEDLLOVERRIDES="mscoree,mshtml="  # never offer to install Mono or Gecko
: "${QUORVANE_WINE_ARCH:=win32}"
export QUORVANE_WINE_ARCH WINEARCH="$QUORVANE_WINE_ARCH"
if [ "$WINEARCH" = win64 ]; then
  export WINELOADER=/usr/lib/wine/wine64
  quorvane_win64_bin="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/win64-bin"
  case ":$PATH:" in
    *":$quorvane_win64_bin:"*) ;;
    *) export PATH="$quorvane_win64_bin:$PATH" ;;
  esac
fi
: "${WINEDEBUG:=-all}"
export WINEDEBUG

# Every wait has a deadline: a hung Wine must fail the run, not stall it.
# Waits up to SECONDS for process PID (a child of this shell) to end, and
# kills it when it has not; the wait's status is the process's, 124 after a
# kill.
quorvane_wait() {  # quorvane_wait PID SECONDS
  local i
  for ((i = 0; i < $2 * 10; i++)); do
    kill -0 "$1" 2>/dev/null || { wait "$1"; return; }
    sleep 0.1
  done
  kill -9 "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
  return 124
}

quorvane_prepare_prefix() {
  local prefix="$WINEPREFIX"
  mkdir -p "$(dirname "$prefix")"
  (
    flock -w 600 9 || { echo "wine-env: $prefix stayed locked by another run for 10 minutes" >&2; exit 1; }
    if [ ! -f "$prefix/.quorvane-ready" ]; then
      rm -rf "$prefix"
      timeout 300 wineboot --init >/dev/null 2>&1 || { echo "wine-env: wineboot did not finish within 5 minutes" >&2; exit 1; }
      # One shared virtual desktop: real keyboard input reaches the controls
      # there, and every window of the prefix appears inside it. A prefix for
      # a person's own desktop (QUORVANE_VIRTUAL_DESKTOP=0) goes without.
      if [ "${QUORVANE_VIRTUAL_DESKTOP:-1}" = 1 ]; then
        LC_ALL=C.UTF-8 wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
        LC_ALL=C.UTF-8 wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 800x600 /f >/dev/null 2>&1
      fi
      # The dialogs name a Korean font that Debian does not have.
      LC_ALL=C.UTF-8 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v '굴림' /d 'Noto Sans CJK KR' /f >/dev/null 2>&1
      LC_ALL=C.UTF-8 wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Gulim' /d 'Noto Sans CJK KR' /f >/dev/null 2>&1
      # QUORVANE_DPI=144 makes a prefix like a display scaled to 150 %.
      if [ -n "${QUORVANE_DPI:-}" ]; then
        LC_ALL=C.UTF-8 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$QUORVANE_DPI" /f >/dev/null 2>&1
      fi
      timeout 120 wineserver -w || { echo "wine-env: the prefix's wineserver did not end within 2 minutes" >&2; exit 1; }
      touch "$prefix/.quorvane-ready"
    fi
    # Wine draws caption buttons with this symbol font; without it they show
    # letters.
    local fonts="$prefix/drive_c/windows/Fonts"
    if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$fonts/marlett.ttf" ]; then
      mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
    fi
  ) 9>"$prefix.lock"
  # A wineserver that outlives single test programs saves seconds per test.
  wineserver -p30 </dev/null >/dev/null 2>&1 || true
}

# A private copy of the prepared prefix, for a test whose wineserver must run
# elsewhere (inside a network namespace): one prefix, one wineserver.
quorvane_copy_prefix() {
  local from="$1" to="$2"
  rm -rf "$to"
  cp -a "$from" "$to"
}

# The window probe (tests/wine/WindowProbe.cpp) of the build in
# QUORVANE_PROBE, in this prefix. Line by line, so that a caller can answer a
# line while the probe still runs.
probe() { wine "$QUORVANE_PROBE" "$@" 2>/dev/null | stdbuf -oL tr -d '\r'; }
