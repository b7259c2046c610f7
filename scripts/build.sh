#!/usr/bin/env bash
# Builds for Windows with MinGW-w64.
# Usage: build.sh [win32|win64] [target...]
#   win32 (the default) is the product, build/win32/Quorvane.exe; win64 is its
#   sibling for machines that cannot run 32-bit code, in build/win64. Without
#   targets everything is built, the Win32 tests too. QUORVANE_WINE_TESTS=OFF
#   keeps CTest from listing the Wine tests of a build that cannot run here.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
arch="${1:-win32}"
shift || true
case "$arch" in
  win32) toolchain=mingw32 ;;
  win64) toolchain=mingw64 ;;
  *) echo "build: unknown build '$arch' (win32 or win64)" >&2; exit 2 ;;
esac
cmake -S "$root" -B "$root/build/$arch" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DQUORVANE_WERROR="${QUORVANE_WERROR:-OFF}" \
  -DQUORVANE_WINE_TESTS="${QUORVANE_WINE_TESTS:-ON}" >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$root/build/$arch" -j"$(nproc)" "${targets[@]}"
