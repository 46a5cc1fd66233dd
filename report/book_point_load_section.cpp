// 集中荷载验算: the point load on its patch, the plate panel's moment, stress and deflection under
// it with the dead load — the series that gives the patch's part, term by term, and its
// coefficients beside Roark's — and the stiffener carrying the whole force at midspan.
#include "calc/number_text.h"
#include "report/book_sections.h"
#include "report/point_load_words.h"

namespace deckplate::report {

using namespace math;
using doc::Sub;

namespace {

// γ0· before a design load's formula under the current basis; nothing under the legacy one,
// whose loads never took it.
Expr Gamma0Times(const BookContext& book) {
    return book.CurrentBasis() ? Expr{GammaX("0"), Mo("·")} : Expr{};
}
Expr Gamma0Number(const BookContext& book) {
    return book.CurrentBasis() ? Expr{Mn(Fixed(book.check.loads.gamma0, 1)), Mo("×")} : Expr{};
}
// The share of the dead load a stiffener carries, kD·, where it is not one spacing.
Expr ShareTimes(const BookContext& book) {
    return book.SupportShare() ? Expr{SubscriptedSymbol("k", "D"), Mo("·")} : Expr{};
}
Expr ShareNumber(const BookContext& book) {
    return book.SupportShare() ? Expr{Mn(Exact(book.check.loads.supportDead)), Mo("×")} : Expr{};
}

// Whether the dead load's part takes the continuous envelope's αD and βD (current basis) rather
// than the uniform check's α and β.
bool Envelope(const BookContext& book) {
    return book.check.plate.coefficients.source == CoefficientSource::ContinuousEnvelope;
}
// The dead load's α or β as its formula writes it: α, or αD of the envelope.
Expr DeadCoefficient(const BookContext& book, std::string_view letter) {
    return Envelope(book) ? SubscriptedSymbol(letter, "D") : Mi(letter);
}

// A force in kN written in N, the stiffener formulas' unit: × 10³.
Figure Newtons(double kilonewtons) { return Scaled(Exact(kilonewtons), 3); }

std::string Patch(double across, double along) {
    return Cat(Text(Exact(across)), " × ", Text(Exact(along)), " mm");
}

// A term or sum of the series: four significant digits, every one in the same style, × 10ⁿ.
std::string Coefficient(double x) { return Text(x == 0 ? Exact(0) : Scientific(x, 3)); }

// The load, its patch as given and as it acts, and γQ·F. The access standard's load is named
// only when the load is its own: 1.5 kN on 200 × 200 mm.
Blocks Load(const BookContext& book) {
    const PointLoadCheck& p = *book.check.pointLoad;
    const doc::FormulaRun designForce = doc::Inline(
        {GammaX("Q"), Mo("·"), Mi("F"), Mo("="), Mn(Exact(p.factor)), Mo("×"),
         Mn(Exact(p.load.force)), Mo("="), Mn(book.figures.pointLoad->designForce), Unit("kN")});
    const bool standardLoad = p.load == PointLoad{};
    return {Body(
        Line(standardLoad ? "工作平台及通道的集中荷载（GB/T 17888.2-2020，等同 ISO 14122-2:2016）"
                          : "按给定集中荷载",
             "：F = ", Text(Exact(p.load.force)), " kN，均布于作用面 u × v = ",
             Patch(p.load.across, p.load.along), "（u 沿加劲肋间距，v 沿跨度），置于最不利位置。",
             p.PatchCut() ? PatchCutSentence(p.plate.across, p.plate.along) : std::string(),
             "单独作为一种荷载工况，不与活荷载 P 叠加：强度取 ",
             book.CurrentBasis() ? Line("γ", Sub("0"), " 乘 ") : Line(), "γ", Sub("G"), "·",
             DeadSymbolWords(book), " 与 ", designForce, "，挠度取 ", DeadSymbolWords(book),
             " 与 F；γ", Sub("Q"), " 为设计依据的可变荷载分项系数，不按工业楼面活荷载大于 ",
             Text(Exact(kHeavyFloorLiveLoad)), " kN/m² 的规定折减。"))};
}

// Lévy's single series for the patch at the centre of the panel: the expansion, its first terms
// and their sums as coefficients of a unit force, how many terms were summed, and the two
// coefficients beside Roark's.
Blocks Series(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const PatchInfluence& influence = book.check.pointLoad->plate.influence;
    const PointLoadFigures& figures = *book.figures.pointLoad;
    const double a = bay.spacing, aa = a * a;
    Expr series{Mi("w"),
                Mo("="),
                Munder(Mo("∑"), {Mi("m"), Mo("="), Mn(Exact(1)), Mo(","), Mn(Exact(3)), Mo(","),
                                 Mn(Exact(5)), Mo(","), Mo("…")}),
                Msub(Mi("w"), Mi("m")),
                Parenthesised(Mi("y")),
                Mo("·"),
                Mi("sin"),
                Mfrac({Mi("m"), Mi("π"), Mi("x")}, Mi("a"))};
    const auto number = [](std::string text) {
        return doc::Cell{.runs = Line(text), .align = doc::Align::Right};
    };
    doc::Table table{.look = doc::TableLook::Compact};
    table.rows.push_back(
        {.cells = {HeadCell(Line("m")), HeadCell(Line("w", Sub("m"), "·E·t³/(F·a²)")),
                   HeadCell(Line("M", Sub("x,m"), "/F")), HeadCell(Line("M", Sub("y,m"), "/F"))}});
    for (const PatchSeriesTerm& term : influence.firstTerms) {
        if (term.m == 0) break;
        table.rows.push_back(
            {.cells = {number(std::to_string(term.m)), number(Coefficient(term.deflection / aa)),
                       number(Coefficient(term.momentAcross)),
                       number(Coefficient(term.momentAlong))}});
    }
    const int lastM = 2 * influence.terms - 1;
    if (influence.terms > static_cast<int>(influence.firstTerms.size()))
        table.rows.push_back(
            {.cells = {number("…"), PlainCell(Line("至 m = ", std::to_string(lastM)), 3)}});
    table.rows.push_back({.cells = {number("Σ"), number(Coefficient(influence.deflection / aa)),
                                    number(Coefficient(influence.momentAcross)),
                                    number(Coefficient(influence.momentAlong))},
                          .look = doc::RowLook::Sum});
    Blocks explanation{Note(Line(
        "作用面上的压力 p = F/(u·v) 沿 x（间距 a 方向，原点在区格中心）展开为 p", Sub("m"),
        " = 4p/(mπ)·sin(mπ/2)·sin(mπu/(2a))；w", Sub("m"),
        "(y) 取无限长板条在 |y| ≤ v/2 上受荷的解，加上使 y = ±L/2 两边简支的齐次解。中心弯矩 M",
        Sub("x"), " = −D(∂²w/∂x² + ν∂²w/∂y²)（使板沿 a 向弯曲），M", Sub("y"),
        " = −D(∂²w/∂y² + ν∂²w/∂x²)。表中为 F = 1 时各项之值，求和至 m = ", std::to_string(lastM),
        "，共 ", std::to_string(influence.terms),
        " 项：其后各项之和的上界小于弯矩之和的 0.05%。"))};
    const double u = book.check.pointLoad->plate.across, v = book.check.pointLoad->plate.along;
    const bool longAcross = a > bay.span;
    Blocks blocks{Body(Line("集中荷载部分按 Lévy 单三角级数：")),
                  Formula(std::move(series)),
                  {doc::SideBySide{{std::move(explanation), {{std::move(table)}}}}}};
    blocks.push_back(Body(
        Line("本区格 L/a = ", Text(Significant(bay.span / a)), "，u/a = ", Text(Significant(u / a)),
             "，v/a = ", Text(Significant(v / a)), "：弯矩系数 k", Sub("M"), " = max(ΣM", Sub("x"),
             ", ΣM", Sub("y"), ")/F = ", Text(figures.momentCoefficient), "（中心应力 σ·t²/W = 6k",
             Sub("M"), " = ", Text(figures.stressCoefficient), "），挠度系数 k", Sub("δ"),
             " = w·E·t³/(F·a²) = ", Text(figures.deflectionCoefficient),
             longAcross ? Line("（y = α·W·b²/(E·t³) 中 b 为短边 L：α = k", Sub("δ"), "·(a/L)² = ",
                               Coefficient(influence.deflection / (bay.span * bay.span)), "）")
                        : Line("（即 y = α·W·b²/(E·t³) 中的 α，b 为短边 a）"),
             "，可与 Roark《Formulas for Stress and Strain》第 7 版表 11.4 情形 1c（四边简支，"
             "中心矩形面积均布荷载）的 α 及中心应力对照。")));
    return blocks;
}

// M_D = α·γG·D·a² of the dead load, M_F = kM·γQ·F of the force, and M, their sum.
Blocks PlateMoments(const BookContext& book, const PointLoadCheck& p,
                    const PointLoadFigures& figures) {
    const DeckPlateResult& uniform = book.check.plate;
    const Expr MD = SubscriptedSymbol("M", "D"), MF = SubscriptedSymbol("M", "F");
    Expr momentDead{MD,
                    Mo("="),
                    DeadCoefficient(book, "α"),
                    Mo("·"),
                    Gamma0Times(book),
                    GammaX("G"),
                    Mo("·"),
                    DeadSymbol(book),
                    Mo("·"),
                    Msup(Mi("a"), Mn(Exact(2))),
                    Mo("="),
                    Mn(Exact(uniform.alpha)),
                    Mo("×"),
                    Gamma0Number(book),
                    Mn(Exact(uniform.factors.dead)),
                    Mo("×"),
                    Mn(book.figures.dead),
                    Mo("×"),
                    Msup(Mn(Exact(book.input.bay.spacing / 1000.0)), Mn(Exact(2))),
                    Mo("="),
                    Mn(figures.momentDead),
                    Unit("kN·m/m")};
    Expr momentPoint{MF,
                     Mo("="),
                     Gamma0Times(book),
                     SubscriptedSymbol("k", "M"),
                     Mo("·"),
                     GammaX("Q"),
                     Mo("·"),
                     Mi("F"),
                     Mo("="),
                     Gamma0Number(book),
                     Mn(figures.momentCoefficient),
                     Mo("×"),
                     Mn(Exact(p.factor)),
                     Mo("×"),
                     Mn(Exact(p.load.force)),
                     Mo("="),
                     Mn(figures.momentPoint),
                     Unit("kN·m/m")};
    Expr moment{Mi("M"),
                Mo("="),
                MD,
                Mo("+"),
                MF,
                Mo("="),
                Mn(figures.momentDead),
                Mo("+"),
                Mn(figures.momentPoint),
                Mo("="),
                Mn(figures.moment),
                Unit("kN·m/m")};
    return {Formula(std::move(momentDead)), Formula(std::move(momentPoint)),
            Formula(std::move(moment))};
}

// δ_D = β·D·a⁴/(E·t³) of the dead load (10.92·βD·… under the continuous envelope's
// coefficients), δ_F = kδ·F·a²/(E·t³) of the force, and δ, their sum, against min(a/200, 4 mm).
Blocks PlateDeflections(const BookContext& book, const PointLoadCheck& p,
                        const PointLoadFigures& figures) {
    const BayInput& bay = book.input.bay;
    const Expr dD = SubscriptedSymbol("δ", "D"), dF = SubscriptedSymbol("δ", "F");
    const Expr stiffness{Mi("E"), Mo("·"), Msup(Mi("t"), Mn(Exact(3)))},
        stiffnessNumbers{Mn(SteelModulus()), Mo("×"),
                         Msup(Mn(Exact(bay.thickness.mm)), Mn(Exact(3)))};
    const Expr rigidity = Envelope(book) ? Expr{Mn(Exact(kPlateRigidityFactor)), Mo("·")} : Expr{};
    const Expr rigidityNumber =
        Envelope(book) ? Expr{Mn(Exact(kPlateRigidityFactor)), Mo("×")} : Expr{};
    Expr deflectionDead{dD,
                        Mo("="),
                        Mfrac({rigidity, DeadCoefficient(book, "β"), Mo("·"), DeadSymbol(book),
                               Mo("·"), Msup(Mi("a"), Mn(Exact(4)))},
                              stiffness),
                        Mo("="),
                        Mfrac({rigidityNumber, Mn(Exact(book.check.plate.beta)), Mo("×"),
                               Mn(Scaled(book.figures.dead, -3)), Mo("×"),
                               Msup(Mn(Exact(bay.spacing)), Mn(Exact(4)))},
                              stiffnessNumbers),
                        Mo("="),
                        Mn(figures.deflectionDead),
                        Unit("mm")};
    Expr deflectionPoint{
        dF,
        Mo("="),
        Mfrac({SubscriptedSymbol("k", "δ"), Mo("·"), Mi("F"), Mo("·"), Msup(Mi("a"), Mn(Exact(2)))},
              stiffness),
        Mo("="),
        Mfrac({Mn(figures.deflectionCoefficient), Mo("×"), Mn(Newtons(p.load.force)), Mo("×"),
               Msup(Mn(Exact(bay.spacing)), Mn(Exact(2)))},
              stiffnessNumbers),
        Mo("="),
        Mn(figures.deflectionPoint),
        Unit("mm")};
    Expr deflection{Mi("δ"),
                    Mo("="),
                    dD,
                    Mo("+"),
                    dF,
                    Mo("="),
                    Mn(figures.deflectionDead),
                    Mo("+"),
                    Mn(figures.deflectionPoint),
                    Mo("="),
                    Mn(figures.deflection),
                    Unit("mm"),
                    Mo(Relation(p.plateDeflection.exceeded)),
                    Mi("min"),
                    Parenthesised({Mfrac(Mi("a"), Mn(Exact(kPointLoadPlateDeflectionLimit))),
                                   Mo(","), Mn(Exact(kPointLoadPlateStepLimit)), Unit("mm")}),
                    Mo("="),
                    Mn(Significant(p.plate.deflectionLimit)),
                    Unit("mm")};
    return {Formula(std::move(deflectionDead)), Formula(std::move(deflectionPoint)),
            Formula(std::move(deflection)),
            Note(Line(DeadSymbolWords(book),
                      " 以 N/mm² 计，F 以 N 计，a、t 以 mm 计；4 mm 为受荷区格与相邻"
                      "未受荷区格间的高差限值。")),
            VerdictOf(book, Check::PointLoadPlateDeflection)};
}

// The panel as a thin plate under the patch at its centre, the series that gives the patch's
// part, then the plate's moments, its stress and its deflections.
Blocks Plate(const BookContext& book) {
    const PointLoadCheck& p = *book.check.pointLoad;
    const PointLoadFigures& figures = *book.figures.pointLoad;
    Blocks blocks{
        SubHeading("钢铺板"),
        Body(Line(
            "区格 a × L 按弹性薄板（ν = ", Text(Exact(kPoissonRatio)),
            "）四边简支、作用面居中（跨中弯矩与挠度的最不利位置）计算",
            book.input.bay.boundary.continuous ? "，连续钢铺板亦按四边简支（跨中偏安全）" : "",
            Envelope(book) ? Line("；恒荷载部分取第 4 节恒荷载满布的 α", Sub("D"), "、β", Sub("D"))
                           : Line("；恒荷载部分取第 4 节的 α、β"),
            "，集中荷载部分取跨中两个方向弯矩的较大值。"))};
    Append(blocks, Series(book));
    Append(blocks, PlateMoments(book, p, figures));
    blocks.push_back(
        Formula(PlateStressFormula(figures.moment, book.input.bay.thickness.mm, figures.stress,
                                   p.plateStrength.exceeded, p.plate.f)));
    blocks.push_back(VerdictOf(book, Check::PointLoadPlateStrength));
    Append(blocks, PlateDeflections(book, p, figures));
    return blocks;
}

// The force taken standing at the support, with the dead load of one spacing: τ on the section's
// S of 第 5 节.
Blocks Shear(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const PointLoadCheck& p = *book.check.pointLoad;
    const ShearFigures& figures = *book.figures.pointLoad->shear;
    Expr V{
        Mi("V"),
        Mo("="),
        Gamma0Times(book),
        Parenthesised({Mfrac({GammaX("G"), Mo("·"), ShareTimes(book), DeadSymbol(book), Mo("·"),
                              Mi("a"), Mo("·"), Mi("L")},
                             Mn(Exact(2))),
                       Mo("+"), GammaX("Q"), Mo("·"), Mi("F")}),
        Mo("="),
        Gamma0Number(book),
        Parenthesised({Mfrac({Mn(Exact(book.check.plate.factors.dead)), Mo("×"), ShareNumber(book),
                              Mn(book.figures.dead), Mo("×"), Mn(Exact(bay.spacing / 1000)),
                              Mo("×"), Mn(Exact(bay.span / 1000))},
                             Mn(Exact(2))),
                       Mo("+"), Mn(Exact(p.factor)), Mo("×"), Mn(Exact(p.load.force))}),
        Mo("="),
        Mn(figures.V),
        Unit("kN")};
    Blocks blocks{Formula(std::move(V)), ShearStressFormula(book, *p.shear, figures),
                  Note(Line("集中荷载移至支座处；", DeadSymbolWords(book),
                            " 以 kN/m² 计，a、L 以 m 计，S 见第 5 节。")),
                  VerdictOf(book, Check::PointLoadStiffenerShear)};
    if (p.weld && book.figures.pointLoad->weld) {
        Append(blocks, WeldStressFormulas(book, *p.weld, *book.figures.pointLoad->weld, figures.V));
        blocks.push_back(Note(Line("焊缝在同一支座剪力 V 下，S", Sub("p"), "、h", Sub("e"),
                                   p.weld->segments ? Line("、l", Sub("w")) : Line(), " 见第 ",
                                   std::to_string(WeldSectionNumber(book)), " 节。")));
        blocks.push_back(VerdictOf(book, Check::PointLoadWeldStrength));
    }
    return blocks;
}

// Ms = γG·D·a·L²/8 + γQ·F·L/4 (times γ0 under the current basis), in N·mm and kN·m.
doc::Block StiffenerMoment(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const PointLoadCheck& p = *book.check.pointLoad;
    const Expr parts{Mfrac({GammaX("G"), Mo("·"), ShareTimes(book), DeadSymbol(book), Mo("·"),
                            Mi("a"), Mo("·"), Msup(Mi("L"), Mn(Exact(2)))},
                           Mn(Exact(8))),
                     Mo("+"),
                     Mfrac({GammaX("Q"), Mo("·"), Mi("F"), Mo("·"), Mi("L")}, Mn(Exact(4)))};
    const Expr partNumbers{
        Mfrac({Mn(Exact(book.check.plate.factors.dead)), Mo("×"), ShareNumber(book),
               Mn(Scaled(book.figures.dead, -3)), Mo("×"), Mn(Exact(bay.spacing)), Mo("×"),
               Msup(Mn(Exact(bay.span)), Mn(Exact(2)))},
              Mn(Exact(8))),
        Mo("+"),
        Mfrac(
            {Mn(Exact(p.factor)), Mo("×"), Mn(Newtons(p.load.force)), Mo("×"), Mn(Exact(bay.span))},
            Mn(Exact(4)))};
    Expr moment{SubscriptedSymbol("M", "s"), Mo("="),
                book.CurrentBasis() ? Expr{Gamma0Times(book), Parenthesised(parts)} : parts};
    Expr numbers{
        Mo("="),
        book.CurrentBasis() ? Expr{Gamma0Number(book), Parenthesised(partNumbers)} : partNumbers,
        StiffenerMomentResult(book.figures.pointLoad->stiffener.Ms)};
    return Formula(std::move(moment), std::move(numbers));
}

// δs = 5·D·a·L⁴/(384·E·Ix) + F·L³/(48·E·Ix) against the stiffener's limit.
Blocks StiffenerDeflection(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const PointLoadCheck& p = *book.check.pointLoad;
    const Expr Ix = SubscriptedSymbol("I", "x");
    const Figure& ix = book.figures.Ix;
    const Figure force = Newtons(p.load.force);
    Expr deflection{SubscriptedSymbol("δ", "s"), Mo("="),
                    Mfrac({Mn(Exact(5)), Mo("·"), ShareTimes(book), DeadSymbol(book), Mo("·"),
                           Mi("a"), Mo("·"), Msup(Mi("L"), Mn(Exact(4)))},
                          {Mn(Exact(384)), Mo("·"), Mi("E"), Mo("·"), Ix}),
                    Mo("+"),
                    Mfrac({Mi("F"), Mo("·"), Msup(Mi("L"), Mn(Exact(3)))},
                          {Mn(Exact(48)), Mo("·"), Mi("E"), Mo("·"), Ix})};
    auto [result, ratio] = StiffenerDeflectionLimit(book.figures.pointLoad->stiffener.deflection,
                                                    p.stiffenerDeflection);
    Expr numbers{
        Mo("="),
        Mfrac({Mn(Exact(5)), Mo("×"), ShareNumber(book), Mn(Scaled(book.figures.dead, -3)), Mo("×"),
               Mn(Exact(bay.spacing)), Mo("×"), Msup(Mn(Exact(bay.span)), Mn(Exact(4)))},
              {Mn(Exact(384)), Mo("×"), Mn(SteelModulus()), Mo("×"), Mn(ix)}),
        Mo("+"),
        Mfrac({Mn(force), Mo("×"), Msup(Mn(Exact(bay.span)), Mn(Exact(3)))},
              {Mn(Exact(48)), Mo("×"), Mn(SteelModulus()), Mo("×"), Mn(ix)}),
        result};
    return {
        Formula(std::move(deflection), std::move(numbers)),
        Note(Line(DeadSymbolWords(book), " 以 N/mm² 计，F 以 N 计，a、L 以 mm 计；", ratio, "。")),
        VerdictOf(book, Check::PointLoadStiffenerDeflection)};
}

// The stiffener carrying the whole force at midspan: its moment, its two fibres, its
// deflection, and under the current basis the force at the support.
Blocks Stiffener(const BookContext& book) {
    const PointLoadCheck& p = *book.check.pointLoad;
    Blocks blocks{
        SubHeading("加劲肋"),
        Body(Line("一根加劲肋承受全部集中荷载（作用面在其正上方，位于跨中）及",
                  book.SupportShare() ? Line("第一内支座 k", Sub("D"), " = ",
                                             Text(Exact(book.check.loads.supportDead)), " 个间距")
                                      : Line("一个间距"),
                  "的恒荷载，截面为第 5 节的组合截面。")),
        StiffenerMoment(book)};
    Append(blocks, FibreStressFormulas(book, book.figures.pointLoad->stiffener, p.stiffener.f,
                                       p.stiffenerStrength.exceeded));
    blocks.push_back(VerdictOf(book, Check::PointLoadStiffenerStrength));
    Append(blocks, StiffenerDeflection(book));
    if (p.shear) Append(blocks, Shear(book));
    return blocks;
}

}  // namespace

Blocks PointLoadSection(const BookContext& book) {
    if (!book.check.pointLoad) return {};
    Blocks blocks{SectionHeading(
        book, "point-load", Cat(std::to_string(PointLoadSectionNumber(book)), " 集中荷载验算"))};
    Append(blocks, Load(book));
    Append(blocks, Plate(book));
    Append(blocks, Stiffener(book));
    return blocks;
}

}  // namespace deckplate::report
