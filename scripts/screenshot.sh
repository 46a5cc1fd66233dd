#!/usr/bin/env bash
# Regenerates the Qt window's screenshots under a virtual X display, each typed and picked with
# the keyboard as a user would: on a 1366 × 768 screen at 100 %, docs/window.png after a Verify
# whose stiffener fails (D = 1, P = 2, plate 6.0, span 1500, spacing 600, angle L25x16x3) and
# docs/window-point-load.png with every group on — the current basis and 设置 → 集中荷载验算 —
# after a Verify of the walkway deck that passes the uniform load and fails 1.5 kN on
# 200 × 200 mm (D = 1, P = 2, plate 4.0, span 2000, spacing 500, angle L50x32x3); on a
# 1920 × 1080 screen at 150 % (QT_SCALE_FACTOR), the same as docs/window-point-load-150.png.
# Each window must open wholly on its screen: the script says where it stands, and fails when
# any of it is off the screen.
#   scripts/screenshot.sh [DECKPLATE]
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/window_helpers.sh
program="${1:-build/release/app/deckplate}"

if [ -z "${DECKPLATE_SCREENSHOT_SCREEN:-}" ]; then
  for screen in 1366x768 1920x1080; do
    DECKPLATE_SCREENSHOT_SCREEN=$screen xvfb-run -a -s "-screen 0 ${screen}x24" "$0" "$program"
  done
  exit 0
fi

shoot() {  # SCALE STEPS OUTPUT
  local home pid window
  home=$(mktemp -d)  # a fresh home: no remembered choices but the basis given
  if [ -n "${4:-}" ]; then
    mkdir -p "$home/.config/DeckPlate"
    printf '[General]\nbasis=%s\n' "$4" > "$home/.config/DeckPlate/deckplate.conf"
  fi
  HOME="$home" XDG_RUNTIME_DIR="$home" QT_SCALE_FACTOR="$1" "$program" &
  pid=$!
  window=$(find_window "$main_window") || { kill "$pid"; return 1; }
  xdotool windowfocus --sync "$window"
  sleep 0.3
  "$2"
  sleep 0.5
  import -window "$window" "$3"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  rm -rf "$home"
  echo "wrote $3: ${WIDTH}x$HEIGHT pixels at +$X+$Y on the ${DECKPLATE_SCREENSHOT_SCREEN} screen"
  ((X >= 0 && Y >= 0 && X + WIDTH <= ${DECKPLATE_SCREENSHOT_SCREEN%x*} &&
    Y + HEIGHT <= ${DECKPLATE_SCREENSHOT_SCREEN#*x})) || fail "the window is not wholly on the screen"
}

case $DECKPLATE_SCREENSHOT_SCREEN in
1366x768)
  shoot 1 verify_failing_bay docs/window.png legacy
  shoot 1 verify_walkway_point_load docs/window-point-load.png
  ;;
1920x1080)
  shoot 1.5 verify_walkway_point_load docs/window-point-load-150.png
  ;;
esac
