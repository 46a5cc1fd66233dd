#!/usr/bin/env bash
# Regenerates the Windows window's screenshots, docs/windows-window-96dpi.png and
# docs/windows-window-144dpi.png: deckplate.exe under Wine on a virtual X display, at 96 DPI and
# at 144 DPI (150 %, Wine's LogPixels), after a Verify whose stiffener fails (D = 1, P = 2,
# plate 6.0, span 1500, spacing 600, angle L25x16x3), typed and picked with the keyboard as a
# user would. Wine has no SimSun: its prefix maps it to AR PL UMing, as the tests' prefix does.
# Usage: scripts/windows_screenshots.sh [DECKPLATE_EXE]   (default: the windows preset's build)
set -euo pipefail
cd "$(dirname "$0")/.."
program="$(realpath "${1:-build/windows/app/deckplate.exe}")"
wine64=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver

if [ -z "${DECKPLATE_VIRTUAL_DISPLAY:-}" ]; then
  DECKPLATE_VIRTUAL_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$program"
fi

export WINEPREFIX WINEDEBUG=-all LC_ALL=C.UTF-8
WINEPREFIX="$(mktemp -d)"
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$WINEPREFIX" "$WINEPREFIX.log"' EXIT
cmake/windows/wine_prefix.sh boot "$wine64" "$wineserver"

shoot() {
  local dpi=$1 output=$2 window=""
  "$wine64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
  "$wineserver" -k 2>/dev/null || true # a new desktop takes the DPI
  "$wine64" "$program" &
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^平台钢铺板计算$' 2>/dev/null | head -n 1) &&
      [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "the window did not appear" >&2; return 1; }
  xdotool windowfocus --sync "$window"
  sleep 0.5
  k() { xdotool key --delay 40 "$@"; }
  t() { xdotool type --delay 40 "$1"; }
  # Focus order: Text1, Text2, Combo1, Text4, option pair, Text5, Text6 … Text8, Combo2.
  k ctrl+a; t 1; k Tab ctrl+a; t 2; k Tab
  k Down Down Down Down Down Down Down  # thickness list: "6.0"
  k Tab ctrl+a; t 1500; k Tab Tab ctrl+a; t 600
  k Tab Tab Tab Tab Down               # angle list: "L25x16x3"
  k Tab Tab Tab Tab space              # Verify
  sleep 1
  import -window "$window" "$output"
  "$wineserver" -k 2>/dev/null || true
  echo "wrote $output ($(identify -format '%wx%h' "$output") pixels at $dpi DPI)"
}

shoot 96 docs/windows-window-96dpi.png
shoot 144 docs/windows-window-144dpi.png
