#!/usr/bin/env bash
# Regenerates the Windows window's screenshots: deckplate.exe under Wine on a virtual X display,
# at 96 DPI on a 1366 × 768 screen and at 144 DPI (150 %, Wine's LogPixels) on a 1920 × 1080
# one. At each DPI: the window after a Verify whose stiffener fails (D = 1, P = 2, plate 6.0,
# span 1500, spacing 600, angle L25x16x3), typed and picked with the keyboard as a user would
# (docs/windows-window-96dpi.png, docs/windows-window-144dpi.png); its dialogs, 自动选型 after
# 选型 for that bay (docs/windows-sizing-dialog*.png) and the summary of 批量验算 on the example
# schedule (docs/windows-schedule-summary*.png); last, the window with every group on — the
# current basis and 设置 → 集中荷载验算 — after a Verify of the walkway deck that passes the
# uniform load and fails 1.5 kN on 200 × 200 mm (docs/windows-window-point-load-96dpi.png,
# docs/windows-window-point-load-144dpi.png). Each window must open wholly on its screen: the
# script says where it stands, and fails when any of it is off the screen. Wine has no SimSun:
# its prefix maps it to AR PL UMing, as the tests' prefix does.
# Usage: scripts/windows_screenshots.sh [DECKPLATE_EXE]   (default: the windows preset's build)
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/window_helpers.sh
program="$(realpath "${1:-build/windows/app/deckplate.exe}")"
wine64=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver

if [ -z "${DECKPLATE_SCREENSHOT_SCREEN:-}" ]; then
  for screen in 1366x768 1920x1080; do
    DECKPLATE_VIRTUAL_DISPLAY=1 DECKPLATE_SCREENSHOT_SCREEN=$screen \
      xvfb-run -a -s "-screen 0 ${screen}x24" "$0" "$program"
  done
  exit 0
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

# Captures the window into OUTPUT and says where it stands; fails when any of it is off the
# screen.
capture() {  # OUTPUT DPI
  import -window "$window" "$1"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  echo "wrote $1: ${WIDTH}x$HEIGHT pixels at $2 DPI, at +$X+$Y on the $DECKPLATE_SCREENSHOT_SCREEN screen"
  ((X >= 0 && Y >= 0 && X + WIDTH <= ${DECKPLATE_SCREENSHOT_SCREEN%x*} &&
    Y + HEIGHT <= ${DECKPLATE_SCREENSHOT_SCREEN#*x})) || fail "the window is not wholly on the screen"
}

shoot() {
  local dpi=$1 output=$2 suffix=$3 dialog work
  # The window of the legacy basis, as an earlier run chose it (a first start takes the current).
  "$wine64" reg add 'HKCU\Software\DeckPlate' /v basis /t REG_SZ /d legacy /f >/dev/null
  start_at "$dpi"
  verify_failing_bay
  sleep 1
  capture "$output" "$dpi"

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
  local dpi=$1
  start_at "$dpi"
  verify_walkway_point_load
  sleep 1
  capture "docs/windows-window-point-load-${dpi}dpi.png" "$dpi"
  "$wineserver" -k 2>/dev/null || true
}

case $DECKPLATE_SCREENSHOT_SCREEN in
1366x768)
  shoot 96 docs/windows-window-96dpi.png ""
  shoot_point_load 96
  ;;
1920x1080)
  shoot 144 docs/windows-window-144dpi.png -144dpi
  shoot_point_load 144
  ;;
esac
