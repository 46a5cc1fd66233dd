#!/usr/bin/env bash
# Regenerates docs/window.png: the window under a virtual X display after a Verify whose
# stiffener fails (D = 1, P = 2, plate 6.0, span 1500, spacing 600, angle L25x16x3), typed and
# picked with the keyboard as a user would.
set -euo pipefail
cd "$(dirname "$0")/.."
program="${1:-build/release/app/deckplate}"
output="${2:-docs/window.png}"

if [ -z "${DECKPLATE_SCREENSHOT_DISPLAY:-}" ]; then
  DECKPLATE_SCREENSHOT_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program" "$output"
fi

run() {
  HOME=$(mktemp -d) "$program" &  # a fresh home: no remembered choices
  local pid=$!
  local window=""
  for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --name '平台钢铺板计算' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "the window did not appear" >&2; kill "$pid"; return 1; }
  xdotool windowfocus --sync "$window"
  sleep 0.3
  k() { xdotool key --delay 30 "$@"; }
  t() { xdotool type --delay 30 "$1"; }
  # Focus order: Text1, Text2, Combo1, Text4, option pair, Text5, Text6 … Text8, Combo2.
  k ctrl+a; t 1; k Tab ctrl+a; t 2; k Tab
  k Down Down Down Down Down Down Down  # thickness list: "6.0"
  k Tab ctrl+a; t 1500; k Tab Tab ctrl+a; t 600
  k Tab Tab Tab Tab Down               # angle list: "L25x16x3"
  k Tab Tab Tab Tab space              # Verify
  sleep 0.5
  import -window "$window" "$output"
  kill "$pid"
}

run
echo "wrote $output"
