#!/usr/bin/env bash
# The calculation book as a reviewer gets it, printed to PDF on A4 by headless Chromium and read
# back with poppler: a failing angle, a walkway deck under the point load and the book of the
# example schedule. Every result value and verdict that `deckplate-cli check` gives for a bay must
# be in the printed text; a one-bay book takes at most 4 pages under the current basis, whose
# weld has a section of its own (5 with the point load), and no page but the last is more than
# three-quarters empty; every page carries the project's name above and
# "第 N 页 共 M 页" below, and nothing of Chromium's own (a date, the file's path) — also when
# printed as a user prints, with Chromium's headers and footers left on; the schedule's book
# numbers its pages through and starts each bay on a page of its own. The HTML must refer to
# nothing outside itself.
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

project="某化工厂检修平台"
project_options=(--project-name "$project" --project-number 2024-017 --calculated-by 张三)

# A fresh profile, and none of Chromium's own calls home: the network may be closed.
chrome() {
  chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --user-data-dir="$profile" "$@" 2>/dev/null
}

# HTML, PDF, then "own" to print with Chromium's own headers and footers switched off (as the
# tests of a server would) or "user" to leave them on, as a user's print dialog does.
print_pdf() {
  local html=$1 pdf=$2 how=$3
  if grep -Eiq 'https?:|src=|<script|<link|@import|url\(' "$html"; then
    fail "$html refers outside itself: $(grep -Eio 'https?:[^"]*|src=[^ ]*|<script|<link|@import|url\(' "$html" | head -1)"
  fi
  if [ "$how" = own ]; then
    chrome --no-pdf-header-footer --print-to-pdf="$pdf" "file://$html"
  else
    chrome --print-to-pdf="$pdf" "file://$html"
  fi
}

# How far down each page its text reaches, in per cent of the page's body between its margins
# (15 mm above, 14 mm below, as the book's style sets them), one page a line.
page_fill() {
  pdftotext -bbox "$1" - | awk '
    function attribute(name) {
      match($0, name "=\"[0-9.]+\"")
      return substr($0, RSTART + length(name) + 2, RLENGTH - length(name) - 3) + 0
    }
    /<page / {
      if (page++) print fill
      top = 15 * 72 / 25.4; bottom = attribute("height") - 14 * 72 / 25.4; low = top; fill = 0
    }
    /<word / {
      y0 = attribute("yMin"); y1 = attribute("yMax")
      if (y0 > top && y1 < bottom && y1 > low) low = y1
      fill = int(100 * (low - top) / (bottom - top))
    }
    END { print fill }'
}

# The pages of a printed book: A4, at most MOST of them, each with the project's name above and
# its number below, no date or path of Chromium's, and with FILLED "filled" no page but the last
# more than three-quarters empty.
check_pages() {
  local name=$1 pdf=$2 most=$3 filled=$4 pages text
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
  [ "${pages:-99}" -le "$most" ] || fail "$name: $pages pages, more than $most"
  pdfinfo "$pdf" | grep -q '^Page size:.*(A4)' || fail "$name: not printed on A4"
  for ((page = 1; page <= pages; page++)); do
    text=$(pdftotext -f "$page" -l "$page" -layout "$pdf" - | tr -d '\f' | sed '/^ *$/d')
    [[ "$(head -1 <<<"$text" | tr -d ' ')" == "$project" ]] ||
      fail "$name: page $page is not headed by the project's name"
    [[ "$(tail -1 <<<"$text" | tr -d ' ')" == "第${page}页共${pages}页" ]] ||
      fail "$name: page $page's foot is not 第 $page 页 共 $pages 页: $(tail -1 <<<"$text")"
  done
  text=$(pdftotext "$pdf" -)
  if grep -Eq 'file:|[0-9]+/[0-9]+/[0-9]+' <<<"$text"; then
    fail "$name: Chromium's own header or footer is printed: $(grep -Eo 'file:[^ ]*|[0-9]+/[0-9]+/[0-9]+' <<<"$text" | head -1)"
  fi
  if [ "$filled" = filled ]; then
    local fills
    fills=$(page_fill "$pdf" | head -n -1 | tr '\n' ' ')
    for fill in $fills; do
      [ "$fill" -ge 25 ] || fail "$name: a page before the last is filled to $fill %: $fills"
    done
  fi
  echo "$name: $pages pages"
}

# The values and verdicts of `check`'s text output, one a line: each display text, each section
# value, each utilisation and each verdict, without blanks (pdftotext spaces words as it likes, so
# blanks are removed on both sides). A value the book writes in another unit or to more digits
# is marked "~SCALE~": the book must hold a number that, divided by SCALE, rounds to it (half up,
# as the window rounds 1.075 to 1.08) — a
# moment (the digits its stress needs), a length in cm (the book's mm), an area in cm² (mm²); a
# moment of inertia in cm⁴ the book writes as × 10⁴ mm⁴, the same digits. A verdict is looked
# for as the book prints it: the check's one name and "：" (钢铺板强度：σ = … 满足要求).
expected_values() {
  sed -n -e '/^钢铺板数据/,/^利用率/ {
      s/^  [^：]*：\(.*\) kN·m$/~1~\1/p
      s/^  [^：]*：\(.*\) cm$/~10~\1/p
      s/^  [^：]*：\(.*\) cm²$/~100~\1/p
      s/^  [^：]*：\(.*\) cm⁴$/~1~\1/p
      s/^  [^：]*：\(.*\) \(mm\|N\/mm²\|kN\/m²\)$/\1/p
    }' \
    -e '/^利用率/,$ s/^  [^：]*：\([0-9.]*\)$/\1/p' \
    -e 's/^ *\(设计提示：\)\{0,1\}\(.*\)满足要求$/\2：/p' \
    -e 's/^ *\(设计提示：\)\{0,1\}\(★[^ 0-9<]*\).*超出限值.*须重新计算$/\2：/p' |
    sed 's/平台铺板/钢铺板/' | tr -d ' '
}

