#!/usr/bin/env bash
# Runs a command that shows Windows programs' windows on a virtual X display of its own:
#   on_virtual_display.sh WINESERVER COMMAND [ARGUMENT...]
# Wine draws every window of a prefix through the desktop process the prefix's server started
# with, and the tests without windows start it without a display. So the prefix's processes end
# before the command (its first Windows program starts them again, on this display) and again
# after it, while the display still exists. The command's tests run alone (RUN_SERIAL).
set -euo pipefail
wineserver=$1
shift

"$wineserver" -k 2>/dev/null || true
export DECKPLATE_VIRTUAL_DISPLAY=1 WINESERVER_PATH="$wineserver"
# 1366 × 768: the smallest laptop screen the window is laid out for, every group on.
exec xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
  status=0
  "$@" || status=$?
  "$WINESERVER_PATH" -k 2>/dev/null || true
  exit $status' on_virtual_display "$@"
