#!/usr/bin/env bash
# Regenerates the Qt window's dialog screenshots under a virtual X display, at 100 % and at 150 %
# (QT_SCALE_FACTOR): 自动选型 after 选型 for D = 1, P = 2, span 1500, spacing 600
# (docs/sizing-dialog*.png) and the summary of 批量验算 on the example schedule
# (docs/schedule-summary*.png), each driven from the keyboard as a user would.
#   scripts/dialog_screenshots.sh [DECKPLATE]
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/window_helpers.sh
program="${1:-build/release/app/deckplate}"

if [ -z "${DECKPLATE_SCREENSHOT_DISPLAY:-}" ]; then
  DECKPLATE_SCREENSHOT_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1600x1200x24" "$0" "$program"
fi

shoot() {  # SCALE SUFFIX
  local work pid window dialog
  work=$(mktemp -d)
  mkdir -p "$work/bin"
  printf '#!/bin/sh\nexit 0\n' > "$work/bin/xdg-open"
  chmod +x "$work/bin/xdg-open"
  cp docs/example_schedule.csv "$work/平台排表.csv"
  HOME="$work" XDG_RUNTIME_DIR="$work" PATH="$work/bin:$PATH" QT_SCALE_FACTOR="$1" "$program" &
  pid=$!
  window=$(find_window "$main_window")
  xdotool windowfocus --sync "$window"
  sleep 0.3
  type_bay
  dialog=$(run_sizing)
  import -window "$dialog" "docs/sizing-dialog$2.png"
  k Escape
  sleep 0.3
  xdotool windowfocus --sync "$window"
  k alt+f b
  find_window '打开排表' >/dev/null
  sleep 0.3
  paste_text "$work/平台排表.csv"; k Return
  # The results file's dialog, titled as the program is: its proposed name is taken. Waited
  # for rather than slept on, so that a busy machine does not send the Return too soon.
  find_window '平台钢铺板计算' >/dev/null
  sleep 0.3
  k Return
  dialog=$(find_window '批量验算')
  sleep 0.5
  import -window "$dialog" "docs/schedule-summary$2.png"
  kill "$pid"
  rm -rf "$work"
}

shoot 1 ""
shoot 1.5 "-150"
echo "wrote docs/sizing-dialog.png, docs/sizing-dialog-150.png, docs/schedule-summary.png, docs/schedule-summary-150.png"
