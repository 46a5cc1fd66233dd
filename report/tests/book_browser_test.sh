#!/usr/bin/env bash
# The calculation book as a reviewer gets it: two books, a flat bar that passes and an angle that
# fails, printed to PDF on A4 by headless Chromium and read back with pdftotext. Every result
# value and verdict that `deckplate-cli check` gives for the same bay must be in the printed
# text, the book must take at most 3 pages (4 with the point load, whose section and conclusion
# rows fill a page of their own), and the HTML must refer to nothing outside itself.
# Also takes a screenshot of the angle book (angle.png in the output folder).
#
#   book_browser_test.sh DECKPLATE_CLI OUTPUT_FOLDER
set -euo pipefail

cli=$1
out=$2
for tool in chromium pdftotext pdfinfo; do
  if ! command -v "$tool" >/dev/null; then
    echo "FAIL: $tool is missing; scripts/install-deps.sh installs it" >&2
    exit 1
  fi
done
rm -rf "$out"
mkdir -p "$out"
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# A fresh profile, and none of Chromium's own calls home: the network may be closed.
chrome() {
  chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --user-data-dir="$profile" "$@" 2>/dev/null
}

# The values and verdicts of `check`'s text output, one a line: each display text, each section
# value, each utilisation and each verdict sentence, without blanks (pdftotext spaces words as it
# likes, so blanks are removed on both sides). `check` writes a result as engineers write it
# (0.12), the book as the window shows it (.12): the 0 before the point goes.
expected_values() {
  sed -n -e '/^钢铺板数据/,/^利用率/ {
      s/：\(-\{0,1\}\)0\./：\1./
      s/^  [^：]*：\(.*\) \(kN·m\|mm\|N\/mm²\|cm\|cm²\|cm⁴\|kN\/m²\)$/\1/p
    }' \
    -e '/^利用率/,$ s/^  [^：]*：\([0-9.]*\)$/\1/p' \
    -e 's/^ *\(设计提示：\)\{0,1\}\(.*\(满足要求\|须重新计算\)\)$/\2/p' |
    tr -d ' '
}

# name, the exit status `book` must give, the most pages it may take, then the bay's options.
check_book() {
  local name=$1 status=$2 most=$3
  shift 3
  local html="$out/$name.html" pdf="$out/$name.pdf" rc=0
  "$cli" book "$@" --name "$name" -o "$html" || rc=$?
  [ "$rc" -eq "$status" ] || fail "$name: book exited $rc, not $status"
  [ -s "$html" ] || {
    fail "$name: no book written"
    return
  }
  if grep -Eiq 'https?:|src=|<script|<link|@import|url\(' "$html"; then
    fail "$name: the book refers outside itself: $(grep -Eio 'https?:[^"]*|src=[^ ]*|<script|<link|@import|url\(' "$html" | head -1)"
  fi
  chrome --no-pdf-header-footer --print-to-pdf="$pdf" "file://$html"
  local pages
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
  [ "${pages:-99}" -le "$most" ] || fail "$name: $pages pages, more than $most"
  pdfinfo "$pdf" | grep -q '^Page size:.*(A4)' || fail "$name: not printed on A4"
  local text
  text=$(pdftotext "$pdf" - | tr -d ' \n\f')
  local values=0
  while IFS= read -r value; do
    [ -n "$value" ] || continue
    values=$((values + 1))
    [[ "$text" == *"$value"* ]] || fail "$name: '$value' is not in the printed book"
  done < <("$cli" check "$@" | expected_values)
  # 6 display texts, 6 section values, 4 utilisations, 4 verdicts; the current basis adds the
  # shear stress, and the shear's and the outstand's verdicts and utilisations; a point load
  # adds its own.
  local least=20
  [[ " $* " != *" --basis current "* ]] || least=25
  if [[ " $* " == *" --point-load "* ]]; then
    [ "$values" -gt "$least" ] || fail "$name: read $values values from check, expected the point load's too"
  else
    [ "$values" -eq "$least" ] || fail "$name: read $values values from check, expected $least"
  fi
  echo "$name: $pages pages, $values values and verdicts found"
}

check_book flat_bar_passes 0 3 --dead 1 --live 2 --thickness 6 --span 2000 --spacing 500 \
  --flat-bar 80x8
check_book angle_fails 1 3 --dead 1.5 --live 3.5 --thickness 6 --span 2400 --spacing 600 \
  --angle L50x32x4 --basis current
grep -q '★加劲肋强度超出限值' "$out/angle_fails.html" || fail "angle_fails: no exceeded verdict"

# The walkway deck that passes the uniform load and fails 1.5 kN on 200 × 200 mm.
check_book walkway_point_load 1 4 --dead 1 --live 2 --thickness 4 --span 2000 --spacing 500 \
  --angle L45x28x3 --basis current --point-load 1.5
grep -q '<h2>6 集中荷载验算</h2>' "$out/walkway_point_load.html" ||
  fail "walkway_point_load: no point-load section"

chrome --hide-scrollbars --window-size=820,2400 --screenshot="$out/angle.png" \
  "file://$out/angle_fails.html"
[ -s "$out/angle.png" ] || fail "no screenshot of the angle book"

[ "$failures" -eq 0 ] || exit 1
echo "the calculation book prints whole"
