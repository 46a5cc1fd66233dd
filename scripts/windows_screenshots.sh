#!/usr/bin/env bash
# Regenerates the Windows window's screenshots, docs/windows-window-96dpi.png and
# docs/windows-window-144dpi.png: deckplate.exe under Wine on a virtual X display, at 96 DPI and
# at 144 DPI (150 %, Wine's LogPixels), after a Verify whose stiffener fails (D = 1, P = 2,
# plate 6.0, span 1500, spacing 600, angle L25x16x3), typed and picked with the keyboard as a
# user would; then its dialogs at both DPIs: 自动选型 after 选型 for that bay
# (docs/windows-sizing-dialog*.png) and the summary of 批量验算 on the example schedule
# (docs/windows-schedule-summary*.png); last, at 144 DPI, the window with 设置 → 集中荷载验算
# switched on, after a Verify of the walkway deck that passes the uniform load and fails
# 1.5 kN on 200 × 200 mm (docs/windows-window-point-load-144dpi.png). Wine has no SimSun: its
# prefix maps it to AR PL UMing, as the tests' prefix does.
# Usage: scripts/windows_screenshots.sh [DECKPLATE_EXE]   (default: the windows preset's build)
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/window_helpers.sh
program="$(realpath "${1:-build/windows/app/deckplate.exe}")"
wine64=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver

if [ -z "${DECKPLATE_VIRTUAL_DISPLAY:-}" ]; then
  DECKPLATE_VIRTUAL_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1600x1400x24" "$0" "$program"
fi

export WINEPREFIX WINEDEBUG=-all LC_ALL=C.UTF-8
WINEPREFIX="$(mktemp -d)"
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$WINEPREFIX" "$WINEPREFIX.log"' EXIT
cmake/windows/wine_prefix.sh boot "$wine64" "$wineserver"

# deckplate.exe on a new desktop at DPI, its window focused in $window.
start_at() {
  "$wine64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
  "$wineserver" -k 2>/dev/null || true # a new desktop takes the DPI
  "$wine64" "$program" &
  window=$(find_window "$main_window")
  xdotool windowfocus --sync "$window"
  sleep 0.5
}

shoot() {
  local dpi=$1 output=$2 suffix=$3 dialog work
  start_at "$dpi"
  verify_failing_bay
  sleep 1
  import -window "$window" "$output"
  echo "wrote $output ($(identify -format '%wx%h' "$output") pixels at $dpi DPI)"

  dialog=$(run_sizing)
  import -window "$dialog" "docs/windows-sizing-dialog$suffix.png"
  k Escape
  sleep 0.5
  work=$(mktemp -d)
  cp docs/example_schedule.csv "$work/schedule.csv"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove --window "$window" 40 $((HEIGHT - 200)) click 1  # the keyboard back
  k alt+f b
  find_window '打开排表' >/dev/null
  sleep 0.5
  t "$(windows_path "$work/schedule.csv")"; k Return
  find_window 'Save As|另存为' >/dev/null
  sleep 0.5
  k Return
  dialog=$(find_window '批量验算')
  sleep 0.5
  import -window "$dialog" "docs/windows-schedule-summary$suffix.png"
  rm -rf "$work"
  "$wineserver" -k 2>/dev/null || true
  echo "wrote docs/windows-sizing-dialog$suffix.png, docs/windows-schedule-summary$suffix.png"
}

# Last: the program remembers 集中荷载验算 and the basis in the prefix's registry.
shoot_point_load() {
  local output=docs/windows-window-point-load-144dpi.png
  start_at 144
  verify_walkway_point_load
  sleep 1
  import -window "$window" "$output"
  "$wineserver" -k 2>/dev/null || true
  echo "wrote $output ($(identify -format '%wx%h' "$output") pixels at 144 DPI)"
}

shoot 96 docs/windows-window-96dpi.png ""
shoot 144 docs/windows-window-144dpi.png -144dpi
shoot_point_load
