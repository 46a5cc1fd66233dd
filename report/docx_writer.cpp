#include "report/docx_writer.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "report/docx_parts.h"
#include "report/drawing_ml.h"
#include "report/omml.h"
#include "report/xml_writer.h"
#include "report/zip_package.h"

namespace deckplate::report::doc {

using docx::Twips;

namespace {

constexpr std::string_view kExceededColour = "C00000", kPassColour = "17612A";

// How the runs of a paragraph are set beyond their own bold and scripts.
struct RunLook {
    bool bold = false;
    std::string_view colour{};
};

struct ParagraphStyle {
    std::string_view style;
    std::string_view align{};  ///< "center", "right"; empty: the style's
};

}  // namespace

struct DocxWriter::Package {
    ZipPackage zip;
    XmlWriter xml;
    DocumentInfo info;
    std::map<std::string, int, std::less<>> bookmarks{};
    std::vector<docx::Media> media{};
    int drawings = 0;
    bool keep = false;         ///< within blocks kept together
    bool endsInTable = false;  ///< the last block written was a table

    Package(std::ostream& out, DocumentInfo documentInfo)
        : zip(out),
          xml([this](std::string_view bytes) { zip.Write(bytes); }),
          info(std::move(documentInfo)) {}

    // ---- Runs ----

    int Bookmark(std::string_view id) {
        const auto [at, added] = bookmarks.try_emplace(std::string(id), 0);
        if (added) at->second = static_cast<int>(bookmarks.size());
        return at->second;
    }
    // A hidden bookmark, as Word names those of its contents.
    std::string BookmarkName(std::string_view id) { return "_Toc" + std::to_string(Bookmark(id)); }

    void Text(std::string_view text, bool bold, bool italic, Script script, RunLook look) {
        xml.Open("w:r");
        const bool properties =
            bold || look.bold || italic || !look.colour.empty() || script != Script::Baseline;
        if (properties) {
            xml.Open("w:rPr");
            if (bold || look.bold) {
                xml.Empty("w:b");
                xml.Empty("w:bCs");
            }
            if (italic) xml.Empty("w:i");
            if (!look.colour.empty()) xml.Empty("w:color", {{"w:val", look.colour}});
            if (script != Script::Baseline)
                xml.Empty("w:vertAlign",
                          {{"w:val", script == Script::Sub ? "subscript" : "superscript"}});
            xml.Close();
        }
        xml.Leaf("w:t", text, {{"xml:space", "preserve"}});
        xml.Close();
    }

    void Picture(const ImageRun& image) {
        const int n = static_cast<int>(media.size()) + 1;
        const std::string relationship = "rIdImage" + std::to_string(n);
        media.push_back({image.bytes, image.type, relationship,
                         "media/image" + std::to_string(n) +
                             (image.type == ImageType::Png ? ".png" : ".jpeg")});
        const std::string cx = std::to_string(std::llround(image.widthMm * 36000)),
                          cy = std::to_string(std::llround(image.heightMm * 36000));
        const std::string id = std::to_string(++drawings);
        xml.Open("w:r");
        xml.Open("w:drawing");
        xml.Open("wp:inline", {{"distT", "0"}, {"distB", "0"}, {"distL", "0"}, {"distR", "0"}});
        xml.Empty("wp:extent", {{"cx", cx}, {"cy", cy}});
        xml.Empty("wp:docPr",
                  {{"id", id}, {"name", "Picture " + id}, {"descr", image.description}});
        xml.Open("wp:cNvGraphicFramePr");
        xml.Empty("a:graphicFrameLocks", {{"noChangeAspect", "1"}});
        xml.Close();
        xml.Open("a:graphic");
        xml.Open("a:graphicData",
                 {{"uri", "http://schemas.openxmlformats.org/drawingml/2006/picture"}});
        xml.Open("pic:pic");
        xml.Open("pic:nvPicPr");
        xml.Empty("pic:cNvPr", {{"id", "0"}, {"name", media.back().part}});
        xml.Empty("pic:cNvPicPr");
        xml.Close();
        xml.Open("pic:blipFill");
        xml.Empty("a:blip", {{"r:embed", relationship}});
        xml.Open("a:stretch");
        xml.Empty("a:fillRect");
        xml.Close();
        xml.Close();
        xml.Open("pic:spPr");
        xml.Open("a:xfrm");
        xml.Empty("a:off", {{"x", "0"}, {"y", "0"}});
        xml.Empty("a:ext", {{"cx", cx}, {"cy", cy}});
        xml.Close();
        xml.Open("a:prstGeom", {{"prst", "rect"}});
        xml.Empty("a:avLst");
        xml.Close();
        xml.Close();
        for (int i = 0; i < 6; ++i) xml.Close();  // pic, graphicData, graphic, inline, drawing, r
    }

