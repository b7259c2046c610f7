#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#   1. the platform-free logic, natively, with AddressSanitizer and UBSan;
#   2. the Win32 code and the whole program under Wine, in a virtual X server,
#      the network tests in namespaces of their own (needs root).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/install-deps.sh"

export QUORVANE_WERROR=ON
cmake -S "$root" -B "$root/build/native" -DQUORVANE_SANITIZE=ON -DQUORVANE_WERROR=ON >/dev/null
cmake --build "$root/build/native" -j"$(nproc)"
ctest --test-dir "$root/build/native" --output-on-failure

bash "$root/scripts/build.sh"
xvfb-run -a -s "-screen 0 1024x768x24" ctest --test-dir "$root/build/win32" --output-on-failure
