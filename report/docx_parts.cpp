#include "report/docx_parts.h"

#include <cmath>
#include <regex>

#include "report/xml_writer.h"

namespace deckplate::report::doc::docx {
namespace {

// The page as the HTML book's @page: A4, margins 15 mm but 14 mm at the foot, the header and
// footer text within the margins.
constexpr double kPageWidth = 210, kPageHeight = 297;
constexpr double kMarginTop = 15, kMarginSide = 15, kMarginBottom = 14;
constexpr double kHeaderDistance = 7, kFooterDistance = 6;

constexpr std::string_view kMain = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr std::string_view kRelationships =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
constexpr std::string_view kPackageRelationships =
    "http://schemas.openxmlformats.org/package/2006/relationships";

// Styles: the Word names of the built-in ones (Word shows them in its own language: "heading 1"
// is 标题 1 in a Chinese Word), the book's own named in Chinese. Sizes in half-points, lengths in
// twips. Latin text and numbers in Times New Roman, Chinese in 宋体, both at 10 pt, as the HTML
// book.
constexpr std::string_view kStyles =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:styles xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">
<w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii="Times New Roman" w:hAnsi="Times New Roman" w:eastAsia="宋体" w:cs="Times New Roman"/><w:sz w:val="20"/><w:szCs w:val="20"/><w:lang w:val="en-US" w:eastAsia="zh-CN" w:bidi="ar-SA"/></w:rPr></w:rPrDefault><w:pPrDefault><w:pPr><w:spacing w:after="57" w:line="300" w:lineRule="auto"/></w:pPr></w:pPrDefault></w:docDefaults>
<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/><w:qFormat/></w:style>
<w:style w:type="paragraph" w:styleId="Title"><w:name w:val="Title"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:qFormat/><w:pPr><w:spacing w:before="0" w:after="57"/><w:jc w:val="center"/></w:pPr><w:rPr><w:b/><w:bCs/><w:spacing w:val="34"/><w:sz w:val="34"/><w:szCs w:val="34"/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="Subtitle"><w:name w:val="Subtitle"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:qFormat/><w:pPr><w:spacing w:after="113"/><w:jc w:val="center"/></w:pPr><w:rPr><w:sz w:val="22"/><w:szCs w:val="22"/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="Heading1"><w:name w:val="heading 1"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:qFormat/><w:pPr><w:keepNext/><w:keepLines/><w:pBdr><w:bottom w:val="single" w:sz="12" w:space="1" w:color="000000"/></w:pBdr><w:spacing w:before="170" w:after="85"/><w:outlineLvl w:val="0"/></w:pPr><w:rPr><w:b/><w:bCs/><w:sz w:val="28"/><w:szCs w:val="28"/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="Heading2"><w:name w:val="heading 2"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:qFormat/><w:pPr><w:keepNext/><w:keepLines/><w:pBdr><w:bottom w:val="single" w:sz="6" w:space="1" w:color="444444"/></w:pBdr><w:spacing w:before="170" w:after="85"/><w:outlineLvl w:val="1"/></w:pPr><w:rPr><w:b/><w:bCs/><w:sz w:val="24"/><w:szCs w:val="24"/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="Heading3"><w:name w:val="heading 3"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:qFormat/><w:pPr><w:keepNext/><w:keepLines/><w:spacing w:before="113" w:after="57"/><w:outlineLvl w:val="2"/></w:pPr><w:rPr><w:b/><w:bCs/><w:sz w:val="21"/><w:szCs w:val="21"/></w:rPr></w:style>
<w:style w:type="paragraph" w:customStyle="1" w:styleId="Note"><w:name w:val="说明"/><w:basedOn w:val="Normal"/><w:qFormat/><w:rPr><w:color w:val="333333"/><w:sz w:val="18"/><w:szCs w:val="18"/></w:rPr></w:style>
<w:style w:type="paragraph" w:customStyle="1" w:styleId="Formula"><w:name w:val="公式"/><w:basedOn w:val="Normal"/><w:qFormat/><w:pPr><w:keepLines/><w:spacing w:before="23" w:after="23"/><w:ind w:left="340"/></w:pPr></w:style>
<w:style w:type="paragraph" w:customStyle="1" w:styleId="FormulaContinued"><w:name w:val="公式续行"/><w:basedOn w:val="Formula"/><w:qFormat/><w:pPr><w:ind w:left="794"/></w:pPr></w:style>
<w:style w:type="paragraph" w:customStyle="1" w:styleId="Verdict"><w:name w:val="验算结果"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:qFormat/><w:pPr><w:spacing w:after="113"/><w:ind w:left="340"/></w:pPr><w:rPr><w:b/><w:bCs/></w:rPr></w:style>
<w:style w:type="paragraph" w:customStyle="1" w:styleId="Statement"><w:name w:val="结论"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:qFormat/><w:pPr><w:spacing w:before="113" w:after="113"/></w:pPr><w:rPr><w:b/><w:bCs/><w:sz w:val="22"/><w:szCs w:val="22"/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="Caption"><w:name w:val="caption"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:qFormat/><w:rPr><w:color w:val="333333"/><w:sz w:val="17"/><w:szCs w:val="17"/></w:rPr></w:style>
<w:style w:type="paragraph" w:customStyle="1" w:styleId="Drawing"><w:name w:val="插图"/><w:basedOn w:val="Normal"/><w:next w:val="Caption"/><w:qFormat/><w:pPr><w:keepNext/><w:spacing w:after="0" w:line="240" w:lineRule="auto"/></w:pPr></w:style>
<w:style w:type="paragraph" w:customStyle="1" w:styleId="TableText"><w:name w:val="表格文字"/><w:basedOn w:val="Normal"/><w:qFormat/><w:pPr><w:spacing w:after="0" w:line="264" w:lineRule="auto"/></w:pPr></w:style>
<w:style w:type="paragraph" w:customStyle="1" w:styleId="TableNumbers"><w:name w:val="表格数列"/><w:basedOn w:val="TableText"/><w:qFormat/><w:pPr><w:jc w:val="right"/></w:pPr><w:rPr><w:sz w:val="18"/><w:szCs w:val="18"/></w:rPr></w:style>
<w:style w:type="paragraph" w:customStyle="1" w:styleId="CellEnd"><w:name w:val="单元格末行"/><w:basedOn w:val="Normal"/><w:pPr><w:spacing w:after="0" w:line="20" w:lineRule="exact"/></w:pPr><w:rPr><w:sz w:val="2"/><w:szCs w:val="2"/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="TOCHeading"><w:name w:val="TOC Heading"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:qFormat/><w:pPr><w:keepNext/><w:spacing w:before="170" w:after="85"/></w:pPr><w:rPr><w:b/><w:bCs/><w:sz w:val="24"/><w:szCs w:val="24"/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="TOC1"><w:name w:val="toc 1"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:pPr><w:tabs><w:tab w:val="right" w:leader="dot" w:pos="10195"/></w:tabs><w:spacing w:after="0"/></w:pPr></w:style>
<w:style w:type="paragraph" w:styleId="TOC2"><w:name w:val="toc 2"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:pPr><w:tabs><w:tab w:val="right" w:leader="dot" w:pos="10195"/></w:tabs><w:spacing w:after="0"/><w:ind w:left="210"/></w:pPr></w:style>
<w:style w:type="paragraph" w:styleId="TOC3"><w:name w:val="toc 3"/><w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:pPr><w:tabs><w:tab w:val="right" w:leader="dot" w:pos="10195"/></w:tabs><w:spacing w:after="0"/><w:ind w:left="420"/></w:pPr></w:style>
<w:style w:type="paragraph" w:styleId="Header"><w:name w:val="header"/><w:basedOn w:val="Normal"/><w:pPr><w:spacing w:after="0"/><w:jc w:val="center"/></w:pPr><w:rPr><w:color w:val="444444"/><w:sz w:val="17"/><w:szCs w:val="17"/></w:rPr></w:style>
<w:style w:type="paragraph" w:styleId="Footer"><w:name w:val="footer"/><w:basedOn w:val="Normal"/><w:pPr><w:spacing w:after="0"/><w:jc w:val="center"/></w:pPr><w:rPr><w:color w:val="444444"/><w:sz w:val="17"/><w:szCs w:val="17"/></w:rPr></w:style>
<w:style w:type="character" w:default="1" w:styleId="DefaultParagraphFont"><w:name w:val="Default Paragraph Font"/><w:uiPriority w:val="1"/><w:semiHidden/><w:unhideWhenUsed/></w:style>
<w:style w:type="table" w:default="1" w:styleId="TableNormal"><w:name w:val="Normal Table"/><w:uiPriority w:val="99"/><w:semiHidden/><w:unhideWhenUsed/><w:tblPr><w:tblInd w:w="0" w:type="dxa"/><w:tblCellMar><w:top w:w="0" w:type="dxa"/><w:left w:w="108" w:type="dxa"/><w:bottom w:w="0" w:type="dxa"/><w:right w:w="108" w:type="dxa"/></w:tblCellMar></w:tblPr></w:style>
<w:style w:type="table" w:customStyle="1" w:styleId="BookTable"><w:name w:val="计算书表格"/><w:basedOn w:val="TableNormal"/><w:qFormat/><w:pPr><w:spacing w:after="0" w:line="264" w:lineRule="auto"/></w:pPr><w:tblPr><w:tblBorders><w:top w:val="single" w:sz="6" w:space="0" w:color="999999"/><w:left w:val="single" w:sz="6" w:space="0" w:color="999999"/><w:bottom w:val="single" w:sz="6" w:space="0" w:color="999999"/><w:right w:val="single" w:sz="6" w:space="0" w:color="999999"/><w:insideH w:val="single" w:sz="6" w:space="0" w:color="999999"/><w:insideV w:val="single" w:sz="6" w:space="0" w:color="999999"/></w:tblBorders><w:tblCellMar><w:top w:w="28" w:type="dxa"/><w:left w:w="85" w:type="dxa"/><w:bottom w:w="28" w:type="dxa"/><w:right w:w="85" w:type="dxa"/></w:tblCellMar></w:tblPr></w:style>
<w:style w:type="table" w:customStyle="1" w:styleId="SideBySide"><w:name w:val="并排"/><w:basedOn w:val="TableNormal"/><w:tblPr><w:tblCellMar><w:top w:w="0" w:type="dxa"/><w:left w:w="0" w:type="dxa"/><w:bottom w:w="0" w:type="dxa"/><w:right w:w="142" w:type="dxa"/></w:tblCellMar></w:tblPr></w:style>
</w:styles>
)";

// Word updates the fields (the contents' page numbers) when it opens the book, and sets
// equations at the left margin as the HTML book does.
constexpr std::string_view kSettings =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:settings xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main" xmlns:m="http://schemas.openxmlformats.org/officeDocument/2006/math"><w:defaultTabStop w:val="420"/><w:characterSpacingControl w:val="compressPunctuation"/><w:updateFields w:val="true"/><w:compat><w:compatSetting w:name="compatibilityMode" w:uri="http://schemas.microsoft.com/office/word" w:val="15"/></w:compat><m:mathPr><m:mathFont m:val="Cambria Math"/><m:brkBin m:val="before"/><m:brkBinSub m:val="--"/><m:smallFrac m:val="0"/><m:dispDef/><m:lMargin m:val="0"/><m:rMargin m:val="0"/><m:defJc m:val="left"/><m:wrapIndent m:val="1440"/><m:intLim m:val="subSup"/><m:naryLim m:val="undOvr"/></m:mathPr><w:themeFontLang w:val="en-US" w:eastAsia="zh-CN"/></w:settings>
)";