    void Runs(const doc::Runs& runs, RunLook look = {}) {
        for (const Run& run : runs) {
            if (const auto* text = std::get_if<TextRun>(&run)) {
                Text(text->text, text->bold, text->italic, text->script, look);
            } else if (const auto* formula = std::get_if<FormulaRun>(&run)) {
                math::WriteOmml(xml, formula->formula);
            } else if (const auto* link = std::get_if<LinkRun>(&run)) {
                xml.Open("w:hyperlink",
                         {{"w:anchor", BookmarkName(link->target)}, {"w:history", "1"}});
                Text(link->text, false, false, Script::Baseline, look);
                xml.Close();
            } else {
                Picture(std::get<ImageRun>(run));
            }
        }
    }

    // ---- Paragraphs ----

    void OpenParagraph(ParagraphStyle style, bool keepNext = false) {
        xml.Open("w:p");
        xml.Open("w:pPr");
        xml.Empty("w:pStyle", {{"w:val", style.style}});
        if (keepNext || keep) xml.Empty("w:keepNext");
        if (!style.align.empty()) xml.Empty("w:jc", {{"w:val", style.align}});
        xml.Close();
    }

    void Paragraph(ParagraphStyle style, const doc::Runs& runs, RunLook look = {},
                   bool keepNext = false) {
        OpenParagraph(style, keepNext);
        Runs(runs, look);
        xml.Close();
        endsInTable = false;
    }

    void DisplayFormula(std::string_view style, const math::Expr& formula, bool keepNext) {
        OpenParagraph({style}, keepNext);
        xml.Open("m:oMathPara");
        xml.Open("m:oMathParaPr");
        xml.Empty("m:jc", {{"m:val", "left"}});
        xml.Close();
        math::WriteOmml(xml, formula);
        xml.Close();
        xml.Close();
        endsInTable = false;
    }

    // A field that Word and LibreOffice work out as they lay out the pages: its instruction, then
    // what it shows until worked out, then its end. `dirty` asks Word to work it out on opening.
    void FieldBegin(std::string_view instruction, bool dirty = false) {
        xml.Open("w:r");
        if (dirty)
            xml.Empty("w:fldChar", {{"w:fldCharType", "begin"}, {"w:dirty", "true"}});
        else
            xml.Empty("w:fldChar", {{"w:fldCharType", "begin"}});
        xml.Close();
        xml.Open("w:r");
        xml.Leaf("w:instrText", instruction, {{"xml:space", "preserve"}});
        xml.Close();
        xml.Open("w:r");
        xml.Empty("w:fldChar", {{"w:fldCharType", "separate"}});
        xml.Close();
    }
    void FieldEnd() {
        xml.Open("w:r");
        xml.Empty("w:fldChar", {{"w:fldCharType", "end"}});
        xml.Close();
    }
    void Field(std::string_view instruction) {
        FieldBegin(instruction);
        FieldEnd();
    }

    // ---- Tables ----

    void CellEnd() {
        // A cell ends in a paragraph; after a table inside it, an empty one of no height.
        if (!endsInTable) return;
        OpenParagraph({"CellEnd"});
        xml.Close();
        endsInTable = false;
    }

