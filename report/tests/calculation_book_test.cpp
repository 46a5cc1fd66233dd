// The calculation book's wiring and layout: its sections in order, the check's own results and
// verdicts in it, the user's text escaped, nothing taken from outside the file, the section drawn
// to scale. The arithmetic itself is the calculation's and is tested there.
#include "report/calculation_book.h"

#include <gtest/gtest.h>

#include <regex>
#include <vector>

#include "calc/checks.h"
#include "input/bay_inputs.h"
#include "report/book_numbers.h"
#include "report/book_parts.h"
#include "report/html_text.h"
#include "report/html_writer.h"
#include "report/tests/catalogue_angles.h"

namespace deckplate::report {
namespace {

BookInput Book(StiffenerChoice stiffener, BayInput bay) {
    bay.stiffener = stiffener;
    return {.bay = bay,
            .bayName = "平台A 第1跨",
            .project = {.name = "某厂房平台", .date = "2024-05-31"},
            .version = "1.0.0"};
}

// The book of a bay as the HTML writer sets it, from the bay's own check.
std::string CalculationBookHtml(const BookInput& input) {
    return doc::HtmlOf(CalculationBook(input, CheckBay(input.bay)));
}

// How the verdict line under a check's working begins: its one name, "钢铺板强度：".
std::string PrintedVerdict(Check id) { return Cat(BookCheckName(RowOf(id)), "："); }

// A value the window shows, as the book prints it: "0.13", not " .13".
std::string ShownText(const ShownValue& value) { return Text(Shown(value)); }

// D = 1, P = 2, t = 6, L = 2000, a = 500 with 80 × 8 passes every check; D = 1.5, P = 3.5,
// L = 2400, a = 600 with L50x32x4 exceeds the stiffener's strength, deflection and live-load
// deflection.
const BayInput kFlatBarBay{
    .dead = 1, .live = 2, .thickness = ThicknessOf(6), .span = 2000, .spacing = 500};
const BayInput kAngleBay{.dead = 1.5,
                         .live = 3.5,
                         .thickness = ThicknessOf(6),
                         .span = 2400,
                         .spacing = 600,
                         .basis = DesignBasis::Current};

// The flat-bar bay with a change.
template <class Change>
BayInput FlatBarBayWith(Change change) {
    BayInput bay = kFlatBarBay;
    change(bay);
    return bay;
}

struct BookCase {
    const char* name;
    BookInput input;
    int exceeded;
};
void PrintTo(const BookCase& c, std::ostream* os) { *os << c.name; }

class CalculationBookTest : public testing::TestWithParam<BookCase> {};

TEST_P(CalculationBookTest, SectionsInOrderWithTheChecksOwnResults) {
    const BookInput& input = GetParam().input;
    const std::string html = CalculationBookHtml(input);
    std::size_t previous = 0;
    for (const char* marker :
         {"@top-center { content: \"某厂房平台\"", "<h1>钢平台铺板及加劲肋计算书</h1>",
          "平台A 第1跨", "某厂房平台", "2024-05-31", ">校对</th>", "1.0.0", "verification.md",
          "id=\"basis\"", "id=\"input\"", "id=\"loads\"", "id=\"plate\"", "<svg",
          "id=\"stiffener\"", "<svg", "id=\"conclusion\"", "</html>"}) {
        const std::size_t at = html.find(marker, previous);
        ASSERT_NE(at, std::string::npos) << marker << " missing or out of order";
        previous = at + 1;
    }
    const BayCheck check = CheckBay(input.bay);
    for (const std::string& text :
         {ShownText(check.plate.shown.stress), ShownText(check.plate.shown.deflection),
          ShownText(check.stiffener.shown.stress), ShownText(check.stiffener.shown.deflection)})
        EXPECT_NE(html.find(text), std::string::npos) << text;
    // Each check's verdict under its working, with its value and its limit as print writes them.
    for (const CheckRow& row : Checks()) {
        if (!InScope(row, ScopeOf(check))) continue;
        const PrintedComparison printed = Compared(row, check);
        const std::string verdict = PrintedVerdict(row.id);
        const std::size_t at = html.find(verdict);
        ASSERT_NE(at, std::string::npos) << verdict;
        const std::string line = html.substr(at, html.find("</p>", at) - at);
        EXPECT_NE(line.find(Cat(" = ", Text(printed.value))), std::string::npos) << line;
        EXPECT_NE(line.find(Cat(" = ", Text(printed.limit))), std::string::npos) << line;
    }
    std::size_t exceeded = 0;
    for (auto at = html.find("verdict exceeded"); at != std::string::npos;
         at = html.find("verdict exceeded", at + 1))
        ++exceeded;
    EXPECT_EQ(exceeded, static_cast<std::size_t>(GetParam().exceeded));
    EXPECT_EQ(html.find("须修改设计") != std::string::npos, GetParam().exceeded > 0);
    // Self-contained: no address, no file, no script, no style sheet from elsewhere.
    for (const char* outside : {"http", "src=", "<script", "<link", "@import", "url("})
        EXPECT_EQ(html.find(outside), std::string::npos) << outside;
}

INSTANTIATE_TEST_SUITE_P(
    Bays, CalculationBookTest,
    testing::Values(BookCase{"FlatBarPasses", Book(FlatBar{80, 8}, kFlatBarBay), 0},
                    BookCase{"AngleFails", Book(Angle("L50x32x4"), kAngleBay), 3},
                    BookCase{"Continuous", Book(FlatBar{80, 8}, FlatBarBayWith([](BayInput& b) {
                                                    b.boundary = BoundaryOf(true);
                                                })),
                             0}),
    [](const auto& info) { return std::string(info.param.name); });

// The point-load case written out: its section after the stiffener's with the check's own
// values and verdicts, the patch cut to the panel when larger, and four more rows in 结论.
TEST(CalculationBook, PointLoadSectionAndConclusionRows) {
    const BayInput walkway = FlatBarBayWith([](BayInput& b) {
        b.thickness = ThicknessOf(4);
        b.basis = DesignBasis::Current;
        b.pointLoad = PointLoad{};
    });
    const BayInput wholePanel = FlatBarBayWith([](BayInput& b) {
        b.boundary = BoundaryOf(true);
        b.pointLoad = PointLoad{.force = 3, .across = 900, .along = 3000};
    });
    const struct {
        const char* name;
        BookInput input;
        const char* patch;  // as the section states it acts
    } cases[] = {
        {"walkway", Book(Angle("L45x28x3"), walkway), "1.5 kN，均布于作用面 u × v = 200 × 200 mm"},
        {"patch cut to the panel", Book(FlatBar{80, 8}, wholePanel), "截取为 500 × 2000 mm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string html = CalculationBookHtml(c.input);
        // Under the current basis the weld's section comes before the point load's.
        const bool current = c.input.bay.basis == DesignBasis::Current;
        const std::size_t section =
                              html.find(current ? "7 集中荷载验算</h3>" : "6 集中荷载验算</h3>"),
                          conclusion = html.find(current ? "8 结论</h3>" : "7 结论</h3>");
        ASSERT_TRUE(html.find("id=\"stiffener\"") < section && section < conclusion);
        const std::string point = html.substr(section, conclusion - section);
        EXPECT_NE(point.find(c.patch), std::string::npos);
        const BayCheck check = CheckBay(c.input.bay);
        const PointLoadCheck& p = *check.pointLoad;
        const std::size_t exceeded = p.plateStrength.exceeded + p.plateDeflection.exceeded +
                                     p.stiffenerStrength.exceeded + p.stiffenerDeflection.exceeded +
                                     (p.shear && p.shear->verdict.exceeded) +
                                     (p.weld && p.weld->verdict.exceeded);
        // The plate's moment is shown to the digits its stress needs, not the window's two.
        for (const std::string& text :
             {ShownText(p.plate.shown.stress), ShownText(p.plate.shown.deflection),
              ShownText(p.stiffener.shown.stress), ShownText(p.stiffener.shown.deflection),
              PrintedVerdict(Check::PointLoadPlateStrength),
              PrintedVerdict(Check::PointLoadPlateDeflection),
              PrintedVerdict(Check::PointLoadStiffenerStrength),
              PrintedVerdict(Check::PointLoadStiffenerDeflection)})
            EXPECT_NE(point.find(text), std::string::npos) << text;
        if (current) {
            EXPECT_NE(point.find(PrintedVerdict(Check::PointLoadWeldStrength)), std::string::npos);
        }
        std::size_t shown = 0;
        for (auto at = point.find("verdict exceeded"); at != std::string::npos;
             at = point.find("verdict exceeded", at + 1))
            ++shown;
        EXPECT_EQ(shown, exceeded);
        // 结论: a row for every check the bay has (eight, and under the current basis the
        // stiffener's live-load deflection, shear and outstand, the weld's strength and detailing
        // and the shear and the weld under the point load), the point load's after the uniform
        // load's.
        const std::string table =
            html.substr(conclusion, html.find("</table>", conclusion) - conclusion);
        std::size_t rows = 0;
        for (auto at = table.find("<tr"); at != std::string::npos; at = table.find("<tr", at + 1))
            ++rows;
        EXPECT_EQ(rows, 1u + (current ? 15u : 8u));
        const Utilisation u = Utilisations(check);
        std::size_t previous = table.find("加劲肋挠度");
        for (const Check point :
             {Check::PointLoadPlateStrength, Check::PointLoadPlateDeflection,
              Check::PointLoadStiffenerStrength, Check::PointLoadStiffenerDeflection}) {
            const double utilisation = u[point];
            const std::size_t at = table.find(
                Cat("<td class=\"number\">", Text(ThreeDecimals(utilisation)), "</td>"), previous);
            ASSERT_NE(at, std::string::npos) << utilisation;
            previous = at + 1;
        }
        EXPECT_EQ(html.find("集中荷载、振动"), std::string::npos);
    }
    // Without the point load the book is as it always was.
    BayInput uniformWalkway = walkway;
    uniformWalkway.pointLoad.reset();
    const std::string uniform = CalculationBookHtml(Book(Angle("L45x28x3"), uniformWalkway));
    EXPECT_EQ(uniform.find("集中荷载验算"), std::string::npos);
    EXPECT_NE(uniform.find("6 焊缝验算</h3>"), std::string::npos);
    EXPECT_NE(uniform.find("7 结论</h3>"), std::string::npos);
}

// What a book of the current basis says it took, one row a fault: the dead load's make-up, γ0,
// the continuous plate's envelope and the stiffener's share, γx and its reason, and the weld's
// section in place of "未包括…焊缝".
TEST(CalculationBook, CurrentBasisSaysWhatTheChecksTook) {
    const auto current = [](auto change) {
        return FlatBarBayWith([&](BayInput& b) {
            b.basis = DesignBasis::Current;
            change(b);
        });
    };
    const struct {
        const char* name;
        BayInput bay;
        std::vector<std::string> present, absent;
    } cases[] = {
        {"self-weight added to D",
         current([](BayInput&) {}),
         {"自重 w 另行计入", "<mo>=</mo><mi>D</mi><mo>+</mo><mi>w</mi>", "6 焊缝验算</h3>",
          "焊缝构造："},
         {"已包含在 D 中", "仅供参考", "钢铺板与加劲肋间的焊缝、"}},
        {"self-weight already in D",
         current([](BayInput& b) { b.deadIncludesSelfWeight = true; }),
         {"kN/m²（钢材 78.5 kN/m³）已包含在 D 中"},
         {"另行计入（钢材", "D + w"}},
        {"first class takes 1.1",
         current([](BayInput& b) { b.safetyClass = SafetyClass::First; }),
         {"结构安全等级一级，结构重要性系数 γ<sub>0</sub> = 1.1"},
         {}},
        {"continuous: envelope and support share",
         current([](BayInput& b) { b.boundary = BoundaryOf(true); }),
         {"等跨连续单向板条的包络", "<mn>0.107</mn>", "<mn>0.121</mn>", "<mn>0.00677</mn>",
          "<mn>0.0099</mn>", "k<sub>D</sub> = 1.143", "k<sub>P</sub> = 1.223"},
         {"承受一个间距 a = "}},
        {"simply supported: one spacing",
         current([](BayInput&) {}),
         {"承受一个间距 a = "},
         {"取第一内支座的反力"}},
        {"plate beside the stiffener beyond S3: γx = 1.0",
         current([](BayInput&) {}),
         {"超过 S3 级", "γ<sub>x1</sub> = 1.00，γ<sub>x2</sub> = 1.00"},
         {}},
        {"close stiffeners on a thick plate keep γx",
         current([](BayInput& b) {
             b.thickness = ThicknessOf(12);
             b.spacing = 300;
         }),
         {"不超过 S3 级", "γ<sub>x1</sub> = 1.05，γ<sub>x2</sub> = 1.20"},
         {"组合截面不计塑性发展"}},
        {"intermittent weld: its effective length and gap",
         current([](BayInput& b) {
             b.weld = {.arrangement = WeldArrangement::Intermittent,
                       .size = 5,
                       .segments = WeldSegments{50, 150}};
         }),
         {"双面断续角焊缝 hf = 5 mm，50@150", "断续焊缝计算长度", "断续焊缝净距"},
         {}},
        {"square-ish panel: the table's α beside the elastic one",
         current([](BayInput& b) { b.span = 600; }),
         {"α = 0.074 为程序系数表之值，大于弹性薄板理论值 0.0627"},
         {}},
        {"long panel: the table's α is the elastic one",
         current([](BayInput& b) { b.span = 900; }),
         {},
         {"大于弹性薄板理论值"}},
        {"legacy: no weld, self-weight for reference",
         kFlatBarBay,
         {"仅供参考，未另行计入", "钢铺板与加劲肋间的焊缝、"},
         {"焊缝验算", "γ<sub>0</sub>", "G<sub>k</sub>"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string html = CalculationBookHtml(Book(FlatBar{80, 8}, c.bay));
        for (const std::string& text : c.present)
            EXPECT_NE(html.find(text), std::string::npos) << text;
        for (const std::string& text : c.absent)
            EXPECT_EQ(html.find(text), std::string::npos) << text;
    }
}

// The table of inputs shows every input whose row gives the book a heading, with the row's words
// for the book; the inputs of the current basis only under it. A row given a heading but no place
// in the book's layout fails here.
TEST(CalculationBook, InputTableShowsEveryRowWithAHeading) {
    const struct {
        const char* name;
        DesignBasis basis;
    } cases[] = {{"current basis", DesignBasis::Current}, {"legacy basis", DesignBasis::Legacy}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const BookInput input = Book(FlatBar{80, 8}, FlatBarBayWith([&](BayInput& b) {
                                         b.basis = c.basis;
                                         b.pointLoad = PointLoad{.force = 1.5};
                                     }));
        const BayInput& bay = input.bay;
        const std::string html = CalculationBookHtml(input);
        const std::size_t from = html.find("2 输入</h3>");
        const std::string table = html.substr(from, html.find("3 荷载组合</h3>") - from);
        const BayCheck check = CheckBay(bay);
        for (const input::InputRow& row : input::BayInputs()) {
            if (row.book.heading.empty()) continue;
            const bool shown = !row.currentOnly || c.basis == DesignBasis::Current;
            const std::string words = row.book.words ? row.book.words(bay, check) : row.words(bay);
            EXPECT_EQ(table.find(Cat("<th>", row.book.heading, "</th>")) != std::string::npos,
                      shown)
                << row.key;
            if (shown) {
                EXPECT_NE(table.find(words), std::string::npos) << row.key;
            }
        }
    }
}

TEST(CalculationBook, UsersTextIsEscaped) {
    BookInput input = Book(FlatBar{80, 8}, kFlatBarBay);
    input.bayName = "<script>alert('x')</script> & \"B\"<b>";
    input.project.name = "\"</style><script>\\";  // also above every page, in the style sheet
    const std::string html = CalculationBookHtml(input);
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_EQ(html.find("<b>"), std::string::npos);
    EXPECT_NE(
        html.find("&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; &amp; &quot;B&quot;&lt;b&gt;"),
        std::string::npos);
    EXPECT_NE(html.find(R"css(content: "\"\3c /style>\3c script>\\";)css"), std::string::npos);
}

TEST(CalculationBook, ArithmeticFaultGivesNoBook) {
    BayInput noLoad = kFlatBarBay;
    noLoad.dead = noLoad.live = 0;
    EXPECT_THROW(CalculationBookHtml(Book(FlatBar{80, 8}, noLoad)), ArithmeticError);
}

TEST(CalculationBook, SectionIsDrawnToScale) {
    // The plate strip be × t = 180 × 6 and the flat bar 8 × 80: widths and heights of the two
    // drawn parts stand as the millimetres do.
    const std::string html = CalculationBookHtml(Book(FlatBar{80, 8}, kFlatBarBay));
    const std::regex steel("<rect [^>]*width=\"([0-9.]+)\" height=\"([0-9.]+)\" class=\"steel\"");
    std::vector<std::pair<double, double>> parts;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), steel);
         it != std::sregex_iterator(); ++it)
        parts.emplace_back(std::stod((*it)[1]), std::stod((*it)[2]));
    ASSERT_EQ(parts.size(), 2u);
    const double scale = parts[0].first / 180;
    EXPECT_NEAR(parts[0].second, 6 * scale, 0.05);
    EXPECT_NEAR(parts[1].first, 8 * scale, 0.05);
    EXPECT_NEAR(parts[1].second, 80 * scale, 0.05);
}

TEST(BookNumbers, SignificantDigits) {
    const struct {
        double value;
        int moreDigits;
        const char* text;
    } cases[] = {
        {4.0, 0, "4.00"},
        {13.724, 0, "13.72"},
        {337.63, 0, "337.6"},
        {1433.9, 0, "1434"},
        {0.125, 0, "0.125"},
        {0.04331, 0, "0.0433"},
        {1087600, 0, "1.088×10⁶"},
        {999960, 0, "1.000×10⁶"},
        {0.0001234, 0, "1.234×10⁻⁴"},
        {-16.644, 0, "-16.64"},
        {0, 0, "0"},
        {0.134376, 2, "0.13438"},
        {1087634, 1, "1.0876×10⁶"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Text(Significant(c.value, c.moreDigits)), c.text) << c.value;
    // A value the window shows, as print writes it to the window's decimals.
    EXPECT_EQ(Text(Shown({0.134})), "0.13");
    EXPECT_EQ(Text(Shown({-0.245})), "-0.24");
    EXPECT_EQ(Text(Shown({20})), "20.00");
    EXPECT_EQ(Text(Shown({0.25, 1})), "0.2");
    // Figures too long for a short buffer: a load of 1e-300 worked to its last digit, a huge
    // moment in full (they were written as NUL characters, which a Word book refused).
    EXPECT_EQ(Text(Fixed(1e-300, 302)), "0." + std::string(299, '0') + "100");
    EXPECT_EQ(Text(Fixed(-1e300, 1)).size(), 304U);
}

}  // namespace
}  // namespace deckplate::report