constexpr std::string_view kFontTable =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<w:fonts xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main">
<w:font w:name="Times New Roman"><w:panose1 w:val="02020603050405020304"/><w:charset w:val="00"/><w:family w:val="roman"/><w:pitch w:val="variable"/></w:font>
<w:font w:name="宋体"><w:altName w:val="SimSun"/><w:panose1 w:val="02010600030101010101"/><w:charset w:val="86"/><w:family w:val="auto"/><w:pitch w:val="variable"/></w:font>
<w:font w:name="Cambria Math"><w:panose1 w:val="02040503050406030204"/><w:charset w:val="00"/><w:family w:val="roman"/><w:pitch w:val="variable"/></w:font>
<w:font w:name="Arial"><w:panose1 w:val="020B0604020202020204"/><w:charset w:val="00"/><w:family w:val="swiss"/><w:pitch w:val="variable"/></w:font>
</w:fonts>
)";

struct PartType {
    std::string_view name;  ///< the part's name in the package: "/word/styles.xml"
    std::string contentType;
    std::string_view relationship;  ///< from word/document.xml, empty for none
};
constexpr std::string_view kWordML =
    "application/vnd.openxmlformats-officedocument.wordprocessingml.";
constexpr std::string_view kOfficeRelationship =
    "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";

void WriteWhole(ZipPackage& package, std::string_view part, std::string_view bytes) {
    package.BeginPart(part);
    package.Write(bytes);
    package.EndPart();
}

