#!/usr/bin/env bash
# Fuzzes every input rule with libFuzzer for SECONDS each (default 600) and
# prints each target's executions. A benchmark-style long run, not a test: the
# test command runs the same targets for a few seconds each.
# Usage: fuzz.sh [seconds]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-600}"
build="$root/build/fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DQUORVANE_FUZZ=ON -DQUORVANE_WERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
status=0
# Every target the build makes, so that a new one cannot be left out.
targets=$(cd "$build" && ls fuzz_* | grep -v '\.log$' | sed 's/^fuzz_//')
for target in $targets; do
  log="$build/fuzz_$target.log"
  if "$build/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
      "$build/corpus/$target" "$root/tests/fuzz/corpus/$target" >"$log" 2>&1; then
    result=ok
  else
    result="FAILED (crash input and trace in $log)"
    status=1
  fi
  echo "$target: $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") executions in ${seconds} s, $result"
done
exit "$status"