    void OpenTable(std::string_view style, int width, const std::vector<int>& columns) {
        xml.Open("w:tbl");
        xml.Open("w:tblPr");
        xml.Empty("w:tblStyle", {{"w:val", style}});
        xml.Empty("w:tblW", {{"w:w", std::to_string(width)}, {"w:type", "dxa"}});
        xml.Empty("w:tblLayout", {{"w:type", "fixed"}});
        xml.Empty("w:tblLook", {{"w:val", "0000"},
                                {"w:firstRow", "0"},
                                {"w:lastRow", "0"},
                                {"w:firstColumn", "0"},
                                {"w:lastColumn", "0"},
                                {"w:noHBand", "1"},
                                {"w:noVBand", "1"}});
        xml.Close();
        xml.Open("w:tblGrid");
        for (const int column : columns) xml.Empty("w:gridCol", {{"w:w", std::to_string(column)}});
        xml.Close();
    }

    static std::vector<int> Shares(const std::vector<double>& shares, std::size_t count,
                                   int width) {
        std::vector<double> weights = shares;
        weights.resize(count, shares.empty() ? 1.0 : 0.0);
        double total = 0;
        for (const double w : weights) total += w;
        std::vector<int> columns;
        for (const double w : weights)
            columns.push_back(static_cast<int>(total > 0 ? width * w / total : 0));
        return columns;
    }

    void Table(const doc::Table& table, int width) {
        std::size_t count = table.columns.size();
        for (const Row& row : table.rows) {
            std::size_t spans = 0;
            for (const Cell& cell : row.cells) spans += static_cast<std::size_t>(cell.span);
            count = std::max(count, spans);
        }
        const bool compact = table.look == TableLook::Compact;
        // A compact table is as wide as its numbers need, 22 mm a column, within the room it has.
        const int compactColumn = std::min(Twips(22), width / std::max(1, static_cast<int>(count)));
        const std::vector<int> columns =
            compact ? std::vector<int>(count, compactColumn) : Shares(table.columns, count, width);
        int tableWidth = 0;
        for (const int column : columns) tableWidth += column;
        OpenTable("BookTable", tableWidth, columns);
        bool first = true;
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            const Row& row = table.rows[r];
            xml.Open("w:tr");
            xml.Open("w:trPr");
            xml.Empty("w:cantSplit");
            if (row.heightMm > 0)
                xml.Empty("w:trHeight",
                          {{"w:val", std::to_string(Twips(row.heightMm))}, {"w:hRule", "atLeast"}});
            if (static_cast<int>(r) < table.headerRows) xml.Empty("w:tblHeader");
            xml.Close();
            const RunLook look =
                row.look == RowLook::Exceeded ? RunLook{true, kExceededColour} : RunLook{};
            std::size_t column = 0;
            for (const Cell& cell : row.cells) {
                int cellWidth = 0;
                for (int i = 0; i < cell.span && column < columns.size(); ++i, ++column)
                    cellWidth += columns[column];
                xml.Open("w:tc");
                xml.Open("w:tcPr");
                xml.Empty("w:tcW", {{"w:w", std::to_string(cellWidth)}, {"w:type", "dxa"}});
                if (cell.span > 1) xml.Empty("w:gridSpan", {{"w:val", std::to_string(cell.span)}});
                if (row.look == RowLook::Sum) {
                    xml.Open("w:tcBorders");
                    xml.Empty("w:top", {{"w:val", "single"},
                                        {"w:sz", "12"},
                                        {"w:space", "0"},
                                        {"w:color", "444444"}});
                    xml.Close();
                }
                if (cell.header)
                    xml.Empty("w:shd",
                              {{"w:val", "clear"}, {"w:color", "auto"}, {"w:fill", "EEF1F5"}});
                xml.Close();
                const std::string_view align = cell.align == Align::Right    ? "right"
                                               : cell.align == Align::Centre ? "center"
                                               : compact                     ? "left"
                                                                             : "";
                const std::string_view style = compact ? "TableNumbers" : "TableText";
                OpenParagraph({style, cell.header || !compact ? align : "right"});
                if (first && !table.id.empty()) {
                    Bookmarked(table.id, [&] { Runs(cell.runs, look); });
                    first = false;
                } else {
                    Runs(cell.runs, look);
                }
                xml.Close();
                xml.Close();
            }
            xml.Close();
        }
        xml.Close();
        endsInTable = true;
    }

