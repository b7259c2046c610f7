#!/usr/bin/env bash
# Builds Quorvane.exe (and the Win32 tests) into build/win32.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cmake -S "$root" -B "$root/build/win32" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw32.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DQUORVANE_WERROR="${QUORVANE_WERROR:-OFF}" >/dev/null
cmake --build "$root/build/win32" -j"$(nproc)"
