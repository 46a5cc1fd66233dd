// The Word book's package, read back with minizip's unzip: every part has its content type,
// every relationship reaches a part, every relationship and bookmark the body names exists, the
// page header and footer hold the project and the page fields, the logo is the file's bytes,
// the user's text escaped; text XML cannot hold and a failing stream are errors, not a broken
// file. (The XML's well-formedness and LibreOffice's reading: docx_libreoffice_test.sh.)
#include "report/docx_writer.h"

#include <gtest/gtest.h>
#include <unzip.h>

#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "report/html_writer.h"
#include "report/tests/sample_document.h"
#include "report/xml_writer.h"
#include "report/zip_package.h"

namespace deckplate::report::doc {
namespace {

std::string Logo() {
    std::ifstream in(SAMPLE_LOGO, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// minizip's reading functions over a package in memory.
struct Memory {
    const std::string* bytes;
    std::size_t at = 0;
};
voidpf ZCALLBACK OpenMemory(voidpf opaque, const void*, int) { return opaque; }
uLong ZCALLBACK ReadMemory(voidpf, voidpf stream, void* buffer, uLong size) {
    auto& m = *static_cast<Memory*>(stream);
    const std::size_t n =
        std::min<std::size_t>(size, m.bytes->size() - std::min(m.at, m.bytes->size()));
    std::copy_n(m.bytes->data() + m.at, n, static_cast<char*>(buffer));
    m.at += n;
    return static_cast<uLong>(n);
}
uLong ZCALLBACK WriteMemory(voidpf, voidpf, const void*, uLong) { return 0; }
ZPOS64_T ZCALLBACK TellMemory(voidpf, voidpf stream) { return static_cast<Memory*>(stream)->at; }
long ZCALLBACK SeekMemory(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    auto& m = *static_cast<Memory*>(stream);
    const std::size_t base = origin == ZLIB_FILEFUNC_SEEK_CUR   ? m.at
                             : origin == ZLIB_FILEFUNC_SEEK_END ? m.bytes->size()
                                                                : 0;
    m.at = base + offset;
    return 0;
}
int ZCALLBACK CloseMemory(voidpf, voidpf) { return 0; }
int ZCALLBACK ErrorMemory(voidpf, voidpf) { return 0; }

// Every part of the package by name.
std::map<std::string, std::string> Parts(const std::string& package) {
    Memory memory{&package};
    zlib_filefunc64_def functions{OpenMemory, ReadMemory,  WriteMemory, TellMemory,
                                  SeekMemory, CloseMemory, ErrorMemory, &memory};
    unzFile zip = unzOpen2_64("", &functions);
    EXPECT_NE(zip, nullptr);
    std::map<std::string, std::string> parts;
    if (!zip) return parts;
    for (int status = unzGoToFirstFile(zip); status == UNZ_OK; status = unzGoToNextFile(zip)) {
        char name[256];
        unzGetCurrentFileInfo64(zip, nullptr, name, sizeof name, nullptr, 0, nullptr, 0);
        EXPECT_EQ(unzOpenCurrentFile(zip), UNZ_OK) << name;
        std::string content;
        char buffer[65536];
        for (int n; (n = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0;)
            content.append(buffer, static_cast<std::size_t>(n));
        EXPECT_EQ(unzCloseCurrentFile(zip), UNZ_OK) << name << ": its CRC";
        parts[name] = std::move(content);
    }
    unzClose(zip);
    return parts;
}

std::set<std::string> All(const std::string& text, const std::string& pattern) {
    std::set<std::string> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
         ++it)
        found.insert((*it)[1]);
    return found;
}

std::string Docx(const Document& document) {
    std::stringstream out;
    WriteDocx(out, document);
    return out.str();
}

// The sample book of two bays, written once for the tests that read its package.
const std::map<std::string, std::string>& SampleParts() {
    static const std::map<std::string, std::string> parts = Parts(Docx(SampleDocument(2, Logo())));
    return parts;
}

TEST(SamplePackage, HoldsEveryPartWithItsContentType) {
    std::set<std::string> names;
    for (const auto& [name, content] : SampleParts()) names.insert(name);
    EXPECT_EQ(names, (std::set<std::string>{
                         "[Content_Types].xml", "_rels/.rels", "docProps/app.xml",
                         "docProps/core.xml", "word/_rels/document.xml.rels", "word/document.xml",
                         "word/fontTable.xml", "word/footer1.xml", "word/header1.xml",
                         "word/media/image1.png", "word/settings.xml", "word/styles.xml"}));
    const std::string& types = SampleParts().at("[Content_Types].xml");
    const std::set<std::string> overrides = All(types, "PartName=\"/([^\"]+)\"");
    const std::set<std::string> defaults = All(types, "Extension=\"([^\"]+)\"");
    for (const std::string& name : names) {
        if (name == "[Content_Types].xml") continue;
        const std::string extension = name.substr(name.rfind('.') + 1);
        EXPECT_TRUE(overrides.count(name) || defaults.count(extension)) << name;
    }
    for (const std::string& name : overrides) EXPECT_TRUE(names.count(name)) << name;
}

TEST(SamplePackage, EveryRelationshipReachesAPart) {
    for (const auto& [rels, folder] :
         {std::pair{"_rels/.rels", ""}, {"word/_rels/document.xml.rels", "word/"}}) {
        for (const std::string& target : All(SampleParts().at(rels), "Target=\"([^\"]+)\""))
            EXPECT_TRUE(SampleParts().count(folder + target)) << rels << ": " << target;
    }
}

TEST(SamplePackage, TheBodyNamesOnlyWhatExists) {
    const std::string& body = SampleParts().at("word/document.xml");
    const std::set<std::string> ids =
        All(SampleParts().at("word/_rels/document.xml.rels"), "Id=\"([^\"]+)\"");
    for (const std::string& id : All(body, "r:(?:id|embed)=\"([^\"]+)\""))
        EXPECT_TRUE(ids.count(id)) << id;
    const std::set<std::string> bookmarks =
        All(body, "w:bookmarkStart w:id=\"[0-9]+\" w:name=\"([^\"]+)\"");
    const std::set<std::string> anchors = All(body, "w:anchor=\"([^\"]+)\"");
    const std::set<std::string> pages = All(body, "PAGEREF ([^ ]+) ");
    EXPECT_EQ(anchors.size(), 2u);  // the two bays, from the contents and the link
    for (const std::string& anchor : anchors) EXPECT_TRUE(bookmarks.count(anchor)) << anchor;
    for (const std::string& page : pages) EXPECT_TRUE(bookmarks.count(page)) << page;
    // Every docPr id its own.
    const std::regex docPr("<wp:docPr id=\"([0-9]+)\"");
    std::multiset<std::string> drawings;
    for (auto it = std::sregex_iterator(body.begin(), body.end(), docPr);
         it != std::sregex_iterator(); ++it)
        drawings.insert((*it)[1]);
    EXPECT_EQ(drawings.size(), 5u);  // the logo and two drawings a bay
    for (const std::string& id : drawings) EXPECT_EQ(drawings.count(id), 1u) << id;
}

TEST(SamplePackage, PagesCarryTheProjectAndTheirNumbers) {
    EXPECT_NE(
        SampleParts().at("word/header1.xml").find("某化工厂检修平台 &lt;3#&gt; &amp; \"B\" 区"),
        std::string::npos);
    const std::string& footer = SampleParts().at("word/footer1.xml");
    EXPECT_NE(footer.find("第 </w:t>"), std::string::npos);
    EXPECT_NE(footer.find("w:instr=\" PAGE \""), std::string::npos);
    EXPECT_NE(footer.find("w:instr=\" NUMPAGES \""), std::string::npos);
    const std::string& body = SampleParts().at("word/document.xml");
    EXPECT_NE(body.find("<w:pgSz w:w=\"11906\" w:h=\"16838\"/>"), std::string::npos);
    EXPECT_NE(body.find("w:top=\"850\" w:right=\"850\" w:bottom=\"794\" w:left=\"850\""),
              std::string::npos);
    EXPECT_NE(SampleParts().at("word/settings.xml").find("<w:updateFields w:val=\"true\"/>"),
              std::string::npos);
    EXPECT_NE(body.find(" TOC \\o \"1-1\" \\h \\z \\u "), std::string::npos);
}

TEST(SamplePackage, KeepsTheLogoAndTheBooksParts) {
    EXPECT_EQ(SampleParts().at("word/media/image1.png"), Logo());
    const std::string& body = SampleParts().at("word/document.xml");
    // Every formula of a bay an equation: 18 on lines of their own (a continuation line its
    // own), 3 within a line; two bays.
    std::size_t equations = 0;
    for (std::size_t at = 0; (at = body.find("<m:oMath>", at)) != std::string::npos; ++at)
        ++equations;
    EXPECT_EQ(equations, 2u * 21u);
    EXPECT_NE(body.find("<w:pStyle w:val=\"Heading1\"/>"), std::string::npos);
    EXPECT_NE(body.find("<w:color w:val=\"C00000\"/>"), std::string::npos);
    const std::string& styles = SampleParts().at("word/styles.xml");
    for (const char* style : {"heading 1", "heading 2", "heading 3", "Normal", "toc 1"})
        EXPECT_NE(styles.find(std::string("<w:name w:val=\"") + style + "\"/>"), std::string::npos)
            << style;
    EXPECT_NE(styles.find("<w:outlineLvl w:val=\"2\"/>"), std::string::npos);
}

TEST(DocxWriter, RefusesTextXmlCannotHold) {
    std::stringstream out;
    DocxWriter writer(out, SampleInfo());
    EXPECT_THROW(writer.Write({Paragraph{{Words("a\x01")}}}), XmlTextError);
    EXPECT_NO_THROW(writer.Write({Paragraph{{Words(Clean("a\x01"))}}}));
}

TEST(DocxWriter, SaysWhenTheStreamFails) {
    std::stringstream out;
    out.setstate(std::ios::badbit);
    EXPECT_THROW(
        {
            DocxWriter writer(out, SampleInfo());
            writer.Write({Paragraph{{Words("x")}}});
            writer.Finish();
        },
        PackageError);
}

// A JPEG picture goes in as one, beside a PNG.
TEST(DocxWriter, EmbedsJpegAndPng) {
    Document document{.info = SampleInfo()};
    document.blocks.push_back({Paragraph{
        {ImageRun{.bytes = "jpeg bytes", .type = ImageType::Jpeg, .widthMm = 10, .heightMm = 5},
         ImageRun{.bytes = Logo(), .widthMm = 30, .heightMm = 10}}}});
    const auto parts = Parts(Docx(document));
    EXPECT_EQ(parts.at("word/media/image1.jpeg"), "jpeg bytes");
    EXPECT_EQ(parts.at("word/media/image2.png"), Logo());
    EXPECT_NE(parts.at("word/document.xml").find("<wp:extent cx=\"360000\" cy=\"180000\"/>"),
              std::string::npos);
}

// The HTML book of the same document: its head and page boxes, MathML and SVG, the logo as data.
TEST(HtmlWriter, WritesTheSameDocumentAsOnePage) {
    const std::string html = HtmlOf(SampleDocument(1, Logo()));
    for (const char* part :
         {"<title>钢平台铺板及加劲肋计算书 — 排表 平台B</title>",
          "@top-center { content: \"某化工厂检修平台 \\3c 3#> & \\\"B\\\" 区\"",
          "<h2 id=\"bay-1\">1 平台B 第1跨</h2>", "<math display=\"block\">", "<svg width=",
          "src=\"data:image/png;base64,iVBORw0KGgo", "<p class=\"verdict exceeded\">",
          "<tr class=\"exceeded\">", "<tr class=\"sum\">", "<a href=\"#bay-1\">",
          "<td colspan=\"3\">某化工厂检修平台 &lt;3#&gt; &amp; &quot;B&quot; 区</td>"}) {
        EXPECT_NE(html.find(part), std::string::npos) << part;
    }
}

}  // namespace
}  // namespace deckplate::report::doc
