#!/usr/bin/env bash
# Regenerates docs/book.png: the whole calculation book of an angle stiffener that fails (the
# README's example: D = 1.5, P = 3.5, plate 6, span 2400, spacing 600, angle L50x32x4, current
# basis, with the project's name and who calculated), written by `deckplate-cli book` and shown
# by headless Chromium at 820 pixels wide, cut below its last line.
#   scripts/book_screenshot.sh [DECKPLATE_CLI]
set -euo pipefail
cd "$(dirname "$0")/.."
cli="${1:-build/release/app/deckplate-cli}"
output=docs/book.png

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The bay fails: book says so with exit status 1, and writes the book all the same.
status=0
"$cli" book --dead 1.5 --live 3.5 --thickness 6 --span 2400 --spacing 600 --angle L50x32x4 \
  --basis current --name "平台B 第3跨" --project-name "某化工厂检修平台" --calculated-by 张三 \
  -o "$work/book.html" || status=$?
[ "$status" -eq 1 ] || {
  echo "book exited with status $status, not 1 (a failing bay)" >&2
  exit 1
}

# A window taller than the book, a fresh profile, and none of Chromium's calls home.
chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
  --disable-component-update --disable-sync --user-data-dir="$work/profile" --hide-scrollbars \
  --window-size=820,4000 --screenshot="$work/page.png" "file://$work/book.html" 2>/dev/null

# Cut below the last line, leaving as much white under it as the page has above its first.
read -r top bottom < <(convert "$work/page.png" -format '%@' info: |
  sed -E 's/^[0-9]+x([0-9]+)\+[0-9]+\+([0-9]+)$/\2 \1/' | awk '{ print $1, $1 + $2 }')
convert "$work/page.png" -crop "820x$((bottom + top))+0+0" +repage "$output"
echo "wrote $output ($(identify -format '%wx%h' "$output") pixels)"
