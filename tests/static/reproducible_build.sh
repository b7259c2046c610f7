#!/usr/bin/env bash
# Two builds of the same sources in two folders give the same bytes: builds
# the program once more from a copy of the sources elsewhere and compares.
# Usage: reproducible_build.sh SOURCE_DIR TOOLCHAIN_FILE Quorvane.exe
set -euo pipefail
source_dir="$1" toolchain="$(basename "$2")" exe="$3"
other="$(mktemp -d /tmp/quorvane-again.XXXXXX)"
trap 'rm -rf "$other"' EXIT
# The sources as a fresh clone has them: everything but the build folder.
tar -C "$source_dir" --exclude=./build --exclude=./.git -cf - . | tar -C "$other" -xf -
mkdir "$other/elsewhere"
cmake -S "$other" -B "$other/elsewhere/build" -DCMAKE_TOOLCHAIN_FILE="$other/cmake/$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DQUORVANE_GTEST_SOURCE="$other/none" >/dev/null
cmake --build "$other/elsewhere/build" -j"$(nproc)" --target Quorvane >/dev/null
if cmp -s "$exe" "$other/elsewhere/build/Quorvane.exe"; then
  echo "ok   - a second build in another folder is the same bytes: $(sha256sum <"$exe" | cut -c1-16)..."
  echo "1 passed, 0 failed"
else
  echo "FAIL - a second build in another folder differs:"
  cmp -l "$exe" "$other/elsewhere/build/Quorvane.exe" | head -n 10 | sed 's/^/  /'
  echo "0 passed, 1 failed"
  exit 1
fi
