#!/usr/bin/env bash
# What install-deps.sh decides, with stand-ins for apt-get, dpkg and the
# locale tools on PATH: runs without root and without a network.
set -uo pipefail
script="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/scripts/install-deps.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
failed=0
check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then echo "ok   - $1"; else echo "not ok - $1: expected [$2], got [$3]"; failed=1; fi
}
contains() {  # contains NAME NEEDLE HAYSTACK
  if [[ "$3" == *"$2"* ]]; then echo "ok   - $1"; else echo "not ok - $1: [$2] not in [$3]"; failed=1; fi
}

# apt-get as a syncing mirror shows it: the i386 index of the security
# archive has the wrong size. FAKE_INSTALL: ok, fail, or fail-i386 (fails
# whenever wine32:i386 is asked for).
cat >"$work/bin/apt-get" <<'FAKE'
#!/bin/bash
echo "apt-get $*" >>"$FAKE_LOG"
case "$*" in
  *" update")
    [ "$FAKE_UPDATE" = ok ] && exit 0
    echo "Err:6 http://deb.example/debian-security bookworm-security/main i386 Packages"
    echo "E: Failed to fetch http://deb.example/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 192.0.2.1 80]" >&2
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
    exit 100 ;;
  *" install "*)
    if [ "$FAKE_INSTALL" = fail ] || { [ "$FAKE_INSTALL" = fail-i386 ] && [[ "$*" == *wine32:i386* ]]; }; then
      echo "The following packages have unmet dependencies:"
      echo " wine32:i386 : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed"
      echo "E: Unable to correct problems, you have held broken packages." >&2
      exit 100
    fi
    exit 0 ;;
esac
FAKE
cat >"$work/bin/dpkg-query" <<'FAKE'
#!/bin/bash
[ "$FAKE_INSTALLED" = all ] && printf 'install ok installed'
[ "$FAKE_INSTALLED" = all ]
FAKE
cat >"$work/bin/dpkg" <<'FAKE'
#!/bin/bash
echo "dpkg $*" >>"$FAKE_LOG"
FAKE
printf '#!/bin/bash\necho 0\n' >"$work/bin/id"
printf '#!/bin/bash\nprintf "%%s\\n" en_US.utf8 en_GB.utf8 ko_KR.utf8 ja_JP.utf8 de_DE.utf8\n' >"$work/bin/locale"
printf '#!/bin/bash\necho "locale-gen" >>"$FAKE_LOG"\n' >"$work/bin/locale-gen"
chmod +x "$work/bin/"*
printf '%s UTF-8\n' en_US.UTF-8 en_GB.UTF-8 ko_KR.UTF-8 ja_JP.UTF-8 de_DE.UTF-8 >"$work/locale.gen"

run() {  # run KERNEL_RUNS_32BIT UPDATE INSTALL INSTALLED [PROFILE]: sets out, status, calls
  : >"$work/log"
  out="$(PATH="$work/bin:$PATH" FAKE_LOG="$work/log" FAKE_UPDATE="$2" FAKE_INSTALL="$3" FAKE_INSTALLED="$4" \
    QUORVANE_KERNEL_RUNS_32BIT="$1" QUORVANE_APT_PAUSE=0 QUORVANE_LOCALE_GEN="$work/locale.gen" \
    bash "$script" ${5:-} 2>&1)"
  status=$?
  calls="$(cat "$work/log")"
}
sentence="the i386 index of the security archive could not be fetched: the mirror is syncing; try again later"

run yes syncing ok none
check "a syncing mirror: the install goes on and succeeds" 0 "$status"
check "a syncing mirror: the update is tried three times" 3 "$(grep -c ' update$' <<<"$calls")"
contains "a syncing mirror: the failed index is named" "$sentence" "$out"
contains "a kernel that runs 32-bit code: Wine's 32-bit half is asked for" "wine32:i386" "$(grep ' install ' <<<"$calls")"
contains "a kernel that runs 32-bit code: the i386 architecture is added" "dpkg --add-architecture i386" "$calls"

run yes syncing fail none
check "an install that fails: exit status" 1 "$status"
contains "an install that fails: one sentence names the packages and why" \
  "install-deps: could not install wine32:i386: $sentence." "$(tail -n 1 <<<"$out")"

run yes syncing fail-i386 none
check "only Wine's 32-bit half fails: the rest is installed" 0 "$status"
check "only Wine's 32-bit half fails: the second install leaves it out" "" \
  "$(grep ' install ' <<<"$calls" | tail -n 1 | grep -o 'wine32:i386')"
contains "only Wine's 32-bit half fails: said in one sentence" "wine32:i386 could not be installed ($sentence)" "$out"

run yes ok ok all
check "everything installed: no apt-get at all" "" "$(grep apt-get <<<"$calls")"
check "everything installed: the locales are not generated again" "" "$(grep locale-gen <<<"$calls")"

run no ok ok none
check "a good mirror: installed" 0 "$status"
check "a good mirror: one update" 1 "$(grep -c ' update$' <<<"$calls")"
check "a kernel without 32-bit code: wine32:i386 never asked for" "" "$(grep -o 'wine32:i386' <<<"$calls")"
check "a kernel without 32-bit code: no i386 architecture added" "" "$(grep -o 'add-architecture' <<<"$calls")"

run no ok ok none run
check "running only: no test tools" "" "$(grep ' install ' <<<"$calls" | grep -o 'libgtest-dev\|nmap')"
run no ok ok none bench
contains "the benchmarks: nmap too" "nmap" "$(grep ' install ' <<<"$calls")"

exit "$failed"
