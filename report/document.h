#pragma once
// What a calculation book is made of, apart from how either format sets it: a document model
// that the book's sections are written into once, and that two writers set — the HTML writer
// (html_writer.h) as one self-contained page for a browser, the Word writer (docx_writer.h) as
// an editable .docx.
//
//   sections ──Block…──▶ DocumentWriter (HtmlWriter | DocxWriter) ──▶ the file, block by block
//
// A book is a DocumentInfo (its title, the page header, the date) and a sequence of blocks:
// the title block, headings of three levels, paragraphs of runs (text, an inline formula, a
// link, an image), formula blocks, tables, verdict lines, figures, pages breaks, a table of
// contents, blocks side by side and blocks kept together on one page. A writer takes the blocks
// one at a time, so a schedule's book of a thousand bays is never held whole.
//
// Texts are UTF-8. Text a user typed (a bay's name, the project) goes in through Clean(), so
// that both formats hold it as typed: characters that neither HTML nor XML can hold become
// U+FFFD.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "report/drawing.h"
#include "report/math_tree.h"

namespace deckplate::report::doc {

/// `text` with every character that XML 1.0 forbids (control characters but tab and line
/// feed, U+FFFE, U+FFFF), and every byte that is not UTF-8, replaced by U+FFFD.
std::string Clean(std::string_view text);

// ---- Runs: what a line of text is made of ----

enum class Script { Baseline, Sub, Super };

/// Words, set in the paragraph's font: "q", then "k" as a subscript, is qₖ.
struct TextRun {
    std::string text;
    Script script = Script::Baseline;
    bool bold = false;
    bool italic = false;
};
/// A formula within the line.
struct FormulaRun {
    math::Expr formula;
};
/// Words that lead to the heading, table or paragraph with `target` as its id.
struct LinkRun {
    std::string text;
    std::string target;
};
enum class ImageType { Png, Jpeg };
/// A picture, such as the institute's logo: the file's bytes and the size it is set at.
struct ImageRun {
    std::string bytes;
    ImageType type = ImageType::Png;
    double widthMm = 0, heightMm = 0;
    std::string description{};  ///< alternative text
};
using Run = std::variant<TextRun, FormulaRun, LinkRun, ImageRun>;
using Runs = std::vector<Run>;

TextRun Words(std::string_view text);
TextRun Sub(std::string_view text);  ///< a subscript: the k of qₖ
TextRun Sup(std::string_view text);  ///< a superscript
TextRun Bold(std::string_view text);
FormulaRun Inline(math::Expr formula);
LinkRun Link(std::string_view text, std::string_view target);

// ---- Blocks ----

/// Level 1: a part of the book (a bay of a schedule); 2: a section ("4 铺板验算"); 3: a
/// subsection ("强度"). `id` lets contents and links lead to it.
struct Heading {
    int level = 2;
    Runs runs;
    std::string id{};
};

enum class ParagraphLook {
    Title,    ///< the book's title, centred and large
    Body,     ///< the book's text
    Note,     ///< smaller and grey: units, remarks, what the book leaves out
    Subject,  ///< centred under the title: what the book is of
};
struct Paragraph {
    Runs runs;
    ParagraphLook look = ParagraphLook::Body;
};

/// A formula on a line of its own; a long one goes on with its substitution on a second line,
/// set further in.
struct FormulaBlock {
    math::Expr formula;
    std::optional<math::Expr> continued{};
};

/// The verdict of a check under its working; `statement` for the book's conclusion, larger.
/// Exceeded in the book's red, passed in its green.
struct Verdict {
    bool exceeded = false;
    Runs runs;
    bool statement = false;
};

enum class Align { Left, Centre, Right };

struct Cell {
    Runs runs;
    bool header = false;  ///< a heading cell: shaded, as the HTML's <th>
    int span = 1;         ///< how many columns it takes
    Align align = Align::Left;
};
enum class RowLook {
    Plain,
    Exceeded,  ///< a check that is exceeded: bold, red
    Sum,       ///< a sum under its terms: a heavy rule above
};
struct Row {
    std::vector<Cell> cells;
    RowLook look = RowLook::Plain;
    double heightMm = 0;  ///< at least this high, as a line to sign on; 0: as its text
};
enum class TableLook {
    Grid,     ///< the page's width, ruled
    Compact,  ///< as wide as its numbers, smaller, right-aligned: a series of terms
};
struct Table {
    /// Each column's share of the table's width; empty: equal shares.
    std::vector<double> columns{};
    /// The first rows: headings, repeated at the top of each page the table runs onto.
    int headerRows = 0;
    std::vector<Row> rows{};
    TableLook look = TableLook::Grid;
    std::string id{};
};

/// A drawing with its caption: a figure of the book.
struct Illustration {
    drawing::Drawing drawing;
    Runs caption;
};

struct PageBreak {};

/// The table of contents: Word's TOC field with page numbers over the headings up to
/// `levels`, which Word fills in when the document opens; in HTML, a list of links.
struct ContentsEntry {
    std::string text;
    std::string target;  ///< the heading's id
    int level = 1;
};
struct Contents {
    std::string title;  ///< "目录", set as a heading that the contents do not list
    int levels = 1;
    /// The headings, listed before the pages exist: Word's contents until it updates them.
    std::vector<ContentsEntry> entries{};
};

/// Page 1's title block: the title, what the book is of, the project's fields, a line for each
/// signature with room to sign and date it by hand, the logo and a note on the program.
struct TitleField {
    std::string caption;  ///< "工程名称"
    std::string value;
};
struct Signature {
    std::string role;  ///< "计算"
    std::string name;
};
struct TitleBlock {
    std::string title;  ///< "钢平台铺板及加劲肋计算书"
    Runs subject{};     ///< "构件：平台A 第1跨"; none when empty
    /// The project's fields by rows: a row of one field spans the table.
    std::vector<std::vector<TitleField>> project{};
    std::vector<Signature> signatures{};
    std::optional<ImageRun> logo{};
    Runs program{};  ///< the program, its version and where its verification is
};

struct Block;
/// Blocks set beside each other (a sketch beside its text), each column its own blocks.
struct SideBySide {
    std::vector<std::vector<Block>> columns;
};
/// Blocks never broken across two pages, such as the conclusion.
struct KeepTogether {
    std::vector<Block> blocks;
};

struct Block {
    std::variant<Heading, Paragraph, FormulaBlock, Verdict, Table, Illustration, PageBreak,
                 Contents, TitleBlock, SideBySide, KeepTogether>
        content;
};

/// The title block as the blocks both formats set it in: the logo, the title, the subject,
/// the project's table beside the signatures' table, the note on the program.
std::vector<Block> TitleBlockParts(const TitleBlock& title);

/// What the book is, as a whole.
struct DocumentInfo {
    std::string title;  ///< the window's or file's title: "钢平台铺板及加劲肋计算书 — 平台A"
    std::string header;  ///< on top of every page: the project's name
    std::string author{};
    std::string date{};       ///< "2026-12-08", the day it is written
    std::string generator{};  ///< "deckplate 1.1.0"
};

/// A whole book, for a writer to set at once.
struct Document {
    DocumentInfo info;
    std::vector<Block> blocks{};
};

}  // namespace deckplate::report::doc