// A part written through an XmlWriter into the package.
template <class Content>
void WriteXml(ZipPackage& package, std::string_view part, Content content) {
    package.BeginPart(part);
    XmlWriter xml([&](std::string_view bytes) { package.Write(bytes); });
    xml.Declaration();
    content(xml);
    xml.Flush();
    package.EndPart();
}

// A paragraph of the header or footer: its text, with `field` (PAGE, NUMPAGES) between pieces.
void SimpleField(XmlWriter& xml, std::string_view instruction) {
    xml.Open("w:fldSimple", {{"w:instr", instruction}});
    xml.Open("w:r");
    xml.Leaf("w:t", "1");
    xml.Close();
    xml.Close();
}

void TextRun(XmlWriter& xml, std::string_view text) {
    xml.Open("w:r");
    xml.Leaf("w:t", text, {{"xml:space", "preserve"}});
    xml.Close();
}

void HeaderPart(XmlWriter& xml, std::string_view header) {
    xml.Open("w:hdr", kBodyNamespaces);
    xml.Open("w:p");
    xml.Open("w:pPr");
    xml.Empty("w:pStyle", {{"w:val", "Header"}});
    xml.Close();
    TextRun(xml, header);
    xml.Close();
    xml.Close();
}

// 第 N 页 共 M 页, N and M fields that Word and LibreOffice count as they lay the pages out.
void FooterPart(XmlWriter& xml) {
    xml.Open("w:ftr", kBodyNamespaces);
    xml.Open("w:p");
    xml.Open("w:pPr");
    xml.Empty("w:pStyle", {{"w:val", "Footer"}});
    xml.Close();
    TextRun(xml, "第 ");
    SimpleField(xml, " PAGE ");
    TextRun(xml, " 页 共 ");
    SimpleField(xml, " NUMPAGES ");
    TextRun(xml, " 页");
    xml.Close();
    xml.Close();
}

