#!/usr/bin/env bash
# Start-up and shutdown of the real program: the language file's life, the
# debug lines, the language section per locale, the silent end.
source "$(dirname "$0")/lib.sh"

scratch="$QUORVANE_SCRATCH/startup"
mkdir -p "$scratch"
lang="$(temp_dir)/BRVT.lng"
cleanup() {
  chattr -i "$lang" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
}
trap cleanup EXIT

# English: file written while running, three debug lines, gone afterwards.
mkdir -p "$(temp_dir)"
head -c 20000 /dev/zero | tr '\0' 'Z' >"$lang"  # an older, longer file
start_program "$scratch/en.trace" LANG=en_US.UTF-8 LC_ALL=
probe wait 1 30 >/dev/null || true
focus_program
check "language file written whole while running" "$(sha256sum <"$QUORVANE_SOURCE/res/BRVT.lng")" "$(sha256sum <"$lang")"
check "English caption" "dialog enabled [Brevinta - WOL Tester]" "$(probe dump | head -n 1)"
press Escape
wait_program 20
check "Escape ends the program" "0" "$program_status"
check "language file deleted at shutdown" "absent" "$([ -e "$lang" ] && echo present || echo absent)"
check "three debug lines in order" '0x9|C:\\users\\root\\Temp\\BRVT.lng|ENGLISH.BRVT' \
  "$(debug_lines "$scratch/en.trace" | paste -sd '|')"

# Each locale picks its section.
for case in "ko_KR.UTF-8|0x12|KOREAN.BRVT|Brevinta - WOL 기능 테스트" \
            "ja_JP.UTF-8|0x11|JAPANESE.BRVT|Brevinta - WOL機能テスト" \
            "de_DE.UTF-8|0x7|ENGLISH.BRVT|Brevinta - WOL Tester" \
            "en_GB.UTF-8|0x9|ENGLISH.BRVT|Brevinta - WOL Tester"; do
  IFS='|' read -r locale primary section caption <<<"$case"
  start_program "$scratch/$locale.trace" LANG="$locale" LC_ALL=
  probe wait 1 30 >/dev/null || true
  focus_program
  check "$locale caption" "dialog enabled [$caption]" "$(probe dump | head -n 1)"
  press Escape
  wait_program 20
  check "$locale debug lines" "$primary|"'C:\\users\\root\\Temp\\BRVT.lng'"|$section" \
    "$(debug_lines "$scratch/$locale.trace" | paste -sd '|')"
done

# Two copies share the one file: the first to end deletes it, and the other
# shows bare keys from then on.
start_program "$scratch/first.trace" LANG=en_US.UTF-8 LC_ALL=
first_pid=$program_pid
probe wait 1 30 >/dev/null || true
start_program "$scratch/second.trace" LANG=en_US.UTF-8 LC_ALL=
probe wait 2 30 >/dev/null || true
xdotool windowfocus "$(xdotool search --name '^Brevinta' | tail -n 1)"
sleep 0.5
press Escape
wait_program 20
check "the second copy ended" "0" "$program_status"
check "and took the shared file with it" "absent" "$([ -e "$lang" ] && echo present || echo absent)"
program_pid=$first_pid
focus_program
type_text "0a"
press Return
probe wait 2 30 >/dev/null || true
notice="$(probe dump | awk '/^dialog enabled/ {on=1} /^dialog disabled/ {on=0} on')"
check_contains "the first copy's notice shows its caption keys" "[PRODUCT_NAME - PRODUCT_TITLE]" "$notice"
check_contains "and its text key" "1014 visible Static [MAC_ERROR]" "$notice"
press Escape
probe wait 1 30 >/dev/null || true
press Escape
wait_program 20
check "the first copy ends too" "0" "$program_status"

# A language file that cannot be replaced ends the program silently.
printf 'keep me' >"$lang"
chattr +i "$lang"
start_program "$scratch/locked.trace" LANG=en_US.UTF-8 LC_ALL=
wait_program 30
check "program ends by itself when the file cannot be written" "0" "$program_status"
check "no dialog was shown" "" "$(probe dump)"
check "the file is left as it was" "keep me" "$(cat "$lang")"
check "no debug lines: it ended before naming the language" "" "$(debug_lines "$scratch/locked.trace" | paste -sd '|')"
chattr -i "$lang"
rm -f "$lang"

finish
