// What a checker red-pens in a calculation book, held for both formats on the model they share:
// every verdict written as print writes it, one term for the plate, a printed value the one
// used, numbers of one style in the series table, no mark of punctuation beginning a line after
// a formula; the institute's title block; and the book's file: its format by its name, its logo
// read from a PNG or JPEG file or refused naming the file.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <regex>

#include "os/paths.h"
#include "report/book_file.h"
#include "report/book_parts.h"
#include "report/html_writer.h"
#include "report/tests/catalogue_angles.h"

namespace deckplate::report {
namespace {

const BayInput kWalkway{.dead = 1,
                        .live = 2,
                        .thickness = ThicknessOf(4),
                        .span = 2000,
                        .spacing = 500,
                        .stiffener = Angle("L45x28x3"),
                        .basis = DesignBasis::Current,
                        .pointLoad = PointLoad{}};
const BayInput kFailingAngle{.dead = 1.5,
                             .live = 3.5,
                             .thickness = ThicknessOf(6),
                             .span = 2400,
                             .spacing = 600,
                             .stiffener = Angle("L50x32x4"),
                             .basis = DesignBasis::Current};
const BayInput kLegacyFlatBar{.dead = 1,
                              .live = 2,
                              .thickness = ThicknessOf(6),
                              .span = 2000,
                              .spacing = 500,
                              .stiffener = FlatBar{80, 8}};

std::string Html(const BookInput& input) {
    return doc::HtmlOf(CalculationBook(input, CheckBay(input.bay)));
}

TEST(BookAsPrinted, NoWindowStyleNoMixedTermsNoStrayPunctuation) {
    for (const BayInput& bay : {kWalkway, kFailingAngle, kLegacyFlatBar}) {
        const std::string page = Html({.bay = bay, .version = "1.0.0"});
        const std::string html = page.substr(page.find("<body>"));
        // The window's verdict sentences and number style, and its other term for the plate.
        for (const char* window :
             {"> .", " .0", " .1", " .5", " .8", "N/mm2", "平台铺板挠度", "平台铺板强度",
              "须重新计算", "<1/", "<215", ",须", "cm²", "cm⁴"})
            EXPECT_EQ(html.find(window), std::string::npos) << window;
        // A mark after a formula stays on the formula's line.
        const auto count = [&](const std::string& what) {
            std::size_t n = 0;
            for (auto at = html.find(what); at != std::string::npos; at = html.find(what, at + 1))
                ++n;
            return n;
        };
        for (const char* mark : {"，", "。", "；"})
            EXPECT_EQ(count(Cat("</math>", mark)), count(Cat("</math>", mark, "</span>"))) << mark;
    }
}

// The strip be × t: its area and inertia are worked from be as printed, to their last digit.
TEST(BookAsPrinted, StripAreaAndInertiaFromThePrintedWidth) {
    for (const BayInput& bay : {kWalkway, kFailingAngle, kLegacyFlatBar}) {
        const BookFigures f = FiguresOf(bay, CheckBay(bay));
        const double t = bay.thickness.mm, be = ValueOf(f.be);
        EXPECT_LE(std::fabs(be * t - ValueOf(f.Ap)), LastDigit(f.Ap) / 2) << Text(f.be);
        EXPECT_LE(std::fabs(be * t * t * t / 12 - ValueOf(f.Ip)), LastDigit(f.Ip) / 2)
            << Text(f.be);
    }
}

// A moment in N·mm and in kN·m: the same digits, never a second rounding beside the first.
TEST(BookAsPrinted, MomentInKilonewtonMetresKeepsItsDigits) {
    const struct {
        Figure newtonMillimetres;
        const char* kilonewtonMetres;
    } cases[] = {
        {{"2.565", 6}, "2.565"},      {{"1.0876", 6}, "1.0876"}, {{"9.876", 5}, "0.9876"},
        {{"1.2", 7}, "12"},           {{"3.5", 4}, "0.035"},     {{"-1.25", 6}, "-1.25"},
        {{"1250000", 0}, "1.250000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Text(KilonewtonMetres(c.newtonMillimetres)), c.kilonewtonMetres)
            << Text(c.newtonMillimetres);
}

// The series table writes every term and sum alike: four digits times a power of ten.
TEST(BookAsPrinted, SeriesTableInOneStyle) {
    const std::string html = Html({.bay = kWalkway, .version = "1.0.0"});
    const std::size_t table = html.find("<table class=\"series\">");
    ASSERT_NE(table, std::string::npos);
    const std::string series = html.substr(table, html.find("</table>", table) - table);
    const std::regex cell("<td class=\"number\">([^<]*)</td>");
    int numbers = 0;
    for (auto it = std::sregex_iterator(series.begin(), series.end(), cell);
         it != std::sregex_iterator(); ++it) {
        const std::string text = (*it)[1];
        if (text.find('.') == std::string::npos) continue;  // m, "…", "Σ"
        ++numbers;
        EXPECT_TRUE(std::regex_match(text, std::regex("-?[0-9]\\.[0-9]{3}(×10⁻?[⁰¹²³⁴⁵⁶⁷⁸⁹]+)?")))
            << text;
    }
    EXPECT_GE(numbers, 12);
}

// The institute's lines when given, none when not; the member under the title without a name.
TEST(BookTitleBlock, InstitutesLinesWhenGiven) {
    BookInput input{.bay = kLegacyFlatBar,
                    .project = {.name = "某厂",
                                .designUnit = "某某设计研究院",
                                .bookNumber = "JS-017",
                                .member = "平台B 第3跨",
                                .leadEngineer = "李四",
                                .authorizedBy = "王五"},
                    .version = "1.0.0"};
    std::string html = Html(input);
    for (const char* line : {"<th>设计单位</th><td colspan=\"3\">某某设计研究院</td>",
                             "<th>计算书编号</th><td colspan=\"3\">JS-017</td>",
                             "构件：平台B 第3跨", ">专业负责人</th><td style=\"height: 6mm\">李四",
                             ">审定</th><td style=\"height: 6mm\">王五"})
        EXPECT_NE(html.find(line), std::string::npos) << line;
    // No Linux path for the verification manual on the cover.
    EXPECT_EQ(html.find("/usr/share"), std::string::npos);
    input.project = {.name = "某厂"};
    html = Html(input);
    for (const char* line : {"设计单位", "计算书编号", "构件：", "专业负责人", "审定"})
        EXPECT_EQ(html.find(line), std::string::npos) << line;
}

TEST(BookFile, FormatByTheNamesExtension) {
    const struct {
        const char* name;
        std::optional<BookFormat> format;
    } cases[] = {
        {"b.docx", BookFormat::Docx}, {"B.DOCX", BookFormat::Docx}, {"b.html", BookFormat::Html},
        {"b.htm", BookFormat::Html},  {"b.HTM", BookFormat::Html},  {"b.pdf", std::nullopt},
        {"b", std::nullopt},          {"b.doc", std::nullopt},      {"docx", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(BookFormatOf(c.name), c.format) << c.name;
}

std::filesystem::path WriteTemporary(std::string_view name, std::string_view bytes) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// A JPEG's frame header after an application segment: 40 × 20 pixels.
const std::string kJpeg("\xff\xd8\xff\xe0\x00\x04\x00\x00\xff\xc0\x00\x11\x08\x00\x14\x00\x28", 17);

TEST(BookFile, LogoReadWithItsShapeOrRefusedNamingTheFile) {
    project::ProjectInfo project{.logo = SAMPLE_LOGO};  // 96 × 32 pixels
    std::optional<doc::ImageRun> logo = ReadLogo(project);
    ASSERT_TRUE(logo);
    EXPECT_EQ(logo->type, doc::ImageType::Png);
    EXPECT_DOUBLE_EQ(logo->heightMm, 15);
    EXPECT_DOUBLE_EQ(logo->widthMm, 45);
    project.logo = os::Utf8Of(WriteTemporary("book_print_test_logo.jpg", kJpeg));
    logo = ReadLogo(project);
    ASSERT_TRUE(logo);
    EXPECT_EQ(logo->type, doc::ImageType::Jpeg);
    EXPECT_DOUBLE_EQ(logo->widthMm, 30);
    project.logo.clear();
    EXPECT_FALSE(ReadLogo(project));

    using Fault = BookFileProblem::Fault;
    const struct {
        const char* name;
        std::string file;
        Fault fault;
    } refused[] = {
        {"missing", "/nonexistent/logo.png", Fault::LogoUnreadable},
        {"a folder", os::Utf8Of(std::filesystem::temp_directory_path()), Fault::LogoUnreadable},
        {"a GIF", os::Utf8Of(WriteTemporary("book_print_test_logo.gif", "GIF89a\x01\x00\x01\x00")),
         Fault::LogoNotAnImage},
        {"a PNG cut short",
         os::Utf8Of(WriteTemporary("book_print_test_cut.png", "\x89PNG\r\n\x1a\n")),
         Fault::LogoNotAnImage},
    };
    for (const auto& c : refused) {
        project.logo = c.file;
        try {
            ReadLogo(project);
            ADD_FAILURE() << c.name << ": read";
        } catch (const BookFileError& e) {
            EXPECT_EQ(e.Problem().fault, c.fault) << c.name;
            EXPECT_NE(std::string(e.what()).find(c.file), std::string::npos) << e.what();
        }
    }
}

// The logo is embedded in both formats, as the file's own bytes.
TEST(BookFile, LogoInBothFormats) {
    const BookInput input = BookInputOf(kLegacyFlatBar, "B1", {.logo = SAMPLE_LOGO});
    const std::string html = Html(input);
    EXPECT_NE(html.find("<img src=\"data:image/png;base64,"), std::string::npos);
    std::ostringstream docx;
    doc::WriteDocument(*BookWriter(BookFormat::Docx, docx, {}),
                       CalculationBook(input, CheckBay(input.bay)));
    EXPECT_NE(docx.str().find("word/media/image1.png"), std::string::npos);
}

}  // namespace
}  // namespace deckplate::report
