#!/usr/bin/env bash
# The Word book as a real client opens it. Writes the sample book (sample_document.h, two bays)
# as .docx, checks that every XML part of the package parses (xmllint), converts it to PDF in
# LibreOffice (headless, once: it takes 10-20 s to start) and reads the PDF back: A4 pages, every
# heading, word and number of the sample in the text, the equations as equations (their numbers
# there, no Office Math markup or LibreOffice's mark of a broken formula), the project's name at
# the head of every page and 第 N 页 共 M 页 at its foot. Leaves the package, the PDF and a PNG of
# each page in OUT_DIR for a look. Then the program's own books, converted by the same start of
# LibreOffice: a walkway bay under the point load with the institute's title block and logo, and
# the example schedule's book: A4, the header and 第 N 页 共 M 页 on every page, and every number
# and verdict of the same book written as HTML in the PDF's text.
#   docx_libreoffice_test.sh SAMPLE_BOOK LOGO.png OUT_DIR DECKPLATE_CLI SCHEDULE.csv
set -euo pipefail
sample_book=$1 logo=$2 out=$3 cli=$4 schedule=$5
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
rm -rf "$out"
mkdir -p "$out/package"
"$sample_book" "$out/sample.docx" 2 "$logo"
"$sample_book" "$out/sample.html" 2 "$logo"
project=(--project-name 某化工厂检修平台 --design-unit 某某工程设计研究院 --book-number JS-017
  --calculated-by 张三 --lead-engineer 李四 --logo "$logo")
walkway=(--dead 1 --live 2 --thickness 4 --span 2000 --spacing 500 --angle L45x28x3
  --basis current --point-load 1.5 --name 平台B第3跨 "${project[@]}")
for book in walkway.docx walkway.html; do
  "$cli" book "${walkway[@]}" -o "$out/$book" 2>/dev/null || [ $? -eq 1 ] || fail "no $book"
done
for book in schedule.docx schedule.html; do
  "$cli" batch "$schedule" --book "$out/$book" "${project[@]}" >/dev/null || [ $? -eq 1 ] ||
    fail "no $book"
done

for book in sample walkway schedule; do
  rm -rf "$out/package" && mkdir -p "$out/package"
  unzip -q "$out/$book.docx" -d "$out/package"
  while IFS= read -r -d '' part; do
    xmllint --noout "$part" || fail "$book: ${part#"$out/package/"} is not well-formed XML"
  done < <(find "$out/package" \( -name '*.xml' -o -name '*.rels' \) -print0)
done

# A profile of its own, so that a LibreOffice already running or a user's settings do not
# change the conversion.
timeout 180 soffice "-env:UserInstallation=file://$out/profile" --headless --convert-to pdf \
  --outdir "$out" "$out/sample.docx" "$out/walkway.docx" "$out/schedule.docx" \
  >"$out/soffice.log" 2>&1 ||
  fail "LibreOffice did not convert the book: $(cat "$out/soffice.log")"
pdf=$out/sample.pdf
[ -s "$pdf" ] || fail "LibreOffice wrote no PDF: $(cat "$out/soffice.log")"

pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
[ "$pages" -ge 6 ] || fail "two bays on $pages pages, fewer than three a bay"
pdfinfo "$pdf" | grep -q '^Page size: *595.3.* x 841.8.* (A4)' ||
  fail "the pages are not A4: $(pdfinfo "$pdf" | grep 'Page size')"

text=$(pdftotext "$pdf" -)
expected=(
  钢平台铺板及加劲肋计算书 某化工厂检修平台 2026-017 张三 目录 "1 平台 B 第 1 跨" "2 平台 B 第 2 跨"
  计算依据 输入 荷载组合 铺板验算 加劲肋验算 集中荷载验算 结论 强度 挠度
  L100x63x6 满足要求 超出限值 "利用率为计算值与限值之比" "区格平面" "组合截面"
  "b = L = 2000" "be = 180.0" "Yo = 33.50" "a = 500"
  # numbers that only the equations show
  0.1988 1.988 961.7 66.4 261.34 0.0058 0.4543 0.0026 384
  # numbers of the tables and verdicts
  27.61 53.48 1.060 1.147 0.01270 -0.0001894
)
for word in "${expected[@]}"; do
  grep -qF -- "$word" <<<"$text" || fail "the PDF's text lacks \"$word\""
done
for word in "m:oMath" "<m:" "¿" "<w:"; do
  ! grep -qF -- "$word" <<<"$text" || fail "the PDF shows \"$word\": an equation not read as one"
done
# Each formula an equation: the substitution of σ's fraction is there with its power of ten.
grep -qE '6 ?× ?0\.1988 ?× ?10' <<<"$text" || fail "the plate stress's substitution is missing"

for ((page = 1; page <= pages; page++)); do
  page_text=$(pdftotext -f "$page" -l "$page" "$pdf" -)
  grep -qF '某化工厂检修平台 <3#> & "B" 区' <<<"$page_text" ||
    fail "page $page has no header with the project's name"
  # pdftotext leaves out the blanks LibreOffice sets between Chinese and digits.
  grep -qE "第 ?$page ?页 ?共 ?$pages ?页" <<<"$page_text" || fail "page $page has no 第 $page 页 共 $pages 页"
done

pdftoppm -r 60 -png "$pdf" "$out/page"
echo "LibreOffice converted the sample book: $pages A4 pages, pictures in $out"

# The text of the HTML book as a reader sees it: the body without its markup, each element's
# text apart (a power's digit is not the number's), blanks kept between them.
html_text() {
  sed -e '1,/<body>/d' -e 's/<[^>]*>/ /g' "$1" | tr '\n' ' '
}
for book in walkway schedule; do
  pdf=$out/$book.pdf
  [ -s "$pdf" ] || fail "$book: LibreOffice wrote no PDF: $(cat "$out/soffice.log")"
  pdfinfo "$pdf" | grep -q '^Page size: *595.3.* x 841.8.* (A4)' || fail "$book: not A4"
  pages=$(pdfinfo "$pdf" | sed -n 's/^Pages: *//p')
  text=$(pdftotext "$pdf" - | tr -d ' \n\f')
  html=$(html_text "$out/$book.html")
  numbers=0
  while IFS= read -r number; do
    numbers=$((numbers + 1))
    [[ "$text" == *"$number"* ]] || fail "$book: $number of the HTML book is not in the Word book"
  done < <(grep -Eo '[0-9]+\.[0-9]+' <<<"$html" | sort -u)
  [ "$numbers" -ge 60 ] || fail "$book: only $numbers numbers in the HTML book"
  for verdict in 满足要求 超出限值 须修改设计; do
    [ "$(grep -o "$verdict" <<<"$text" | wc -l)" -eq "$(grep -o "$verdict" <<<"$html" | wc -l)" ] ||
      fail "$book: the Word book does not say $verdict as often as the HTML book"
  done
  for word in "m:oMath" "<m:" "¿" "<w:"; do
    [[ "$text" != *"$word"* ]] || fail "$book: the PDF shows \"$word\": an equation not read as one"
  done
  for ((page = 1; page <= pages; page++)); do
    page_text=$(pdftotext -f "$page" -l "$page" "$pdf" - | tr -d ' ')
    grep -qF 某化工厂检修平台 <<<"$page_text" || fail "$book: page $page has no header"
    grep -qE "第$page页共$pages页" <<<"$page_text" || fail "$book: page $page has no page number"
  done
  pdftoppm -r 60 -f 1 -l 2 -png "$pdf" "$out/$book"
  echo "LibreOffice converted the $book book: $pages A4 pages, $numbers numbers of its HTML"
done
