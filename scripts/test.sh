#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#   1. the platform-free logic, natively, with AddressSanitizer and UBSan,
#      and a short fuzzing run of every input rule;
#   2. the Win32 code and the whole program under Wine, in a virtual X server,
#      the network tests in namespaces of their own (needs root).
# Both Windows builds are made. The Wine tests run against the 32-bit product
# where this machine runs 32-bit programs, otherwise against the 64-bit
# sibling build; checks that run nothing read the 32-bit product either way.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/install-deps.sh"
source "$root/scripts/wine-build.sh"

export QUORVANE_WERROR=ON
cmake -S "$root" -B "$root/build/native" -DQUORVANE_SANITIZE=ON -DQUORVANE_WERROR=ON >/dev/null
cmake --build "$root/build/native" -j"$(nproc)"
ctest --test-dir "$root/build/native" --output-on-failure
# A few seconds of coverage-guided fuzzing per input rule (scripts/fuzz.sh
# makes the long runs).
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" -DQUORVANE_FUZZ=ON -DQUORVANE_WERROR=ON >/dev/null
cmake --build "$root/build/fuzz" -j"$(nproc)"
ctest --test-dir "$root/build/fuzz" --output-on-failure

# Wine under a virtual X server on a busy machine now and then loses a
# window's first paint or a keystroke; a test that fails twice in a row is a
# fault, one that passes on its second run is counted and said by CTest.
wine_ctest=(ctest --repeat until-pass:2 --output-on-failure)
quorvane_choose_wine_build "$root"
echo "Wine tests run against the $QUORVANE_WINE_ARCH build: $QUORVANE_WINE_WHY."
if [ "$QUORVANE_WINE_ARCH" = win32 ]; then
  bash "$root/scripts/build.sh" win32
  bash "$root/scripts/build.sh" win64  # built so that it cannot rot
  xvfb-run -a -s "-screen 0 1024x768x24" "${wine_ctest[@]}" --test-dir "$root/build/win32"
else
  QUORVANE_WINE_TESTS=OFF bash "$root/scripts/build.sh" win32
  bash "$root/scripts/build.sh" win64
  ctest --test-dir "$root/build/win32" --output-on-failure  # the checks that run nothing
  xvfb-run -a -s "-screen 0 1024x768x24" "${wine_ctest[@]}" --test-dir "$root/build/win64"
fi
