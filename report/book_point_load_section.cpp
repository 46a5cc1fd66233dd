// 集中荷载验算: the point load on its patch, the plate panel's moment, stress and deflection under
// it with the dead load — the series that gives the patch's part, term by term, and its
// coefficients beside Roark's — and the stiffener carrying the whole force at midspan.
#include "calc/number_text.h"
#include "report/book_sections.h"
#include "report/html_text.h"
#include "report/mathml.h"
#include "report/point_load_words.h"

namespace deckplate::report {

using namespace mathml;

namespace {

// A force in kN written in N, the stiffener formulas' unit: × 10³.
Figure Newtons(double kilonewtons) { return Scaled(Exact(kilonewtons), 3); }

std::string Patch(double across, double along) {
    return Cat(Text(Exact(across)), " × ", Text(Exact(along)), " mm");
}

// A coefficient of the series, four significant digits.
std::string Coefficient(double x) { return Text(Significant(x, 1)); }

// The load, its patch as given and as it acts, and γQ·F.
std::string Load(const BookContext& book) {
    const PointLoadCheck& p = *book.check.pointLoad;
    const std::string designForce = InlineMath(
        Cat(GammaX("Q"), Mo("·"), Mi("F"), Mo("="), Mn(Exact(p.factor)), Mo("×"),
            Mn(Exact(p.load.force)), Mo("="), Mn(book.figures.pointLoad->designForce), Unit("kN")));
    return Cat(
        "<p>工作平台及通道的集中荷载（GB/T 17888.2-2020，等同 ISO 14122-2:2016）：F = ",
        Text(Exact(p.load.force)), " kN，均布于作用面 u × v = ", Patch(p.load.across, p.load.along),
        "（u 沿加劲肋间距，v 沿跨度），置于最不利位置。",
        p.PatchCut() ? PatchCutSentence(p.plate.across, p.plate.along) : std::string(),
        "单独作为一种荷载工况，不与活荷载 P 叠加：强度取 γ<sub>G</sub>·D 与 ", designForce,
        "，挠度取 D 与 F；γ<sub>Q</sub> 为设计依据的可变荷载分项系数，不按工业楼面活荷载大于 ",
        Text(Exact(kHeavyFloorLiveLoad)), " kN/m² 的规定折减。</p>\n");
}

// Lévy's single series for the patch at the centre of the panel: the expansion, its first terms
// and their sums as coefficients of a unit force, how many terms were summed, and the two
// coefficients as Roark's table gives them.
std::string Series(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const PatchInfluence& influence = book.check.pointLoad->plate.influence;
    const PointLoadFigures& figures = *book.figures.pointLoad;
    const double a = bay.spacing, aa = a * a;
    const std::string series =
        Math(Cat(Mi("w"), Mo("="),
                 Munder(Mo("∑"), Cat(Mi("m"), Mo("="), Mn(Exact(1)), Mo(","), Mn(Exact(3)), Mo(","),
                                     Mn(Exact(5)), Mo(","), Mo("…"))),
                 Msub(Mi("w"), Mi("m")), Parenthesised(Mi("y")), Mo("·"), Mi("sin"),
                 Mfrac(Cat(Mi("m"), Mi("π"), Mi("x")), Mi("a"))));
    std::string terms;
    for (const PatchSeriesTerm& term : influence.firstTerms) {
        if (term.m == 0) break;
        terms += Cat("<tr><td>", std::to_string(term.m), "</td><td>",
                     Coefficient(term.deflection / aa), "</td><td>", Coefficient(term.momentAcross),
                     "</td><td>", Coefficient(term.momentAlong), "</td></tr>\n");
    }
    const int lastM = 2 * influence.terms - 1;
    if (influence.terms > static_cast<int>(influence.firstTerms.size()))
        terms +=
            Cat("<tr><td>…</td><td colspan=\"3\">至 m = ", std::to_string(lastM), "</td></tr>\n");
    terms += Cat("<tr class=\"sum\"><td>Σ</td><td>", Coefficient(influence.deflection / aa),
                 "</td><td>", Coefficient(influence.momentAcross), "</td><td>",
                 Coefficient(influence.momentAlong), "</td></tr>\n");
    const std::string table =
        Cat("<table class=\"series\">\n<tr><th>m</th><th>w<sub>m</sub>·E·t³/(F·a²)</th>"
            "<th>M<sub>x,m</sub>/F</th><th>M<sub>y,m</sub>/F</th></tr>\n",
            terms, "</table>\n");
    const std::string explanation = Cat(
        "<div><p>作用面上的压力 p = F/(u·v) 沿 x（间距 a 方向，原点在区格中心）展开为 "
        "p<sub>m</sub> = "
        "4p/(mπ)·sin(mπ/2)·sin(mπu/(2a))；w<sub>m</sub>(y) 取无限长板条在 |y| ≤ v/2 上受荷的解，"
        "加上使 y = ±L/2 两边简支的齐次解。中心弯矩 M<sub>x</sub> = −D(∂²w/∂x² + ν∂²w/∂y²)"
        "（使板沿 a 向弯曲），M<sub>y</sub> = −D(∂²w/∂y² + ν∂²w/∂x²)。表中为 F = 1 时各项之值，"
        "求和至 m = ",
        std::to_string(lastM), "，共 ", std::to_string(influence.terms),
        " 项：其后各项之和的上界小于弯矩之和的 0.05%。</p></div>\n");
    const double u = book.check.pointLoad->plate.across, v = book.check.pointLoad->plate.along;
    const bool longAcross = a > bay.span;
    const std::string coefficients =
        Cat("<p>本区格 L/a = ", Text(Significant(bay.span / a)),
            "，u/a = ", Text(Significant(u / a)), "，v/a = ", Text(Significant(v / a)),
            "：弯矩系数 k<sub>M</sub> = max(ΣM<sub>x</sub>, ΣM<sub>y</sub>)/F = ",
            Text(figures.momentCoefficient),
            "（中心应力 σ·t²/W = 6k<sub>M</sub> = ", Text(figures.stressCoefficient),
            "），挠度系数 k<sub>δ</sub> = w·E·t³/(F·a²) = ", Text(figures.deflectionCoefficient),
            longAcross ? Cat("（y = α·W·b²/(E·t³) 中 b 为短边 L：α = k<sub>δ</sub>·(a/L)² = ",
                             Coefficient(influence.deflection / (bay.span * bay.span)), "）")
                       : std::string("（即 y = α·W·b²/(E·t³) 中的 α，b 为短边 a）"),
            "，可与 Roark《Formulas for Stress and Strain》第 7 版表 11.4 情形 1b（四边简支，"
            "中心小面积均布荷载）的 α 及中心应力对照。</p>\n");
    return Cat("<p>集中荷载部分按 Lévy 单三角级数：</p>\n", FormulaBlock(series),
               "<div class=\"side-by-side series-working\">", explanation, table, "</div>\n",
               coefficients);
}

std::string Plate(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const PointLoadCheck& p = *book.check.pointLoad;
    const PointLoadPlateResult& r = p.plate;
    const DeckPlateResult& uniform = book.check.plate;
    const PointLoadFigures& figures = *book.figures.pointLoad;
    const std::string MD = SubscriptedSymbol("M", "D"), MF = SubscriptedSymbol("M", "F"),
                      dD = SubscriptedSymbol("δ", "D"), dF = SubscriptedSymbol("δ", "F"),
                      kM = SubscriptedSymbol("k", "M"), kDelta = SubscriptedSymbol("k", "δ");
    const std::string method =
        Cat("<p>区格 a × L 按弹性薄板（ν = ", Text(Exact(kPoissonRatio)),
            "）四边简支、作用面居中（跨中弯矩与挠度的最不利位置）计算",
            bay.boundary.continuous ? "，连续铺板亦按四边简支（跨中偏安全）" : "",
            "；恒荷载部分取第 4 节的 α、β，集中荷载部分取跨中两个方向弯矩的较大值。</p>\n");
    const std::string momentDead =
        Math(Cat(MD, Mo("="), Mi("α"), Mo("·"), GammaX("G"), Mo("·"), Mi("D"), Mo("·"),
                 Msup(Mi("a"), Mn(Exact(2))), Mo("="), Mn(Exact(uniform.alpha)), Mo("×"),
                 Mn(Exact(uniform.factors.dead)), Mo("×"), Mn(Exact(bay.dead)), Mo("×"),
                 Msup(Mn(Exact(bay.spacing / 1000.0)), Mn(Exact(2))), Mo("="),
                 Mn(figures.momentDead), Unit("kN·m/m")));
    const std::string momentPoint =
        Math(Cat(MF, Mo("="), kM, Mo("·"), GammaX("Q"), Mo("·"), Mi("F"), Mo("="),
                 Mn(figures.momentCoefficient), Mo("×"), Mn(Exact(p.factor)), Mo("×"),
                 Mn(Exact(p.load.force)), Mo("="), Mn(figures.momentPoint), Unit("kN·m/m")));
    const std::string moment =
        Math(Cat(Mi("M"), Mo("="), MD, Mo("+"), MF, Mo("="), Mn(figures.momentDead), Mo("+"),
                 Mn(figures.momentPoint), Mo("="), Mn(figures.moment), Unit("kN·m/m")));
    const std::string stress = PlateStressFormula(figures.moment, bay.thickness.mm, figures.stress,
                                                  p.plateStrength.exceeded, r.f);
    const std::string deflectionDead = Math(Cat(
        dD, Mo("="),
        Mfrac(Cat(Mi("β"), Mo("·"), Mi("D"), Mo("·"), Msup(Mi("a"), Mn(Exact(4)))),
              Cat(Mi("E"), Mo("·"), Msup(Mi("t"), Mn(Exact(3))))),
        Mo("="),
        Mfrac(Cat(Mn(Exact(uniform.beta)), Mo("×"), Mn(Scaled(Exact(bay.dead), -3)), Mo("×"),
                  Msup(Mn(Exact(bay.spacing)), Mn(Exact(4)))),
              Cat(Mn(SteelModulus()), Mo("×"), Msup(Mn(Exact(bay.thickness.mm)), Mn(Exact(3))))),
        Mo("="), Mn(figures.deflectionDead), Unit("mm")));
    const std::string deflectionPoint = Math(Cat(
        dF, Mo("="),
        Mfrac(Cat(kDelta, Mo("·"), Mi("F"), Mo("·"), Msup(Mi("a"), Mn(Exact(2)))),
              Cat(Mi("E"), Mo("·"), Msup(Mi("t"), Mn(Exact(3))))),
        Mo("="),
        Mfrac(Cat(Mn(figures.deflectionCoefficient), Mo("×"), Mn(Newtons(p.load.force)), Mo("×"),
                  Msup(Mn(Exact(bay.spacing)), Mn(Exact(2)))),
              Cat(Mn(SteelModulus()), Mo("×"), Msup(Mn(Exact(bay.thickness.mm)), Mn(Exact(3))))),
        Mo("="), Mn(figures.deflectionPoint), Unit("mm")));
    const std::string deflection =
        Math(Cat(Mi("δ"), Mo("="), dD, Mo("+"), dF, Mo("="), Mn(figures.deflectionDead), Mo("+"),
                 Mn(figures.deflectionPoint), Mo("="), Mn(figures.deflection), Unit("mm"),
                 Mo(Relation(p.plateDeflection.exceeded)), Mi("min"),
                 Parenthesised(Cat(Mfrac(Mi("a"), Mn(Exact(kPointLoadPlateDeflectionLimit))),
                                   Mo(","), Mn(Exact(kPointLoadPlateStepLimit)), Unit("mm"))),
                 Mo("="), Mn(Significant(r.deflectionLimit)), Unit("mm")));
    return Cat("<h3>铺板</h3>\n", method, Series(book), FormulaBlock(momentDead),
               FormulaBlock(momentPoint), FormulaBlock(moment), FormulaBlock(stress),
               VerdictLine(p.plateStrength.exceeded, p.plateStrength.text),
               FormulaBlock(deflectionDead), FormulaBlock(deflectionPoint),
               FormulaBlock(deflection),
               "<p class=\"note\">D 以 N/mm² 计，F 以 N 计，a、t 以 mm 计；4 mm 为受荷区格与相邻"
               "未受荷区格间的高差限值。</p>\n",
               VerdictLine(p.plateDeflection.exceeded, p.plateDeflection.text));
}

// The force taken standing at the support, with the dead load of one spacing: τ on the section's
// S of 第 5 节.
std::string Shear(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const PointLoadCheck& p = *book.check.pointLoad;
    const ShearFigures& figures = *book.figures.pointLoad->shear;
    const std::string V = Math(Cat(
        Mi("V"), Mo("="),
        Mfrac(Cat(GammaX("G"), Mo("·"), Mi("D"), Mo("·"), Mi("a"), Mo("·"), Mi("L")), Mn(Exact(2))),
        Mo("+"), GammaX("Q"), Mo("·"), Mi("F"), Mo("="),
        Mfrac(Cat(Mn(Exact(book.check.plate.factors.dead)), Mo("×"), Mn(Exact(bay.dead)), Mo("×"),
                  Mn(Exact(bay.spacing / 1000)), Mo("×"), Mn(Exact(bay.span / 1000))),
              Mn(Exact(2))),
        Mo("+"), Mn(Exact(p.factor)), Mo("×"), Mn(Exact(p.load.force)), Mo("="), Mn(figures.V),
        Unit("kN")));
    return Cat(
        FormulaBlock(V), ShearStressFormula(book, *p.shear, figures),
        "<p class=\"note\">集中荷载移至支座处；D 以 kN/m² 计，a、L 以 m 计，S 见第 5 节。</p>\n",
        VerdictLine(p.shear->verdict.exceeded, p.shear->verdict.text));
}

std::string Stiffener(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const PointLoadCheck& p = *book.check.pointLoad;
    const PointLoadStiffenerResult& r = p.stiffener;
    const PointLoadFigures& figures = *book.figures.pointLoad;
    const std::string Ix = SubscriptedSymbol("I", "x");
    const Figure& ix = book.figures.Ix;
    const Figure dead = Scaled(Exact(bay.dead), -3), force = Newtons(p.load.force);
    const std::string moment = Math(
        Cat(SubscriptedSymbol("M", "s"), Mo("="),
            Mfrac(Cat(GammaX("G"), Mo("·"), Mi("D"), Mo("·"), Mi("a"), Mo("·"),
                      Msup(Mi("L"), Mn(Exact(2)))),
                  Mn(Exact(8))),
            Mo("+"), Mfrac(Cat(GammaX("Q"), Mo("·"), Mi("F"), Mo("·"), Mi("L")), Mn(Exact(4)))));
    const std::string momentNumbers = Math(
        Cat(Mo("="),
            Mfrac(Cat(Mn(Exact(book.check.plate.factors.dead)), Mo("×"), Mn(dead), Mo("×"),
                      Mn(Exact(bay.spacing)), Mo("×"), Msup(Mn(Exact(bay.span)), Mn(Exact(2)))),
                  Mn(Exact(8))),
            Mo("+"),
            Mfrac(Cat(Mn(Exact(p.factor)), Mo("×"), Mn(force), Mo("×"), Mn(Exact(bay.span))),
                  Mn(Exact(4)))));
    const std::string momentResult = Math(Cat(Mo("="), Mn(figures.Ms), Unit("N·mm"), Mo("="),
                                              Mn(Shown(r.shown.moment)), Unit("kN·m")));
    const FibreStresses stresses{
        figures.Ms, figures.stressTop,           figures.stressBottom, figures.stiffenerStress,
        r.f,        p.stiffenerStrength.exceeded};
    const DeflectionVerdict& verdict = p.stiffenerDeflection;
    const std::string deflection =
        Math(Cat(SubscriptedSymbol("δ", "s"), Mo("="),
                 Mfrac(Cat(Mn(Exact(5)), Mo("·"), Mi("D"), Mo("·"), Mi("a"), Mo("·"),
                           Msup(Mi("L"), Mn(Exact(4)))),
                       Cat(Mn(Exact(384)), Mo("·"), Mi("E"), Mo("·"), Ix)),
                 Mo("+"),
                 Mfrac(Cat(Mi("F"), Mo("·"), Msup(Mi("L"), Mn(Exact(3)))),
                       Cat(Mn(Exact(48)), Mo("·"), Mi("E"), Mo("·"), Ix))));
    const std::string deflectionNumbers =
        Math(Cat(Mo("="),
                 Mfrac(Cat(Mn(Exact(5)), Mo("×"), Mn(dead), Mo("×"), Mn(Exact(bay.spacing)),
                           Mo("×"), Msup(Mn(Exact(bay.span)), Mn(Exact(4)))),
                       Cat(Mn(Exact(384)), Mo("×"), Mn(SteelModulus()), Mo("×"), Mn(ix))),
                 Mo("+"),
                 Mfrac(Cat(Mn(force), Mo("×"), Msup(Mn(Exact(bay.span)), Mn(Exact(3)))),
                       Cat(Mn(Exact(48)), Mo("×"), Mn(SteelModulus()), Mo("×"), Mn(ix)))));
    const auto [deflectionResult, ratio] =
        StiffenerDeflectionLimit(figures.stiffenerDeflection, verdict);
    return Cat("<h3>加劲肋</h3>\n",
               "<p>一根加劲肋承受全部集中荷载（作用面在其正上方，位于跨中）及一个间距的恒荷载，"
               "截面为第 5 节的组合截面。</p>\n",
               FormulaBlock(moment, Cat(momentNumbers, " ", momentResult)),
               FibreStressFormulas(book, stresses),
               VerdictLine(p.stiffenerStrength.exceeded, p.stiffenerStrength.text),
               FormulaBlock(deflection, Cat(deflectionNumbers, " ", deflectionResult)),
               "<p class=\"note\">D 以 N/mm² 计，F 以 N 计，a、L 以 mm 计；", ratio, "。</p>\n",
               VerdictLine(verdict.exceeded, verdict.text), p.shear ? Shear(book) : std::string());
}

}  // namespace

std::string PointLoadSection(const BookContext& book) {
    if (!book.check.pointLoad) return {};
    return BookSection(book, "point-load", "6 集中荷载验算",
                       Cat(Load(book), Plate(book), Stiffener(book)));
}

}  // namespace deckplate::report
