#!/usr/bin/env bash
# deckplate.exe under Wine, driven with real keyboard events as a user would drive it: types the
# loads, span and spacing, picks plate "6.0" and angle "L25x16x3" from the lists, presses 验算
# and 计 算 书. Drive D: is a folder of this test: the report there must match the golden file
# byte for byte, and Notepad must open on it. Then drive D: is taken away: 计 算 书 must say
# what went wrong (naming d:\), offer the Save dialog with WExo.txt proposed, and the file saved
# there must hold the same bytes, again opened in Notepad. Last, 退出 asks to save the bay typed,
# and 不保存 ends the program.
#   end_to_end_test.sh WINE64 DECKPLATE_EXE GOLDEN
# Run in the Wine prefix of the run (WINEPREFIX) on a virtual display (on_virtual_display.sh).
set -euo pipefail
wine64=$1 program=$2 golden=$3
source "$(dirname "$0")/../../tests/window_helpers.sh"
: "${WINEPREFIX:?}" "${DISPLAY:?runs on a virtual display: see cmake/windows/on_virtual_display.sh}"
title='平台钢铺板计算'

work=$(mktemp -d)
drive_d="$WINEPREFIX/dosdevices/d:"
settings='HKCU\Software\DeckPlate'  # the program's remembered choices
cleanup() {
  rm -f "$drive_d"
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  "$wine64" reg delete "$settings" /v basis /f >/dev/null 2>&1 || true
  [ ! -s "$work/settings.reg" ] || "$wine64" reg import "$(windows_path "$work/settings.reg")" >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir "$work/d"
rm -f "$drive_d"
ln -s "$work/d" "$drive_d"

# What Ctrl+C copies from the focused field.
copied() {
  xdotool key ctrl+c
  sleep 0.3
  timeout 5 xclip -o -selection clipboard 2>/dev/null | tr -d '\r'
}
# The text of the last message box, from Wine's trace of each box it opens (a Wine message box
# copies nothing). The trace writes UTF-16 as \xxxx, a line end as \n.
last_message() {
  grep -a 'MSGBOX_OnInit' "$work/trace.log" | tail -n 1 | sed -E 's/^[^"]*"//; s/"$//' |
    perl -CS -pe 's/\\(\\|n|[0-9a-f]{4})/$1 eq "\\" ? "\\" : $1 eq "n" ? "\n" : chr(hex $1)/ge'
}
same_as_golden() {
  cmp -s "$1" "$golden" && return 0
  echo "$1 differs from $golden:"
  diff <(iconv -f GBK -t UTF-8 "$golden") <(iconv -f GBK -t UTF-8 "$1") || true
  return 1
}

# An earlier run chose the legacy basis, whose report the golden file holds; the prefix's
# settings go back to what they were at the end.
"$wine64" reg export "$settings" "$(windows_path "$work/settings.reg")" /y >/dev/null 2>&1 || true
"$wine64" reg add "$settings" /v basis /t REG_SZ /d legacy /f >/dev/null 2>&1

WINEDEBUG=-all,trace+msgbox "$wine64" "$program" 2>"$work/trace.log" &
pid=$!
window=$(find_window "$main_window") || fail "the window did not appear"
xdotool windowfocus --sync "$window"
sleep 0.5

# With drive D:.
verify_failing_bay
sleep 0.5
k Tab Tab space                      # 计 算 书
notepad=$(find_window 'WExo\.txt - .*') || fail "Notepad did not open d:\\WExo.txt"
report="$work/d/WExo.txt"
[ -f "$report" ] || fail "no report in drive D:"
same_as_golden "$report" || fail "the report in drive D: is not the golden report"

# Without drive D:, 计 算 书 clicked.
rm "$drive_d"
xdotool windowkill "$notepad"
click_form "$window" 268 444  # 计 算 书
box=$(find_window "$title" "$window") || fail "no message when drive D: is missing"
message=$(last_message)
[[ "$message" == *"计算书未能保存"*"d:\\"*"请另选位置保存"* ]] || fail "the message says: $message"
xdotool windowfocus --sync "$box"
k Return
dialog=$(find_window 'Save As|另存为') || fail "no Save dialog after the message"
xdotool windowfocus --sync "$dialog"
sleep 0.3
k ctrl+a
proposed=$(copied)
[ "$proposed" = "WExo.txt" ] || fail "the Save dialog proposes '$proposed', not WExo.txt"
chosen="$work/chosen/计算书.txt"
mkdir "$work/chosen"
k ctrl+a BackSpace
t "$(windows_path "$work/chosen/report.txt")"
k Return
find_window 'report\.txt - .*' >/dev/null || fail "Notepad did not open the saved report"
mv "$work/chosen/report.txt" "$chosen" 2>/dev/null || fail "nothing saved where the Save dialog was told"
same_as_golden "$chosen" || fail "the report saved elsewhere is not the golden report"

# 退出 asks first, the bay typed being unsaved; 不保存 ends the program.
click_form "$window" 485 444
asked=$(find_window '保存更改') || fail "退出 did not ask to save the bay typed"
xdotool windowfocus --sync "$asked"
k alt+n
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "退出 did not end the program"
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "end to end, with and without drive D:: passed"
