#!/usr/bin/env bash
# 自动选型 and 批量验算 in deckplate.exe under Wine, from the keyboard as a user would drive them.
# Sizing: the loads, span and spacing typed, Alt+T A opens the dialog, Enter runs 选型, Enter takes
# the lightest design; the window verifies it, and the report of 计 算 书 (drive D: is a folder
# of this test) must show the design that deckplate-cli.exe design ranks first. Schedule: Alt+F B,
# the example schedule typed into the Open dialog, the proposed results file taken in the Save
# dialog; the file must hold deckplate-cli.exe batch's bytes, and the summary must come up.
#   end_to_end_tools_test.sh WINE64 DECKPLATE_EXE DECKPLATE_CLI_EXE EXAMPLE_SCHEDULE
# Run in the Wine prefix of the run (WINEPREFIX) on a virtual display (on_virtual_display.sh).
set -euo pipefail
wine64=$1 program=$2 cli=$3 example=$4
source "$(dirname "$0")/../../tests/window_helpers.sh"
: "${WINEPREFIX:?}" "${DISPLAY:?runs on a virtual display: see cmake/windows/on_virtual_display.sh}"

work=$(mktemp -d)
drive_d="$WINEPREFIX/dosdevices/d:"
cleanup() {
  rm -f "$drive_d"
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
mkdir "$work/d"
rm -f "$drive_d"
ln -s "$work/d" "$drive_d"

"$wine64" "$program" 2>/dev/null &
pid=$!
window=$(find_window "$main_window") || fail "the window did not appear"
xdotool windowfocus --sync "$window"
sleep 0.5

# Sizing.
type_bay
run_sizing >/dev/null || fail "Alt+T A did not open 自动选型"
k Return                              # the lightest design, taken
gone '自动选型' || fail "Enter on the lightest design did not take it"
read -r thickness stiffener < <("$wine64" "$cli" design --dead 1 --live 2 --span 1500 \
  --spacing 600 --least-thickness 4 --top 1 2>/dev/null | tr -d '\r' |
  awk 'NR == 3 { print $1, $2 }')
[ -n "$stiffener" ] || fail "deckplate-cli.exe design ranked nothing"
click_form "$window" 268 444  # 计 算 书
notepad=$(find_window 'WExo\.txt - .*') || fail "Notepad did not open d:\\WExo.txt"
xdotool windowkill "$notepad"
shown=$(iconv -f GBK -t UTF-8 "$work/d/WExo.txt" | tr -d '\r')
grep -qx "钢铺板厚度(mm)：$thickness" <<<"$shown" || fail "the report's plate is not $thickness mm"
if [[ $stiffener == L* ]]; then
  grep -qx "角钢规格：$stiffener" <<<"$shown" || fail "the report's angle is not $stiffener"
else
  grep -qx "扁钢高(mm)：${stiffener%x*}" <<<"$shown" &&
    grep -qx "扁钢厚(mm)：${stiffener#*x}" <<<"$shown" || fail "the report's flat bar is not $stiffener"
fi
grep -q '★' <<<"$shown" && fail "the design taken does not pass: $(grep '★' <<<"$shown")"

# A schedule.
cp "$example" "$work/schedule.csv"
# Wine still counts the closed Notepad as the foreground until the window is clicked: a click on
# the 设计提示 heading, which takes no input, gives it the keyboard again.
click_form "$window" 40 200
sleep 0.5
k alt+f b
open=$(find_window '打开排表') || fail "Alt+F B did not show the Open dialog"
xdotool windowfocus --sync "$open"
sleep 0.5
t "$(windows_path "$work/schedule.csv")"; k Return
gone '打开排表' || fail "the Open dialog did not take the schedule"
save=$(find_window '(Save As|另存为)') || fail "no Save dialog after the schedule"
xdotool windowfocus --sync "$save"
sleep 0.5
k Return                              # the proposed schedule_结果.csv, beside the schedule
summary=$(find_window '批量验算') || fail "no summary after the run"
results="$work/schedule_结果.csv"
[ -f "$results" ] || fail "no results file $results"
"$wine64" "$cli" batch "$(windows_path "$work/schedule.csv")" \
  -o "$(windows_path "$work/expected.csv")" >/dev/null 2>&1 || true
cmp -s "$results" "$work/expected.csv" || fail "the results are not deckplate-cli.exe batch's bytes"
xdotool windowfocus --sync "$summary"
sleep 0.3
k Escape
gone '批量验算' || fail "Esc did not close the summary"
echo "自动选型 and 批量验算 from the keyboard: passed"
