#include "report/book_parts.h"

namespace deckplate::report {

// On screen a page-wide column; on paper A4 with its margins, and no formula, table or drawing
// broken across two pages. Colours print as they show, so an exceeded check stays red on paper.
std::string_view BookStyleSheet() {
    return R"css(
@page { size: A4; margin: 14mm 15mm 14mm 15mm; }
html { font-family: SimSun, "宋体", "Songti SC", "Noto Serif CJK SC", "AR PL UMing CN", serif;
  font-size: 10pt; color: #000; background: #fff;
  -webkit-print-color-adjust: exact; print-color-adjust: exact; }
body { max-width: 180mm; margin: 8mm auto; line-height: 1.4; }
header { text-align: center; margin-bottom: 4mm; }
h1 { font-size: 17pt; margin: 0 0 1mm; letter-spacing: .1em; }
.facts span { margin: 0 1em; display: inline-block; }
h2 { font-size: 12pt; margin: 4mm 0 1.5mm; padding-bottom: .5mm; border-bottom: 1px solid #444;
  break-after: avoid; page-break-after: avoid; }
h3 { font-size: 10.5pt; margin: 2mm 0 1mm; break-after: avoid; page-break-after: avoid; }
p { margin: 1mm 0; }
table { border-collapse: collapse; width: 100%; margin: 1mm 0;
  break-inside: avoid; page-break-inside: avoid; }
th, td { border: 1px solid #999; padding: .6mm 1.5mm; text-align: left; vertical-align: top; }
th { background: #eef1f5; font-weight: normal; white-space: nowrap; }
td.number { text-align: right; }
table.conclusion td:nth-child(-n+4) { white-space: nowrap; }
math { font-family: "Cambria Math", "STIX Two Math", math; font-size: 1.05em; }
.formula { margin: 1mm 0 1mm 6mm; break-inside: avoid; page-break-inside: avoid; }
/* Formulas stand at the left margin, and the second line of a long one under its first. */
.formula math { display: inline math; math-style: normal; }
.formula .continued { margin-left: 8mm; }
.note { font-size: 9pt; color: #333; }
.verdict { margin: 1mm 0 2mm 6mm; font-weight: bold; }
.pass { color: #17612a; }
.exceeded { color: #c00000; }
tr.exceeded td { font-weight: bold; }
.statement { font-size: 11pt; font-weight: bold; margin: 2mm 0; }
.side-by-side { display: flex; gap: 5mm; align-items: flex-start; break-inside: avoid;
  page-break-inside: avoid; }
.side-by-side > table, .side-by-side > div { flex: 1 1 0; }
.side-by-side th { white-space: normal; }
figure { margin: 0; break-inside: avoid; page-break-inside: avoid; }
figcaption { font-size: 8.5pt; color: #333; }
svg { display: block; }
svg text { font-family: Arial, "Liberation Sans", "DejaVu Sans", sans-serif; font-size: 10px; }
svg .steel { fill: #b9c3cf; stroke: #000; stroke-width: 1; }
svg .panel { fill: #f2f5f8; stroke: #888; stroke-width: .7; }
svg .panel.checked { fill: #c9dbef; }
svg .support { stroke: #000; stroke-width: 2.5; }
svg .dim, svg .ext { stroke: #333; stroke-width: .7; }
svg .axis { stroke: #c00000; stroke-width: .8; stroke-dasharray: 9 3 2 3; }
svg .axis-label { fill: #c00000; font-style: italic; }
@media print { body { max-width: none; margin: 0; } }
)css";
}

// After the point-load section 结论 no longer fits on the page before: it goes whole to the next,
// rather than leaving its statement alone on a page. Only in a book with the point load, so that
// a book without one stays as it was.
std::string_view PointLoadStyleSheet() {
    return "#conclusion { break-inside: avoid; page-break-inside: avoid; }\n";
}

}  // namespace deckplate::report
