// The formula tree: each kind of node gives the MathML the HTML book has always written for it,
// and Office Math that Word reads as the same formula.
#include "report/math_tree.h"

#include <gtest/gtest.h>

#include "report/book_parts.h"
#include "report/html_text.h"
#include "report/omml.h"

namespace deckplate::report {
namespace {

namespace mt = math;

struct MathMlCase {
    const char* name;
    std::string written;  // as the book has always written it
    mt::Expr tree;
    mt::Placement placement = mt::Placement::Display;
};

const Figure kModulus{"2.06", 5}, kLoad{"5.5", -3};

std::vector<MathMlCase> MathMlCases() {
    return {
        {"SymbolsOperatorsNumbers",
         "<math display=\"block\"><mi>q</mi><mo>=</mo><mn>1.3</mn><mo>×</mo><mn>4</mn></math>",
         {mt::Mi("q"), mt::Mo("="), mt::Mn(Exact(1.3)), mt::Mo("×"), mt::Mn(Exact(4))}},
        {"TextEscaped",
         "<math "
         "display=\"block\"><mi>a&lt;b</mi><mo>&amp;</mo><mtext>（上缘，&quot;顶&quot;）</mtext></"
         "math>",
         {mt::Mi("a<b"), mt::Mo("&"), mt::Mtext("（上缘，\"顶\"）")}},
        {"PowersOfTen",
         "<math "
         "display=\"block\"><mrow><mn>2.06</mn><mo>×</mo><msup><mrow><mn>10</mn></"
         "mrow><mrow><mn>5</mn></mrow></msup></mrow><mo>×</mo><mrow><mn>5.5</mn><mo>×</"
         "mo><msup><mrow><mn>10</mn></mrow><mrow><mn>−3</mn></mrow></msup></mrow></math>",
         {mt::Mn(kModulus), mt::Mo("×"), mt::Mn(kLoad)}},
        {"FractionOfScripts",
         "<math "
         "display=\"block\"><mfrac><mrow><mn>6</mn><mo>·</mo><mi>M</mi></"
         "mrow><mrow><msub><mrow><mi>γ</mi></mrow><mrow><mi>x</mi></mrow></msub><mo>·</"
         "mo><msup><mrow><mi>t</mi></mrow><mrow><mn>2</mn></mrow></msup></mrow></mfrac></math>",
         {mt::Mfrac({mt::Mn(Exact(6)), mt::Mo("·"), mt::Mi("M")},
                    {mt::Msub(mt::Mi("γ"), mt::Mi("x")), mt::Mo("·"),
                     mt::Msup(mt::Mi("t"), mt::Mn(Exact(2)))})}},
        {"SumWithItsRange",
         "<math "
         "display=\"block\"><munder><mrow><mo>∑</mo></mrow><mrow><mi>m</mi><mo>=</mo><mn>1</mn></"
         "mrow></munder></math>",
         {mt::Munder(mt::Mo("∑"), {mt::Mi("m"), mt::Mo("="), mt::Mn(Exact(1))})}},
        {"ParenthesesSquared",
         "<math "
         "display=\"block\"><msup><mrow><mrow><mo>(</mo><mi>a</mi><mo>−</mo><mi>b</mi><mo>)</mo></"
         "mrow></mrow><mrow><mn>2</mn></mrow></msup></math>",
         {mt::Msup(mt::Parenthesised({mt::Mi("a"), mt::Mo("−"), mt::Mi("b")}), mt::Mn(Exact(2)))}},
        {"UnitAndRow",
         "<math display=\"block\"><mrow><mn>20</mn></mrow><mtext> N/mm²</mtext></math>",
         {mt::Mrow(mt::Mn(Exact(20))), mt::Unit("N/mm²")}},
        {"InlineFormula",
         "<math><mi>α</mi><mo>=</mo><mn>0.1</mn></math>",
         {mt::Mi("α"), mt::Mo("="), mt::Mn(Exact(0.1))},
         mt::Placement::Inline},
        // The book's own plate stress formula, as the book writes it today.
        // The book's own plate stress formula: the tree its function builds, set as the
        // formula written out node by node.
        {"BookPlateStress",
         mt::MathMl({mt::Mi("σ"), mt::Mo("="),
                     mt::Mfrac({mt::Mn(Exact(6)), mt::Mo("·"), mt::Mi("M")},
                               {mt::Msub(mt::Mi("γ"), mt::Mi("x")), mt::Mo("·"),
                                mt::Msup(mt::Mi("t"), mt::Mn(Exact(2)))}),
                     mt::Mo("="),
                     mt::Mfrac({mt::Mn(Exact(6)), mt::Mo("×"), mt::Mn(Figure{"0.1988", 3})},
                               {mt::Mn(Exact(1.2)), mt::Mo("×"),
                                mt::Msup(mt::Mn(Exact(6)), mt::Mn(Exact(2)))}),
                     mt::Mo("="), mt::Mn(Figure{"27.61", 0}), mt::Unit("N/mm²"), mt::Mo("<"),
                     mt::Mi("f"), mt::Mo("="), mt::Mn(Exact(215)), mt::Unit("N/mm²")},
                    mt::Placement::Display),
         PlateStressFormula(Figure{"0.1988", 0}, 6, Figure{"27.61", 0}, false, 215)},
    };
}

TEST(MathTree, WritesTheBooksMathMl) {
    for (const MathMlCase& c : MathMlCases())
        EXPECT_EQ(mt::MathMl(c.tree, c.placement), c.written) << c.name;
}

// An equation's character as Word reads it: in Cambria Math, the style as given.
std::string R(std::string_view text, std::string_view properties = "") {
    return Cat("<m:r>", properties,
               "<w:rPr><w:rFonts w:ascii=\"Cambria Math\" w:hAnsi=\"Cambria Math\"/></w:rPr>"
               "<m:t xml:space=\"preserve\">",
               text, "</m:t></m:r>");
}

std::string Omml(const mt::Expr& formula) {
    std::string xml;
    XmlWriter writer([&](std::string_view bytes) { xml += bytes; });
    mt::WriteOmml(writer, formula);
    writer.Flush();
    return xml;
}

struct OmmlCase {
    const char* name;
    mt::Expr tree;
    std::string expected;  // inside m:oMath
};

TEST(MathTree, WritesOfficeMath) {
    const std::string upright = "<m:rPr><m:sty m:val=\"p\"/></m:rPr>";
    const OmmlCase cases[] = {
        {"LetterItalicAsWordSetsIt", {mt::Mi("γ"), mt::Mo("≤")}, R("γ") + R("≤")},
        {"WordSymbolUpright", {mt::Mi("max")}, R("max", upright)},
        {"TextInTheTextsFonts",
         {mt::Unit("N/mm²")},
         "<m:r><m:rPr><m:nor/></m:rPr><w:rPr><w:rFonts w:ascii=\"Times New Roman\" "
         "w:hAnsi=\"Times New Roman\" w:eastAsia=\"宋体\"/></w:rPr><m:t xml:space=\"preserve\">"
         "\u2009N/mm²</m:t></m:r>"},
        {"PowerOfTenRaised",
         {mt::Mn(kLoad)},
         R("5.5") + R("×") + "<m:sSup><m:e>" + R("10") + "</m:e><m:sup>" + R("−3") +
             "</m:sup></m:sSup>"},
        {"Fraction",
         {mt::Mfrac(mt::Mi("a"), mt::Mn(Exact(150)))},
         "<m:f><m:num>" + R("a") + "</m:num><m:den>" + R("150") + "</m:den></m:f>"},
        {"Subscript",
         {mt::Msub(mt::Mi("q"), mt::Mi("k"))},
         "<m:sSub><m:e>" + R("q") + "</m:e><m:sub>" + R("k") + "</m:sub></m:sSub>"},
        {"SumRangeBelow",
         {mt::Munder(mt::Mo("∑"), mt::Mi("m"))},
         "<m:limLow><m:e>" + R("∑") + "</m:e><m:lim>" + R("m") + "</m:lim></m:limLow>"},
        {"GrowingParentheses",
         {mt::Parenthesised(mt::Mrow(mt::Mi("y")))},
         "<m:d><m:e>" + R("y") + "</m:e></m:d>"},
        {"Escaped", {mt::Mi("&"), mt::Mo("<")}, R("&amp;") + R("&lt;")},
        // A continuation line: LibreOffice would mark the missing left side of "=".
        {"LeadingOperatorGetsAnEmptyLeftSide",
         {mt::Mo("="), mt::Mn(Exact(1))},
         R("\u200b") + R("=") + R("1")},
    };
    for (const OmmlCase& c : cases)
        EXPECT_EQ(Omml(c.tree), "<m:oMath>" + c.expected + "</m:oMath>") << c.name;
}

}  // namespace
}  // namespace deckplate::report
