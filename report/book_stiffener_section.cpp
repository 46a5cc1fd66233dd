// 加劲肋验算: the composite section, the stiffener's moment, its stresses at the top and the
// bottom fibre, and its deflection.
#include "calc/number_text.h"
#include "report/book_sections.h"
#include "report/drawings.h"

namespace deckplate::report {

using namespace math;
using doc::Sub;

namespace {

// b_e = min(30·t·εk, a) under the current basis (GB 50017-2017 §6.3.7 by analogy), min(30·t, a)
// under the legacy one.
doc::Runs StripWidth(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const std::string thirty = Text(Exact(kStripThicknesses));
    const doc::Runs strip =
        book.figures.current
            ? Line(thirty, "·t·ε", Sub("k"), ", a) = min(", thirty, " × ",
                   Text(Exact(bay.thickness.mm)), " × ", Text(book.figures.current->epsilonK))
            : Line(thirty, "t, a) = min(", thirty, " × ", Text(Exact(bay.thickness.mm)));
    return Line("b", Sub("e"), " = min(", strip, ", ", Text(Exact(bay.spacing)),
                ") = ", Text(book.figures.be), " mm");
}

// The section's parts in one unit each: lengths in mm, areas in mm², moments of inertia in
// mm⁴, each the figure the formulas below put in.
doc::Table SectionValues(const BookContext& book) {
    const BookFigures& f = book.figures;
    const auto row = [](doc::Runs heading, doc::Runs content) {
        return doc::Row{.cells = {HeadCell(std::move(heading)), PlainCell(std::move(content))}};
    };
    doc::Runs stiffener =
        Line("A", Sub("s"), " = ", Text(f.As), " mm²；I", Sub("s"), " = ", Text(f.Is), " mm⁴；");
    if (!book.FlatBar()) {
        AddTo(stiffener,
              Line("形心距短肢外缘 y", Sub("0"), " = ",
                   Text(Significant(book.check.stiffener.shown.centroid.value * 10)), " mm；"));
    }
    AddTo(stiffener, Line("形心距钢铺板顶面 y", Sub("s"), " = ", Text(f.ys), " mm"));
    doc::Table table{.columns = {22, 78}};
    table.rows.push_back(row(Line("有效板宽"), StripWidth(book)));
    table.rows.push_back(
        row(Line("钢铺板条"), Line("A", Sub("p"), " = b", Sub("e"), "·t = ", Text(f.Ap), " mm²；I",
                                   Sub("p"), " = b", Sub("e"), "·t³/12 = ", Text(f.Ip), " mm⁴")));
    table.rows.push_back(row(Line(StiffenerTitle(book)), std::move(stiffener)));
    table.rows.push_back(
        row(Line("组合截面"), Line("Y", Sub("o"), " = ", Text(f.Yo), " mm（形心轴至钢铺板顶面）；I",
                                   Sub("x"), " = ", Text(f.Ix), " mm⁴")));
    return table;
}

Blocks CompositeFormulas(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const BookFigures& s = book.figures;
    const Expr Ap = SubscriptedSymbol("A", "p"), As = SubscriptedSymbol("A", "s"),
               ys = SubscriptedSymbol("y", "s"), Yo = SubscriptedSymbol("Y", "o");
    const Expr halfT = Mfrac(Mi("t"), Mn(Exact(2)));
    Expr yo{Yo,
            Mo("="),
            Mfrac({Ap, Mo("·"), halfT, Mo("+"), As, Mo("·"), ys}, {Ap, Mo("+"), As}),
            Mo("="),
            Mfrac({Mn(s.Ap), Mo("×"), Mn(Exact(bay.thickness.mm / 2)), Mo("+"), Mn(s.As), Mo("×"),
                   Mn(s.ys)},
                  {Mn(s.Ap), Mo("+"), Mn(s.As)}),
            Mo("="),
            Mn(s.Yo),
            Unit("mm")};
    const auto squared = [](Expr content) {
        return Msup(Parenthesised(std::move(content)), Mn(Exact(2)));
    };
    Expr ix{
        SubscriptedSymbol("I", "x"),   Mo("="), SubscriptedSymbol("I", "p"), Mo("+"), Ap, Mo("·"),
        squared({Yo, Mo("−"), halfT}), Mo("+"), SubscriptedSymbol("I", "s"), Mo("+"), As, Mo("·"),
        squared({ys, Mo("−"), Yo})};
    Expr ixNumbers{
        Mo("="),  Mn(s.Ip), Mo("+"),
        Mn(s.Ap), Mo("×"),  squared({Mn(s.Yo), Mo("−"), Mn(Exact(bay.thickness.mm / 2))}),
        Mo("+"),  Mn(s.Is), Mo("+"),
        Mn(s.As), Mo("×"),  squared({Mn(s.ys), Mo("−"), Mn(s.Yo)}),
        Mo("="),  Mn(s.Ix), Unit("mm⁴")};
    return {Formula(std::move(yo)), Formula(std::move(ix), std::move(ixNumbers))};
}

// Why γx is what it is under the current basis: the plate beside the stiffener against
// 2·13·t·εk, beyond which its compression outstand is no longer S3 and the section takes 1.0.
doc::Block GammaReason(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const StiffenerResult& s = book.check.stiffener;
    const CurrentBasisFigures& f = *book.figures.current;
    const bool slender = s.slenderFlange;
    const doc::FormulaRun width = doc::Inline({Mi("a"),
                                               Mo("="),
                                               Mn(Exact(bay.spacing)),
                                               Unit("mm"),
                                               Mo(slender ? ">" : "≤"),
                                               Mn(Exact(2)),
                                               Mo("×"),
                                               Mn(Exact(kCompactOutstandLimit)),
                                               Mo("·"),
                                               Mi("t"),
                                               Mo("·"),
                                               SubscriptedSymbol("ε", "k"),
                                               Mo("="),
                                               Mn(Exact(2)),
                                               Mo("×"),
                                               Mn(Exact(kCompactOutstandLimit)),
                                               Mo("×"),
                                               Mn(Exact(bay.thickness.mm)),
                                               Mo("×"),
                                               Mn(f.epsilonK),
                                               Mo("="),
                                               Mn(f.compactWidth),
                                               Unit("mm")});
    const doc::Runs gammas = Line("γ", Sub("x1"), " = ", Text(Fixed(s.topGamma, 2)), "，γ",
                                  Sub("x2"), " = ", Text(Fixed(s.bottomGamma, 2)));
    if (slender) {
        return Note(Line(width,
                         "：钢铺板在加劲肋两侧的受压外伸部分超过 S3 级（GB 50017-2017 表 "
                         "3.5.1，b/t ≤ ",
                         Text(Exact(kCompactOutstandLimit)), "ε", Sub("k"),
                         "），组合截面不计塑性发展（第 6.1.2 条）：", gammas, "。"));
    }
    return Note(
        Line(width, "：钢铺板受压外伸部分不超过 S3 级，", gammas, "（第 6.1.2 条及表 8.1.1）。"));
}

// What one stiffener carries: one spacing of q, qk and P on a simply supported plate; under a
// continuous plate of the current basis the first interior support's share of the spans beside
// it, the dead load's and the live load's apart.
Blocks CarriedLoads(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const BayLoads& loads = book.check.loads;
    const BookFigures& f = book.figures;
    if (!book.SupportShare()) {
        return {Body(Line("加劲肋按跨度 L = ", Text(Exact(bay.span)),
                          " mm 的简支梁计算，承受一个间距 a = ", Text(Exact(bay.spacing)),
                          " mm 宽的钢铺板荷载（L、a 均为中心距）；截面为", StiffenerTitle(book),
                          "与有效宽度 b", Sub("e"), " 的钢铺板组成的组合截面。"))};
    }
    const Expr dead = DeadSymbol(book), kD = SubscriptedSymbol("k", "D"),
               kP = SubscriptedSymbol("k", "P");
    const StiffenerLoadSymbols load = StiffenerLoadsOf(book);
    const DeckPlateResult& plate = book.check.plate;
    const Figure kd = Exact(loads.supportDead), kp = Exact(loads.supportLive);
    return {
        Body(Line("加劲肋按跨度 L = ", Text(Exact(bay.span)),
                  " mm 的简支梁计算（L、a 均为中心距）。钢铺板三跨及以上连续，加劲肋为其内支座，"
                  "取第一内支座的反力：恒荷载满布时 k",
                  Sub("D"), " = ", Text(kd), " 个间距，活荷载最不利布置时 k", Sub("P"), " = ",
                  Text(kp), " 个间距（等跨连续梁 B 支座反力系数）；截面为", StiffenerTitle(book),
                  "与有效宽度 b", Sub("e"), " 的钢铺板组成的组合截面。")),
        Formula({load.design, Mo("="), GammaX("0"), Mo("·"),
                 Parenthesised({GammaX("G"), Mo("·"), kD, Mo("·"), dead, Mo("+"), GammaX("Q"),
                                Mo("·"), kP, Mo("·"), Mi("P")}),
                 Mo("="), Mn(Fixed(loads.gamma0, 1)), Mo("×"),
                 Parenthesised({Mn(Exact(plate.factors.dead)), Mo("×"), Mn(kd), Mo("×"), Mn(f.dead),
                                Mo("+"), Mn(Exact(plate.factors.live)), Mo("×"), Mn(kp), Mo("×"),
                                Mn(Exact(bay.live))}),
                 Mo("="), Mn(f.stiffenerDesign), Unit("kN/m²")}),
        Formula({load.standard,
                 Mo("="),
                 kD,
                 Mo("·"),
                 dead,
                 Mo("+"),
                 kP,
                 Mo("·"),
                 Mi("P"),
                 Mo("="),
                 Mn(kd),
                 Mo("×"),
                 Mn(f.dead),
                 Mo("+"),
                 Mn(kp),
                 Mo("×"),
                 Mn(Exact(bay.live)),
                 Mo("="),
                 Mn(f.stiffenerStandard),
                 Unit("kN/m²")}),
        Formula({load.live, Mo("="), kP, Mo("·"), Mi("P"), Mo("="), Mn(kp), Mo("×"),
                 Mn(Exact(bay.live)), Mo("="), Mn(f.stiffenerLive), Unit("kN/m²")}),
        Note(Line("q", Sub("s"), " 用于强度及抗剪，q", Sub("sk"), " 用于挠度，q", Sub("sQ"),
                  " 用于活荷载挠度；均为按一个间距 a 折算的面荷载。"))};
}

Blocks Strength(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const StiffenerResult& s = book.check.stiffener;
    const BookFigures& figures = book.figures;
    const StrengthVerdict& verdict = book.check.stiffenerStrength;
    const StiffenerLoadSymbols load = StiffenerLoadsOf(book);
    Expr moment{
        SubscriptedSymbol("M", "s"),
        Mo("="),
        Mfrac({load.design, Mo("·"), Mi("a"), Mo("·"), Msup(Mi("L"), Mn(Exact(2)))}, Mn(Exact(8))),
        Mo("="),
        Mfrac({Mn(Scaled(figures.stiffenerDesign, -3)), Mo("×"), Mn(Exact(bay.spacing)), Mo("×"),
               Msup(Mn(Exact(bay.span)), Mn(Exact(2)))},
              Mn(Exact(8))),
        StiffenerMomentResult(figures.stiffener.Ms)};
    Blocks blocks{SubHeading("强度"), Formula(std::move(moment))};
    if (book.CurrentBasis()) blocks.push_back(GammaReason(book));
    Append(blocks, FibreStressFormulas(book, figures.stiffener, s.f, verdict.exceeded));
    blocks.push_back(Note(Line(book.SupportShare() ? Subscripted("q", "s") : Line("q"),
                               " 以 N/mm² 计，a、L 以 mm 计；h 为加劲肋高度",
                               book.FlatBar() ? "" : "（角钢长肢宽）",
                               "。钢铺板与加劲肋焊接，约束其受压翼缘，加劲肋的整体稳定可不计算"
                               "（GB 50017-2017 第 6.2.1 条）。")));
    blocks.push_back(VerdictOf(book, Check::StiffenerStrength));
    return blocks;
}

// 5·q·a·L⁴ / (384·E·Ix) of a load on one spacing, and with its numbers.
Expr BeamDeflection(const Expr& load) {
    return Mfrac(
        {Mn(Exact(5)), Mo("·"), load, Mo("·"), Mi("a"), Mo("·"), Msup(Mi("L"), Mn(Exact(4)))},
        {Mn(Exact(384)), Mo("·"), Mi("E"), Mo("·"), SubscriptedSymbol("I", "x")});
}
Expr BeamDeflectionNumbers(const BookContext& book, const Figure& load) {
    const BayInput& bay = book.input.bay;
    return Mfrac({Mn(Exact(5)), Mo("×"), Mn(Scaled(load, -3)), Mo("×"), Mn(Exact(bay.spacing)),
                  Mo("×"), Msup(Mn(Exact(bay.span)), Mn(Exact(4)))},
                 {Mn(Exact(384)), Mo("×"), Mn(SteelModulus()), Mo("×"), Mn(book.figures.Ix)});
}

// The stiffener's deflection under the live load alone, against L/300 (current basis).
Blocks LiveDeflection(const BookContext& book) {
    const DeflectionVerdict& verdict = *book.check.stiffenerLiveDeflection;
    const StiffenerLoadSymbols load = StiffenerLoadsOf(book);
    const Expr symbol = SubscriptedSymbol("δ", "Q");
    if (book.check.loads.live == 0) {
        return {Body(Line("活荷载 P = 0，加劲肋无活荷载挠度。")),
                VerdictOf(book, Check::StiffenerLiveDeflection)};
    }
    Expr deflection{symbol, Mo("="), BeamDeflection(load.live), Mo("="),
                    BeamDeflectionNumbers(book, book.figures.stiffenerLive)};
    Expr result = StiffenerDeflectionLimit(book.figures.current->liveDeflection, verdict).result;
    return {Formula(std::move(deflection), std::move(result)),
            Note(Line("仅活荷载作用下（GB 50017-2017 表 B.1.1 第 4 项，[v", Sub("Q"), "] = L/",
                      Text(Exact(verdict.limit)), "）；",
                      book.SupportShare() ? Subscripted("q", "sQ") : Line("P"), " 以 N/mm² 计；L/δ",
                      Sub("Q"), " = ", Text(Fixed(RoundDecimals(verdict.ratio, 1), 1)),
                      verdict.exceeded ? " ≤ " : " > ", Text(Exact(verdict.limit)), "。")),
            VerdictOf(book, Check::StiffenerLiveDeflection)};
}

Blocks Deflection(const BookContext& book) {
    const DeflectionVerdict& verdict = book.check.stiffenerDeflection;
    Expr deflection{SubscriptedSymbol("δ", "s"), Mo("="),
                    BeamDeflection(StiffenerLoadsOf(book).standard), Mo("="),
                    BeamDeflectionNumbers(book, book.figures.stiffenerStandard)};
    auto [result, ratio] = StiffenerDeflectionLimit(book.figures.stiffener.deflection, verdict);
    Blocks blocks{SubHeading("挠度"), Formula(std::move(deflection), std::move(result)),
                  Note(Line(book.SupportShare() ? Subscripted("q", "sk") : Line("q", Sub("k")),
                            " 以 N/mm² 计，a、L 以 mm 计；", ratio, "。")),
                  VerdictOf(book, Check::StiffenerDeflection)};
    if (book.check.stiffenerLiveDeflection) Append(blocks, LiveDeflection(book));
    return blocks;
}

// S about the neutral axis of the part below it, as the axis cuts the section.
doc::Block FirstMoment(const BookContext& book) {
    const ShearCheck& shear = *book.check.shear;
    const BookFigures& f = book.figures;
    const Expr S = Mi("S"), Yo = SubscriptedSymbol("Y", "o"), tw = SubscriptedSymbol("t", "w");
    const Expr t = Mn(Exact(book.input.bay.thickness.mm)), yo = Mn(f.Yo);
    const auto half = [](Expr x) { return Mfrac(std::move(x), Mn(Exact(2))); };
    const auto squared = [](Expr x) { return Msup(Parenthesised(std::move(x)), Mn(Exact(2))); };
    const Expr firstMoment = Mn(f.current->S);
    if (shear.cut == AxisCut::Plate) {
        return Formula({S, Mo("="),
                        half({SubscriptedSymbol("b", "e"), Mo("·"), Msup(Yo, Mn(Exact(2)))}),
                        Mo("="), half({Mn(f.be), Mo("×"), Msup(yo, Mn(Exact(2)))}), Mo("="),
                        firstMoment, Unit("mm³")});
    }
    const Stiffener section = StiffenerSection(book.input.bay.stiffener);
    const double depth = book.check.stiffener.depth;
    const Expr below{Mi("t"), Mo("+"), Mi("h"), Mo("−"), Yo};
    const Expr belowNumbers{t, Mo("+"), Mn(Exact(depth)), Mo("−"), yo};
    const double thickness = StiffenerThickness(section);
    if (shear.cut == AxisCut::ShortLeg || book.FlatBar()) {
        const bool leg = shear.cut == AxisCut::ShortLeg;
        const double width = leg ? std::get<AngleValues>(section).shortLeg : thickness;
        return Formula({S, Mo("="), half({leg ? Mi("b") : tw, Mo("·"), squared(below)}), Mo("="),
                        half({Mn(Exact(width)), Mo("×"), squared(belowNumbers)}), Mo("="),
                        firstMoment, Unit("mm³")});
    }
    const double b = std::get<AngleValues>(section).shortLeg;
    Expr formula{S,
                 Mo("="),
                 half({tw, Mo("·"), squared(below)}),
                 Mo("+"),
                 Parenthesised({Mi("b"), Mo("−"), tw}),
                 Mo("·"),
                 tw,
                 Mo("·"),
                 Parenthesised({below, Mo("−"), half(tw)})};
    Expr numbers{Mo("="),    half({Mn(Exact(thickness)), Mo("×"), squared(belowNumbers)}),
                 Mo("+"),    Parenthesised({Mn(Exact(b)), Mo("−"), Mn(Exact(thickness))}),
                 Mo("×"),    Mn(Exact(thickness)),
                 Mo("×"),    Parenthesised({belowNumbers, Mo("−"), half(Mn(Exact(thickness)))}),
                 Mo("="),    firstMoment,
                 Unit("mm³")};
    return Formula(std::move(formula), std::move(numbers));
}

// V at the support and τ at the neutral axis, under the design load q (GB 50017-2017 §6.1).
Blocks Shear(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    const ShearCheck& shear = *book.check.shear;
    const CurrentBasisFigures& f = *book.figures.current;
    Expr V{Mi("V"),
           Mo("="),
           Mfrac({StiffenerLoadsOf(book).design, Mo("·"), Mi("a"), Mo("·"), Mi("L")}, Mn(Exact(2))),
           Mo("="),
           Mfrac({Mn(book.figures.stiffenerDesign), Mo("×"), Mn(Exact(bay.spacing / 1000)), Mo("×"),
                  Mn(Exact(bay.span / 1000))},
                 Mn(Exact(2))),
           Mo("="),
           Mn(f.shear.V),
           Unit("kN")};
    const doc::Runs where =
        shear.cut == AxisCut::Plate
            ? Line("中和轴在钢铺板内，S 取其上部钢铺板 b", Sub("e"), "·Y", Sub("o"),
                   "²/2（与其下全部面积的面积矩相等），w = b", Sub("e"))
        : book.FlatBar() ? Line("S 为中和轴以下扁钢对中和轴的面积矩，w = t", Sub("w"))
        : shear.cut == AxisCut::ShortLeg
            ? Line("中和轴在角钢短肢内，S 为其下两肢对中和轴的面积矩，w = b")
            : Line("S 为中和轴以下角钢对中和轴的面积矩，角钢按长肢 h × t", Sub("w"),
                   " 与短肢 (b − t", Sub("w"), ") × t", Sub("w"), " 两个矩形计算，不计圆角，w = t",
                   Sub("w"));
    return {SubHeading("抗剪"),
            Formula(std::move(V)),
            FirstMoment(book),
            ShearStressFormula(book, shear, f.shear),
            Note(Line("a、L 以 m 计；", where, "。")),
            VerdictOf(book, Check::StiffenerShear)};
}

// The outstand h/t_w of a flat bar, b/t_w of an angle's short leg, against 15·εk.
Blocks Outstand(const BookContext& book) {
    const OutstandCheck& outstand = *book.check.outstand;
    const CurrentBasisFigures& f = *book.figures.current;
    const Stiffener section = StiffenerSection(book.input.bay.stiffener);
    const bool bar = book.FlatBar();
    const double width =
        bar ? std::get<FlatBar>(section).height : std::get<AngleValues>(section).shortLeg;
    Expr ratio{Mi("b"),
               Mo("/"),
               Mi("t"),
               Mo("="),
               bar ? Mi("h") : Mi("b"),
               Mo("/"),
               SubscriptedSymbol("t", "w"),
               Mo("="),
               Mn(Exact(width)),
               Mo("/"),
               Mn(Exact(StiffenerThickness(section))),
               Mo("="),
               Mn(f.ratio),
               Mo(outstand.exceeded ? ">" : "≤"),
               Mn(Exact(kOutstandLimit)),
               Mo("·"),
               SubscriptedSymbol("ε", "k"),
               Mo("="),
               Mn(Exact(kOutstandLimit)),
               Mo("×"),
               Mn(f.epsilonK),
               Mo("="),
               Mn(f.limit)};
    return {SubHeading("宽厚比"), Formula(std::move(ratio)),
            Note(Line(bar ? "扁钢肋高与厚度之比" : "角钢短肢宽与厚度之比",
                      "，按 GB 50017-2017 表 3.5.1 受弯构件翼缘外伸部分 S4 级的限值 15ε", Sub("k"),
                      "。")),
            VerdictOf(book, Check::StiffenerOutstand)};
}

}  // namespace

Blocks StiffenerSection(const BookContext& book) {
    const BayInput& bay = book.input.bay;
    Blocks figure{{doc::Illustration{
        SectionDrawing(bay, book.check.stiffener, book.figures.be, book.figures.Yo),
        Line("组合截面（按比例，尺寸 mm）；x–x 为组合截面形心轴")}}};
    Blocks blocks{SectionHeading(book, "stiffener", "5 加劲肋验算")};
    Append(blocks, CarriedLoads(book));
    blocks.push_back({doc::SideBySide{{std::move(figure), {{SectionValues(book)}}}}});
    Append(blocks, CompositeFormulas(book));
    Append(blocks, Strength(book));
    Append(blocks, Deflection(book));
    if (book.check.shear) Append(blocks, Shear(book));
    if (book.check.outstand) Append(blocks, Outstand(book));
    return blocks;
}

}  // namespace deckplate::report
