#!/usr/bin/env bash
# Regenerates docs/window.png: the window under a virtual X display after a Verify whose
# stiffener fails (D = 1, P = 2, plate 6.0, span 1500, spacing 600, angle L25x16x3), typed and
# picked with the keyboard as a user would.
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/window_helpers.sh
program="${1:-build/release/app/deckplate}"
output="${2:-docs/window.png}"

if [ -z "${DECKPLATE_SCREENSHOT_DISPLAY:-}" ]; then
  DECKPLATE_SCREENSHOT_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" "$output"
fi

run() {
  HOME=$(mktemp -d) "$program" &  # a fresh home: no remembered choices
  local pid=$!
  local window
  window=$(find_window "$main_window") || { kill "$pid"; return 1; }
  xdotool windowfocus --sync "$window"
  sleep 0.3
  verify_failing_bay
  sleep 0.5
  import -window "$window" "$output"
  kill "$pid"
}

run
echo "wrote $output"
