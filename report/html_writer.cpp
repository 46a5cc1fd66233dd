#include "report/html_writer.h"

#include <sstream>

#include "report/base64.h"
#include "report/html_text.h"
#include "report/xml_writer.h"

namespace deckplate::report::doc {
namespace {

// Beside the book's style sheet: the three levels of heading, a page break, the logo, a table
// long enough to run over pages, the contents' title.
constexpr std::string_view kModelStyle = R"css(
h2 { font-size: 14pt; border-bottom: 2px solid #000; }
h3 { font-size: 12pt; margin: 3mm 0 1.5mm; padding-bottom: .5mm; border-bottom: 1px solid #444;
  break-after: avoid; page-break-after: avoid; }
h4 { font-size: 10.5pt; margin: 2mm 0 1mm; break-after: avoid; page-break-after: avoid; }
p.contents-title { font-size: 12pt; font-weight: bold; margin: 3mm 0 1.5mm; }
.page-break { break-before: page; page-break-before: always; }
table.breakable { break-inside: auto; page-break-inside: auto; }
table.breakable tr { break-inside: avoid; page-break-inside: avoid; }
td.centre { text-align: center; }
.nobr { white-space: nowrap; }
/* A table with column shares keeps them, and a word longer than its column (a 200-character name
   without a blank) breaks rather than widening the table past the page. */
table.fixed { table-layout: fixed; }
.side-by-side > div { min-width: 0; }
td, th { overflow-wrap: anywhere; }
p.subject img { display: block; margin: 0 auto 2mm; }
)css";

std::string Number(double x) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << x;
    return text.str();
}

std::string RunsHtml(const Runs& runs);

struct RunHtml {
    std::string operator()(const TextRun& run) const {
        std::string text = EscapeHtml(run.text);
        if (run.script == Script::Sub) text = Element("sub", text);
        if (run.script == Script::Super) text = Element("sup", text);
        if (run.italic) text = Element("i", text);
        if (run.bold) text = Element("b", text);
        return text;
    }
    std::string operator()(const FormulaRun& run) const {
        return math::MathMl(run.formula, math::Placement::Inline);
    }
    std::string operator()(const LinkRun& run) const {
        return Cat("<a href=\"#", EscapeHtml(run.target), "\">", EscapeHtml(run.text), "</a>");
    }
    std::string operator()(const ImageRun& run) const {
        return Cat("<img src=\"data:", run.type == ImageType::Png ? "image/png" : "image/jpeg",
                   ";base64,", Base64(run.bytes), "\" alt=\"", EscapeHtml(run.description),
                   "\" style=\"width: ", Number(run.widthMm), "mm; height: ", Number(run.heightMm),
                   "mm\">");
    }
};

// Punctuation that never begins a line in Chinese print.
bool ClosesALine(std::string_view text) {
    for (const std::string_view mark : {"，", "。", "；", "：", "、", "）", "！", "？"})
        if (text.starts_with(mark)) return true;
    return false;
}

std::string RunsHtml(const Runs& runs) {
    std::string html;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        // A formula and the mark after it stay on one line: a browser would otherwise begin the
        // next line with "，".
        const auto* next = i + 1 < runs.size() ? std::get_if<TextRun>(&runs[i + 1]) : nullptr;
        if (std::holds_alternative<FormulaRun>(runs[i]) && next &&
            next->script == Script::Baseline && ClosesALine(next->text)) {
            const std::size_t mark = DecodeUtf8(next->text, 0).length;
            TextRun rest = *next;
            rest.text.erase(0, mark);
            html += Cat("<span class=\"nobr\">", std::visit(RunHtml{}, runs[i]),
                        EscapeHtml(next->text.substr(0, mark)), "</span>",
                        std::visit(RunHtml{}, Run{rest}));
            ++i;
            continue;
        }
        html += std::visit(RunHtml{}, runs[i]);
    }
    return html;
}

std::string IdAttribute(std::string_view id) {
    return id.empty() ? std::string() : Cat(" id=\"", EscapeHtml(id), "\"");
}

std::string BlocksHtml(const std::vector<Block>& blocks);

std::string TableHtml(const Table& table) {
    std::string classes = table.look == TableLook::Compact ? "series" : "";
    if (table.headerRows > 0) classes += classes.empty() ? "breakable" : " breakable";
    if (!table.columns.empty()) classes += classes.empty() ? "fixed" : " fixed";
    std::string html =
        Cat("<table", IdAttribute(table.id),
            classes.empty() ? std::string() : Cat(" class=\"", classes, "\""), ">\n");
    if (!table.columns.empty()) {
        double total = 0;
        for (const double share : table.columns) total += share;
        html += "<colgroup>";
        for (const double share : table.columns)
            html += Cat("<col style=\"width: ", Number(100 * share / total), "%\">");
        html += "</colgroup>\n";
    }
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const Row& row = table.rows[i];
        if (i == 0 && table.headerRows > 0) html += "<thead>";
        html += row.look == RowLook::Exceeded ? "<tr class=\"exceeded\">"
                : row.look == RowLook::Sum    ? "<tr class=\"sum\">"
                                              : "<tr>";
        for (const Cell& cell : row.cells) {
            const std::string_view tag = cell.header ? "th" : "td";
            std::string attributes;
            if (cell.span > 1) attributes += Cat(" colspan=\"", std::to_string(cell.span), "\"");
            if (cell.align == Align::Right) attributes += " class=\"number\"";
            if (cell.align == Align::Centre) attributes += " class=\"centre\"";
            if (row.heightMm > 0)
                attributes += Cat(" style=\"height: ", Number(row.heightMm), "mm\"");
            html += Cat("<", tag, attributes, ">", RunsHtml(cell.runs), "</", tag, ">");
        }
        html += "</tr>\n";
        if (static_cast<int>(i) + 1 == table.headerRows) html += "</thead>\n";
    }
    return html + "</table>\n";
}

