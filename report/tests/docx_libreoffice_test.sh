#!/usr/bin/env bash
# The Word book as a real client opens it. Writes the sample book (sample_document.h, two bays)
# as .docx, checks that every XML part of the package parses (xmllint), converts it to PDF in
# LibreOffice (headless, once: it takes 10-20 s to start) and reads the PDF back: A4 pages, every
# heading, word and number of the sample in the text, the equations as equations (their numbers
# there, no Office Math markup or LibreOffice's mark of a broken formula), the project's name at
# the head of every page and 第 N 页 共 M 页 at its foot. Leaves the package, the PDF and a PNG of
# each page in OUT_DIR for a look.
#   docx_libreoffice_test.sh SAMPLE_BOOK LOGO.png OUT_DIR
set -euo pipefail
sample_book=$1 logo=$2 out=$3
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
rm -rf "$out"
mkdir -p "$out/package"
"$sample_book" "$out/sample.docx" 2 "$logo"
"$sample_book" "$out/sample.html" 2 "$logo"

unzip -q "$out/sample.docx" -d "$out/package"
while IFS= read -r -d '' part; do
  xmllint --noout "$part" || fail "${part#"$out/package/"} is not well-formed XML"
done < <(find "$out/package" \( -name '*.xml' -o -name '*.rels' \) -print0)

# A profile of its own, so that a LibreOffice already running or a user's settings do not
# change the conversion.
timeout 180 soffice "-env:UserInstallation=file://$out/profile" --headless --convert-to pdf \
  --outdir "$out" "$out/sample.docx" >"$out/soffice.log" 2>&1 ||
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
