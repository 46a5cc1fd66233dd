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

// b_e = min(30·t·εk, a) under the current basis (GB 50017-2017 §6.3.7 by analogy), min(30·t, a)
// under the legacy one.
std::string StripWidth(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const std::string thirty = Text(Exact(kStripThicknesses));
    const std::string strip =
        book.figures.current
            ? Cat(thirty, "·t·ε<sub>k</sub>, a) = min(", thirty, " × ",
                  Text(Exact(bay.thickness.mm)), " × ", Text(book.figures.current->epsilonK))
            : Cat(thirty, "t, a) = min(", thirty, " × ", Text(Exact(bay.thickness.mm)));
    return Cat("b<sub>e</sub> = min(", strip, ", ", Text(Exact(bay.spacing)),
               ") = ", Text(book.figures.be), " mm");
}

std::string SectionValues(const BookContext& book) {
    const StiffenerShown& shown = book.check.stiffener.shown;
    const auto row = [](std::string_view heading, std::string_view content) {
        return Cat("<tr><th>", heading, "</th><td>", content, "</td></tr>\n");
    };
    const std::string centroid =
        book.FlatBar() ? Cat("形心距扁钢边缘 ", Text(Shown(shown.centroid)), " cm")
                       : Cat("形心距短肢外缘 y<sub>0</sub> = ", Text(Shown(shown.centroid)), " cm");
    return Cat("<table class=\"section-values\">\n", row("有效板宽", StripWidth(book)),
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
        Mo("="), Mn(figures.Ms), Unit("N·mm"), Mo("="), Mn(Shown(s.shown.moment)), Unit("kN·m")));
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

// S about the neutral axis of the part below it, as the axis cuts the section.
std::string FirstMoment(const BookContext& book) {
    const ShearCheck& shear = *book.check.shear;
    const BookFigures& f = book.figures;
    const std::string S = Mi("S"), Yo = SubscriptedSymbol("Y", "o"),
                      tw = SubscriptedSymbol("t", "w");
    const std::string t = Mn(Exact(book.input.bay.thickness.mm)), yo = Mn(f.Yo);
    const auto half = [](std::string_view x) { return Mfrac(x, Mn(Exact(2))); };
    const auto squared = [](std::string_view x) { return Msup(Parenthesised(x), Mn(Exact(2))); };
    const std::string firstMoment = Mn(f.current->S);
    if (shear.cut == AxisCut::Plate) {
        return FormulaBlock(Math(
            Cat(S, Mo("="), half(Cat(SubscriptedSymbol("b", "e"), Mo("·"), Msup(Yo, Mn(Exact(2))))),
                Mo("="), half(Cat(Mn(f.be), Mo("×"), Msup(yo, Mn(Exact(2))))), Mo("="), firstMoment,
                Unit("mm³"))));
    }
    const Stiffener section = StiffenerSection(book.input.bay.stiffener);
    const double depth = book.check.stiffener.depth;
    const std::string below = Cat(Mi("t"), Mo("+"), Mi("h"), Mo("−"), Yo);
    const std::string belowNumbers = Cat(t, Mo("+"), Mn(Exact(depth)), Mo("−"), yo);
    const double thickness = StiffenerThickness(section);
    if (shear.cut == AxisCut::ShortLeg || book.FlatBar()) {
        const bool leg = shear.cut == AxisCut::ShortLeg;
        const double width = leg ? std::get<AngleValues>(section).shortLeg : thickness;
        return FormulaBlock(
            Math(Cat(S, Mo("="), half(Cat(leg ? Mi("b") : tw, Mo("·"), squared(below))), Mo("="),
                     half(Cat(Mn(Exact(width)), Mo("×"), squared(belowNumbers))), Mo("="),
                     firstMoment, Unit("mm³"))));
    }
    const double b = std::get<AngleValues>(section).shortLeg;
    const std::string formula =
        Math(Cat(S, Mo("="), half(Cat(tw, Mo("·"), squared(below))), Mo("+"),
                 Parenthesised(Cat(Mi("b"), Mo("−"), tw)), Mo("·"), tw, Mo("·"),
                 Parenthesised(Cat(below, Mo("−"), half(tw)))));
    const std::string numbers =
        Math(Cat(Mo("="), half(Cat(Mn(Exact(thickness)), Mo("×"), squared(belowNumbers))), Mo("+"),
                 Parenthesised(Cat(Mn(Exact(b)), Mo("−"), Mn(Exact(thickness)))), Mo("×"),
                 Mn(Exact(thickness)), Mo("×"),
                 Parenthesised(Cat(belowNumbers, Mo("−"), half(Mn(Exact(thickness))))), Mo("="),
                 firstMoment, Unit("mm³")));
    return FormulaBlock(formula, numbers);
}

