#include "report/document.h"

#include <algorithm>

#include "report/xml_writer.h"

namespace deckplate::report::doc {

std::string Clean(std::string_view text) {
    std::string clean;
    clean.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const CodePoint c = DecodeUtf8(text, at);
        // Carriage return and delete, which XML allows, are control characters HTML does not.
        if (c.length == 0 || !AllowedInXml(c.value) || c.value == '\r' || c.value == 0x7f) {
            clean += "\xef\xbf\xbd";
            at += c.length == 0 ? 1 : c.length;
        } else {
            clean.append(text.substr(at, c.length));
            at += c.length;
        }
    }
    return clean;
}

TextRun Words(std::string_view text) { return {.text = std::string(text)}; }
TextRun Sub(std::string_view text) { return {.text = std::string(text), .script = Script::Sub}; }
TextRun Sup(std::string_view text) { return {.text = std::string(text), .script = Script::Super}; }
TextRun Bold(std::string_view text) { return {.text = std::string(text), .bold = true}; }
FormulaRun Inline(math::Expr formula) { return {std::move(formula)}; }
LinkRun Link(std::string_view text, std::string_view target) {
    return {std::string(text), std::string(target)};
}

namespace {

// The longest value, in bytes of UTF-8, that half the page's width shows in a line or two: 20
// Chinese characters.
constexpr std::size_t kLongestSideBySide = 60;

}  // namespace

std::vector<Block> TitleBlockParts(const TitleBlock& title) {
    std::vector<Block> parts;
    if (title.logo) parts.push_back({Paragraph{{*title.logo}, ParagraphLook::Subject}});
    parts.push_back({Paragraph{{Words(title.title)}, ParagraphLook::Title}});
    if (!title.subject.empty()) parts.push_back({Paragraph{title.subject, ParagraphLook::Subject}});

    // The project: a row of one field spans the table, a row of two sets them side by side.
    Table project{.columns = {23, 27, 23, 27}};
    for (const std::vector<TitleField>& fields : title.project) {
        Row row;
        for (const TitleField& field : fields) {
            row.cells.push_back({.runs = {Words(field.caption)}, .header = true});
            row.cells.push_back({.runs = {Words(field.value)}, .span = fields.size() == 1 ? 3 : 1});
        }
        project.rows.push_back(std::move(row));
    }
    // Who calculated, checked and approved: the name as given, then room to sign and date by
    // hand.
    Table signatures{.columns = {18, 30, 30, 22}, .headerRows = 1};
    Row heads;
    for (const std::string_view head : {"", "姓名", "签名", "日期"})
        heads.cells.push_back({.runs = {Words(head)}, .header = true});
    signatures.rows.push_back(std::move(heads));
    for (const Signature& signature : title.signatures) {
        signatures.rows.push_back({.cells = {{.runs = {Words(signature.role)}, .header = true},
                                             {.runs = {Words(signature.name)}},
                                             {},
                                             {}},
                                   .heightMm = 6});
    }
    // Side by side they fill page 1's width; a field too long for half of it (a name of 200
    // characters) sets them one under the other, so that the page holds them.
    std::size_t longest = 0;
    for (const std::vector<TitleField>& fields : title.project)
        for (const TitleField& field : fields) longest = std::max(longest, field.value.size());
    for (const Signature& signature : title.signatures)
        longest = std::max(longest, signature.name.size());
    if (longest > kLongestSideBySide) {
        parts.push_back({std::move(project)});
        parts.push_back({std::move(signatures)});
    } else {
        parts.push_back({SideBySide{{{{std::move(project)}}, {{std::move(signatures)}}}}});
    }
    if (!title.program.empty()) parts.push_back({Paragraph{title.program, ParagraphLook::Note}});
    return parts;
}

}  // namespace deckplate::report::doc
