#!/usr/bin/env bash
# The built program on a virtual X display, driven from the keyboard as a user would: types the
# loads, span and spacing, picks plate "6.0" and angle "L25x16x3", presses 验算 and 计 算 书.
# A stand-in viewer on PATH records what it was asked to open. The report must match the golden
# file byte for byte, and the viewer must have been given its path.
set -euo pipefail
program="$1"
golden="$2"
source "$(dirname "$0")/../../tests/window_helpers.sh"

if [ -z "${DECKPLATE_E2E_DISPLAY:-}" ]; then
  DECKPLATE_E2E_DISPLAY=1 exec xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true' EXIT
mkdir -p "$work/home" "$work/bin"
cat > "$work/bin/xdg-open" <<VIEWER
#!/bin/sh
printf '%s\n' "\$@" > "$work/viewer-arguments"
VIEWER
chmod +x "$work/bin/xdg-open"
# An earlier run chose the legacy basis, whose report the golden file holds.
mkdir -p "$work/home/.config/DeckPlate"
printf '[General]\nbasis=legacy\n' > "$work/home/.config/DeckPlate/deckplate.conf"

HOME="$work/home" PATH="$work/bin:$PATH" XDG_RUNTIME_DIR="$work" "$program" &
pid=$!
window=$(find_window "$main_window") || fail "the window did not appear"
xdotool windowfocus --sync "$window"
sleep 1

verify_failing_bay
sleep 1
k Tab Tab space                      # 计 算 书
report="$work/home/d/WExo.txt"
for _ in $(seq 100); do [ -s "$work/viewer-arguments" ] && break; sleep 0.1; done

[ -f "$report" ] || fail "no report at ~/d/WExo.txt"
if ! cmp -s "$report" "$golden"; then
  echo "FAIL: the report differs from $golden:"
  diff <(iconv -f GBK -t UTF-8 "$golden") <(iconv -f GBK -t UTF-8 "$report") || true
  [ -n "${DECKPLATE_UPDATE_GOLDEN:-}" ] && cp "$report" "$golden"
  exit 1
fi
[ "$(cat "$work/viewer-arguments")" = "$report" ] ||
  fail "the viewer was asked to open '$(cat "$work/viewer-arguments" 2>/dev/null)'"
title=$(xdotool getwindowname "$window")
[ "$title" = "*未命名 — 平台钢铺板计算" ] || fail "the window manager shows the title '$title'"
kill "$pid"; wait "$pid" 2>/dev/null || true

# A first start, with nothing remembered, takes the current basis, and the title names it once.
rm -r "$work/home/.config/DeckPlate"
HOME="$work/home" PATH="$work/bin:$PATH" XDG_RUNTIME_DIR="$work" "$program" &
pid=$!
window=$(find_window "$main_window") || fail "the window did not appear"
title=$(xdotool getwindowname "$window")
[ "$title" = "未命名 — 平台钢铺板计算 — 现行规范 Q235" ] ||
  fail "on a first start the window manager shows the title '$title'"
echo "1 passed, 0 failed"