void CoreProperties(XmlWriter& xml, const DocumentInfo& info) {
    xml.Open(
        "cp:coreProperties",
        {{"xmlns:cp", "http://schemas.openxmlformats.org/package/2006/metadata/core-properties"},
         {"xmlns:dc", "http://purl.org/dc/elements/1.1/"},
         {"xmlns:dcterms", "http://purl.org/dc/terms/"},
         {"xmlns:xsi", "http://www.w3.org/2001/XMLSchema-instance"}});
    xml.Leaf("dc:title", info.title);
    if (!info.author.empty()) xml.Leaf("dc:creator", info.author);
    xml.Leaf("dc:language", "zh-CN");
    // A date as the format has it, W3CDTF; a date in another form is left out rather than
    // make the properties unreadable.
    static const std::regex kDate(R"(\d{4}-\d{2}-\d{2})");
    if (std::regex_match(info.date, kDate)) {
        const std::string stamp = info.date + "T00:00:00Z";
        xml.Leaf("dcterms:created", stamp, {{"xsi:type", "dcterms:W3CDTF"}});
        xml.Leaf("dcterms:modified", stamp, {{"xsi:type", "dcterms:W3CDTF"}});
    }
    xml.Close();
}

void AppProperties(XmlWriter& xml, const DocumentInfo& info) {
    xml.Open(
        "Properties",
        {{"xmlns", "http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"}});
    xml.Leaf("Application", info.generator);
    xml.Close();
}

}  // namespace

const std::initializer_list<std::pair<std::string_view, std::string_view>> kBodyNamespaces = {
    {"xmlns:w", kMain},
    {"xmlns:r", kRelationships},
    {"xmlns:m", "http://schemas.openxmlformats.org/officeDocument/2006/math"},
    {"xmlns:wp", "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing"},
    {"xmlns:a", "http://schemas.openxmlformats.org/drawingml/2006/main"},
    {"xmlns:pic", "http://schemas.openxmlformats.org/drawingml/2006/picture"},
    {"xmlns:wps", "http://schemas.microsoft.com/office/word/2010/wordprocessingShape"},
    {"xmlns:wpg", "http://schemas.microsoft.com/office/word/2010/wordprocessingGroup"},
    {"xmlns:mc", "http://schemas.openxmlformats.org/markup-compatibility/2006"},
};

int Twips(double mm) { return static_cast<int>(std::lround(mm * 1440 / 25.4)); }

int TextWidth() { return Twips(kPageWidth - 2 * kMarginSide); }

