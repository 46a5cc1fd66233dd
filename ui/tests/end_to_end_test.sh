#!/usr/bin/env bash
# The built program on a virtual X display, driven from the keyboard as a user would: types the
# loads, span and spacing, picks plate "6.0" and angle "L25x16x3", presses 验算 and 计 算 书.
# A stand-in viewer on PATH records what it was asked to open. The report must match the golden
# file byte for byte, and the viewer must have been given its path.
set -euo pipefail
program="$1"
golden="$2"

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

HOME="$work/home" PATH="$work/bin:$PATH" XDG_RUNTIME_DIR="$work" "$program" &
pid=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '平台钢铺板计算' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "FAIL: the window did not appear"; exit 1; }
xdotool windowfocus --sync "$window"
sleep 1

k() { xdotool key --delay 40 "$@"; }
t() { xdotool type --delay 40 "$1"; }
k ctrl+a; t 1; k Tab ctrl+a; t 2; k Tab
k Down Down Down Down Down Down Down  # plate "6.0"
k Tab ctrl+a; t 1500; k Tab Tab ctrl+a; t 600
k Tab Tab Tab Tab Down               # angle "L25x16x3"
k Tab Tab Tab Tab space              # 验算
sleep 1
k Tab Tab space                      # 计 算 书
report="$work/home/d/WExo.txt"
for _ in $(seq 100); do [ -s "$work/viewer-arguments" ] && break; sleep 0.1; done

[ -f "$report" ] || { echo "FAIL: no report at ~/d/WExo.txt"; exit 1; }
if ! cmp -s "$report" "$golden"; then
  echo "FAIL: the report differs from $golden:"
  diff <(iconv -f GBK -t UTF-8 "$golden") <(iconv -f GBK -t UTF-8 "$report") || true
  [ -n "${DECKPLATE_UPDATE_GOLDEN:-}" ] && cp "$report" "$golden"
  exit 1
fi
[ "$(cat "$work/viewer-arguments")" = "$report" ] || {
  echo "FAIL: the viewer was asked to open '$(cat "$work/viewer-arguments" 2>/dev/null)'"
  exit 1
}
title=$(xdotool getwindowname "$window")
[ "$title" = "平台钢铺板计算" ] || { echo "FAIL: the window manager shows the title '$title'"; exit 1; }
kill "$pid"; wait "$pid" 2>/dev/null || true

# Under the current basis the title names it, once.
mkdir -p "$work/home/.config/DeckPlate"
printf '[General]\nbasis=current\n' > "$work/home/.config/DeckPlate/deckplate.conf"
HOME="$work/home" PATH="$work/bin:$PATH" XDG_RUNTIME_DIR="$work" "$program" &
pid=$!
title=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '平台钢铺板计算' 2>/dev/null | head -n 1) &&
    [ -n "$window" ] && title=$(xdotool getwindowname "$window") && break
  sleep 0.1
done
[ "$title" = "平台钢铺板计算 — 现行规范" ] || {
  echo "FAIL: under the current basis the window manager shows the title '$title'"
  exit 1
}
echo "1 passed, 0 failed"
