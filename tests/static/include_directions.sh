#!/usr/bin/env bash
# Includes point one way: a folder may include its own files and those of the
# folders below it, never those above. Usage: include_directions.sh SOURCE_DIR
set -euo pipefail
cd "$1"
layers=(core framework text power net lastwake controls ownmac listener netcheck wakewait findpcs mypcs wol app)  # bottom to top
rank() { local i; for i in "${!layers[@]}"; do [ "${layers[$i]}" = "$1" ] && echo "$i" && return; done; echo -1; }
failed=0
for dir in "${layers[@]}"; do
  own=$(rank "$dir")
  while IFS=: read -r file target; do
    if [ "$(rank "$target")" -gt "$own" ]; then
      echo "not ok - $file includes $target/, which is above $dir/"
      failed=1
    fi
  done < <(grep -o '#include "[a-z]*/' "$dir"/*.h "$dir"/*.cpp | sed 's|#include "||; s|/$||')
done
[ "$failed" = 0 ] && echo "ok   - every include points down: ${layers[*]}"
exit "$failed"
