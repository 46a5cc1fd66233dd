// 加劲肋验算: the composite section, the stiffener's moment, its stresses at the top and the
// bottom fibre, and its deflection.
#include "calc/number_text.h"
#include "report/book_sections.h"
#include "report/drawings.h"
#include "report/html_text.h"
#include "report/mathml.h"

namespace deckplate::report {

using namespace mathml;

namespace {

std::string SectionValues(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const StiffenerResult& s = book.check.stiffener;
    const StiffenerDisplay& shown = s.display;
    const auto row = [](std::string_view heading, std::string_view content) {
        return Cat("<tr><th>", heading, "</th><td>", content, "</td></tr>\n");
    };
    const std::string centroid =
        book.FlatBar() ? Cat("形心距扁钢边缘 ", Text(Shown(shown.centroid)), " cm")
                       : Cat("形心距短肢外缘 y<sub>0</sub> = ", Text(Shown(shown.centroid)), " cm");
    return Cat("<table class=\"section-values\">\n",
               row("有效板宽",
                   Cat("b<sub>e</sub> = min(", Text(Exact(kStripThicknesses)), "t, a) = min(",
                       Text(Exact(kStripThicknesses)), " × ", Text(Exact(bay.thickness.mm)), ", ",
                       Text(Exact(bay.spacing)), ") = ", Text(Significant(s.be)), " mm")),
               row("铺板条", Cat("A<sub>p</sub> = b<sub>e</sub>·t = ", Text(book.figures.Ap),
                                 " mm²；I<sub>p</sub> = b<sub>e</sub>·t³/12 = ",
                                 Text(book.figures.Ip), " mm⁴")),
               row(StiffenerTitle(book),
                   Cat("A<sub>s</sub> = ", Text(Shown(shown.area)),
                       " cm²；I<sub>s</sub> = ", Text(Shown(shown.inertia)), " cm⁴；", centroid,
                       "；形心距铺板顶面 y<sub>s</sub> = ", Text(book.figures.ys), " mm")),
               row("组合截面", Cat("Y<sub>o</sub> = ", Text(Shown(shown.compositeCentroid)),
                                   " cm（形心轴至铺板顶面）；I<sub>x</sub> = ",
                                   Text(Shown(shown.compositeInertia)), " cm⁴")),
               "</table>\n");
}

std::string CompositeFormulas(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const BookFigures& s = book.figures;
    const std::string Ap = SubscriptedSymbol("A", "p"), As = SubscriptedSymbol("A", "s"),
                      ys = SubscriptedSymbol("y", "s"), Yo = SubscriptedSymbol("Y", "o");
    const std::string halfT = Mfrac(Mi("t"), Mn(Exact(2)));
    const std::string yo = Math(
        Cat(Yo, Mo("="),
            Mfrac(Cat(Ap, Mo("·"), halfT, Mo("+"), As, Mo("·"), ys), Cat(Ap, Mo("+"), As)), Mo("="),
            Mfrac(Cat(Mn(s.Ap), Mo("×"), Mn(Exact(bay.thickness.mm / 2)), Mo("+"), Mn(s.As),
                      Mo("×"), Mn(s.ys)),
                  Cat(Mn(s.Ap), Mo("+"), Mn(s.As))),
            Mo("="), Mn(s.Yo), Unit("mm")));
    const auto squared = [](std::string_view content) {
        return Msup(Parenthesised(content), Mn(Exact(2)));
    };
    const std::string ix =
        Math(Cat(SubscriptedSymbol("I", "x"), Mo("="), SubscriptedSymbol("I", "p"), Mo("+"), Ap,
                 Mo("·"), squared(Cat(Yo, Mo("−"), halfT)), Mo("+"), SubscriptedSymbol("I", "s"),
                 Mo("+"), As, Mo("·"), squared(Cat(ys, Mo("−"), Yo))));
    const std::string ixNumbers =
        Math(Cat(Mo("="), Mn(s.Ip), Mo("+"), Mn(s.Ap), Mo("×"),
                 squared(Cat(Mn(s.Yo), Mo("−"), Mn(Exact(bay.thickness.mm / 2)))), Mo("+"),
                 Mn(s.Is), Mo("+"), Mn(s.As), Mo("×"), squared(Cat(Mn(s.ys), Mo("−"), Mn(s.Yo))),
                 Mo("="), Mn(s.Ix), Unit("mm⁴")));
    return Cat(FormulaBlock(yo), FormulaBlock(ix, ixNumbers));
}

std::string Strength(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const StiffenerResult& s = book.check.stiffener;
    const BookFigures& figures = book.figures;
    const StrengthVerdict& verdict = book.check.stiffenerStrength;
    const std::string moment = Math(Cat(
        SubscriptedSymbol("M", "s"), Mo("="),
        Mfrac(Cat(Mi("q"), Mo("·"), Mi("a"), Mo("·"), Msup(Mi("L"), Mn(Exact(2)))), Mn(Exact(8))),
        Mo("="),
        Mfrac(Cat(Mn(Scaled(figures.q, -3)), Mo("×"), Mn(Exact(bay.spacing)), Mo("×"),
                  Msup(Mn(Exact(bay.span)), Mn(Exact(2)))),
              Mn(Exact(8))),
        Mo("="), Mn(figures.Ms), Unit("N·mm"), Mo("="), Mn(Shown(s.display.moment)), Unit("kN·m")));
    const FibreStresses stresses{
        figures.Ms, figures.stressTop, figures.stressBottom, figures.stiffenerStress,
        s.f,        verdict.exceeded};
    return Cat("<h3>强度</h3>\n", FormulaBlock(moment), FibreStressFormulas(book, stresses),
               "<p class=\"note\">q 以 N/mm² 计，a、L 以 mm 计；h 为加劲肋高度",
               book.FlatBar() ? "" : "（角钢长肢宽）", "。</p>\n",
               VerdictLine(verdict.exceeded, verdict.text));
}

std::string Deflection(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const DeflectionVerdict& verdict = book.check.stiffenerDeflection;
    const std::string deflection = Math(
        Cat(SubscriptedSymbol("δ", "s"), Mo("="),
            Mfrac(Cat(Mn(Exact(5)), Mo("·"), SubscriptedSymbol("q", "k"), Mo("·"), Mi("a"), Mo("·"),
                      Msup(Mi("L"), Mn(Exact(4)))),
                  Cat(Mn(Exact(384)), Mo("·"), Mi("E"), Mo("·"), SubscriptedSymbol("I", "x"))),
            Mo("="),
            Mfrac(Cat(Mn(Exact(5)), Mo("×"), Mn(Scaled(book.figures.qk, -3)), Mo("×"),
                      Mn(Exact(bay.spacing)), Mo("×"), Msup(Mn(Exact(bay.span)), Mn(Exact(4)))),
                  Cat(Mn(Exact(384)), Mo("×"), Mn(SteelModulus()), Mo("×"), Mn(book.figures.Ix)))));
    const auto [result, ratio] =
        StiffenerDeflectionLimit(book.figures.stiffenerDeflection, verdict);
    return Cat("<h3>挠度</h3>\n", FormulaBlock(deflection, result), "<p class=\"note\">", ratio,
               "。</p>\n", VerdictLine(verdict.exceeded, verdict.text));
}

}  // namespace

std::string StiffenerSection(const BookContext& book) {
    const std::string figure = Cat(
        "<figure class=\"section-drawing\">", SectionDrawing(book.input.bay, book.check.stiffener),
        "<figcaption>组合截面（按比例，尺寸 mm）；x–x 为组合截面形心轴</figcaption></figure>\n");
    return BookSection(
        book, "stiffener", "5 加劲肋验算",
        Cat("<p>加劲肋按跨度 L = ", Text(Exact(book.input.bay.span)),
            " mm 的简支梁计算，承受一个间距 a = ", Text(Exact(book.input.bay.spacing)),
            " mm 宽的铺板荷载；截面为", StiffenerTitle(book),
            "与有效宽度 b<sub>e</sub> 的铺板组成的组合截面。</p>\n", "<div class=\"side-by-side\">",
            figure, SectionValues(book), "</div>\n", CompositeFormulas(book), Strength(book),
            Deflection(book)));
}

}  // namespace deckplate::report