std::string ColumnHtml(const std::vector<Block>& column) {
    // A lone figure is a flexible box's item as it stands; anything else, a table too, in a box
    // that shares the width, so that a table's column shares hold within it.
    if (column.size() == 1 && std::holds_alternative<Illustration>(column[0].content))
        return BlocksHtml(column);
    return Cat("<div>", BlocksHtml(column), "</div>\n");
}

struct BlockHtml {
    std::string operator()(const Heading& heading) const {
        const std::string tag = Cat("h", std::to_string(heading.level + 1));
        return Cat("<", tag, IdAttribute(heading.id), ">", RunsHtml(heading.runs), "</", tag,
                   ">\n");
    }
    std::string operator()(const Paragraph& paragraph) const {
        switch (paragraph.look) {
            case ParagraphLook::Title:
                return Cat("<h1>", RunsHtml(paragraph.runs), "</h1>\n");
            case ParagraphLook::Note:
                return Cat("<p class=\"note\">", RunsHtml(paragraph.runs), "</p>\n");
            case ParagraphLook::Subject:
                return Cat("<p class=\"subject\">", RunsHtml(paragraph.runs), "</p>\n");
            case ParagraphLook::Body:
                break;
        }
        return Cat("<p>", RunsHtml(paragraph.runs), "</p>\n");
    }
    std::string operator()(const FormulaBlock& block) const {
        std::string html =
            Cat("<div class=\"formula\">", math::MathMl(block.formula, math::Placement::Display));
        if (block.continued) {
            html += Cat("<div class=\"continued\">",
                        math::MathMl(*block.continued, math::Placement::Display), "</div>");
        }
        return html + "</div>\n";
    }
    std::string operator()(const Verdict& verdict) const {
        return Cat("<p class=\"", verdict.statement ? "statement " : "verdict ",
                   verdict.exceeded ? "exceeded" : "pass", "\">", RunsHtml(verdict.runs), "</p>\n");
    }
    std::string operator()(const Table& table) const { return TableHtml(table); }
    std::string operator()(const Illustration& figure) const {
        return Cat("<figure>", drawing::SvgOf(figure.drawing), "<figcaption>",
                   RunsHtml(figure.caption), "</figcaption></figure>\n");
    }
    std::string operator()(const PageBreak&) const { return "<div class=\"page-break\"></div>\n"; }
    std::string operator()(const Contents& contents) const {
        std::string items;
        for (const ContentsEntry& entry : contents.entries) {
            if (entry.level > contents.levels) continue;
            items += Cat("<li><a href=\"#", EscapeHtml(entry.target), "\">", EscapeHtml(entry.text),
                         "</a></li>\n");
        }
        return Cat("<p class=\"contents-title\">", EscapeHtml(contents.title),
                   "</p>\n<ol class=\"contents\">\n", items, "</ol>\n");
    }
    std::string operator()(const TitleBlock& title) const {
        return Cat("<header class=\"title-block\">\n", BlocksHtml(TitleBlockParts(title)),
                   "</header>\n");
    }
    std::string operator()(const SideBySide& side) const {
        std::string html = "<div class=\"side-by-side\">";
        for (const std::vector<Block>& column : side.columns) html += ColumnHtml(column);
        return html + "</div>\n";
    }
    std::string operator()(const KeepTogether& group) const {
        return Cat("<div class=\"whole\">", BlocksHtml(group.blocks), "</div>\n");
    }
};

std::string BlocksHtml(const std::vector<Block>& blocks) {
    std::string html;
    for (const Block& block : blocks) html += std::visit(BlockHtml{}, block.content);
    return html;
}

}  // namespace

void WriteDocument(DocumentWriter& writer, const Document& document) {
    for (const Block& block : document.blocks) writer.Write(block);
    writer.Finish();
}

HtmlWriter::HtmlWriter(std::ostream& out, const DocumentInfo& info) : out_(out) {
    out_ << Cat("<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n",
                "<meta name=\"generator\" content=\"", EscapeHtml(info.generator), "\">\n<title>",
                EscapeHtml(info.title), "</title>\n<style>", BookStyleSheet(info.header),
                kModelStyle, "</style>\n</head>\n<body>\n");
}

void HtmlWriter::Write(const Block& block) { out_ << std::visit(BlockHtml{}, block.content); }

void HtmlWriter::Finish() { out_ << "</body>\n</html>\n"; }

std::string HtmlOf(const Document& document) {
    std::ostringstream out;
    HtmlWriter writer(out, document.info);
    WriteDocument(writer, document);
    return out.str();
}

}  // namespace deckplate::report::doc