void WriteSection(XmlWriter& xml) {
    xml.Open("w:sectPr");
    xml.Empty("w:headerReference", {{"w:type", "default"}, {"r:id", "rIdHeader"}});
    xml.Empty("w:footerReference", {{"w:type", "default"}, {"r:id", "rIdFooter"}});
    xml.Empty("w:pgSz", {{"w:w", std::to_string(Twips(kPageWidth))},
                         {"w:h", std::to_string(Twips(kPageHeight))}});
    xml.Empty("w:pgMar", {{"w:top", std::to_string(Twips(kMarginTop))},
                          {"w:right", std::to_string(Twips(kMarginSide))},
                          {"w:bottom", std::to_string(Twips(kMarginBottom))},
                          {"w:left", std::to_string(Twips(kMarginSide))},
                          {"w:header", std::to_string(Twips(kHeaderDistance))},
                          {"w:footer", std::to_string(Twips(kFooterDistance))},
                          {"w:gutter", "0"}});
    xml.Close();
}

void WriteOtherParts(ZipPackage& package, const DocumentInfo& info,
                     const std::vector<Media>& media) {
    WriteWhole(package, "word/styles.xml", kStyles);
    WriteWhole(package, "word/settings.xml", kSettings);
    WriteWhole(package, "word/fontTable.xml", kFontTable);
    WriteXml(package, "word/header1.xml", [&](XmlWriter& xml) { HeaderPart(xml, info.header); });
    WriteXml(package, "word/footer1.xml", FooterPart);
    WriteXml(package, "docProps/core.xml", [&](XmlWriter& xml) { CoreProperties(xml, info); });
    WriteXml(package, "docProps/app.xml", [&](XmlWriter& xml) { AppProperties(xml, info); });
    for (const Media& picture : media) WriteWhole(package, "word/" + picture.part, picture.bytes);

    const std::string word(kWordML), office(kOfficeRelationship);
    const PartType parts[] = {
        {"/word/document.xml", word + "document.main+xml", ""},
        {"/word/styles.xml", word + "styles+xml", "styles"},
        {"/word/settings.xml", word + "settings+xml", "settings"},
        {"/word/fontTable.xml", word + "fontTable+xml", "fontTable"},
        {"/word/header1.xml", word + "header+xml", "header"},
        {"/word/footer1.xml", word + "footer+xml", "footer"},
        {"/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml", ""},
        {"/docProps/app.xml",
         "application/vnd.openxmlformats-officedocument.extended-properties+xml", ""},
    };
    WriteXml(package, "[Content_Types].xml", [&](XmlWriter& xml) {
        xml.Open("Types",
                 {{"xmlns", "http://schemas.openxmlformats.org/package/2006/content-types"}});
        xml.Empty("Default",
                  {{"Extension", "rels"},
                   {"ContentType", "application/vnd.openxmlformats-package.relationships+xml"}});
        xml.Empty("Default", {{"Extension", "xml"}, {"ContentType", "application/xml"}});
        xml.Empty("Default", {{"Extension", "png"}, {"ContentType", "image/png"}});
        xml.Empty("Default", {{"Extension", "jpeg"}, {"ContentType", "image/jpeg"}});
        for (const PartType& part : parts) {
            xml.Empty("Override", {{"PartName", part.name}, {"ContentType", part.contentType}});
        }
        xml.Close();
    });
    WriteXml(package, "_rels/.rels", [&](XmlWriter& xml) {
        xml.Open("Relationships", {{"xmlns", kPackageRelationships}});
        xml.Empty("Relationship", {{"Id", "rIdDocument"},
                                   {"Type", office + "officeDocument"},
                                   {"Target", "word/document.xml"}});
        xml.Empty("Relationship",
                  {{"Id", "rIdCore"},
                   {"Type",
                    "http://schemas.openxmlformats.org/package/2006/relationships/metadata/"
                    "core-properties"},
                   {"Target", "docProps/core.xml"}});
        xml.Empty("Relationship", {{"Id", "rIdApp"},
                                   {"Type", office + "extended-properties"},
                                   {"Target", "docProps/app.xml"}});
        xml.Close();
    });
    WriteXml(package, "word/_rels/document.xml.rels", [&](XmlWriter& xml) {
        xml.Open("Relationships", {{"xmlns", kPackageRelationships}});
        for (const PartType& part : parts) {
            if (part.relationship.empty()) continue;
            std::string id(part.relationship);
            id[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(id[0])));
            xml.Empty("Relationship", {{"Id", "rId" + id},
                                       {"Type", office + std::string(part.relationship)},
                                       {"Target", part.name.substr(6)}});
        }
        for (const Media& picture : media) {
            xml.Empty("Relationship", {{"Id", picture.relationship},
                                       {"Type", office + "image"},
                                       {"Target", picture.part}});
        }
        xml.Close();
    });
}

}  // namespace deckplate::report::doc::docx
