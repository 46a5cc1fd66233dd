#include "report/html_text.h"
#include "report/html_writer.h"

namespace deckplate::report {

namespace {

// On screen a page-wide column; on paper A4 with its margins, and no formula, table or drawing
// broken across two pages. Colours print as they show, so an exceeded check stays red on paper.
constexpr std::string_view kStyleSheet = R"css(
html { font-family: SimSun, "宋体", "Songti SC", "Noto Serif CJK SC", "AR PL UMing CN", serif;
  font-size: 10pt; color: #000; background: #fff;
  -webkit-print-color-adjust: exact; print-color-adjust: exact; }
body { max-width: 180mm; margin: 8mm auto; line-height: 1.3; }
header.title-block { margin-bottom: 3mm; }
h1 { font-size: 17pt; margin: 0 0 1mm; letter-spacing: .1em; text-align: center; }
.subject { text-align: center; font-size: 11pt; margin: 0 0 2mm; }
table.project th, table.signatures th { width: 4.5em; }
table.signatures td { height: 6mm; min-width: 5em; }
.program { font-size: 9pt; color: #333; }
h2 { font-size: 12pt; margin: 3mm 0 1.5mm; padding-bottom: .5mm; border-bottom: 1px solid #444;
  break-after: avoid; page-break-after: avoid; }
h3 { font-size: 10.5pt; margin: 2mm 0 1mm; break-after: avoid; page-break-after: avoid; }
p { margin: 1mm 0; }
table { border-collapse: collapse; width: 100%; margin: 1mm 0;
  break-inside: avoid; page-break-inside: avoid; }
th, td { border: 1px solid #999; padding: .5mm 1.5mm; text-align: left; vertical-align: top; }
th { background: #eef1f5; font-weight: normal; white-space: nowrap; }
td.number { text-align: right; }
table.conclusion td:nth-child(-n+4) { white-space: nowrap; }
table.series { width: auto; font-size: 9pt; }
table.series td { text-align: right; }
table.series tr.sum td { border-top: 2px solid #444; }
math { font-family: "Cambria Math", "STIX Two Math", math; font-size: 1.05em; }
/* A formula's box holds the whole of its fractions' ink, so that one at a page's foot goes whole
   to the next page rather than leaving a slice of its denominator in the next page's head. */
.formula { margin: .3mm 0 .3mm 6mm; padding: .5mm 0 1mm; break-inside: avoid;
  page-break-inside: avoid; }
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
.side-by-side > table.series { flex: 0 0 auto; }
.side-by-side th { white-space: normal; }
.series-working p { font-size: 9pt; }
.whole { break-inside: avoid; page-break-inside: avoid; }
/* A schedule's book: its contents, its summary, and each bay from a new page. */
ol.contents { columns: 3; column-gap: 6mm; margin: 1mm 0; padding-left: 3em; }
ol.contents li { break-inside: avoid; }
a { color: inherit; text-decoration: none; }
table.summary { break-inside: auto; page-break-inside: auto; }
table.summary tr { break-inside: avoid; page-break-inside: avoid; }
article.bay { break-before: page; page-break-before: always; }
article.bay > h2.bay-title { font-size: 14pt; border-bottom: 2px solid #000; }
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

}  // namespace

// Each printed page names the project at its head and counts itself at its foot: the page's own
// margin boxes, in place of the browser's header (a date and the title) and footer (the file's
// path), which Chromium leaves out where a page defines its own.
std::string BookStyleSheet(std::string_view header) {
    return Cat(
        "\n@page { size: A4; margin: 15mm 15mm 14mm 15mm;\n"
        "  @top-center { content: ",
        CssString(header),
        "; font-size: 8.5pt; color: #444; vertical-align: bottom; padding-bottom: 2mm; }\n"
        "  @bottom-center { content: \"第 \" counter(page) \" 页 共 \" counter(pages) \" 页\";"
        " font-size: 8.5pt; color: #444; vertical-align: top; padding-top: 2mm; } }",
        kStyleSheet);
}

}  // namespace deckplate::report