// V at the support and τ at the neutral axis, under the design load q (GB 50017-2017 §6.1).
std::string Shear(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const ShearCheck& shear = *book.check.shear;
    const CurrentBasisFigures& f = *book.figures.current;
    const std::string V =
        Math(Cat(Mi("V"), Mo("="),
                 Mfrac(Cat(Mi("q"), Mo("·"), Mi("a"), Mo("·"), Mi("L")), Mn(Exact(2))), Mo("="),
                 Mfrac(Cat(Mn(book.figures.q), Mo("×"), Mn(Exact(bay.spacing / 1000)), Mo("×"),
                           Mn(Exact(bay.span / 1000))),
                       Mn(Exact(2))),
                 Mo("="), Mn(f.shear.V), Unit("kN")));
    const std::string where =
        shear.cut == AxisCut::Plate
            ? "中和轴在铺板内，S 取其上部铺板 "
              "b<sub>e</sub>·Y<sub>o</sub>²/2（与其下全部面积的面积矩相等），w = b<sub>e</sub>"
        : book.FlatBar() ? "S 为中和轴以下扁钢对中和轴的面积矩，w = t<sub>w</sub>"
        : shear.cut == AxisCut::ShortLeg
            ? "中和轴在角钢短肢内，S 为其下两肢对中和轴的面积矩，w = b"
            : "S 为中和轴以下角钢对中和轴的面积矩，角钢按长肢 h × t<sub>w</sub> 与短肢 (b − "
              "t<sub>w</sub>) × t<sub>w</sub> 两个矩形计算，不计圆角，w = t<sub>w</sub>";
    return Cat("<h3>抗剪</h3>\n", FormulaBlock(V), FirstMoment(book),
               ShearStressFormula(book, shear, f.shear), "<p class=\"note\">a、L 以 m 计；", where,
               "。</p>\n", VerdictLine(shear.verdict.exceeded, shear.verdict.text));
}

// The outstand h/t_w of a flat bar, b/t_w of an angle's short leg, against 15·εk.
std::string Outstand(const BookContext& book) {
    const OutstandCheck& outstand = *book.check.outstand;
    const CurrentBasisFigures& f = *book.figures.current;
    const Stiffener section = StiffenerSection(book.input.bay.stiffener);
    const bool bar = book.FlatBar();
    const double width =
        bar ? std::get<FlatBar>(section).height : std::get<AngleValues>(section).shortLeg;
    const std::string ratio =
        Math(Cat(Mi("b"), Mo("/"), Mi("t"), Mo("="), bar ? Mi("h") : Mi("b"), Mo("/"),
                 SubscriptedSymbol("t", "w"), Mo("="), Mn(Exact(width)), Mo("/"),
                 Mn(Exact(StiffenerThickness(section))), Mo("="), Mn(f.ratio),
                 Mo(outstand.exceeded ? ">" : "≤"), Mn(Exact(kOutstandLimit)), Mo("·"),
                 SubscriptedSymbol("ε", "k"), Mo("="), Mn(Exact(kOutstandLimit)), Mo("×"),
                 Mn(f.epsilonK), Mo("="), Mn(f.limit)));
    return Cat(
        "<h3>宽厚比</h3>\n", FormulaBlock(ratio), "<p class=\"note\">",
        bar ? "扁钢肋高与厚度之比" : "角钢短肢宽与厚度之比",
        "，按 GB 50017-2017 表 3.5.1 受弯构件翼缘外伸部分 S4 级的限值 15ε<sub>k</sub>。</p>\n",
        VerdictLine(outstand.exceeded, outstand.text));
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
            Deflection(book), book.check.shear ? Shear(book) : std::string(),
            book.check.outstand ? Outstand(book) : std::string()));
}

}  // namespace deckplate::report