    void Bookmarked(std::string_view id, const std::function<void()>& content) {
        const int n = Bookmark(id);
        xml.Empty("w:bookmarkStart",
                  {{"w:id", std::to_string(n)}, {"w:name", "_Toc" + std::to_string(n)}});
        content();
        xml.Empty("w:bookmarkEnd", {{"w:id", std::to_string(n)}});
    }

    // Blocks beside each other: a table without borders, a figure's column as wide as its
    // drawing, the others sharing the rest.
    void Beside(const SideBySide& side, int width) {
        std::vector<int> columns;
        int fixed = 0;
        std::size_t flexible = 0;
        for (const std::vector<Block>& column : side.columns) {
            const Illustration* figure =
                column.size() == 1 ? std::get_if<Illustration>(&column[0].content) : nullptr;
            // A pixel is 15 twips; the figure's room keeps the gap after it.
            columns.push_back(figure ? static_cast<int>(figure->drawing.width * 15) + Twips(5) : 0);
            fixed += columns.back();
            flexible += figure ? 0 : 1;
        }
        for (int& column : columns)
            if (column == 0)
                column = flexible ? std::max(0, width - fixed) / static_cast<int>(flexible) : 0;
        OpenTable("SideBySide", width, columns);
        xml.Open("w:tr");
        xml.Open("w:trPr");
        xml.Empty("w:cantSplit");
        xml.Close();
        for (std::size_t i = 0; i < side.columns.size(); ++i) {
            xml.Open("w:tc");
            xml.Open("w:tcPr");
            xml.Empty("w:tcW", {{"w:w", std::to_string(columns[i])}, {"w:type", "dxa"}});
            xml.Close();
            endsInTable = true;  // an empty column still needs its paragraph
            for (const Block& block : side.columns[i]) Write(block, columns[i] - Twips(2.5));
            CellEnd();
            xml.Close();
        }
        xml.Close();
        xml.Close();
        endsInTable = true;
    }

    // ---- Blocks ----