# Every value and verdict `check` gives for the bay (its options after the first three
# arguments) in the printed text; MOST values counted, at least.
check_values() {
  local name=$1 pdf=$2 least=$3
  shift 3
  local text numbers values=0 scale
  text=$(pdftotext "$pdf" - | tr -d ' \n\f')
  numbers=$(grep -Eo '[0-9]*\.?[0-9]+' <<<"$text" | sort -u)
  while IFS= read -r value; do
    [ -n "$value" ] || continue
    values=$((values + 1))
    if [[ "$value" == "~"* ]]; then
      scale=${value#\~}
      scale=${scale%%\~*}
      value=${value##*\~}
      awk -v v="0$value" -v s="$scale" '
        BEGIN { want = sprintf("%.2f", v) }
        { if (sprintf("%.2f", $1 / s * (1 + 1e-12)) == want) found = 1 }
        END { exit !found }' <<<"$numbers" ||
        fail "$name: no number for $value (÷ $scale) in the printed book"
    else
      [[ "$text" == *"$value"* ]] || fail "$name: '$value' is not in the printed book"
    fi
  done < <("$cli" check "$@" | expected_values)
  [ "$values" -ge "$least" ] || fail "$name: read $values values from check, expected $least"
  echo "$name: $values values and verdicts found"
}

# name, the exit status `book` must give, the most pages, how it is printed, then the bay.
check_book() {
  local name=$1 status=$2 most=$3 how=$4 rc=0
  shift 4
  local html="$out/$name.html" pdf="$out/$name.pdf"
  "$cli" book "$@" --name "$name" "${project_options[@]}" -o "$html" || rc=$?
  [ "$rc" -eq "$status" ] || fail "$name: book exited $rc, not $status"
  [ -s "$html" ] || {
    fail "$name: no book written"
    return
  }
  print_pdf "$html" "$pdf" "$how"
  check_pages "$name" "$pdf" "$most" filled
  # 6 display texts, 6 section values, 4 utilisations, 4 verdicts; the current basis adds the
  # shear stress, and the shear's and the outstand's verdicts and utilisations; a point load
  # adds its own.
  local least=20
  [[ " $* " != *" --basis current "* ]] || least=25
  [[ " $* " != *" --point-load "* ]] || least=$((least + 14))
  check_values "$name" "$pdf" "$least" "$@"
}

angle=(--dead 1.5 --live 3.5 --thickness 6 --span 2400 --spacing 600 --angle L50x32x4
  --basis current)
check_book angle_fails 1 4 own "${angle[@]}"
grep -q '★加劲肋强度：' "$out/angle_fails.html" || fail "angle_fails: no exceeded verdict"

# The walkway deck that passes the uniform load and fails 1.5 kN on 200 × 200 mm, printed as a
# user prints it.
check_book walkway_point_load 1 5 user --dead 1 --live 2 --thickness 4 --span 2000 --spacing 500 \
  --angle L45x28x3 --basis current --point-load 1.5
grep -q '7 集中荷载验算</h3>' "$out/walkway_point_load.html" ||
  fail "walkway_point_load: no point-load section"

# The example schedule in one book: its first bay is the flat bar that passes, its last row an
# error that stays in the summary, and each of its three bays starts a page.
schedule_book="$out/schedule.html"
rc=0
"$cli" batch "$(dirname "$0")/../../docs/example_schedule.csv" --book "$schedule_book" \
  "${project_options[@]}" >/dev/null || rc=$?
[ "$rc" -eq 1 ] || fail "schedule: batch exited $rc, not 1"
print_pdf "$schedule_book" "$out/schedule.pdf" own
check_pages schedule "$out/schedule.pdf" 12 any
check_values schedule "$out/schedule.pdf" 20 --dead 1 --live 2 --thickness 6 --span 2000 \
  --spacing 500 --flat-bar 80x8
grep -q '出错：加劲肋间距必须大于 0 mm' "$schedule_book" ||
  fail "schedule: the row in error is not in the summary"
bays_on_their_pages=0
for ((page = 2; page <= $(pdfinfo "$out/schedule.pdf" | awk '/^Pages:/ { print $2 }'); page++)); do
  if pdftotext -layout -f "$page" -l "$page" "$out/schedule.pdf" - | sed '/^ *$/d' | sed -n 2p |
    grep -Eq '^[0-9]+ +Platform .*（排表第 [0-9]+ 行）$'; then
    bays_on_their_pages=$((bays_on_their_pages + 1))
  fi
done
[ "$bays_on_their_pages" -eq 3 ] || fail "schedule: $bays_on_their_pages bays start a page, not 3"

[ "$failures" -eq 0 ] || exit 1
echo "the calculation book prints whole"
