#!/usr/bin/env bash
# Regenerates the Qt window's screenshots under a virtual X display, each typed and picked with
# the keyboard as a user would: docs/window.png after a Verify whose stiffener fails (D = 1,
# P = 2, plate 6.0, span 1500, spacing 600, angle L25x16x3), and docs/window-point-load.png with
# 设置 → 集中荷载验算 switched on, after a Verify of the walkway deck that passes the uniform load
# and fails 1.5 kN on 200 × 200 mm (D = 1, P = 2, plate 4.0, span 2000, spacing 500, angle
# L45x28x3).
#   scripts/screenshot.sh [DECKPLATE]
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/window_helpers.sh
program="${1:-build/release/app/deckplate}"

if [ -z "${DECKPLATE_SCREENSHOT_DISPLAY:-}" ]; then
  DECKPLATE_SCREENSHOT_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program"
fi

shoot() {  # STEPS OUTPUT
  local home pid window
  home=$(mktemp -d)  # a fresh home: no remembered choices
  HOME="$home" XDG_RUNTIME_DIR="$home" "$program" &
  pid=$!
  window=$(find_window "$main_window") || { kill "$pid"; return 1; }
  xdotool windowfocus --sync "$window"
  sleep 0.3
  "$1"
  sleep 0.5
  import -window "$window" "$2"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  rm -rf "$home"
  echo "wrote $2"
}

shoot verify_failing_bay docs/window.png
shoot verify_walkway_point_load docs/window-point-load.png