    void Contents(const doc::Contents& contents) {
        Paragraph({"TOCHeading"}, {Words(contents.title)});
        // Word's TOC field over the headings; until Word updates it, the entries as known, each
        // with a PAGEREF field that Word and LibreOffice fill with the heading's page.
        std::vector<const ContentsEntry*> entries;
        for (const ContentsEntry& entry : contents.entries)
            if (entry.level <= contents.levels) entries.push_back(&entry);
        const std::string instruction =
            " TOC \\o \"1-" + std::to_string(contents.levels) + "\" \\h \\z \\u ";
        if (entries.empty()) {
            OpenParagraph({"TOC1"});
            FieldBegin(instruction, /*dirty=*/true);
            FieldEnd();
            xml.Close();
        }
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const ContentsEntry& entry = *entries[i];
            static constexpr std::string_view kLevels[] = {"TOC1", "TOC2", "TOC3"};
            OpenParagraph({kLevels[std::clamp(entry.level, 1, 3) - 1]});
            if (i == 0) FieldBegin(instruction, /*dirty=*/true);
            const std::string bookmark = BookmarkName(entry.target);
            xml.Open("w:hyperlink", {{"w:anchor", bookmark}, {"w:history", "1"}});
            Text(entry.text, false, false, Script::Baseline, {});
            xml.Open("w:r");
            xml.Empty("w:tab");
            xml.Close();
            Field(" PAGEREF " + bookmark + " \\h ");
            xml.Close();
            if (i + 1 == entries.size()) FieldEnd();
            xml.Close();
        }
        endsInTable = false;
    }

    void Write(const Block& block, int width) {
        std::visit([&](const auto& content) { WriteContent(content, width); }, block.content);
    }

    void WriteContent(const Heading& heading, int /*width*/) {
        static constexpr std::string_view kStyles[] = {"Heading1", "Heading2", "Heading3"};
        OpenParagraph({kStyles[std::clamp(heading.level, 1, 3) - 1]});
        if (heading.id.empty())
            Runs(heading.runs);
        else
            Bookmarked(heading.id, [&] { Runs(heading.runs); });
        xml.Close();
        endsInTable = false;
    }
    void WriteContent(const doc::Paragraph& paragraph, int /*width*/) {
        switch (paragraph.look) {
            case ParagraphLook::Title:
                return Paragraph({"Title"}, paragraph.runs);
            case ParagraphLook::Subject:
                return Paragraph({"Subtitle"}, paragraph.runs);
            case ParagraphLook::Note:
                return Paragraph({"Note"}, paragraph.runs);
            case ParagraphLook::Body:
                break;
        }
        Paragraph({"Normal"}, paragraph.runs);
    }
    void WriteContent(const FormulaBlock& block, int /*width*/) {
        DisplayFormula("Formula", block.formula, block.continued.has_value());
        if (block.continued) DisplayFormula("FormulaContinued", *block.continued, false);
    }
    void WriteContent(const Verdict& verdict, int /*width*/) {
        Paragraph({verdict.statement ? "Statement" : "Verdict"}, verdict.runs,
                  {.colour = verdict.exceeded ? kExceededColour : kPassColour});
    }
    void WriteContent(const doc::Table& table, int width) { Table(table, width); }
    void WriteContent(const Illustration& figure, int /*width*/) {
        OpenParagraph({"Drawing"});
        xml.Open("w:r");
        drawing::WriteDrawingMl(xml, figure.drawing, ++drawings);
        xml.Close();
        xml.Close();
        Paragraph({"Caption"}, figure.caption);
    }
    void WriteContent(const PageBreak&, int /*width*/) {
        xml.Open("w:p");
        xml.Open("w:r");
        xml.Empty("w:br", {{"w:type", "page"}});
        xml.Close();
        xml.Close();
        endsInTable = false;
    }
    void WriteContent(const doc::Contents& contents, int /*width*/) { Contents(contents); }
    void WriteContent(const TitleBlock& title, int width) {
        for (const Block& part : TitleBlockParts(title)) Write(part, width);
    }
    void WriteContent(const SideBySide& side, int width) { Beside(side, width); }
    void WriteContent(const KeepTogether& group, int width) {
        const bool outer = keep;
        keep = true;
        for (const Block& block : group.blocks) Write(block, width);
        keep = outer;
    }
};

DocxWriter::DocxWriter(std::ostream& out, const DocumentInfo& info)
    : package_(std::make_unique<Package>(out, info)) {
    package_->zip.BeginPart("word/document.xml");
    package_->xml.Declaration();
    package_->xml.Open("w:document", docx::kBodyNamespaces);
    package_->xml.Open("w:body");
}

DocxWriter::~DocxWriter() = default;

void DocxWriter::Write(const Block& block) { package_->Write(block, docx::TextWidth()); }

void DocxWriter::Finish() {
    XmlWriter& xml = package_->xml;
    docx::WriteSection(xml);
    xml.Close();  // body
    xml.Close();  // document
    xml.Flush();
    package_->zip.EndPart();
    docx::WriteOtherParts(package_->zip, package_->info, package_->media);
    package_->zip.Finish();
}

void WriteDocx(std::ostream& out, const Document& document) {
    DocxWriter writer(out, document.info);
    WriteDocument(writer, document);
}

}  // namespace deckplate::report::doc
