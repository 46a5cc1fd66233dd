# shellcheck shell=bash
# Helpers for the scripts that drive the real window (the Qt program under Xvfb, deckplate.exe
# under Wine) with xdotool, as a user would. Sourced, by path from the sourcing script:
#   source "$(dirname "$0")/../../tests/window_helpers.sh"
#
#   fail REASON...                 prints "FAIL: REASON" and ends the script
#   k KEY...                       presses the keys, 60 ms apart
#   t TEXT                         types the text, 40 ms a character
#   paste_text TEXT                puts the text on the clipboard and pastes it with Ctrl+V: for
#                                  text beyond ASCII (a Chinese file name), which xdotool types by
#                                  remapping a spare key for a moment, so that a program slowed
#                                  by a busy machine may read the key after the map is back and
#                                  lose the character
#   find_window TITLE [ID...]      prints the first visible window whose whole title matches the
#                                  extended regular expression TITLE and which is none of the IDs;
#                                  waits up to 15 s, then says so on standard error and fails
#   gone TITLE                     true once no visible window's whole title matches TITLE
#                                  (waits up to 10 s)
#   click_form WINDOW X Y          clicks at X, Y in the form's pixels, in WINDOW
#   windows_path PATH              the Linux PATH as Wine's drive Z: names it
#   type_bay [DOWNS [SPAN SPACING]]
#                                  types the bay D = 1, P = 2, span 1500, spacing 600 (or SPAN
#                                  and SPACING) from the first box, which has the focus; the
#                                  plate list is moved DOWNS items down (none when left out); the
#                                  focus ends on the spacing
#   verify_failing_bay             type_bay with plate "6.0", angle "L25x16x3" picked, and 验算
#                                  pressed: the bay whose stiffener fails, as the report's golden
#                                  file and the screenshots show it
#   verify_walkway_point_load      设置 → 计算依据 → 现行规范 (Alt+S B Down Enter) and
#                                  设置 → 集中荷载验算 (Alt+S P) chosen, then type_bay with span
#                                  2000, spacing 500, plate "4.0", angle "L50x32x3" picked, 1.5 kN
#                                  on 200 × 200 mm typed into the point-load group, and 验算
#                                  pressed: the walkway deck that passes the uniform load and
#                                  fails the point load, as the README's numbers have it; the
#                                  first box has the focus
#   run_sizing                     opens 工具 → 自动选型 from the keyboard (Alt+T A) and runs
#                                  选型 with Enter; prints the dialog's window, or fails when
#                                  the dialog does not open
#   main_window                    the main window's title as find_window takes it: the bay's
#                                  file name (未命名 for a new bay, * before it for unsaved
#                                  changes), " — 平台钢铺板计算", and under the current basis
#                                  " — 现行规范 Q235"
# Each caller has set -euo pipefail.

main_window='.+ — 平台钢铺板计算( — .+)?'

fail() {
  echo "FAIL: $*"
  exit 1
}

# A user's pace: the window and Wine's menus keep up with it.
k() { xdotool key --delay 60 "$@"; }
t() { xdotool type --delay 40 "$1"; }
paste_text() {
  # xclip serves the text in the background until the display ends.
  printf '%s' "$1" | xclip -selection clipboard 2>/dev/null
  k ctrl+v
}

# A window of a program that ended may hand its number on to a new one: no number is excluded
# for good, only those the caller names.
find_window() {
  local title=$1 found
  shift
  for _ in $(seq 150); do
    for found in $(xdotool search --onlyvisible --name "^($title)\$" 2>/dev/null); do
      [[ " $* " == *" $found "* ]] || {
        echo "$found"
        return 0
      }
    done
    sleep 0.1
  done
  echo "no window '$title'" >&2
  return 1
}

gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^($1)\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# The form (543 × 465 pixels at 96 DPI) fills the window below its menu bar, on the left; the
# optional groups stand to its right.
click_form() {
  local height
  height=$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^HEIGHT=//p')
  xdotool mousemove --window "$1" "$2" $((height - 465 + $3)) click 1
}

windows_path() { echo "Z:${1//\//\\}"; }

# Focus order: Text1, Text2, Combo1, Text4, the option pair, Text5, Text6 … Text8, Combo2.
type_bay() {
  local downs=() n
  for ((n = 0; n < ${1:-0}; n++)); do downs+=(Down); done
  k ctrl+a; t 1; k Tab ctrl+a; t 2; k Tab
  [ ${#downs[@]} -eq 0 ] || k "${downs[@]}"
  k Tab ctrl+a; t "${2:-1500}"; k Tab Tab ctrl+a; t "${3:-600}"
}

verify_failing_bay() {
  type_bay 7                     # plate "6.0"
  k Tab Tab Tab Tab Down         # angle "L25x16x3"
  k Tab Tab Tab Tab space        # 验算
}

# Under the current basis the shear group's four results and the weld group's three inputs and
# its result follow the stiffener's in the focus order; the point-load group's three inputs come
# next, and its six results before 验算.
verify_walkway_point_load() {
  k alt+s b Down Return
  sleep 0.3
  k alt+s p
  sleep 0.5                                   # the window widens by the groups
  type_bay 3 2000 500                         # plate "4.0"
  k Tab Tab Tab Tab Down Down Down Down Down Down Down Down Down  # angle "L50x32x3"
  k Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab
  k ctrl+a; t 1.5; k Tab ctrl+a; t 200; k Tab ctrl+a; t 200
  k Tab Tab Tab Tab Tab Tab Tab space         # 验算
}

# Two seconds after the Enter, 选型 has filled the list.
run_sizing() {
  local dialog
  k alt+t a
  dialog=$(find_window '自动选型') || return 1
  xdotool windowfocus --sync "$dialog"
  sleep 0.5
  k Return
  sleep 2
  echo "$dialog"
}
