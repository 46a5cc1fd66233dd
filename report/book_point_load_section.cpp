// 集中荷载验算: the point load on its patch, the plate panel's moment, stress and deflection under
// it with the dead load, and the stiffener carrying the whole force at midspan.
#include "calc/number_text.h"
#include "report/book_sections.h"
#include "report/html_text.h"
#include "report/mathml.h"
#include "report/point_load_words.h"

namespace deckplate::report {

using namespace mathml;

namespace {

// A force in kN written in N, the stiffener formulas' unit: × 10³.
Figure Newtons(double kilonewtons) {
    Figure figure = Exact(kilonewtons);
    figure.tenPower += 3;
    return figure;
}

// The substitution of a long formula and its result: on one line when they fit, the result on
// a line of its own when a long span's numbers fill the first.
std::string WrappingLine(std::string_view numbers, std::string_view result) {
    return Cat(numbers, " ", result);
}

std::string Patch(double across, double along) {
    return Cat(Text(Exact(across)), " × ", Text(Exact(along)), " mm");
}

// The load, its patch as given and as it acts, and γQ·F.
std::string Load(const BookContext& book) {
    const PointLoadCheck& p = *book.check.pointLoad;
    const std::string designForce = InlineMath(Cat(
        GammaX("Q"), Mo("·"), Mi("F"), Mo("="), Mn(Exact(p.factor)), Mo("×"),
        Mn(Exact(p.load.force)), Mo("="), Mn(Significant(p.factor * p.load.force)), Unit("kN")));
    return Cat(
        "<p>工作平台及通道的集中荷载（GB/T 17888.2-2020，等同 ISO 14122-2:2016）：F = ",
        Text(Exact(p.load.force)), " kN，均布于作用面 u × v = ", Patch(p.load.across, p.load.along),
        "（u 沿加劲肋间距，v 沿跨度），置于最不利位置。",
        p.PatchCut() ? PatchCutSentence(p.plate.across, p.plate.along) : std::string(),
        "单独作为一种荷载工况，不与活荷载 P 叠加：强度取 γ<sub>G</sub>·D 与 ", designForce,
        "，挠度取 D 与 F；γ<sub>Q</sub> 为设计依据的可变荷载分项系数，不按工业楼面活荷载大于 ",
        Text(Exact(kHeavyFloorLiveLoad)), " kN/m² 的规定折减。</p>\n");
}

std::string Plate(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const PointLoadCheck& p = *book.check.pointLoad;
    const PointLoadPlateResult& r = p.plate;
    const DeckPlateResult& uniform = book.check.plate;
    const std::string MD = SubscriptedSymbol("M", "D"), MF = SubscriptedSymbol("M", "F"),
                      dD = SubscriptedSymbol("δ", "D"), dF = SubscriptedSymbol("δ", "F");
    const std::string method =
        Cat("<p>区格 a × L 按弹性薄板（ν = ", Text(Exact(kPoissonRatio)),
            "）四边简支、作用面居中（跨中弯矩与挠度的最不利位置）计算",
            bay.boundary.continuous ? "，连续铺板亦按四边简支（跨中偏安全）" : "",
            "。集中荷载部分按 Lévy 单三角级数求和，取跨中两个方向弯矩的较大值；恒荷载部分取第 4 "
            "节的 α、β。</p>\n");
    const std::string momentDead =
        Math(Cat(MD, Mo("="), Mi("α"), Mo("·"), GammaX("G"), Mo("·"), Mi("D"), Mo("·"),
                 Msup(Mi("a"), Mn(Exact(2))), Mo("="), Mn(Exact(uniform.alpha)), Mo("×"),
                 Mn(Exact(uniform.factors.dead)), Mo("×"), Mn(Exact(bay.dead)), Mo("×"),
                 Msup(Mn(Exact(bay.spacing / 1000.0)), Mn(Exact(2))), Mo("="),
                 Mn(Significant(r.momentDead)), Unit("kN·m/m")));
    const std::string momentPoint =
        Math(Cat(MF, Mo("="), Mn(Significant(r.momentPoint)), Unit("kN·m/m"),
                 Mtext("（Lévy 级数，"), GammaX("Q"), Mo("·"), Mi("F"),
                 Mtext(Cat("\u2009作用于 ", Patch(r.across, r.along), "）"))));
    const std::string moment = Math(
        Cat(Mi("M"), Mo("="), MD, Mo("+"), MF, Mo("="), Mn(Significant(r.momentDead)), Mo("+"),
            Mn(Significant(r.momentPoint)), Mo("="), Mn(Shown(r.display.moment)), Unit("kN·m/m")));
    const std::string stress = PlateStressFormula(r.moment, bay.thickness.mm, r.display.stress,
                                                  p.plateStrength.exceeded, r.f);
    const std::string deflectionDead = Math(Cat(
        dD, Mo("="),
        Mfrac(Cat(Mi("β"), Mo("·"), Mi("D"), Mo("·"), Msup(Mi("a"), Mn(Exact(4)))),
              Cat(Mi("E"), Mo("·"), Msup(Mi("t"), Mn(Exact(3))))),
        Mo("="),
        Mfrac(Cat(Mn(Exact(uniform.beta)), Mo("×"), Mn(PerSquareMillimetre(bay.dead)), Mo("×"),
                  Msup(Mn(Exact(bay.spacing)), Mn(Exact(4)))),
              Cat(Mn(SteelModulus()), Mo("×"), Msup(Mn(Exact(bay.thickness.mm)), Mn(Exact(3))))),
        Mo("="), Mn(Significant(r.deflectionDead)), Unit("mm")));
    const std::string deflectionPoint =
        Math(Cat(dF, Mo("="), Mn(Significant(r.deflectionPoint)), Unit("mm"),
                 Mtext(Cat("（Lévy 级数，F 作用于 ", Patch(r.across, r.along), "）"))));
    const std::string deflection = Math(
        Cat(Mi("δ"), Mo("="), dD, Mo("+"), dF, Mo("="), Mn(Significant(r.deflectionDead)), Mo("+"),
            Mn(Significant(r.deflectionPoint)), Mo("="), Mn(Shown(r.display.deflection)),
            Unit("mm"), Mo(Relation(p.plateDeflection.exceeded)), Mi("min"),
            Parenthesised(Cat(Mfrac(Mi("a"), Mn(Exact(kPointLoadPlateDeflectionLimit))), Mo(","),
                              Mn(Exact(kPointLoadPlateStepLimit)), Unit("mm"))),
            Mo("="), Mn(Significant(r.deflectionLimit)), Unit("mm")));
    return Cat("<h3>铺板</h3>\n", method, FormulaBlock(momentDead), FormulaBlock(momentPoint),
               FormulaBlock(moment), FormulaBlock(stress),
               VerdictLine(p.plateStrength.exceeded, p.plateStrength.text),
               FormulaBlock(deflectionDead), FormulaBlock(deflectionPoint),
               FormulaBlock(deflection),
               "<p class=\"note\">D 以 N/mm² 计，a、t 以 mm 计；4 mm 为受荷区格与相邻未受荷区格间"
               "的高差限值。</p>\n",
               VerdictLine(p.plateDeflection.exceeded, p.plateDeflection.text));
}

std::string Stiffener(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const PointLoadCheck& p = *book.check.pointLoad;
    const PointLoadStiffenerResult& r = p.stiffener;
    const std::string Ix = SubscriptedSymbol("I", "x");
    const Figure ix = CentimetresToTheFourth(book.check.stiffener.display.compositeInertia);
    const Figure dead = PerSquareMillimetre(bay.dead), force = Newtons(p.load.force);
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
    const std::string momentResult = Math(Cat(Mo("="), Mn(Significant(r.Ms)), Unit("N·mm"), Mo("="),
                                              Mn(Shown(r.display.moment)), Unit("kN·m")));
    const FibreStresses stresses{
        r.Ms, r.stressTop, r.stressBottom, r.display.stress, r.f, p.stiffenerStrength.exceeded};
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
    const auto [deflectionResult, ratio] = StiffenerDeflectionLimit(r.display.deflection, verdict);
    return Cat("<h3>加劲肋</h3>\n",
               "<p>一根加劲肋承受全部集中荷载（作用面在其正上方，位于跨中）及一个间距的恒荷载，"
               "截面为第 5 节的组合截面。</p>\n",
               FormulaBlock(moment, WrappingLine(momentNumbers, momentResult)),
               FibreStressFormulas(book, stresses),
               VerdictLine(p.stiffenerStrength.exceeded, p.stiffenerStrength.text),
               FormulaBlock(deflection, WrappingLine(deflectionNumbers, deflectionResult)),
               "<p class=\"note\">D 以 N/mm² 计，F 以 N 计，a、L 以 mm 计；", ratio, "。</p>\n",
               VerdictLine(verdict.exceeded, verdict.text));
}

}  // namespace

std::string PointLoadSection(const BookContext& book) {
    if (!book.check.pointLoad) return {};
    return BookSection("point-load", "6 集中荷载验算",
                       Cat(Load(book), Plate(book), Stiffener(book)));
}

}  // namespace deckplate::report
