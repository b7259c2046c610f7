#!/usr/bin/env bash
# The added dialogs without a mouse, with real keys in three languages: the
# window menu's letters open them, each opens with the focus where the user
# acts first, and Alt with each label's letter reaches the list or field
# after that label, or presses the button. In a namespace with loopback
# only: nothing can be sent anywhere.
source "$(dirname "$0")/lib.sh"
trap 'cleanup_netns' EXIT

ns="qv-$$-keys"
make_netns "$ns"
prefix_for_netns "$ns" prefix

P() { probe_in "$ns" "$prefix" "$@"; }
# The control with the focus in the dialog the user can act on.
focus() { P dump | awk '/^dialog enabled/ {on=1; next} /^dialog/ {on=0} on && /^  focus / {print $2}'; }
item() { P dump | awk '/^dialog enabled/ {on=1; next} /^dialog/ {on=0} on' | sed -n "s/^  $1 [a-z]* [A-Za-z0-9]* \\[\\(.*\\)\\] style=.*/\\1/p"; }
caption() { P dump | sed -n 's/^dialog enabled \[\(.*\)\]$/\1/p'; }
menu() {  # menu LETTER: the window menu by Alt+Space, then its item
  press alt+space
  press "$1"
  P wait 2 30 >/dev/null || true
}
reaches() {  # reaches DESCRIPTION KEY ID
  press "$2"
  check "$1" "$3" "$(eventually "$3" focus)"
}
tabs() {  # tabs COUNT: the focus after each Tab, in one line
  local i order=""
  for ((i = 0; i < $1; i++)); do
    press Tab
    order+="$(focus) "
  done
  echo "${order% }"
}

for case in "en_US.UTF-8|Type the PC’s IPv4 address (four numbers from 0 to 255, such as 192.168.1.23) or its name." \
            "ko_KR.UTF-8|PC의 IPv4 주소(0~255 숫자 네 개, 예: 192.168.1.23) 또는 이름을 입력해 주세요." \
            "ja_JP.UTF-8|パソコンのIPv4アドレス（0～255の数字4つ、例：192.168.1.23）または名前を入力してください。"; do
  IFS='|' read -r locale bad_address <<<"$case"
  open_program_in "$ns" "$prefix" "$locale"
  type_text 0a1b2c3d4e5f
  main="$(caption)"

  menu l
  check "$locale: L in the window menu opens the listener" "2" "$(P dump | grep -c '^dialog')"
  check "$locale: its list has the focus" "1030" "$(focus)"
  reaches "$locale: Alt+P, the packets' list" alt+p 1030
  press Escape
  P wait 1 30 >/dev/null || true

  menu k
  check "$locale: K opens the check, the list first" "1040" "$(eventually 1040 focus)"
  reaches "$locale: Alt+M, what the findings mean" alt+m 1041
  reaches "$locale: Alt+P, this PC's readiness" alt+p 1043
  reaches "$locale: Alt+A, back to the adapters" alt+a 1040
  [ "$locale" = en_US.UTF-8 ] && check "Tab follows the reading order, round to the list" \
    "1041 1043 1042 1044 1048 2 1040" "$(tabs 7)"
  press Escape
  P wait 1 30 >/dev/null || true

  menu w
  check "$locale: W opens Wake and wait, the address field first" "1050" "$(eventually 1050 focus)"
  reaches "$locale: Alt+M, the MAC address it wakes" alt+m 1054
  reaches "$locale: Alt+A, the address field" alt+a 1050
  reaches "$locale: Alt+E, the every-adapter box" alt+e 1055
  [ "$locale" = en_US.UTF-8 ] && check "Tab follows the reading order, round to the MAC address" \
    "1051 2 1054 1050 1055" "$(tabs 5)"
  press alt+w  # presses Wake and wait, with no address typed: a sentence, nothing sent
  check "$locale: Alt+W presses Wake and wait" "$bad_address" "$(eventually "$bad_address" item 1053)"
  press Escape
  P wait 1 30 >/dev/null || true
  check "$locale: Escape leaves the main window" "$main" "$(caption)"
  P syscommand 0xF060 >/dev/null
  wait_program 20
done

finish
