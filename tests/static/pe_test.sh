#!/usr/bin/env bash
# Keeps the 32-bit product startable on Windows 2000: every function it
# imports must be in the committed list, and its PE header must ask for
# no newer system; and it carries its application manifest. Runs nothing, so
# it runs on every build machine.
# Usage: pe_test.sh OBJDUMP Quorvane.exe allowed-imports.txt
set -euo pipefail
objdump="$1" exe="$2" allowed="$3"
headers="$("$objdump" -p "$exe")"
failures=0 checks=0

imports="$(awk '/DLL Name:/ {dll = $3; next} dll && /^\t[0-9a-f]+\t/ {print dll "!" $NF}' <<<"$headers" | tr 'A-Z' 'a-z' | sort -u)"
checks=$((checks + 1))
unlisted="$(comm -23 <(echo "$imports") <(grep -v '^#' "$allowed" | tr 'A-Z' 'a-z' | sort -u))"
if [ -n "$imports" ] && [ -z "$unlisted" ]; then
  echo "ok   - all $(wc -l <<<"$imports") imports are in $(basename "$allowed")"
else
  failures=$((failures + 1))
  echo "FAIL - imports missing from $(basename "$allowed") (check each exists on Windows 2000, then add it):"
  echo "${unlisted:-(no imports found at all)}" | sed 's/^/  /'
fi

for field in MajorSubsystemVersion MajorOSystemVersion; do
  checks=$((checks + 1))
  version="$(awk -v f="$field" '$1 == f {print $2}' <<<"$headers")"
  if [ -n "$version" ] && [ "$version" -le 5 ]; then
    echo "ok   - $field $version: Windows 2000 (5.0) accepts it"
  else
    failures=$((failures + 1))
    echo "FAIL - $field is '$version'; Windows 2000 refuses anything above 5"
  fi
done

# The manifest: resource type 24 (RT_MANIFEST) with id 1, at the top level
# of the resource tree.
# grep reads to the end (no -q): stopping at the match would end sed with
# SIGPIPE, which pipefail turns into a failed check now and then.
checks=$((checks + 1))
if sed -n '/Resource Directory section/,$p' <<<"$headers" | grep -E '^0[0-9a-f]{2}   Entry: ID: 0x000018,' >/dev/null; then
  echo "ok   - the application manifest is among the resources"
else
  failures=$((failures + 1))
  echo "FAIL - no RT_MANIFEST resource"
fi

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
